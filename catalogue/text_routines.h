// Small text routines of the catalogue unit, used by the search forms, the
// record texts, the markup display and the text window. Texts are
// Windows-1252.
#ifndef VX_CATALOGUE_TEXT_ROUTINES_H_
#define VX_CATALOGUE_TEXT_ROUTINES_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The text without its bracketed parts: everything from a '[' through the
// next ']' is dropped, the brackets included; an unclosed '[' drops the rest.
std::string utanmarkering(std::string_view text);

// The pieces of `text` between `separator`s, each trimmed of blanks and
// control characters. A text ending in the separator gives a final empty
// piece; an empty text gives one empty piece.
std::vector<std::string> delatext(std::string_view text, char separator);

// The words of `text` as the word splitter takes them off, in order:
// delimiters are skipped, and an empty word ends the list.
std::vector<std::string> ordlista(std::string_view text, std::string_view delimiters = " ");

// The text without leading and trailing characters of `set`.
std::string trimtecken(std::string_view text, std::string_view set);

// The text preceded by "0"s up to `width` characters (none when it is not
// shorter).
std::string nollfyll(std::string_view text, size_t width);

}  // namespace vx

#endif  // VX_CATALOGUE_TEXT_ROUTINES_H_
