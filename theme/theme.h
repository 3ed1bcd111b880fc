// The program's look in one place: the colours of its paper, ink and
// registers, the colours its windows give labels and edits, and the fonts
// of its windows, grids, coded texts and prints. Plain values: the controls
// turn them into Qt's colours and fonts (controls/qt_theme.h), the art tool
// paints the program's pictures with them, and where a colour with a
// meaning in data (the coded text's markup, the grids' colour table) is one
// of these, it is named from here.
#ifndef VX_THEME_THEME_H_
#define VX_THEME_THEME_H_

#include <cstdint>

namespace vx::theme {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  // As 0xRRGGBB.
  constexpr uint32_t Packed() const {
    return uint32_t{red} << 16 | uint32_t{green} << 8 | uint32_t{blue};
  }
  bool operator==(const Rgb&) const = default;
};

// The paper and the ink.
inline constexpr Rgb kPaper{0xF4, 0xEE, 0xDC};  // window surfaces
inline constexpr Rgb kSheet{0xE6, 0xDC, 0xC2};  // panels, tabs, frame bands
inline constexpr Rgb kInk{0x2A, 0x50, 0x69};    // labels, rules, pictograms
// The ink's accents.
inline constexpr Rgb kDarkRed{0x80, 0x00, 0x00};
inline constexpr Rgb kGreen{0x00, 0x60, 0x20};
inline constexpr Rgb kNavy{0x00, 0x00, 0x80};
inline constexpr Rgb kGreyViolet{0x5E, 0x52, 0x74};
// One tint per register, on its toggle's emblem, its table tab and its form.
inline constexpr Rgb kBirthsTint = kGreen;
inline constexpr Rgb kMarriagesTint = kNavy;
inline constexpr Rgb kDeathsTint = kGreyViolet;
// The raised edge drawn into a button's picture, and figures greyed out.
inline constexpr Rgb kHighlight{0xFB, 0xF8, 0xEE};  // the light side
inline constexpr Rgb kShadow{0xA8, 0x9C, 0x7E};     // the dark side
inline constexpr Rgb kDisabledInk{0x9C, 0x97, 0x8A};
// A disabled button's picture is blended with this.
inline constexpr Rgb kDisabledFace{0xF0, 0xF0, 0xF0};

// Plain colours: text stays black on paper for reading.
inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kGrey{0x80, 0x80, 0x80};
inline constexpr Rgb kSilver{0xC0, 0xC0, 0xC0};
inline constexpr Rgb kSignalRed{0xC0, 0x00, 0x00};
inline constexpr Rgb kSignalGreen{0x00, 0x80, 0x00};

// What the windows and controls give these colours to.
inline constexpr Rgb kButtonFace = kPaper;
inline constexpr Rgb kButtonEdgeLight = kWhite;  // a drawn button's raised edge
inline constexpr Rgb kButtonEdgeDark{0x8C, 0x7F, 0x66};
// The one-pixel frame of a panel of the program's own style.
inline constexpr Rgb kPanelEdgeLight = kSilver;
inline constexpr Rgb kPanelEdgeDark = kGrey;
inline constexpr Rgb kEditText = kBlack;
inline constexpr Rgb kEditBase = kWhite;  // edits and list grids
inline constexpr Rgb kDisabledEditBase{0xF4, 0xF1, 0xE8};
inline constexpr Rgb kSummaryText = kGrey;  // an edit showing the picked words
inline constexpr Rgb kPrintInk = kBlack;    // printed text and rules
// The current row of a grid: the ink, its text white (not the platform's
// highlight).
inline constexpr Rgb kChosenRow = kInk;
inline constexpr Rgb kChosenRowText = kWhite;
// The record's status dot.
inline constexpr Rgb kStatusRed = kSignalRed;
inline constexpr Rgb kStatusGreen = kSignalGreen;

// Only in the pictures: cursors, the go-ahead lamp, the paper's fibres.
inline constexpr Rgb kCursorInk{0x10, 0x10, 0x10};
inline constexpr Rgb kCursorFill = kWhite;
inline constexpr Rgb kLampAmber{0xB0, 0x80, 0x20};
inline constexpr Rgb kLampGreen{0x3C, 0xB0, 0x5A};
inline constexpr Rgb kBleachedFibre{0xFF, 0xFF, 0xFA};
inline constexpr Rgb kPulpFibre{0x78, 0x5F, 0x3C};
inline constexpr Rgb kSpeck{0x5A, 0x46, 0x2D};

// Fonts. "Times New Roman" and "Arial" resolve to their metric-compatible
// Liberation fonts, so that texts measure as the layouts expect.
inline constexpr char kSerif[] = "Times New Roman";
inline constexpr char kSans[] = "Arial";

// The windows' paper: a double rule across the top (rows kHeadRuleTop to
// kHeadRuleBottom - 1) and an ornament kCornerOrnament pixels square in
// each corner. Controls keep clear of both.
inline constexpr int kHeadRuleTop = 3;
inline constexpr int kHeadRuleBottom = 6;
inline constexpr int kCornerOrnament = 14;

// Pixel sizes are device-independent pixels; point sizes are points at
// kScreenDpi on the screen and at the printer's resolution on paper.
enum class FontUnit { kPixels, kPoints };
inline constexpr int kScreenDpi = 96;

struct Font {
  const char* family = kSerif;
  int size = 0;
  FontUnit unit = FontUnit::kPixels;
  bool bold = false;
  bool italic = false;
};

// `points` as whole pixels at `dpi`, rounded to the nearest.
constexpr int PointsToPixels(double points, int dpi = kScreenDpi) {
  return static_cast<int>(points * dpi / 72.0 + 0.5);
}

// The main window's headings.
inline constexpr Font kHeadingFont{kSerif, 28};
inline constexpr Font kSubHeadingFont{kSerif, 16};
// Short ink texts of the windows: the hit counter, the record's label, the
// captions of the command buttons.
inline constexpr Font kCaptionFont{kSans, 13};
// The search forms (and the free-text form): the form's heading, the
// fields' labels and every edit; the print dialog's heading and edits too.
inline constexpr Font kFormHeadingFont{kSerif, 22};
inline constexpr Font kFieldLabelFont{kSerif, 13, FontUnit::kPixels, false, true};
inline constexpr Font kFreeTextLabelFont{kSerif, 18, FontUnit::kPixels, false, true};
inline constexpr Font kEditFont{kSerif, 16};
// The print dialog's labels (italic), its texts and its choices.
inline constexpr Font kPrintFormLabelFont{kSerif, 15, FontUnit::kPixels, false, true};
inline constexpr Font kPrintFormTextFont{kSerif, 14};
inline constexpr Font kPrintFormChoiceFont{kSerif, 15};
// The list windows (the word picker, the normalisation view): the title,
// the small texts and buttons, the rows.
inline constexpr Font kListTitleFont{kSans, 16, FontUnit::kPixels, true};
inline constexpr Font kListTextFont{kSans, 12};
inline constexpr Font kListRowFont{kSerif, 12};
// The text window's heading and the About text's version line.
inline constexpr Font kTextHeadingFont{kSerif, 21};
inline constexpr Font kVersionFont{kSans, 11};
// A grid's font unless told otherwise, and the result table's.
inline constexpr Font kGridFont{kSerif, 11, FontUnit::kPoints};
inline constexpr Font kResultTableFont{kSerif, 10, FontUnit::kPoints};
// Coded text: the family of its six levels, whose sizes are the markup's.
inline constexpr const char* kCodedTextFamily = kSerif;

// The print fonts: title and page number, the header line, table text and
// the tables' group headings.
inline constexpr Font kPrintTitleFont{kSerif, 11, FontUnit::kPoints, true};
inline constexpr Font kPrintHeaderFont{kSerif, 9, FontUnit::kPoints};
inline constexpr Font kPrintTableFont{kSerif, 10, FontUnit::kPoints};
inline constexpr Font kPrintGroupFont{kSerif, 10, FontUnit::kPoints, true};

}  // namespace vx::theme

#endif  // VX_THEME_THEME_H_
