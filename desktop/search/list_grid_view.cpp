#include "desktop/search/list_grid_view.h"

#include <utility>

#include "controls/scroll_bar.h"
#include "controls/tlm_tab.h"

namespace vx {

ListGridView::ListGridView(TLMtab* grid, Tspecscr* bar, QObject* parent)
    : QObject(parent), grid_(grid), bar_(bar) {
  connect(bar_, &Tspecscr::NyPosition, this, &ListGridView::OnBarMoved);
  connect(grid_, &TLMtab::TopLeftChanged, this, &ListGridView::OnTopChanged);
}

void ListGridView::SetRows(int rows) {
  const bool was = std::exchange(syncing_, true);
  grid_->setRowCount(rows);
  const ListScrollBar bar = ListScrollBarFor(rows);
  // Position first: 1 lies inside every range, so the new maximum cannot
  // move it.
  bar_->setPosition(1);
  bar_->setMax(bar.maximum);
  bar_->setPosition(grid_->topRow() + 1);
  bar_->setVisible(bar.shown);
  syncing_ = was;
}

GridPlace ListGridView::place() const {
  return {grid_->topRow(), grid_->currentRow()};
}

void ListGridView::SetPlace(const GridPlace& place) {
  grid_->setTopRow(place.top);
  grid_->setCurrentRow(place.current);
  OnTopChanged(grid_->topRow());
}

void ListGridView::Wheel(int delta) {
  if (in_wheel_ || bar_->isHidden()) return;
  in_wheel_ = true;
  grid_->setTopRow(WheelTopRow(grid_->topRow(), delta, grid_->rowCount()));
  in_wheel_ = false;
}

void ListGridView::ShowFound(int row) {
  SetPlace(QuickSearchPlace(place(), row, grid_->rowCount()));
}

void ListGridView::OnBarMoved(int position) {
  if (!syncing_) grid_->setTopRow(position - 1);
}

void ListGridView::OnTopChanged(int top) {
  const bool was = std::exchange(syncing_, true);
  bar_->setPosition(top + 1);
  syncing_ = was;
}

}  // namespace vx
