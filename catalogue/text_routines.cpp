#include "catalogue/text_routines.h"

#include "codedtext/coded_text.h"
#include "engine/text/text_helpers.h"

namespace vx {
namespace {

// Trims what the system's Trim trims: blanks and control characters.
std::string_view Trimmed(std::string_view s) {
  size_t first = 0, last = s.size();
  while (first < last && static_cast<unsigned char>(s[first]) <= ' ')
    ++first;
  while (last > first && static_cast<unsigned char>(s[last - 1]) <= ' ')
    --last;
  return s.substr(first, last - first);
}

}  // namespace

std::string utanmarkering(std::string_view text) {
  return RemoveTags(text);
}

std::vector<std::string> delatext(std::string_view text, char separator) {
  std::vector<std::string> items;
  std::string rest = std::string(text) + ' ';
  for (size_t at = rest.find(separator); at != std::string::npos; at = rest.find(separator)) {
    items.emplace_back(Trimmed(std::string_view(rest).substr(0, at)));
    rest.erase(0, at + 1);
  }
  if (!rest.empty()) items.emplace_back(Trimmed(rest));
  return items;
}

std::vector<std::string> ordlista(std::string_view text, std::string_view delimiters) {
  std::vector<std::string> words;
  std::string rest(text);
  for (std::string word = NextWord(delimiters, rest); !word.empty();
       word = NextWord(delimiters, rest)) {
    words.push_back(std::move(word));
  }
  return words;
}

std::string trimtecken(std::string_view text, std::string_view set) {
  const size_t first = text.find_first_not_of(set);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(set) - first + 1));
}

std::string nollfyll(std::string_view text, size_t width) {
  if (text.size() >= width) return std::string(text);
  return std::string(width - text.size(), '0') + std::string(text);
}

}  // namespace vx
