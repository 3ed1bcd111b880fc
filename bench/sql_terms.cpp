#include "bench/sql_terms.h"

#include <algorithm>

#include "engine/util/cp1252.h"

namespace vx::bench {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
    s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
    s.remove_suffix(1);
  return s;
}

}  // namespace

std::vector<std::string_view> Runs(std::string_view text, char separator) {
  std::vector<std::string_view> runs;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == separator) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < text.size() && text[i] != separator)
      ++i;
    runs.push_back(text.substr(start, i - start));
  }
  return runs;
}

std::vector<std::string_view> TermTexts(std::string_view text, char separator) {
  if (!text.empty() && text[0] == '\xFF') return {text.substr(1)};
  return Runs(text, separator);
}

SqlTerm ReadTerm(std::string_view text) {
  text = Trim(text);
  SqlTerm term;
  char digit = 0;
  if (text.size() > 2 && text.back() >= '1' && text.back() <= '9' && text[text.size() - 2] == '*') {
    digit = text.back();
    text.remove_suffix(1);
  }
  if (!text.empty() && text.front() == '"' && text.back() == '"') {
    term.kind = SqlTermKind::kWhole;
    if (text.size() >= 2) term.head = text.substr(1, text.size() - 2);
    return term;
  }
  const bool leading_star = !text.empty() && text.front() == '*';
  if (leading_star) text.remove_prefix(1);
  const bool trailing_star = !text.empty() && text.back() == '*';
  if (trailing_star) text.remove_suffix(1);
  if (leading_star && trailing_star) {
    term.kind = SqlTermKind::kContains;
    term.head = text;
    term.digit = digit;
  } else if (leading_star) {
    term.kind = SqlTermKind::kEnds;
    term.tail = text;
  } else if (const size_t star = text.find('*'); star != std::string_view::npos) {
    term.kind = SqlTermKind::kBeginsEnds;
    term.head = text.substr(0, star);
    term.tail = text.substr(star + 1);
  } else {
    term.head = text;
  }
  return term;
}

LineQuery ReadLineQuery(std::string_view text) {
  LineQuery query;
  if (!text.empty() && text.front() == '"') {
    query.match = LineMatch::kEqual;
    while (!text.empty() && text.front() == '"')
      text.remove_prefix(1);
    while (!text.empty() && text.back() == '"')
      text.remove_suffix(1);
  } else if (!text.empty() && text.back() == '*') {
    query.match = LineMatch::kBegins;
    text.remove_suffix(1);
  }
  const std::string upper = UpperCase(std::string(text));
  std::string_view rest = Trim(upper);
  // Separators around a term go with it; a text of separators alone is one
  // empty term.
  while (!rest.empty()) {
    while (!rest.empty() && rest.front() == ';')
      rest.remove_prefix(1);
    const size_t end = std::min(rest.find(';'), rest.size());
    query.terms.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end);
    while (!rest.empty() && rest.front() == ';')
      rest.remove_prefix(1);
  }
  return query;
}

DateEnds ReadDateEnds(std::string_view text, std::string_view lower_default) {
  text = Trim(text);
  const size_t dash = text.find('-');
  if (dash == std::string_view::npos) return {std::string(text), {}};
  DateEnds ends{std::string(Trim(text.substr(0, dash))), std::string(Trim(text.substr(dash + 1)))};
  if (ends.from.empty()) ends.from = lower_default;
  if (ends.to.empty()) ends.to = "2100";
  return ends;
}

std::string PrefixEnd(std::string_view prefix) {
  std::string end(prefix);
  while (!end.empty() && end.back() == '\xFF')
    end.pop_back();
  if (end.empty()) return std::string(1 << 16, '\xFF');
  end.back() = static_cast<char>(static_cast<unsigned char>(end.back()) + 1);
  return end;
}

}  // namespace vx::bench
