// Where the controls of the two list windows go, both of fixed size: the
// word picker (Tsoktabform) and the normalisation view (Tnormform). They
// share their frame: a bold title top left, the close and help buttons top
// right, the grid of kListGridRows rows with its scroll bar beside it, and
// the quick-search edit under its label at the bottom. Every control lies
// inside its window and none overlaps another (asserted).
#ifndef VX_SEARCH_LIST_WINDOW_LAYOUT_H_
#define VX_SEARCH_LIST_WINDOW_LAYOUT_H_

#include <array>
#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"
#include "search/list_grid.h"

namespace vx {

inline constexpr int kListRowHeight = 15;
// The rows inside the grid's sunken border of two pixels a side.
inline constexpr int kListGridHeight = kListGridRows * kListRowHeight + 4;

struct ListWindowLayout {
  Extent size;  // the client area, all of it the background panel
  Rect rubriklab, antlabel, grid, scroll_bar, quick_label, snabbsokedit, slutknapp, helpknapp;
};

struct PickerLayout : ListWindowLayout {
  Rect rubrik2lab, rensaknapp, jaknapp;
  std::vector<PanelLayout> Panels() const;
};

struct NormalisationLayout : ListWindowLayout {
  // Surnames, men's names, women's names, places, left to right.
  std::array<Rect, 4> kind_buttons;
  std::array<int, 3> column_widths{};
  std::vector<PanelLayout> Panels() const;
};

// The picker's 358 x 398 pixels.
PickerLayout LayOutPicker();
// The normalisation view's 471 x 398 pixels.
NormalisationLayout LayOutNormalisationView();

}  // namespace vx

#endif  // VX_SEARCH_LIST_WINDOW_LAYOUT_H_
