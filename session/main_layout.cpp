#include "session/main_layout.h"

#include <algorithm>

namespace vx {
namespace {

constexpr int kScrollBarWidth = 21;
constexpr int kMinimumHalf = 420;
constexpr int kTableTop = 58;

void LayOutBottomRow(MainLayout& m, int W, int H) {
  const int top = H - 6 - kCommandButton.height;
  int left = 8;
  for (Rect& box : m.commands) {
    box = {left, top, kCommandButton.width, kCommandButton.height};
    left += kCommandButton.width + kBottomRowGap;
  }
  m.avslutaknapp = {W - 6 - kCommandButton.width, top, kCommandButton.width, kCommandButton.height};
  m.omknapp = {m.avslutaknapp.left - 10 - kCommandButton.width, top, kCommandButton.width,
               kCommandButton.height};
  m.helpknapp = {W - 2 - kHelpButton.width, 4, kHelpButton.width, kHelpButton.height};
}

void LayOutTable(MainLayout& m, int half, int H, int date_column) {
  int h = H - kTablePanelTop - 68;
  h -= h % kTableRowHeight;
  m.tabellpanel = {8, kTablePanelTop, half - 30, h + 10};
  const int width = m.tabellpanel.width;
  m.persontab = {12, kTableTop, width - 42, std::max(h - 4 * kTableRowHeight, kTableRowHeight)};
  m.synliga = m.persontab.height / kTableRowHeight;
  m.personscr = {width - 25, kTableTop, kScrollBarWidth, m.persontab.height};
  m.datumsortknapp = {width - 60, 31, kSortButton.width, kSortButton.height};
  m.namnsortknapp = {width - 65 - kSortButton.width, 31, kSortButton.width, kSortButton.height};
  date_column = std::max(date_column, kDateColumnWidth);
  m.column_widths = {m.persontab.width - date_column - 5, date_column};
}

void LayOutRecord(MainLayout& m, int half, int W) {
  m.huvpost = {half + 6, kTablePanelTop, W - half - 12, m.tabellpanel.height - 4};
  m.texten = {9, 29, m.huvpost.width - 40, m.huvpost.height - 37};
  m.textscr = {m.texten.right() + 4, m.texten.top, kScrollBarWidth, m.texten.height};
}

// Right-aligned under `panel`, 3 pixels apart, the first given rightmost.
template <size_t N>
void UnderPanel(const Rect& panel, const std::array<Rect*, N>& boxes) {
  int right = panel.right();
  for (Rect* box : boxes) {
    *box = {right - kSmallButton.width, panel.bottom() + 3, kSmallButton.width,
            kSmallButton.height};
    right = box->left - 3;
  }
}

}  // namespace

MainLayout LayOutMainWindow(int width, int height, int date_column) {
  width = std::clamp(width, kMainMinimum.width, kMainMaximum.width);
  height = std::clamp(height, kMainMinimum.height, kMainMaximum.height);
  MainLayout m;
  m.huvudpanel = {0, 0, width - 1, height - 2};
  const int W = m.huvudpanel.width;
  const int H = m.huvudpanel.height;
  const int half = std::max(W / 2, kMinimumHalf);
  LayOutBottomRow(m, W, H);
  LayOutTable(m, half, H, date_column);
  LayOutRecord(m, half, W);
  UnderPanel<3>(m.tabellpanel, {&m.rensaknapp, &m.kopilistaknapp, &m.exportknapp});
  UnderPanel<3>(m.huvpost, {&m.postskrivknapp, &m.kopipostknapp, &m.postejknapp});
  return m;
}

LogoPlacement PlaceLogo(std::optional<Extent> figure) {
  LogoPlacement placement;
  if (!figure) {
    placement.headings_left = kLogoPlace.left;
    return placement;
  }
  const int width = figure->width + 1;
  const int height = figure->height + 1;
  const Rect logo{kLogoPlace.left + (kLogoPlace.width - width) / 2,
                  kLogoPlace.top + (kLogoPlace.height - height) / 2, width, height};
  placement.logo = logo;
  placement.headings_left = logo.right() + 20;
  return placement;
}

}  // namespace vx
