// Where the controls of the window "Möjliga samband" go; the window is of
// fixed size. A bold title top left with the record shown under it and the
// count at its right, the close and help buttons top right, the columns'
// headings over the list of candidates (the list windows' grid of
// kListGridRows rows, five columns) with its scroll bar beside it, and
// under it the current row's reasons in full
// beside the button that shows the candidate. Every control lies inside
// the window and none overlaps another (asserted).
#ifndef VX_LINKING_LINK_WINDOW_LAYOUT_H_
#define VX_LINKING_LINK_WINDOW_LAYOUT_H_

#include <array>
#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"
#include "linking/link_listing.h"

namespace vx {

struct LinkWindowLayout {
  Extent size;  // the client area, all of it the background panel
  Rect rubriklab, rubrik2lab, antlabel, slutknapp, helpknapp;
  Rect grid, scroll_bar, skallabel, visaknapp;
  // Name, date, parish, score, reasons; together the grid's inside.
  std::array<int, kLinkColumnCount> column_widths{};
  // The columns' headings just above the grid, each over its column's text.
  std::array<Rect, kLinkColumnCount> column_headings{};
  std::vector<PanelLayout> Panels() const;
};

// The window's 700 x 410 pixels.
LinkWindowLayout LayOutLinkWindow();

}  // namespace vx

#endif  // VX_LINKING_LINK_WINDOW_LAYOUT_H_
