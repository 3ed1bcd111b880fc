#include "engine/text/text_helpers.h"

#include <cstdint>

namespace vx {
namespace {

constexpr std::string_view kWordBreaks = " ,-./:;\\";

void StripOneFill(std::string& s) {
  if (s.size() < 2) return;
  const std::string_view tail = std::string_view(s).substr(s.size() - 2);
  if (tail == "00" || tail == "99") s.resize(s.size() - 2);
}

}  // namespace

std::string Blanks(int n) {
  return std::string(static_cast<uint8_t>(n), ' ');
}

std::string TrimTrailingBlanks(std::string_view s) {
  const size_t last = s.find_last_not_of(' ');
  if (last == std::string_view::npos) return {};
  return std::string(s.substr(0, last + 1));
}

std::string TrimLeadingBlanks(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first));
}

size_t LastBreak(std::string_view s, BreakMode mode) {
  if (mode == BreakMode::kDirectory) {
    const size_t slash = s.rfind('\\');
    return slash == std::string_view::npos ? 0 : slash;
  }
  const size_t found = s.find_last_of(kWordBreaks);
  return found == std::string_view::npos ? s.size() : found + 1;
}

std::string NextWord(std::string_view delimiters, std::string& s) {
  const size_t begin = s.find_first_not_of(delimiters);
  if (begin == std::string::npos) {
    s.clear();
    return {};
  }
  size_t end = s.find_first_of(delimiters, begin);
  if (end == std::string::npos) end = s.size();
  std::string word = s.substr(begin, end - begin);
  size_t rest = s.find_first_not_of(delimiters, end);
  if (rest == std::string::npos) rest = s.size();
  s.erase(0, rest);
  return word;
}

void StripDateFill(std::string& s) {
  StripOneFill(s);
  StripOneFill(s);
}

}  // namespace vx
