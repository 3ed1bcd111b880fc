// The hits of a register as the result table lists them: the rows of its
// person list whose bits are set in vald, in name order or in date order
// (through the register's sort order).
#ifndef VX_RESULTTABLE_HIT_LIST_H_
#define VX_RESULTTABLE_HIT_LIST_H_

#include <cstdint>
#include <string>

#include "engine/lists/sort_order.h"
#include "engine/lists/sort_order_view.h"
#include "engine/lists/struct_list.h"
#include "language/language.h"

namespace vx {

// One listed person: the record and the two parts of the person-list row.
struct HitRow {
  uint32_t record = 0;
  std::string name;  // the row text before its first CR
  std::string date;  // after it, as stored ("bg 18000105", "17450312", ...)
};

// A HitList borrows the register's person list, which the result table
// shows too: it hands the list back as it found it, sorted view included,
// and leaves no pointer to its own order behind.
class HitList {
 public:
  HitList(TVXstruktlista& persons, const TVXsortordning& order);
  ~HitList();
  HitList(const HitList&) = delete;
  HitList& operator=(const HitList&) = delete;

  // Recounts vald and shows its rows, in date order when `by_date` (and the
  // register has a sort order), else in name order.
  void Refresh(bool by_date);

  int32_t Count() const { return persons_.VisibleCount(); }
  // The k-th listed person (1-based); false when k is outside 1..Count().
  bool Row(int32_t k, HitRow& row);

 private:
  TVXstruktlista& persons_;
  SortOrderViewOf<TVXsortordning> order_;
  const SortOrderView* borrowed_order_;  // the list's sorted view when lent
};

// The two cells the result table shows for a row text: the name (at most
// 100 characters, "(Ingen namnuppgift)" in `language` when empty) and the date with
// dashes (YYYY-MM-DD, after a "bg ", "ly " or "dp " marker when there is
// one), the date prefixed with TAB to be right-aligned; a date of which
// nothing is known (year 9999) leaves the cell empty.
struct HitCells {
  std::string name;
  std::string date;
};
HitCells CellsOf(std::string_view row_text, Language language = Language::kSwedish);
// The same cells read aloud or copied: the whole name, the whole date with
// its dashes, and no TAB.
HitCells ReadableCellsOf(std::string_view row_text, Language language = Language::kSwedish);

}  // namespace vx

#endif  // VX_RESULTTABLE_HIT_LIST_H_
