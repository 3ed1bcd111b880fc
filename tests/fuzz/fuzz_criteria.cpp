// Parses arbitrary text as the criteria of every kind of search field: the
// terms of the word-list fields (split at ";" or blanks, then parsed), the
// date fields' ranges and the free-text fields' queries; nothing is
// searched. Each piece, term, range and query must be the text again once
// what its parser took away is put back.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/util/status.h"
#include "search/date_range_search.h"
#include "search/free_field_search.h"
#include "search/list_field_search.h"
#include "search/search_term.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

using vx::fuzz::Check;

using Pieces = std::vector<std::string_view>;

constexpr size_t kShownTermLength = 40;

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

bool IsSuffixDigit(char c) {
  return c >= '1' && c <= '9';
}

// Where `part` starts in `whole`, which must hold it.
size_t OffsetIn(std::string_view whole, std::string_view part) {
  const auto begin = reinterpret_cast<uintptr_t>(whole.data());
  const auto at = reinterpret_cast<uintptr_t>(part.data());
  Check(part.empty() || (at >= begin && at - begin + part.size() <= whole.size()));
  return part.empty() ? 0 : static_cast<size_t>(at - begin);
}

std::string_view CheckTrim(std::string_view text) {
  const std::string_view trimmed = vx::TrimBlanksAndControls(text);
  if (trimmed.empty()) {
    for (const char c : text)
      Check(IsBlank(c));
    return trimmed;
  }
  const size_t begin = OffsetIn(text, trimmed);
  Check(!IsBlank(trimmed.front()) && !IsBlank(trimmed.back()));
  for (size_t i = 0; i < text.size(); ++i)
    if (i < begin || i >= begin + trimmed.size()) Check(IsBlank(text[i]));
  return trimmed;
}

// The pieces are the maximal runs of non-separators of the text before its
// first zero byte, in order.
void CheckSplit(std::string_view text, char separator, const Pieces& pieces) {
  const std::string_view content = text.substr(0, text.find('\0'));
  size_t at = 0;
  for (const std::string_view piece : pieces) {
    Check(!piece.empty());
    const size_t begin = OffsetIn(content, piece);
    Check(begin >= at && (at == 0 || begin > at));
    for (size_t i = at; i < begin; ++i)
      Check(content[i] == separator);
    Check(piece.find(separator) == std::string_view::npos);
    at = begin + piece.size();
  }
  for (size_t i = at; i < content.size(); ++i)
    Check(content[i] == separator);
}

void CheckSplitTerms(std::string_view text, char separator, const Pieces& pieces) {
  const std::string_view content = text.substr(0, text.find('\0'));
  if (!content.empty() && content.front() == '\xFF') {
    Check(pieces.size() == 1);
    Check(pieces[0].size() == content.size() - 1);
    Check(pieces[0].empty() || OffsetIn(content, pieces[0]) == 1);
    return;
  }
  const Pieces split = vx::SplitAt(text, separator);
  Check(pieces.size() == split.size());
  for (size_t i = 0; i < pieces.size(); ++i)
    Check(pieces[i].data() == split[i].data() && pieces[i].size() == split[i].size());
  CheckSplit(text, separator, pieces);
}

void CheckTooLongMessage(std::string_view term, const std::string& message) {
  const std::string_view trimmed = vx::TrimBlanksAndControls(term);
  const bool cut = trimmed.size() > kShownTermLength;
  const std::string prefix = "S\xF6kordet \xE4r f\xF6r l\xE5ngt (h\xF6gst " +
                             std::to_string(vx::kMaxTermLength) + " tecken): ";
  Check(message == prefix + std::string(trimmed.substr(0, kShownTermLength)) + (cut ? "..." : ""));
}

bool SameTerm(const vx::SearchTerm& a, const vx::SearchTerm& b) {
  return a.kind == b.kind && a.first == b.first && a.second == b.second &&
         a.suffix_digit == b.suffix_digit;
}

// A parsed term is the trimmed text once its marks are put back.
void CheckTerm(std::string_view raw) {
  const std::string_view text = CheckTrim(raw);
  const std::optional<vx::SearchTerm> parsed = vx::ParseTerm(raw);
  Check(parsed.has_value() == (text.size() <= vx::kMaxTermLength));
  if (!parsed) {
    CheckTooLongMessage(raw, vx::TermTooLongMessage(raw));
    return;
  }
  const vx::SearchTerm& term = *parsed;
  const std::optional<vx::SearchTerm> again = vx::ParseTerm(text);
  Check(again && SameTerm(term, *again));  // blanks around a term do not matter
  Check(term.first.size() + term.second.size() <= text.size());

  // The text without a digit that follows a final star.
  std::string_view core = text;
  const bool digit = text.size() > 2 && IsSuffixDigit(text.back()) && text[text.size() - 2] == '*';
  if (digit) core.remove_suffix(1);
  const bool quoted = !core.empty() && core.front() == '"' && core.back() == '"';
  const bool leading_star = !core.empty() && core.front() == '*';
  // Without a leading star, only a final one (if any) goes.
  std::string_view unstarred = core;
  if (!unstarred.empty() && unstarred.back() == '*') unstarred.remove_suffix(1);

  Check(term.suffix_digit == 0 || term.kind == vx::TermKind::kContains);
  if (term.kind != vx::TermKind::kWholeWord) Check(!quoted);
  switch (term.kind) {
    case vx::TermKind::kWholeWord:
      Check(quoted && core == text && term.second.empty());
      Check(term.first == (text.size() >= 2 ? text.substr(1, text.size() - 2) : ""));
      break;
    case vx::TermKind::kBeginsWith:
      Check(!leading_star && term.second.empty());
      Check(term.first.find('*') == std::string::npos && term.first == unstarred);
      break;
    case vx::TermKind::kBeginsAndEnds:
      Check(!leading_star && term.first.find('*') == std::string::npos);
      Check(term.first + "*" + term.second == unstarred);
      break;
    case vx::TermKind::kEndsWith:
      Check(leading_star && !digit && term.first.empty());
      Check(term.second.empty() || term.second.back() != '*');
      Check("*" + term.second == text);
      break;
    case vx::TermKind::kContains:
      Check(leading_star && core.size() >= 2 && core.back() == '*' && term.second.empty());
      Check("*" + term.first + "*" == core);
      Check(term.suffix_digit == (digit ? text.back() : 0));
      break;
    default:
      Check(false);
  }
}

// A check refuses exactly when a term of the pieces would be refused, and
// names the first such term.
void CheckRefusals(const Pieces& pieces) {
  const vx::Status status = vx::CheckTermLengths(pieces);
  const std::string_view* refused = nullptr;
  for (const std::string_view& piece : pieces) {
    CheckTerm(piece);
    if (refused == nullptr && !vx::ParseTerm(piece)) refused = &piece;
  }
  Check(status.ok() == (refused == nullptr));
  if (status.ok()) {
    Check(status.message().empty());
  } else {
    Check(status.IsInvalidArgument());
    Check(status.message() == vx::TermTooLongMessage(*refused));
  }
}

// What SearchListField and SearchFirstNames parse: a text their checks pass
// has only terms ParseTerm accepts.
void CheckFieldTexts(std::string_view text) {
  const Pieces list_terms = vx::SplitTerms(text, ';');
  CheckSplitTerms(text, ';', list_terms);
  CheckRefusals(list_terms);
  const vx::Status list_status = vx::CheckListFieldText(text);
  Check(list_status.ok() == vx::CheckTermLengths(list_terms).ok());

  const Pieces alternatives = vx::SplitAt(text, ';');
  CheckSplit(text, ';', alternatives);
  bool all_parse = true;
  for (const std::string_view alternative : alternatives) {
    const Pieces words = vx::SplitTerms(alternative, ' ');
    CheckSplitTerms(alternative, ' ', words);
    CheckRefusals(words);
    for (const std::string_view word : words)
      all_parse = all_parse && vx::ParseTerm(word).has_value();
  }
  Check(vx::CheckFirstNamesText(text).ok() == all_parse);
}

void CheckDateField(std::string_view text, std::string_view lower_default) {
  const vx::DateRange range = vx::SplitDateField(text, lower_default);
  const std::string_view trimmed = CheckTrim(text);
  const size_t dash = trimmed.find('-');
  if (dash == std::string_view::npos) {
    Check(range.from == trimmed && range.to.empty());
    return;
  }
  const std::string_view from = CheckTrim(trimmed.substr(0, dash));
  const std::string_view to = CheckTrim(trimmed.substr(dash + 1));
  Check(range.from == (from.empty() ? lower_default : from));
  Check(range.to == (to.empty() ? vx::kDateUpperDefault : to));
  Check(range.from.find('-') == std::string::npos && !range.to.empty());
}

void CheckFreeField(std::string_view text) {
  const vx::FreeFieldQuery query = vx::ParseFreeFieldText(text);
  Check(query.text.size() <= text.size());
  const std::string_view trimmed = vx::TrimBlanksAndControls(text);
  if (!trimmed.empty() && trimmed.front() == '*') {
    // Leading stars are dropped: the part between the stars, as a part.
    Check(query.mode == vx::FreeSearchMode::kContains);
    const size_t begin = trimmed.find(query.text);
    Check(begin != std::string_view::npos);
    for (size_t i = 0; i < trimmed.size(); ++i)
      if (i < begin || i >= begin + query.text.size()) Check(trimmed[i] == '*');
    Check(query.text.empty() || (query.text.front() != '*' && query.text.back() != '*'));
  } else if (!text.empty() && text.front() == '"') {
    Check(query.mode == vx::FreeSearchMode::kEqual);
    // Only quotes around the query.
    const size_t begin = text.find(query.text);
    Check(begin != std::string_view::npos);
    for (size_t i = 0; i < text.size(); ++i)
      if (i < begin || i >= begin + query.text.size()) Check(text[i] == '"');
    Check(query.text.empty() || (query.text.front() != '"' && query.text.back() != '"'));
  } else if (!text.empty() && text.back() == '*') {
    Check(query.mode == vx::FreeSearchMode::kBeginsWith && query.text + "*" == text);
  } else {
    Check(query.mode == vx::FreeSearchMode::kContains && query.text == text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckFieldTexts(text);
  CheckTerm(text);
  CheckDateField(text, "1600");
  CheckDateField(text, "1800");
  CheckFreeField(text);
  return 0;
}
