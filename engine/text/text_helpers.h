// Small helpers on Windows-1252 text: blank padding and trimming, a word
// splitter, a line-break finder and a date-fill stripper. Only the blank
// (20h) counts as a blank.
#ifndef VX_ENGINE_TEXT_TEXT_HELPERS_H_
#define VX_ENGINE_TEXT_TEXT_HELPERS_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// n blanks, n taken modulo 256 (a negative n wraps as a byte does).
std::string Blanks(int n);

// `s` without its trailing blanks; a text of blanks only gives "".
std::string TrimTrailingBlanks(std::string_view s);

// `s` without its leading blanks; a text of blanks only gives "".
std::string TrimLeadingBlanks(std::string_view s);

// Which break LastBreak looks for.
enum class BreakMode {
  // Any of blank , - . / : ; and backslash.
  kWord,
  // Backslash only, as between the directory and the name of a path.
  kDirectory,
};

// kWord: the 1-based position of the last break character, or the length
// of `s` when there is none.
// kDirectory: the length of the directory part without its final backslash
// (the 1-based position of the last backslash minus one), or 0 when there
// is no backslash.
size_t LastBreak(std::string_view s, BreakMode mode);

// Skips delimiters at the start of `s`, takes the characters up to the next
// delimiter as the word, skips the delimiters after it and leaves the rest
// in `s`. Every character of `delimiters` is a delimiter.
std::string NextWord(std::string_view delimiters, std::string& s);

// Drops a final "00" or "99" from `s` when it is longer than one character,
// then once more: a stored date 18230000 or 18239999 becomes 1823 and
// 18230500 becomes 182305.
void StripDateFill(std::string& s);

}  // namespace vx

#endif  // VX_ENGINE_TEXT_TEXT_HELPERS_H_
