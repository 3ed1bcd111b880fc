#include "language/messages.h"

#include "language/message_table.h"

namespace vx {

std::string_view MessageText(MessageId id, Language language) {
  const MessageEntry& entry = kMessageTable[static_cast<int>(id)];
  return language == Language::kEnglish ? entry.english : entry.swedish;
}

std::string_view MessageName(MessageId id) {
  return kMessageTable[static_cast<int>(id)].id;
}

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t n = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string Say(MessageId id, Language language, std::initializer_list<std::string_view> args) {
  return FormatMessage(MessageText(id, language), args);
}

}  // namespace vx
