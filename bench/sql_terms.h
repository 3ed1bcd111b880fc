// The SQL side's own reading of what a user types into a search field, so
// that a misreading on either side shows up as a difference in hit counts.
//
//   abc, abc*  begins with     ab*cd  begins and ends     *cd  ends with
//   *bc*       contains        *bc*N  contains, ends with the digit N
//   "abc"      the whole word
// Alternatives are separated by ";", first-name words by blanks; a text
// that starts with FFh is one term.
#ifndef VX_BENCH_SQL_TERMS_H_
#define VX_BENCH_SQL_TERMS_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx::bench {

enum class SqlTermKind { kBegins, kBeginsEnds, kEnds, kContains, kWhole };

struct SqlTerm {
  SqlTermKind kind = SqlTermKind::kBegins;
  std::string head;  // begins, begins-ends, contains, whole
  std::string tail;  // begins-ends, ends
  char digit = 0;    // contains: the last character the value must have
};

// The non-empty runs of `text` between separators.
std::vector<std::string_view> Runs(std::string_view text, char separator);
// Runs, except that a text starting with FFh is the rest of it, whole.
std::vector<std::string_view> TermTexts(std::string_view text, char separator);
SqlTerm ReadTerm(std::string_view text);

// A free-text field: the comparison and the upper-cased alternatives.
enum class LineMatch { kEqual, kBegins, kContains };
struct LineQuery {
  LineMatch match = LineMatch::kContains;
  std::vector<std::string> terms;
};
LineQuery ReadLineQuery(std::string_view text);

// A date field's two ends (to empty: the same as from), with the lower
// default for an empty lower end and "2100" for an empty upper one.
struct DateEnds {
  std::string from;
  std::string to;
};
DateEnds ReadDateEnds(std::string_view text, std::string_view lower_default);

// The smallest byte string above every string that begins with `prefix`;
// for a prefix that has none (empty or all FFh) a string of FFh bytes longer
// than any stored value.
std::string PrefixEnd(std::string_view prefix);

}  // namespace vx::bench

#endif  // VX_BENCH_SQL_TERMS_H_
