// The criteria language of the search fields: a field's text splits into
// terms, and each term is one of five kinds.
//
//   abc, abc*      begins-with       the row begins with abc
//   ab*cd          begins-and-ends   the row begins with ab and ends with cd
//                                    (the two may overlap: ab*ba finds aba)
//   *cd            ends-with         the row ends with cd
//   *bc*, *bc*N    contains          bc occurs in the row (and, with a digit
//                                    N of 1..9, the row's last character is N)
//   "abc"          whole word        the row is abc
//
// A digit after a final '*' is kept only by a contains term: abc*2 is a
// begins-with term for abc. Terms are trimmed of blanks at both ends.
//
// A term longer than kMaxTermLength characters is refused, not cut: a cut
// term would search for something other than what was typed.
#ifndef VX_SEARCH_SEARCH_TERM_H_
#define VX_SEARCH_SEARCH_TERM_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/util/status.h"

namespace vx {

inline constexpr size_t kMaxTermLength = 500;

// Numbered in the order the parser decides them.
enum class TermKind : int {
  kBeginsWith = 0,
  kBeginsAndEnds = 1,
  kEndsWith = 2,
  kContains = 3,
  kWholeWord = 4,
};

struct SearchTerm {
  TermKind kind = TermKind::kBeginsWith;
  // The beginning (begins-with, begins-and-ends), the part looked for
  // (contains) or the whole word.
  std::string first;
  // The ending (begins-and-ends, ends-with).
  std::string second;
  // Contains only: '1'..'9', the last character a row must have; 0 for none.
  char suffix_digit = 0;
};

// `s` without blanks and control characters (bytes up to 20h) at both ends.
std::string_view TrimBlanksAndControls(std::string_view s);

// The maximal runs of characters of `text` other than `separator`: leading,
// trailing and repeated separators give no empty pieces, and a text of
// separators gives none. A zero byte ends the text. The views point into
// `text`.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// The terms of a field's text. A text beginning with 'ÿ' (FFh) is one term,
// the rest of the text unsplit; any other text splits as SplitAt does.
std::vector<std::string_view> SplitTerms(std::string_view text, char separator);

// Parses one term; nullopt when it is longer than kMaxTermLength after
// trimming.
std::optional<SearchTerm> ParseTerm(std::string_view term);

// Done, or kTermTooLong naming the first term of `terms` that ParseTerm
// refuses.
Status CheckTermLengths(const std::vector<std::string_view>& terms);

// "Sökordet är för långt (högst 500 tecken): " and the term's beginning,
// as a message of the catalogue; TermTooLongMessage is its Swedish.
Message TermTooLong(std::string_view term);
std::string TermTooLongMessage(std::string_view term);

}  // namespace vx

#endif  // VX_SEARCH_SEARCH_TERM_H_
