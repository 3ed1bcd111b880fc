#include "language/messages.h"

#include <string>
#include <unordered_map>

#include "language/message_table.h"

namespace vx {

std::string_view MessageText(MessageId id, Language language) {
  const MessageEntry& entry = kMessageTable[static_cast<int>(id)];
  return language == Language::kEnglish ? entry.english : entry.swedish;
}

std::string_view TextOfSwedish(std::string_view swedish, Language language) {
  if (language == Language::kSwedish) return swedish;
  // Made once, also when threads ask at the same time. One Swedish text
  // has one English: the catalogue's generator refuses anything else.
  static const auto* const english = [] {
    auto* map = new std::unordered_map<std::string_view, std::string_view>();
    for (const MessageEntry& entry : kMessageTable) {
      if (*entry.comment == '\0') map->emplace(entry.swedish, entry.english);
    }
    return map;
  }();
  const auto found = english->find(swedish);
  return found == english->end() ? swedish : found->second;
}

std::string_view MessageSense(MessageId id) {
  return kMessageTable[static_cast<int>(id)].comment;
}

std::string_view MessageName(MessageId id) {
  return kMessageTable[static_cast<int>(id)].id;
}

namespace {

template <typename Args>
std::string Formatted(std::string_view pattern, const Args& args) {
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t n = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
      out += *(args.begin() + static_cast<std::ptrdiff_t>(n));
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return Formatted(pattern, args);
}

std::string FormatMessage(std::string_view pattern, std::span<const std::string> args) {
  return Formatted(pattern, args);
}

std::string Say(MessageId id, Language language, std::initializer_list<std::string_view> args) {
  return FormatMessage(MessageText(id, language), args);
}

}  // namespace vx
