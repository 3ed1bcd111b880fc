// The result table of the main window without the window: the persons the
// latest search left selected in the current register, in name or date
// order, and the record shown beside them. A widget hands its events to the
// operations below and paints what the observers say; nothing here draws.
//
// The registers' hits live in the vald selections of their person lists;
// the table shows a list's visible rows (synl, or synlsort in date order)
// and reads their texts through radcache. Per register it remembers the
// order (datumsort) and, when the user leaves it, the current and top row
// (minnesrad, minnestopp), restored when the user comes back.
//
// Reading a list or a record may raise the codec's exceptions on a damaged
// file; the owner runs each call as one user operation (Session::Guard).
// One thread, like the lists under it.
#ifndef VX_RESULTTABLE_RESULT_TABLE_H_
#define VX_RESULTTABLE_RESULT_TABLE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/lists/sort_order.h"
#include "engine/lists/sort_order_view.h"
#include "engine/lists/struct_list.h"
#include "engine/util/status.h"
#include "resulttable/hit_counter.h"
#include "resulttable/record_view_choice.h"
#include "resulttable/result_table_view.h"
#include "resulttable/row_cache.h"

namespace vx {

// What the table uses of one register. All must outlive the table.
struct ResultRegister {
  TVXstruktlista* persons = nullptr;           // the person list; null: not in the set
  const TVXsortordning* date_order = nullptr;  // null or empty: name order only
  RowSource* rows = nullptr;                   // the visible rows' texts; null: the person list
};

// Keys that move the current row.
enum class TableKey { kUp, kDown, kPageUp, kPageDown, kHome, kEnd };

class ResultTable {
 public:
  // `registers` holds births, marriages, deaths in that order. No register
  // is current until the first valjregister. The counter's words and an
  // empty name's cell are in `language`.
  ResultTable(const std::array<ResultRegister, 3>& registers, RecordSource& records,
              Language language = Language::kSwedish);
  ResultTable(const ResultTable&) = delete;
  ResultTable& operator=(const ResultTable&) = delete;

  // synliga, from the window's layout; a current register with rows gets
  // its row count and scroll bar anew.
  void SetVisibleRows(int32_t synliga);

  // Makes register 1..3 current and fills the table: saves the position of
  // the register left, recounts vald, shows it in the register's order at
  // its saved position (or at the row kept by a sort change or removal,
  // brought into view) and shows that row's record; an empty selection
  // leaves the table disabled and the record panel empty. InvalidArgument
  // for another number; otherwise the record's load status.
  Status valjregister(int r);
  // Shows record n of the current register in the record panel (n is cut
  // to the register's record count); n below 1 empties the panel.
  Status visapost(int64_t n);

  // The grid selected row `row` (0-based): it becomes current and its
  // record is shown. Nothing while the table is disabled.
  Status SelectRow(int32_t row);
  // Up and Down move one row, Page Up and Page Down synliga rows, Home and
  // End to the first and last row; the view follows just far enough.
  Status MoveCurrent(TableKey key);
  // The grid's top row changed (the scroll bar follows), the scroll bar
  // moved (the top row follows), or the mouse wheel turned.
  void SetTopRow(int32_t top) { view_.SetTopRow(top); }
  void SetScrollPosition(int32_t position) { view_.SetScrollPosition(position); }
  void Wheel(int32_t delta) { view_.Wheel(delta); }

  // The sort buttons: flips the current register between name and date
  // order, keeping the current person (centred when it was out of view).
  Status ToggleOrder();
  // Removes the current person from the hits and selects the next row, or
  // the previous when it was the last, or with fewer than three rows the
  // register's saved position (the last row when that lies beyond).
  Status RemoveCurrent();
  // Shows `record` of register 1..3 from elsewhere (a record of the same
  // life): it joins the register's hits, the register becomes current and
  // the record's row is chosen, brought into view. InvalidArgument for a
  // register not in the set or a record outside it, the table unchanged.
  Status ChooseRecord(int r, uint32_t record);
  // The table's share of the clear command: no hits and name order in
  // every register, then the current register refilled.
  Status Clear();
  // A search of register r: its saved position goes back to the first row
  // and its date view is rebuilt. The caller then calls valjregister.
  void ForgetPosition(int r);
  // Forgets the cached row texts (the database was opened anew).
  void InvalidateRows() { radcache_.Invalidate(); }

  // The text of cell (row, column), both 0-based: column 0 the name (or
  // "(Ingen namnuppgift)"), column 1 TAB and the date with dashes; "" for
  // other cells and while the table is disabled.
  std::string CellText(int32_t row, int32_t column);
  // The rows shown, from the top row through the last that fits, as the
  // list copy puts them on the clipboard: name TAB stored date CR LF each.
  // Read from the person list, whole: radcache cuts long rows.
  std::string VisibleListText();
  // The whole text of row `row` (0-based) as the person list holds it,
  // name CR date, read past radcache; false for no such row and while the
  // table is disabled.
  bool FullRowText(int32_t row, std::string& text);
  // Cell (row, column) as a screen reader reads it: ReadableCellsOf the
  // whole row; "" where CellText gives "".
  std::string ReadableCellText(int32_t row, int32_t column);
  // Every cell is drawn black and plain.
  static constexpr uint32_t CellAttribute() { return 0; }

  int aktregister() const { return aktregister_; }
  // The current register's order: true with datumsortknapp down.
  bool datumsort() const { return datumsort(aktregister_); }
  bool datumsort(int r) const { return Valid(r) && datumsort_[Index(r)]; }
  int32_t minnesrad(int r) const { return Valid(r) ? minnesrad_[Index(r)] : 0; }
  int32_t minnestopp(int r) const { return Valid(r) ? minnestopp_[Index(r)] : 0; }
  int32_t behallpost() const { return behallpost_; }
  int32_t synliga() const { return view_.synliga(); }

  int32_t row_count() const { return view_.row_count(); }
  int32_t top_row() const { return view_.top_row(); }
  int32_t current_row() const { return view_.current_row(); }
  // A disabled table draws nothing but its background and takes no focus;
  // an enabled one takes the focus after valjregister.
  bool enabled() const { return view_.enabled(); }
  ScrollBarState scroll_bar() const { return view_.scroll_bar(); }
  const RecordView& record_view() const { return record_view_; }
  const HitCounter& hit_counter() const { return hit_counter_; }
  const RowCache& radcache() const { return radcache_; }

 private:
  static bool Valid(int r) { return r >= 1 && r <= 3; }
  static size_t Index(int r) { return static_cast<size_t>(r - 1); }
  TVXstruktlista* aktlista() const;
  const SortOrderView* Order(int r) const;
  int32_t Key() const;
  int32_t SortPositionOf(int r, int32_t row) const;
  void RefreshVisible(int r);
  void uppdateraantal();
  Status ShowKept(int32_t kept, int32_t rad, int32_t topp);
  Status ShowCurrent();

  std::array<ResultRegister, 3> registers_;
  std::array<std::unique_ptr<VisibleRowSource>, 3> list_rows_;
  std::array<std::unique_ptr<SortOrderViewOf<TVXsortordning>>, 3> orders_;
  RecordSource& records_;
  Language language_;

  int aktregister_ = 0;
  std::array<bool, 3> datumsort_ = {};
  std::array<int32_t, 3> minnesrad_ = {};
  std::array<int32_t, 3> minnestopp_ = {};
  int32_t behallpost_ = -1;
  ResultTableView view_;
  RowCache radcache_;
  RecordView record_view_;
  HitCounter hit_counter_;
};

}  // namespace vx

#endif  // VX_RESULTTABLE_RESULT_TABLE_H_
