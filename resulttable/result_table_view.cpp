#include "resulttable/result_table_view.h"

#include <algorithm>
#include <cassert>

namespace vx {

int32_t ResultTableView::MaxTop() const {
  return std::max(0, row_count_ - visible_rows_);
}

void ResultTableView::AssertBounds() const {
  assert(visible_rows_ >= 1 && row_count_ >= 0);
  assert(top_ >= 0 && top_ <= MaxTop());
  assert(row_ >= 0 && (row_count_ == 0 || row_ < row_count_));
}

void ResultTableView::SetVisibleRows(int32_t rows) {
  visible_rows_ = std::max(1, rows);
  SetTopRow(top_);
  AssertBounds();
}

void ResultTableView::SetRowCount(int32_t n) {
  row_count_ = std::max(0, n);
  row_ = std::clamp(row_, 0, std::max(0, row_count_ - 1));
  SetTopRow(top_);
  AssertBounds();
}

void ResultTableView::SetTopRow(int32_t top) {
  top_ = std::clamp(top, 0, MaxTop());
  AssertBounds();
}

void ResultTableView::SetCurrentRow(int32_t row) {
  row_ = std::clamp(row, 0, std::max(0, row_count_ - 1));
  if (row_ < top_) SetTopRow(row_);
  if (row_ >= top_ + visible_rows_) SetTopRow(row_ - visible_rows_ + 1);
  assert(InView(row_));
}

void ResultTableView::BringIntoView(int32_t t) {
  if (!InView(t)) SetTopRow(t - visible_rows_ / 2);
  SetCurrentRow(t);
}

void ResultTableView::Wheel(int32_t delta) {
  const ScrollBarState bar = scroll_bar();
  if (!bar.shown) return;
  SetScrollPosition(std::clamp(bar.position - delta / 12, 1, bar.maximum));
}

ScrollBarState ResultTableView::scroll_bar() const {
  ScrollBarState bar;
  bar.shown = row_count_ > visible_rows_;
  if (bar.shown) bar.maximum = row_count_ - visible_rows_ + 1;
  bar.position = top_ + 1;
  return bar;
}

}  // namespace vx
