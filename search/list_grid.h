// The grid of 18 rows with its scroll bar beside it that the word picker
// and the normalisation view share: where it stands, what the bar shows,
// where the wheel and the quick search move it. Rows are 0-based; the
// bar's position is the top row + 1.
#ifndef VX_SEARCH_LIST_GRID_H_
#define VX_SEARCH_LIST_GRID_H_

namespace vx {

inline constexpr int kListGridRows = 18;

// The grid's top row and current row.
struct GridPlace {
  int top = 0;
  int current = 0;
  bool operator==(const GridPlace&) const = default;
};

struct ListScrollBar {
  bool shown = false;
  int maximum = 1;
  bool operator==(const ListScrollBar&) const = default;
};

// The bar of a grid of `rows` rows: hidden with maximum 1 while every row
// fits, else shown up to the position of the last full page.
ListScrollBar ListScrollBarFor(int rows);

// The top row after a wheel turn of `delta` (120 a notch): the bar moves
// by delta / 12 within its range. Unchanged while the bar is hidden.
int WheelTopRow(int top, int delta, int rows);

// Brings row `found` into view as the quick search does: a visible row
// only becomes current; any other becomes current with half a page above
// it, the top kept within the rows.
GridPlace QuickSearchPlace(const GridPlace& now, int found, int rows);

}  // namespace vx

#endif  // VX_SEARCH_LIST_GRID_H_
