// The rows picked in a search list, its vald selection: what a field in
// list mode is searched with. The picker ticks them one by one; kuvo-sok
// ticks them by word; clearing a search form clears them all.
#ifndef VX_SEARCH_PICKED_ROWS_H_
#define VX_SEARCH_PICKED_ROWS_H_

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/lists/struct_list.h"

namespace vx {

// What clearing register 1..3's search form does to the picked rows: the
// vald of each of its twenty slots' lists that keeps one is cleared. (The
// picker's remembered top and current rows are the picker's to reset.)
void ClearPickedRows(TEVF& evf, int register_number);

// Ticks the row whose text equals each word as the list compares (case
// ignored), as a user would in the picker. Returns the words no row
// equals.
std::vector<std::string> TickWords(TVXstruktlista& list, const std::vector<std::string>& words);

// The summary a field in list mode shows: the ticked rows' texts in row
// order, each without what comes up to its first '&' and without leading
// '|', joined by ";", ending with the row that takes it past 200
// characters.
std::string BuildPickSummary(TVXstruktlista& list);

}  // namespace vx

#endif  // VX_SEARCH_PICKED_ROWS_H_
