// Where the main window's controls go at a given size: plain geometry, so
// that every size within the window's limits can be checked without a
// window. Positions are device-independent pixels inside the window's
// background panel (huvudpanel), or inside the panel named by the field.
//
// At every size every control lies inside its panel and no two controls
// of one panel overlap (Panels() lists them for that check, which the
// layout asserts); the table is a whole number of rows, at least one.
#ifndef VX_SESSION_MAIN_LAYOUT_H_
#define VX_SESSION_MAIN_LAYOUT_H_

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"

namespace vx {

// The window's size limits and design size.
inline constexpr Extent kMainMinimum{700, 340};
inline constexpr Extent kMainMaximum{1280, 1024};
inline constexpr Extent kMainDesign{800, 481};

// Fixed sizes and places of the controls the layout does not move.
inline constexpr int kTableRowHeight = 16;
inline constexpr int kTablePanelTop = 100;
inline constexpr Rect kLogoPlace{12, 10, 80, 80};  // tovikknapp
inline constexpr Extent kHelpButton{24, 24};
inline constexpr Extent kCommandButton{92, 26};  // the bottom row
inline constexpr Extent kSmallButton{26, 22};    // the buttons under the panels
inline constexpr Extent kSortButton{56, 20};
inline constexpr int kBottomRowGap = 6;
// In tabellpanel: the register toggles side by side from the first, on
// its tab, and the hit counter under them. A toggle is at least as wide as
// the first; wider when its caption needs it (MainLayoutFit).
inline constexpr Rect kFirstToggle{6, 3, 56, 22};
inline constexpr Rect kHitCounterPlace{14, 32, 160, 18};
// A toggle's caption starts right of its emblem and keeps clear of its
// right edge.
inline constexpr int kToggleCaptionLeft = 22;
inline constexpr int kToggleCaptionRight = 6;
// The height of the tabs across the tops of tabellpanel and huvpost, as
// their frame pictures draw them.
inline constexpr int kTableTabHeight = 26;
inline constexpr int kRecordTabHeight = 24;
// A panel whose tab grows keeps this much room right of it, for the tab's
// rounded end and the rule beyond.
inline constexpr int kTabEndRoom = 24;
// In huvpost, on its tab: the register mark, the record's label, and the
// status dot right after the label.
inline constexpr Rect kRecordMarkPlace{10, 4, 20, 20};
inline constexpr Rect kRecordLabelPlace{34, 6, 90, 18};
inline constexpr Extent kStatusDot{12, 18};

struct MainLayout {
  Rect huvudpanel;  // in the window
  // In huvudpanel.
  Rect tovikknapp, hrublabel, urublabel, helpknapp;
  // sokfknapp, sokvknapp, sokdknapp, sokaknapp, skrivknapp.
  std::array<Rect, 5> commands;
  Rect omknapp, avslutaknapp;
  Rect tabellpanel, huvpost;
  Rect rensaknapp, kopilistaknapp, exportknapp;
  Rect postskrivknapp, kopipostknapp, postejknapp, sambandknapp;
  // In tabellpanel: its tab reaches at least to table_tab_end.
  int table_tab_end = 0;
  std::array<Rect, 3> valknappar;
  Rect antallabel, persontab, personscr, namnsortknapp, datumsortknapp;
  int synliga = 0;  // whole rows that fit in persontab
  std::array<int, 2> column_widths{};
  // In huvpost: its tab reaches at least to record_tab_end.
  int record_tab_end = 0;
  Rect postlab, postnrlabel, statuslabel, texten, textscr;

  // The window, huvudpanel, tabellpanel and huvpost with what they hold,
  // and the two tabs with what stands on them. The organisation's logo
  // area (tovikknapp) is left out: the headings start on it when the set's
  // logo is small or missing, as they should.
  std::vector<PanelLayout> Panels() const;
};

// The date column's width at the table's design font; a wider font gets a
// wider column, so that no date is cut.
inline constexpr int kDateColumnWidth = 71;

// The caption font's advances in pixels: a digit's (the widest) and the
// space between groups of digits. The defaults are the theme's caption
// font's (Arial, or Liberation Sans, at 13 pixels), rounded up.
struct CaptionMetrics {
  double digit = 7.25;
  double group_gap = 3.65;
};

// What the layout takes besides the window's size.
struct MainLayoutFit {
  int date_column = kDateColumnWidth;   // the widest date in the table's font
  int headings_left = kLogoPlace.left;  // PlaceLogo's
  // The persons of births, marriages and deaths: every toggle is as wide
  // as the widest count's caption needs.
  std::array<int64_t, 3> counts{};
  CaptionMetrics caption{};
  // The widest record label the set can show, in pixels of the caption
  // font: the tab of huvpost grows to hold it and the status dot after it.
  int record_label_width = kRecordLabelPlace.width;
};

// The width of the caption of `count` persons (GroupedCount) in pixels,
// rounded up.
int CountCaptionWidth(int64_t count, const CaptionMetrics& metrics);

// The layout for a window client area of `width` x `height` (clamped to
// the window's limits). The table's half is never below 420 pixels and its
// height is a whole number of rows.
MainLayout LayOutMainWindow(int width, int height, const MainLayoutFit& fit = {});

// The register set's logo in its 80 x 80 place: centred there at the
// figure's size plus one, the headings 20 pixels right of it; without a
// figure the logo is hidden and the headings start at the place's left.
struct LogoPlacement {
  std::optional<Rect> logo;  // empty: hidden
  int headings_left = 0;
};
LogoPlacement PlaceLogo(std::optional<Extent> figure);

}  // namespace vx

#endif  // VX_SESSION_MAIN_LAYOUT_H_
