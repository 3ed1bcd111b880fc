#include "search/search_term.h"

#include "language/message_id.h"

namespace vx {
namespace {

constexpr char kWholeText = '\xFF';  // 'ÿ'
constexpr char kQuote = '"';
constexpr char kStar = '*';
// How much of a refused term its message shows.
constexpr size_t kShownTermLength = 40;

bool IsSuffixDigit(char c) {
  return c >= '1' && c <= '9';
}

}  // namespace

std::string_view TrimBlanksAndControls(std::string_view s) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!s.empty() && blank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && blank(s.back()))
    s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string_view> terms;
  size_t begin = 0;
  while ((begin = text.find_first_not_of(separator, begin)) != std::string_view::npos) {
    size_t end = text.find(separator, begin);
    if (end == std::string_view::npos) end = text.size();
    terms.push_back(text.substr(begin, end - begin));
    begin = end;
  }
  return terms;
}

std::vector<std::string_view> SplitTerms(std::string_view text, char separator) {
  text = text.substr(0, text.find('\0'));
  if (!text.empty() && text.front() == kWholeText) return {text.substr(1)};
  return SplitAt(text, separator);
}

std::optional<SearchTerm> ParseTerm(std::string_view raw) {
  std::string_view term = TrimBlanksAndControls(raw);
  if (term.size() > kMaxTermLength) return std::nullopt;
  SearchTerm parsed;
  char digit = 0;
  if (term.size() > 2 && IsSuffixDigit(term.back()) && term[term.size() - 2] == kStar) {
    digit = term.back();
    term.remove_suffix(1);
  }
  if (!term.empty() && term.front() == kQuote && term.back() == kQuote) {
    parsed.kind = TermKind::kWholeWord;
    parsed.first = term.size() >= 2 ? term.substr(1, term.size() - 2) : std::string_view();
    return parsed;
  }
  if (!term.empty() && term.front() == kStar) {
    parsed.kind = TermKind::kEndsWith;
    term.remove_prefix(1);
  }
  if (!term.empty() && term.back() == kStar) {
    term.remove_suffix(1);
    if (parsed.kind == TermKind::kEndsWith) parsed.kind = TermKind::kContains;
  }
  switch (parsed.kind) {
    case TermKind::kBeginsWith:
      if (const size_t star = term.find(kStar); star != std::string_view::npos) {
        parsed.kind = TermKind::kBeginsAndEnds;
        parsed.first = term.substr(0, star);
        parsed.second = term.substr(star + 1);
      } else {
        parsed.first = term;
      }
      break;
    case TermKind::kEndsWith:
      parsed.second = term;
      break;
    default:  // contains
      parsed.first = term;
      parsed.suffix_digit = digit;
      break;
  }
  return parsed;
}

Status CheckTermLengths(const std::vector<std::string_view>& terms) {
  for (const std::string_view term : terms) {
    if (TrimBlanksAndControls(term).size() > kMaxTermLength) {
      return Status::Said(Status::Code::kInvalidArgument, TermTooLong(term));
    }
  }
  return Status::OK();
}

Message TermTooLong(std::string_view term) {
  term = TrimBlanksAndControls(term);
  std::string shown(term.substr(0, kShownTermLength));
  if (term.size() > kShownTermLength) shown += "...";
  return {MessageId::FormTermTooLong, {std::to_string(kMaxTermLength), shown}};
}

std::string TermTooLongMessage(std::string_view term) {
  return Render(TermTooLong(term), Language::kSwedish);
}

}  // namespace vx
