#include "records/field_rules.h"

#include <charconv>

#include "engine/util/cp1252.h"

#include "engine/util/message.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {

int ReadWholeNumber(std::string_view text, int fallback) {
  // from_chars takes a minus sign but not a plus sign.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return fallback;
  }
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return fallback;
  return value;
}

std::string WithAgeUnit(const std::string& age) {
  return WithAgeUnit(age, Language::kSwedish);
}

std::string WithAgeUnit(const std::string& age, Language language) {
  // Not a number reads as 200, above every real age.
  if (age.empty() || ReadWholeNumber(age, 200) > 120) return age;
  return FormatMessage(CatalogueText(MessageId::RecordYears, language), {age});
}

bool IsSaknas(std::string_view value) {
  return value.size() == 6 && UpperCase(std::string(value)) == "SAKNAS";
}

std::string JoinNonEmpty(std::string_view a, std::string_view b, std::string_view separator) {
  std::string joined(a);
  if (!a.empty() && !b.empty()) joined += separator;
  joined += b;
  return joined;
}

std::string NameOr(std::string_view surname, std::string_view first_name,
                   std::string_view fallback) {
  if (surname.empty() && first_name.empty()) return std::string(fallback);
  return JoinNonEmpty(surname, first_name, ", ");
}

}  // namespace vx
