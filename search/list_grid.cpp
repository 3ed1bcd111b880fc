#include "search/list_grid.h"

#include <algorithm>

namespace vx {
namespace {

// Rows kept above a row the quick search brings from out of view.
constexpr int kRowsAboveFound = kListGridRows / 2;

int MaxTopRow(int rows) {
  return std::max(rows - kListGridRows, 0);
}

}  // namespace

ListScrollBar ListScrollBarFor(int rows) {
  if (rows <= kListGridRows) return {};
  return {true, MaxTopRow(rows) + 1};
}

int WheelTopRow(int top, int delta, int rows) {
  const ListScrollBar bar = ListScrollBarFor(rows);
  if (!bar.shown) return top;
  return std::clamp(top + 1 - delta / 12, 1, bar.maximum) - 1;
}

GridPlace QuickSearchPlace(const GridPlace& now, int found, int rows) {
  if (found >= now.top && found < now.top + kListGridRows) return {now.top, found};
  return {std::clamp(found - kRowsAboveFound, 0, MaxTopRow(rows)), found};
}

}  // namespace vx
