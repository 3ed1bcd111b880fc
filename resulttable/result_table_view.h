// The result table's rows as the grid shows them: row count, top row,
// current row (0-based), the number of whole rows that fit (synliga) and
// the scroll bar beside the table, which the table has none of its own.
// The top row stays within 0 .. row count - synliga and the current row
// within the rows.
#ifndef VX_RESULTTABLE_RESULT_TABLE_VIEW_H_
#define VX_RESULTTABLE_RESULT_TABLE_VIEW_H_

#include <cstdint>

namespace vx {

// personscr: shown only while there are more rows than fit; position p
// shows top row p - 1.
struct ScrollBarState {
  bool shown = false;
  int32_t maximum = 1;
  int32_t position = 1;
};

class ResultTableView {
 public:
  // Whole rows that fit, at least 1. Keeps the top row within bounds.
  void SetVisibleRows(int32_t rows);
  // A table of n rows (enabled when n > 0); top and current row are
  // moved into the new bounds.
  void SetRowCount(int32_t n);
  // Clamped to 0 .. MaxTop(); the current row is not moved.
  void SetTopRow(int32_t top);
  // Clamped to the rows; when it falls outside the view, the view scrolls
  // just far enough to show it at its edge, as a grid does.
  void SetCurrentRow(int32_t row);
  // Makes row t current: a row inside the view leaves the top alone,
  // another is centred (top t - synliga / 2, within bounds).
  void BringIntoView(int32_t t);
  // Scroll-bar position p: top row p - 1.
  void SetScrollPosition(int32_t position) { SetTopRow(position - 1); }
  // Moves the scroll position by -delta / 12 rows (10 rows per notch of
  // 120), within 1 .. maximum; nothing unless the scroll bar is shown.
  void Wheel(int32_t delta);

  int32_t synliga() const { return visible_rows_; }
  int32_t row_count() const { return row_count_; }
  int32_t top_row() const { return top_; }
  int32_t current_row() const { return row_; }
  bool enabled() const { return row_count_ > 0; }
  int32_t MaxTop() const;
  bool InView(int32_t row) const { return row >= top_ && row < top_ + visible_rows_; }
  ScrollBarState scroll_bar() const;

 private:
  // Debug builds: the bounds above hold.
  void AssertBounds() const;

  int32_t visible_rows_ = 1;
  int32_t row_count_ = 0;
  int32_t top_ = 0;
  int32_t row_ = 0;
};

}  // namespace vx

#endif  // VX_RESULTTABLE_RESULT_TABLE_VIEW_H_
