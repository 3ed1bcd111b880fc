// SearchWordList: one field's text evaluated against one word list, the
// matching rows' records marked in sokur2.
//
// Matching never loads a record: a term's rows are found in the list (by
// its index for begins-with and whole-word terms, by a scan of every row
// for ends-with and contains terms) and each row's postings are marked;
// terms are combined by Or and And over whole selections.
#ifndef VX_SEARCH_WORD_LIST_SEARCH_H_
#define VX_SEARCH_WORD_LIST_SEARCH_H_

#include <string_view>

#include "engine/lists/selection.h"
#include "engine/lists/struct_list.h"
#include "engine/text/collation.h"
#include "engine/util/status.h"
#include "search/search_term.h"

namespace vx {

// The catalogue's scratch selections, each sized to the three registers'
// total record count.
struct SearchScratch {
  Tvxsmalurval& sokur1;  // accumulator of the all-words mode
  Tvxsmalurval& sokur2;  // outcome of one word list, date range or free field
  Tvxsmalurval& sokur3;  // union of a first-name field's alternatives
};

// The table a field compares with: AccentOrderTable when it keeps accents
// (names, titles, sources), FoldTable when it folds them (parishes, places).
inline const CollationTable& FieldTable(bool accent_keeping) {
  return accent_keeping ? AccentOrderTable() : FoldTable();
}

// Evaluates `text` against `list` into scratch.sokur2.
//
// all_words false: the terms are separated by ";" and a record matches when
// any term does. all_words true: the terms are separated by blanks and a
// record matches only when every term does (sokur1 accumulates).
// A text without terms (empty, or separators only) stands for the rows
// picked in the list's vald.
//
// Begins-with runs start at the list's own FindPrefix (AccentOrderTable for
// every search list) and go on while the field's table still matches;
// everything else compares through the field's table.
//
// A term longer than kMaxTermLength refuses the whole text: sokur2 (and in
// the all-words mode sokur1) is left empty and the status says why.
Status SearchWordList(TVXstruktlista& list, std::string_view text, bool all_words,
                      bool accent_keeping, const SearchScratch& scratch);

// Marks in `into` the records of the rows of `list` that `term` matches,
// comparing through `table`. Rows without records (RowValue1 FFFFFFFFh) are
// skipped.
void MarkTermRows(TVXstruktlista& list, const SearchTerm& term, const CollationTable& table,
                  Tvxsmalurval& into);

// Marks in `into` the records of the rows picked in the list's vald.
void MarkPickedRows(TVXstruktlista& list, Tvxsmalurval& into);

}  // namespace vx

#endif  // VX_SEARCH_WORD_LIST_SEARCH_H_
