#include "search/list_window_layout.h"

#include <cassert>

namespace vx {
namespace {

constexpr int kFigure = 24;
constexpr int kBarWidth = 22;
constexpr Extent kQuickSearch{180, 21};

// What both windows share, for a window of `size` with `margin` pixels at
// the sides, the grid `grid_width` wide from `grid_top` and the quick
// search at `quick_top`.
void LayOutFrame(ListWindowLayout& m, Extent size, int margin, int grid_top, int grid_width,
                 int quick_top) {
  m.size = size;
  m.slutknapp = {size.width - margin - kFigure, 10, kFigure, kFigure};
  m.helpknapp = {m.slutknapp.left - 8 - kFigure, 10, kFigure, kFigure};
  m.grid = {margin, grid_top, grid_width, kListGridHeight};
  m.scroll_bar = {m.grid.right() + 2, grid_top, kBarWidth, kListGridHeight};
  m.snabbsokedit = {margin, quick_top, kQuickSearch.width, kQuickSearch.height};
  // The label just above the edit, as wide.
  m.quick_label = {margin, quick_top - 17, kQuickSearch.width, 16};
}

std::vector<PlacedControl> FrameControls(const ListWindowLayout& m) {
  return {{"rubriklab", m.rubriklab},
          {"antlabel", m.antlabel},
          {"grid", m.grid},
          {"scroll_bar", m.scroll_bar},
          {"quick_label", m.quick_label},
          {"snabbsokedit", m.snabbsokedit},
          {"slutknapp", m.slutknapp},
          {"helpknapp", m.helpknapp}};
}

}  // namespace

PickerLayout LayOutPicker() {
  constexpr Extent kSize{358, 398};
  constexpr int kMargin = 14;
  PickerLayout m;
  LayOutFrame(m, kSize, kMargin, 72, kSize.width - 2 * kMargin - kBarWidth - 2, 370);
  m.rubriklab = {kMargin, 12, 260, 22};
  m.rubrik2lab = {kMargin, 34, 260, 16};
  m.antlabel = {kMargin + 1, 53, 200, 16};
  m.rensaknapp = {kMargin + 190, 368, 26, 26};
  // Clear of the corner ornament.
  m.jaknapp = {kSize.width - kMargin - 26, 355, 18, 36};
  assert(LayoutFault(m.Panels()).empty());
  return m;
}

NormalisationLayout LayOutNormalisationView() {
  constexpr Extent kSize{471, 398};
  constexpr int kMargin = 10;
  constexpr int kKindStep = 79;
  NormalisationLayout m;
  m.column_widths = {195, 195, 35};
  // The columns inside the grid's border.
  const int grid_width = m.column_widths[0] + m.column_widths[1] + m.column_widths[2] + 4;
  LayOutFrame(m, kSize, kMargin, 76, grid_width, 372);
  m.rubriklab = {kMargin + 2, 12, 300, 22};
  for (int k = 0; k < 4; ++k)
    m.kind_buttons[static_cast<size_t>(k)] = {kMargin + k * kKindStep, 42, 75, 25};
  m.antlabel = {kMargin + 4 * kKindStep + 4, 47, 130, 16};
  assert(LayoutFault(m.Panels()).empty());
  return m;
}

std::vector<PanelLayout> PickerLayout::Panels() const {
  std::vector<PlacedControl> controls = FrameControls(*this);
  controls.insert(controls.end(),
                  {{"rubrik2lab", rubrik2lab}, {"rensaknapp", rensaknapp}, {"jaknapp", jaknapp}});
  return {{"huvudpanel", size, controls}};
}

std::vector<PanelLayout> NormalisationLayout::Panels() const {
  std::vector<PlacedControl> controls = FrameControls(*this);
  constexpr const char* kNames[] = {"kind1", "kind2", "kind3", "kind4"};
  for (size_t k = 0; k < kind_buttons.size(); ++k)
    controls.push_back({kNames[k], kind_buttons[k]});
  return {{"huvudpanel", size, controls}};
}

}  // namespace vx
