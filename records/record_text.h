// The text of a record as the record view shows it, as it is printed
// (coded) and as it is copied to the clipboard (plain, no bracket codes at
// all). Missing values only drop lines; every text ends with the source and
// a rule above it. Lines end with a single CR. The words around the
// record's values are in the chosen language; the values are as stored.
#ifndef VX_RECORDS_RECORD_TEXT_H_
#define VX_RECORDS_RECORD_TEXT_H_

#include <string>

#include "language/language.h"
#include "records/register_records.h"

namespace vx {

// The child's name and events, the father, the mother, the family line,
// the godparents, the other information, then the footer.
std::string ComposeBirthText(const Tenfodd& record, bool coded,
                             Language language = Language::kSwedish);

// The man, the woman, the wedding and banns, the other information, then
// the footer.
std::string ComposeMarriageText(const Tenvigd& record, bool coded,
                                Language language = Language::kSwedish);

// The deceased with birth, title, age and place, the death, burial and
// cause, the relatives, the other information, then the footer.
std::string ComposeDeathText(const Tendod& record, bool coded,
                             Language language = Language::kSwedish);

}  // namespace vx

#endif  // VX_RECORDS_RECORD_TEXT_H_
