// The search-word picker without its window: the search list of a form's
// field shown in a grid, its rows ticked in the list's own vald (row r of
// the grid is bit r + 1), the summary a confirmation hands back, and where
// the grid stood for each list when the picker last closed.
//
// Reading calls may meet a damaged list: ReadRow's status comes back, the
// messages go to the sink, and the codec's exceptions pass through, so
// the window runs them as user operations (Session::Guard).
#ifndef VX_SEARCH_PICKER_LOGIC_H_
#define VX_SEARCH_PICKER_LOGIC_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "engine/lists/struct_list.h"
#include "engine/util/status.h"
#include "language/language.h"
#include "search/list_grid.h"

namespace vx {

// The top and current rows of every search list, by register 1..3 and
// slot 1..20; 0 until stored. Numbers outside are ignored.
class PickerPositions {
 public:
  GridPlace Get(int register_number, int slot) const;
  void Set(int register_number, int slot, const GridPlace& place);
  // The search form's clear: every slot of the register back to 0.
  void Forget(int register_number);

 private:
  static bool Valid(int register_number, int slot);
  GridPlace places_[4][21] = {};
};

class WordPicker {
 public:
  // Shows list `slot` of register `register_number` of `catalogue`, which
  // must outlive the showing: opens it when closed and recounts its ticks.
  // Without a list (slot outside 1..20, an empty slot, a register that is
  // off) nothing is shown and nothing can be ticked.
  void Show(TEVF& catalogue, int register_number, int slot);
  bool has_list() const { return list_ != nullptr; }
  int rows() const;
  // Where the grid stood when this list's picker last closed.
  GridPlace remembered_place() const;
  ListScrollBar scroll_bar() const { return ListScrollBarFor(rows()); }
  // "Valda: N av M"; empty without a list.
  std::string CountText(Language language = Language::kSwedish) const;

  // The grid's cells, 1-based as its callbacks give them. Column 1 is the
  // row's text; column 2 its number of records, right-aligned (a row of
  // one record has PostingCount 0 and shows 1). The attribute is the row's
  // own word with indent 1, marked when the row is ticked.
  Status CellText(int row, int column, std::string& text);
  Status CellAttribute(int row, uint32_t& attribute);

  // Ticking by grid row. The press of the tick button (or Space) toggles
  // its row; each row the held button then reaches gets the state of the
  // row pressed, its anchor, so one drag ticks or unticks every row it
  // passes.
  void ToggleTick(int row);
  void CopyTick(int anchor, int row);
  bool Ticked(int row) const;
  void ClearTicks();
  // The grid row of the first row that begins with `prefix`, or -1.
  int QuickSearch(std::string_view prefix);
  // What the field shows after a confirmation (BuildPickSummary).
  std::string Summary();

  // The picker closed with the grid at `place`.
  void Remember(const GridPlace& place);
  void ForgetPositions(int register_number) { positions_.Forget(register_number); }

 private:
  TVXstruktlista* list_ = nullptr;
  int register_ = 0;
  int slot_ = 0;
  PickerPositions positions_;
};

}  // namespace vx

#endif  // VX_SEARCH_PICKER_LOGIC_H_
