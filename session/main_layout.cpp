#include "session/main_layout.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <string>

#include "resulttable/hit_counter.h"
#include "theme/theme.h"

namespace vx {
namespace {

constexpr int kScrollBarWidth = 21;
constexpr int kMinimumHalf = 420;
constexpr int kTableTop = 58;

// The headings at least 100 pixels wide and 40 clear of the right edge,
// however wide a set's logo.
void LayOutHeading(MainLayout& m, int W, int headings_left) {
  m.tovikknapp = kLogoPlace;
  const int left = std::clamp(headings_left, 0, W - 40 - 100);
  const int width = W - left - 40;
  m.hrublabel = {left, 18, width, 36};
  m.urublabel = {left + 2, 58, width, 22};
  // Under the head rule, left of the corner ornament.
  m.helpknapp = {W - theme::kCornerOrnament - kHelpButton.width, theme::kHeadRuleBottom + 2,
                 kHelpButton.width, kHelpButton.height};
}

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
}

// Side by side on the tab, each as wide as the widest caption needs.
void LayOutToggles(MainLayout& m, const MainLayoutFit& fit) {
  int caption = 0;
  for (int64_t count : fit.counts)
    caption = std::max(caption, CountCaptionWidth(count, fit.caption));
  const int width =
      std::max(kFirstToggle.width, kToggleCaptionLeft + caption + kToggleCaptionRight);
  for (size_t i = 0; i < m.valknappar.size(); ++i) {
    m.valknappar[i] = {kFirstToggle.left + static_cast<int>(i) * width, kFirstToggle.top, width,
                       kFirstToggle.height};
  }
  m.table_tab_end = m.valknappar.back().right() + 4;
}

void LayOutTable(MainLayout& m, int half, int H, const MainLayoutFit& fit) {
  int h = H - kTablePanelTop - 68;
  h -= h % kTableRowHeight;
  m.tabellpanel = {8, kTablePanelTop, half - 30, h + 10};
  const int width = m.tabellpanel.width;
  LayOutToggles(m, fit);
  m.antallabel = kHitCounterPlace;
  m.persontab = {12, kTableTop, width - 42, std::max(h - 4 * kTableRowHeight, kTableRowHeight)};
  m.synliga = m.persontab.height / kTableRowHeight;
  m.personscr = {width - 25, kTableTop, kScrollBarWidth, m.persontab.height};
  m.datumsortknapp = {width - 60, 31, kSortButton.width, kSortButton.height};
  m.namnsortknapp = {width - 65 - kSortButton.width, 31, kSortButton.width, kSortButton.height};
  const int date_column = std::max(fit.date_column, kDateColumnWidth);
  m.column_widths = {m.persontab.width - date_column - 5, date_column};
}

void LayOutRecord(MainLayout& m, int half, int W, int label_width) {
  m.huvpost = {half + 6, kTablePanelTop, W - half - 12, m.tabellpanel.height - 4};
  m.postlab = kRecordMarkPlace;
  m.postnrlabel = kRecordLabelPlace;
  // However long a label, the dot and the tab's end stay inside the panel.
  const int widest = m.huvpost.width - kTabEndRoom - 6 - kStatusDot.width - 4 - m.postnrlabel.left;
  m.postnrlabel.width = std::clamp(label_width, 1, widest);
  m.statuslabel = {m.postnrlabel.right() + 4, kRecordLabelPlace.top, kStatusDot.width,
                   kStatusDot.height};
  m.record_tab_end = m.statuslabel.right() + 6;
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

MainLayout LayOutMainWindow(int width, int height, const MainLayoutFit& fit) {
  width = std::clamp(width, kMainMinimum.width, kMainMaximum.width);
  height = std::clamp(height, kMainMinimum.height, kMainMaximum.height);
  MainLayout m;
  m.huvudpanel = {0, 0, width - 1, height - 2};
  const int W = m.huvudpanel.width;
  const int H = m.huvudpanel.height;
  const int half = std::max(W / 2, kMinimumHalf);
  LayOutHeading(m, W, fit.headings_left);
  LayOutBottomRow(m, W, H);
  LayOutTable(m, half, H, fit);
  LayOutRecord(m, half, W, fit.record_label_width);
  UnderPanel<3>(m.tabellpanel, {&m.rensaknapp, &m.kopilistaknapp, &m.exportknapp});
  UnderPanel<4>(m.huvpost, {&m.postskrivknapp, &m.kopipostknapp, &m.postejknapp, &m.sambandknapp});
  assert(m.synliga >= 1 && m.synliga * kTableRowHeight == m.persontab.height);
  assert(LayoutFault(m.Panels()).empty());
  assert(m.table_tab_end + kTabEndRoom <= m.tabellpanel.width);
  assert(m.record_tab_end + kTabEndRoom <= m.huvpost.width);
  return m;
}

std::vector<PanelLayout> MainLayout::Panels() const {
  const Rect& p = huvudpanel;
  return {
      {"window", {p.width + 1, p.height + 2}, {{"huvudpanel", p}}},
      {"huvudpanel",
       {p.width, p.height},
       {{"hrublabel", hrublabel},
        {"urublabel", urublabel},
        {"helpknapp", helpknapp},
        {"sokfknapp", commands[0]},
        {"sokvknapp", commands[1]},
        {"sokdknapp", commands[2]},
        {"sokaknapp", commands[3]},
        {"skrivknapp", commands[4]},
        {"omknapp", omknapp},
        {"avslutaknapp", avslutaknapp},
        {"tabellpanel", tabellpanel},
        {"huvpost", huvpost},
        {"rensaknapp", rensaknapp},
        {"kopilistaknapp", kopilistaknapp},
        {"exportknapp", exportknapp},
        {"postskrivknapp", postskrivknapp},
        {"kopipostknapp", kopipostknapp},
        {"postejknapp", postejknapp},
        {"sambandknapp", sambandknapp}}},
      {"tabellpanel",
       {tabellpanel.width, tabellpanel.height},
       {{"foddavalknapp", valknappar[0]},
        {"vigdavalknapp", valknappar[1]},
        {"dodavalknapp", valknappar[2]},
        {"antallabel", antallabel},
        {"namnsortknapp", namnsortknapp},
        {"datumsortknapp", datumsortknapp},
        {"persontab", persontab},
        {"personscr", personscr}}},
      {"huvpost",
       {huvpost.width, huvpost.height},
       {{"postlab", postlab},
        {"postnrlabel", postnrlabel},
        {"statuslabel", statuslabel},
        {"texten", texten},
        {"textscr", textscr}}},
      {"tabellpanel's tab",
       {table_tab_end, kTableTabHeight},
       {{"foddavalknapp", valknappar[0]},
        {"vigdavalknapp", valknappar[1]},
        {"dodavalknapp", valknappar[2]}}},
      {"huvpost's tab",
       {record_tab_end, kRecordTabHeight},
       {{"postlab", postlab}, {"postnrlabel", postnrlabel}, {"statuslabel", statuslabel}}},
  };
}

int CountCaptionWidth(int64_t count, const CaptionMetrics& metrics) {
  if (count <= 0) return 0;
  const std::string caption = GroupedCount(count);
  const auto gaps = std::count(caption.begin(), caption.end(), '\xA0');
  const auto digits = static_cast<int64_t>(caption.size()) - gaps;
  return static_cast<int>(std::ceil(digits * metrics.digit + gaps * metrics.group_gap));
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
