#include "search/word_list_search.h"

#include <string>
#include <vector>

#include "engine/files/row_file.h"

namespace vx {
namespace {

constexpr uint32_t kNoRecords = 0xFFFFFFFF;

bool ReadListRow(TVXstruktlista& list, int32_t row) {
  return list.ReadRow(row).ok();
}

void MarkCurrentRow(TVXstruktlista& list, Tvxsmalurval& into) {
  if (list.RowValue1() != kNoRecords) list.MarkRecords(into);
}

bool EndsWith(const std::string& text, const std::string& ending, const CollationTable& table) {
  return text.size() >= ending.size() &&
         CompareTexts(ending.c_str(), text.c_str() + (text.size() - ending.size()), table) == 0;
}

bool Contains(const std::string& text, const SearchTerm& term, const CollationTable& table) {
  if (FindPattern(term.first.c_str(), text.c_str(), table) < 0) return false;
  return term.suffix_digit == 0 || (!text.empty() && text.back() == term.suffix_digit);
}

// Begins-with and begins-and-ends: the run of rows from the first one that
// begins with the first part accent for accent, while the field's table
// still finds the first part at their beginning.
void MarkPrefixRun(TVXstruktlista& list, const SearchTerm& term, const CollationTable& table,
                   Tvxsmalurval& into) {
  const int32_t start = list.FindPrefix(term.first);
  if (start < 0) return;
  const bool check_end = term.kind == TermKind::kBeginsAndEnds;
  for (int32_t row = start; row <= list.RowCount() && ReadListRow(list, row); ++row) {
    const std::string& text = list.RowText();
    if (ComparePrefix(term.first.c_str(), text.c_str(), term.first.size(), table) != 0) break;
    if (!check_end || EndsWith(text, term.second, table)) MarkCurrentRow(list, into);
  }
}

// Ends-with and contains: every row.
void MarkScan(TVXstruktlista& list, const SearchTerm& term, const CollationTable& table,
              Tvxsmalurval& into) {
  const bool ends_with = term.kind == TermKind::kEndsWith;
  for (int32_t row = 1; row <= list.RowCount() && ReadListRow(list, row); ++row) {
    const std::string& text = list.RowText();
    if (ends_with ? EndsWith(text, term.second, table) : Contains(text, term, table)) {
      MarkCurrentRow(list, into);
    }
  }
}

void MarkWholeWord(TVXstruktlista& list, const SearchTerm& term, Tvxsmalurval& into) {
  const int32_t row = list.FindExact(term.first);
  if (row > 0 && ReadListRow(list, row)) MarkCurrentRow(list, into);
}

}  // namespace

void MarkTermRows(TVXstruktlista& list, const SearchTerm& term, const CollationTable& table,
                  Tvxsmalurval& into) {
  switch (term.kind) {
    case TermKind::kBeginsWith:
    case TermKind::kBeginsAndEnds:
      MarkPrefixRun(list, term, table, into);
      break;
    case TermKind::kEndsWith:
    case TermKind::kContains:
      MarkScan(list, term, table, into);
      break;
    case TermKind::kWholeWord:
      MarkWholeWord(list, term, into);
      break;
  }
}

void MarkPickedRows(TVXstruktlista& list, Tvxsmalurval& into) {
  const Tvxsmalurval& picked = list.vald();
  for (int32_t row = 0; picked.Next(row) && row <= list.RowCount();) {
    if (ReadListRow(list, row)) MarkCurrentRow(list, into);
  }
}

Status SearchWordList(TVXstruktlista& list, std::string_view text, bool all_words,
                      bool accent_keeping, const SearchScratch& scratch) {
  const std::vector<std::string_view> pieces = SplitTerms(text, all_words ? ' ' : ';');
  scratch.sokur2.Clear();
  if (all_words) scratch.sokur1.Clear();
  if (Status status = CheckTermLengths(pieces); !status.ok()) return status;

  if (all_words) scratch.sokur1.SetAll();
  if (pieces.empty()) {
    MarkPickedRows(list, scratch.sokur2);
    if (all_words) scratch.sokur1.Assign(scratch.sokur2);
    return Status::OK();
  }
  const CollationTable& table = FieldTable(accent_keeping);
  for (const std::string_view piece : pieces) {
    if (all_words) scratch.sokur2.Clear();
    MarkTermRows(list, *ParseTerm(piece), table, scratch.sokur2);
    if (all_words) scratch.sokur1.And(scratch.sokur2);
  }
  if (all_words) {
    scratch.sokur1.Recount();
    scratch.sokur2.Assign(scratch.sokur1);
  }
  return Status::OK();
}

}  // namespace vx
