#include "linking/link_window_layout.h"

#include <cassert>
#include <numeric>

#include "search/list_window_layout.h"

namespace vx {
namespace {

constexpr Extent kSize{700, 410};
constexpr int kMargin = 14;
constexpr int kFigure = 24;
constexpr int kBarWidth = 22;
constexpr int kGridBorder = 2;  // the grid's sunken border, each side
constexpr Extent kShowButton{18, 36};

}  // namespace

LinkWindowLayout LayOutLinkWindow() {
  LinkWindowLayout m;
  m.size = kSize;
  m.slutknapp = {kSize.width - kMargin - kFigure, 10, kFigure, kFigure};
  m.helpknapp = {m.slutknapp.left - 8 - kFigure, 10, kFigure, kFigure};
  m.rubriklab = {kMargin, 12, 400, 22};
  const int grid_width = kSize.width - 2 * kMargin - kBarWidth - 2;
  m.grid = {kMargin, 74, grid_width, kListGridHeight};
  // Under the buttons, its right edge the grid's.
  m.antlabel = {m.grid.right() - 220, 34, 220, 16};
  m.rubrik2lab = {kMargin, 34, m.antlabel.left - 8 - kMargin, 16};
  m.scroll_bar = {m.grid.right() + 2, m.grid.top, kBarWidth, kListGridHeight};
  // Clear of the corner ornament, as the picker's confirming button.
  m.visaknapp = {kSize.width - kMargin - 26, kSize.height - 43, kShowButton.width,
                 kShowButton.height};
  m.skallabel = {kMargin, m.grid.bottom() + 6, m.visaknapp.left - 14 - kMargin, 48};
  // The reasons take what the other columns leave.
  m.column_widths = {185, 90, 100, 44, 0};
  const int inside = grid_width - 2 * kGridBorder;
  m.column_widths[kLinkReasonsColumn] =
      inside - std::accumulate(m.column_widths.begin(), m.column_widths.end(), 0);
  int left = m.grid.left + kGridBorder;
  for (size_t column = 0; column < m.column_widths.size(); ++column) {
    m.column_headings[column] = {left, m.grid.top - 18, m.column_widths[column], 16};
    left += m.column_widths[column];
  }
  assert(LayoutFault(m.Panels()).empty());
  return m;
}

std::vector<PanelLayout> LinkWindowLayout::Panels() const {
  return {{"huvudpanel",
           size,
           {{"rubriklab", rubriklab},
            {"rubrik2lab", rubrik2lab},
            {"antlabel", antlabel},
            {"slutknapp", slutknapp},
            {"helpknapp", helpknapp},
            {"grid", grid},
            {"scroll_bar", scroll_bar},
            {"skallabel", skallabel},
            {"visaknapp", visaknapp},
            {"namnrubrik", column_headings[kLinkNameColumn]},
            {"datumrubrik", column_headings[kLinkDateColumn]},
            {"forsamlingsrubrik", column_headings[kLinkParishColumn]},
            {"poangrubrik", column_headings[kLinkScoreColumn]},
            {"skalrubrik", column_headings[kLinkReasonsColumn]}}}};
}

}  // namespace vx
