// What the search forms' per-field buttons are called for assistive
// technology. Every list-backed field has a type and a list button with
// the same picture and hint; the name says whose they are, so that a
// screen reader never lists sixteen alike "Skriv in sökord".
// Windows-1252, as the field tables; in the windows' language.
#ifndef VX_SEARCH_CONTROL_NAMES_H_
#define VX_SEARCH_CONTROL_NAMES_H_

#include <string>

#include "search/search_forms.h"

namespace vx {

// "Förnamn: skriv in sökord".
std::string TypeButtonName(const FormField& field, Language language = Language::kSwedish);
// "Förnamn: välj sökord från lista".
std::string ListButtonName(const FormField& field, Language language = Language::kSwedish);

}  // namespace vx

#endif  // VX_SEARCH_CONTROL_NAMES_H_
