// Rules on field values shared by the list columns and the record texts:
// reading a number, the age rule, the "saknas" marker and joining parts.
#ifndef VX_RECORDS_FIELD_RULES_H_
#define VX_RECORDS_FIELD_RULES_H_

#include <string>
#include <string_view>

#include "language/language.h"

namespace vx {

// The name shown when a person has neither surname nor first name.
inline constexpr std::string_view kNoNameText = "(Ingen namnuppgift)";

// The whole number written in `text` (an optional sign, then decimal
// digits and nothing else), or `fallback` when it is not one or does not
// fit an int.
int ReadWholeNumber(std::string_view text, int fallback);

// The age rule: an age that reads as a whole number of at most 120 gets
// " år"; anything else (empty, not a number, larger) is returned unchanged.
std::string WithAgeUnit(const std::string& age);
// The same with the unit of `language` (" years" in English).
std::string WithAgeUnit(const std::string& age, Language language);

// True when `value` is the word "saknas" (missing) in any letter case, which
// transcribers write where a title or an age is not given.
bool IsSaknas(std::string_view value);

// a + separator + b when both are non-empty, else whichever is (or "").
std::string JoinNonEmpty(std::string_view a, std::string_view b, std::string_view separator);

// The name rule: surname + ", " + first name, or the one present, or
// `fallback` when both are empty.
std::string NameOr(std::string_view surname, std::string_view first_name,
                   std::string_view fallback);

}  // namespace vx

#endif  // VX_RECORDS_FIELD_RULES_H_
