// Rules for the values of a source record, shared by checking and building.
#ifndef VX_BUILDER_VALUE_RULES_H_
#define VX_BUILDER_VALUE_RULES_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "builder/register_schema.h"
#include "catalogue/catalogue_declaration.h"

namespace vx {

// A stored date: four, six or eight characters, each a digit or X (unknown
// parts are written "00", "99" or with X: 17450000, 1745XX12, 9999).
bool IsStoredDate(std::string_view text);

// The dates of a field that may hold several, separated by commas; blanks
// around them dropped, empty pieces skipped.
std::vector<std::string_view> SplitDates(std::string_view text);

// The blank-separated words of a value.
std::vector<std::string_view> SplitWords(std::string_view text);

// The lines of a long text (CR-separated), blanks trimmed, empty lines
// skipped.
std::vector<std::string_view> SplitLines(std::string_view text);

std::string_view TrimBlanks(std::string_view text);

// The longest row text a word list can hold: the text area less the zero
// byte and the words that follow it (date lists keep no statistics word).
size_t MaxRowText(const WordListDecl& list, SlotValues values);

// The values that slot source `slot` takes from one record, given a field
// reader: field(name) returns the field's text.
template <typename FieldOf>
std::vector<std::string_view> SlotValuesOf(const SlotSource& slot, FieldOf&& field) {
  std::vector<std::string_view> out;
  for (const FieldRef& ref : slot.fields) {
    std::string_view value = field(ref.name);
    if (value.empty() && !ref.fallback.empty()) value = field(ref.fallback);
    if (value.empty()) continue;
    switch (slot.values) {
      case SlotValues::kWords:
        for (std::string_view w : SplitWords(value))
          out.push_back(w);
        break;
      case SlotValues::kDates:
        for (std::string_view d : SplitDates(value))
          out.push_back(d);
        break;
      default:
        out.push_back(value);
        break;
    }
  }
  return out;
}

}  // namespace vx

#endif  // VX_BUILDER_VALUE_RULES_H_
