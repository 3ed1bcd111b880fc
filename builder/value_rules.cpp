#include "builder/value_rules.h"

#include <algorithm>

namespace vx {
namespace {

// Pieces of `text` between separators, each passed through `keep`.
template <typename Keep>
std::vector<std::string_view> Split(std::string_view text, char separator, Keep&& keep) {
  std::vector<std::string_view> out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view piece = TrimBlanks(text.substr(start, end - start));
    if (keep(piece)) out.push_back(piece);
    start = end + 1;
  }
  return out;
}

bool NotEmpty(std::string_view s) {
  return !s.empty();
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsStoredDate(std::string_view text) {
  if (text.size() != 4 && text.size() != 6 && text.size() != 8) return false;
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == 'X' || c == 'x'; });
}

std::vector<std::string_view> SplitDates(std::string_view text) {
  return Split(text, ',', NotEmpty);
}

std::vector<std::string_view> SplitWords(std::string_view text) {
  return Split(text, ' ', NotEmpty);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  return Split(text, '\r', NotEmpty);
}

size_t MaxRowText(const WordListDecl& list, SlotValues values) {
  // Zero byte, FirstRecord and PostingCount, and StatCount except in date lists.
  const size_t words = values == SlotValues::kDates ? 9 : 13;
  return static_cast<size_t>(list.radmaxlen) - words;
}

}  // namespace vx
