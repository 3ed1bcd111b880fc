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
// In tabellpanel: the register toggles side by side from the first, and
// the hit counter under them.
inline constexpr Rect kFirstToggle{6, 3, 56, 22};
inline constexpr Rect kHitCounterPlace{14, 32, 160, 18};
// In huvpost: the register mark and the record's label, which then takes
// the width of its text.
inline constexpr Rect kRecordMarkPlace{10, 4, 20, 20};
inline constexpr Rect kRecordLabelPlace{34, 6, 200, 18};

// The toggle of register `r` (1..3): foddavalknapp, vigdavalknapp,
// dodavalknapp.
constexpr Rect TogglePlace(int r) {
  return {kFirstToggle.left + (r - 1) * kFirstToggle.width, kFirstToggle.top, kFirstToggle.width,
          kFirstToggle.height};
}

struct MainLayout {
  Rect huvudpanel;  // in the window
  // In huvudpanel.
  Rect tovikknapp, hrublabel, urublabel, helpknapp;
  // sokfknapp, sokvknapp, sokdknapp, sokaknapp, skrivknapp.
  std::array<Rect, 5> commands;
  Rect omknapp, avslutaknapp;
  Rect tabellpanel, huvpost;
  Rect rensaknapp, kopilistaknapp, exportknapp;
  Rect postskrivknapp, kopipostknapp, postejknapp;
  // In tabellpanel.
  std::array<Rect, 3> valknappar;
  Rect antallabel, persontab, personscr, namnsortknapp, datumsortknapp;
  int synliga = 0;  // whole rows that fit in persontab
  std::array<int, 2> column_widths{};
  // In huvpost.
  Rect postlab, postnrlabel, texten, textscr;

  // The window, huvudpanel, tabellpanel and huvpost with what they hold.
  // The organisation's logo area (tovikknapp) is left out: the headings
  // start on it when the set's logo is small or missing, as they should.
  std::vector<PanelLayout> Panels() const;
};

// The date column's width at the table's design font; a wider font gets a
// wider column, so that no date is cut.
inline constexpr int kDateColumnWidth = 71;

// What the layout takes besides the window's size.
struct MainLayoutFit {
  int date_column = kDateColumnWidth;   // the widest date in the table's font
  int headings_left = kLogoPlace.left;  // PlaceLogo's
};

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
