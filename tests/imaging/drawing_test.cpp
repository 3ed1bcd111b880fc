// Drawing rules without a window: the blend formula, key-colour and alpha
// regions, placement codes, image headers, button text layout, table cells and
// the scroll model.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "imaging/blend.h"
#include "imaging/button_text_layout.h"
#include "imaging/cell_attribute.h"
#include "imaging/cell_text.h"
#include "imaging/colour_region.h"
#include "imaging/image_info.h"
#include "imaging/placement.h"
#include "imaging/radio_group.h"
#include "imaging/scroll_model.h"
#include "theme/theme.h"

namespace vx {
namespace {

TEST(Blend, FollowsTheFormulaOnKnownPixelsAndLevelsAtTheEnds) {
  std::vector<uint32_t> pixels = {0xFF000000, 0xFFFFFFFF, 0x80123456, 0xFF804020};
  BlendPixels(pixels.data(), pixels.size(), kDisabledBlendColour, kDisabledBlendLevel);
  // black: 240*155/256 = 145 (0x91); white: (255*100+240*155)/256 = 244 (0xF4)
  EXPECT_EQ(pixels[0], 0xFF919191u);
  EXPECT_EQ(pixels[1], 0xFFF4F4F4u);
  // alpha kept; 0x12: (18*100+37200)/256 = 152 (0x98); 0x34: 165 (0xA5); 0x56: 178 (0xB2)
  EXPECT_EQ(pixels[2], 0x8098A5B2u);
  EXPECT_EQ(pixels[3], 0xFFC3AA9Du);  // 195, 170, 157
  // 255 keeps 255/256 of the picture; 0 (or below) paints the colour at 255/256.
  for (const auto& [pixel, colour, level] : {std::tuple{0xFFFFFFFFu, 0x000000u, 255},
                                             {0xFF000000u, 0xFFFFFFu, 0},
                                             {0xFF000000u, 0xFFFFFFu, -5}}) {
    uint32_t blended = pixel;
    BlendPixels(&blended, 1, colour, level);
    EXPECT_EQ(blended, 0xFFFEFEFEu) << level;
  }
}

// A 6 x 4 frame: green outside the rounded corners, red inside.
constexpr uint32_t G = 0xFF00FF00, R = 0xFFFF0000, I = 0xFF000000 | theme::kInk.Packed();
const std::vector<uint32_t> kFrame = {G, I, I, I, I, G,  //
                                      I, R, R, R, R, I,  //
                                      I, R, R, R, R, I,  //
                                      G, I, I, I, I, G};

size_t Area(const std::vector<Rect>& rects) {
  size_t area = 0;
  for (const Rect& r : rects)
    area += static_cast<size_t>(r.width * r.height);
  return area;
}

TEST(ColourRegion, CoversExactlyTheKeyPixelsOrTheOpaqueOnes) {
  const PixelView view{kFrame.data(), 6, 4, 6};
  const std::vector<Rect> green = RectsOfColour(view, kKeyGreen);
  EXPECT_EQ(green, (std::vector<Rect>{{0, 0, 1, 1}, {5, 0, 1, 1}, {0, 3, 1, 1}, {5, 3, 1, 1}}));
  const std::vector<Rect> red = RectsOfColour(view, kKeyRed);
  EXPECT_EQ(red, (std::vector<Rect>{{1, 1, 4, 2}})) << "equal runs merge downwards";
  EXPECT_EQ(Area(RectsOfColour(view, I)), 24u - 4 - 8);
  // Opaque pixels by alpha.
  const std::vector<uint32_t> pixels = {0x7F000000, 0x80000000, 0xFF123456, 0x00FFFFFF};
  EXPECT_EQ(RectsOfOpaque({pixels.data(), 2, 2, 2}),
            (std::vector<Rect>{{1, 0, 1, 1}, {0, 1, 1, 1}}));
}

TEST(Placement, CodesPlaceInsideTheArea) {
  // A 10 x 4 figure in a 100 x 50 area at (5, 7).
  const auto at = [](const char* code) { return PlaceFigure(code, 5, 7, 100, 50, 10, 4); };
  for (const auto& [code, x, y] : {std::tuple{"C2", 50, 7},
                                   {"C3", 95, 7},
                                   {"C5", 95, 53},
                                   {"C6", 50, 53},
                                   {"C7", 5, 53},
                                   {"C4", 5, 7},
                                   {"", 5, 7},
                                   {"C22", 5, 7}})
    EXPECT_EQ(at(code), (PlacedPoint{x, y})) << code;
}

TEST(ImageInfo, ReadsSizesFromHeaders) {
  const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                    'I',  'H', 'D', 'R', 0,    0,    3,    0x20, 0, 0, 0, 23};
  ImageInfo info;
  ASSERT_TRUE(ReadImageInfo(png, info));
  EXPECT_EQ(std::tuple(info.format, info.width, info.height), std::tuple("PNG", 800, 23));
  EXPECT_STREQ(ImageExtension(info), "png");
  std::vector<uint8_t> bmp(54, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[18] = 73;
  bmp[22] = 0xE9;  // -23: stored top-down
  bmp[23] = bmp[24] = bmp[25] = 0xFF;
  ASSERT_TRUE(ReadImageInfo(bmp, info));
  EXPECT_EQ(std::tuple(info.width, info.height), std::tuple(73, 23));
  EXPECT_FALSE(ReadImageInfo({png.data(), 20}, info)) << "cut short";
  std::vector<uint8_t> huge = png;
  huge[16] = 0x7F;
  EXPECT_FALSE(ReadImageInfo(huge, info)) << "absurd size";
  const std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4,  0, 0,    0xFF,
                                     0xC0, 0,    11,   8,    0, 50, 1, 0x90, 3};
  ASSERT_TRUE(ReadImageInfo(jpeg, info));
  EXPECT_EQ(std::tuple(info.format, info.width, info.height), std::tuple("JPEG", 400, 50));
}

using Lines = std::vector<std::string>;

// Every code point is 10 pixels wide; the text is 10 pixels high.
int TenPerCharacter(std::string_view text) {
  int count = 0;
  for (char c : text)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return 10 * count;
}

TextMeasure Measure(int text_height = 10) {
  return {TenPerCharacter, text_height};
}

Lines Wrap(std::string_view text, int available) {
  return WrapButtonText(text, available, TenPerCharacter);
}

TEST(ButtonTextLayout, Wraps) {
  const struct {
    const char* text;
    int available;
    Lines lines;
  } kCases[] = {
      // At the last blank that fits; the blank just past the fitting part is a break too.
      {"Alla uppgifter", 100, {"Alla", "uppgifter"}},
      {"Alla uppgifter", 140, {"Alla uppgifter"}},
      {"Skriv ut nu", 50, {"Skriv", "ut nu"}},
      // Other break characters stay on their line.
      {"Skriv-ut-knapp", 70, {"Skriv-", "ut-", "knapp"}},
      {"a/b:c;d\\e,f.g", 40, {"a/b:", "c;d\\", "e,f.", "g"}},
      // A word without a break character is cut; too narrow for anything: one character a
      // line, never an endless loop; only between code points.
      {"Normaliseringar", 50, {"Norma", "liser", "ingar"}},
      {"abc", 5, {"a", "b", "c"}},
      {"\xc3\x85\xc3\x84\xc3\x96", 20, {"\xc3\x85\xc3\x84", "\xc3\x96"}},
      // Carriage returns end lines.
      {"Skriv\rut", 1000, {"Skriv", "ut"}},
      {"a\r\nb\rc\r", 1000, {"a", "b", "c"}},
      {"a\r\rb", 1000, {"a", "", "b"}},
      {"", 1000, {}},
      // Blanks are skipped at the start of a wrapped line only.
      {"abc    def", 50, {"abc", "def"}},
      {"  ab", 100, {"  ab"}},
      {"ab\r  cd", 100, {"ab", "  cd"}},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(Wrap(c.text, c.available), c.lines) << c.text << " in " << c.available;
}

TEST(ButtonTextLayout, CentresLinesWithinTheMarginsOneAndAHalfTextHeightsApart) {
  const ButtonTextLayout centred_block =
      LayOutButtonText("ab\rcdef", {.width = 100, .height = 60, .avst = 5}, Measure());
  EXPECT_EQ(centred_block.line_height, 15);
  EXPECT_EQ(centred_block.first_top, 15);  // (60 - 2 x 15) / 2
  // Text 10 high centred in its 15-pixel line: 2 pixels down.
  EXPECT_EQ(centred_block.lines, (std::vector<ButtonTextLine>{{"ab", 40, 17}, {"cdef", 30, 32}}));
  const ButtonTextArea centred{.width = 100, .height = 20, .avst = 10};
  EXPECT_EQ(LayOutButtonText("aaaa bbbb c", centred, Measure()).lines.size(), 2u);
  EXPECT_EQ(LayOutButtonText("aaaa bbbb c", centred, Measure()).lines[0].text, "aaaa");
  // With textvmarg only the left margin counts and lines start at avst.
  const ButtonTextArea left{.width = 100, .height = 20, .avst = 10, .textvmarg = true};
  const ButtonTextLayout layout = LayOutButtonText("aaaa bbbb c", left, Measure());
  EXPECT_EQ(layout.lines, (std::vector<ButtonTextLine>{{"aaaa bbbb", 10, -3}, {"c", 10, 12}}));
  // A line is one and a half text heights, rounded.
  EXPECT_EQ(LayOutButtonText("a", {.width = 50, .height = 50}, Measure(13)).line_height, 20);
  EXPECT_EQ(LayOutButtonText("a", {.width = 50, .height = 50}, Measure(12)).line_height, 18);
  EXPECT_EQ(LayOutButtonText("", {.width = 50, .height = 50}, Measure(12)).first_top, 25);
}

using M = TVXtabmode;

TEST(CellAttribute, DecodesEveryFieldAndTheDefaultIntoTheSixteenColours) {
  const CellAttribute a = DecodeCellAttribute(0x0203'0795);
  EXPECT_EQ(a, (CellAttribute{5, 9, true, true, true, 3, true}));
  EXPECT_EQ(DecodeCellAttribute(EncodeCellAttribute(a)), a);
  // The default is black, plain, with red as the chosen colour.
  const CellAttribute d = DecodeCellAttribute(kDefaultCellAttribute);
  EXPECT_EQ(d, (CellAttribute{0, 9, false, false, false, 0, false}));
  EXPECT_EQ(EncodeCellAttribute(d), 144u);
  // Any bit of the top byte chooses the row; bits 11-15 mean nothing.
  EXPECT_TRUE(DecodeCellAttribute(0x8000'0000).chosen);
  EXPECT_EQ(DecodeCellAttribute(0x0000'F800), CellAttribute{});
  // The colour table holds the sixteen colours.
  EXPECT_EQ(CellColour(0), (CellRgb{0, 0, 0}));
  EXPECT_EQ(CellColour(2), (CellRgb{0x00, 0x60, 0x20}));
  EXPECT_EQ(CellColour(3), (CellRgb{0x60, 0x20, 0x00}));
  EXPECT_EQ(CellColour(6), (CellRgb{0x00, 0x40, 0x50}));
  EXPECT_EQ(CellColour(9), (CellRgb{0xD0, 0x00, 0x00}));
  EXPECT_EQ(CellColour(kWhiteColourIndex), (CellRgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(CellColour(15), (CellRgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(CellColour(16 + 4), (CellRgb{0x00, 0x00, 0x80}));
}

TEST(CellText, BarCutsTabRightAlignsFiguresByModeAndInkByRow) {
  EXPECT_EQ(PrepareCellText(M::tmStandard, "Berg|12"), (PreparedCellText{"Berg", false}));
  EXPECT_EQ(PrepareCellText(M::tmStruktValdIkon, "a|b|c"), (PreparedCellText{"a", false}));
  EXPECT_EQ(PrepareCellText(M::tmStrukt, "a|b"), (PreparedCellText{"a|b", false}));
  EXPECT_EQ(PrepareCellText(M::tmStruktvald, "\tx|y"), (PreparedCellText{"x|y", true}));
  EXPECT_EQ(PrepareCellText(M::tmVald, "\t1800-01-05"), (PreparedCellText{"1800-01-05", true}));
  // The cut comes first: a TAB after the bar is gone with it.
  EXPECT_EQ(PrepareCellText(M::tmVald, "|\t5"), (PreparedCellText{"", false}));
  // Figures by mode, in the first column only.
  EXPECT_EQ(FigureOfCell(M::tmValdIkon, 1, true, 0), CellFigure::kValdfigur);
  EXPECT_EQ(FigureOfCell(M::tmValdIkon, 1, false, 0), CellFigure::kNone);
  EXPECT_EQ(FigureOfCell(M::tmStruktValdIkon, 1, true, 2), CellFigure::kValdfigur);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 1, false, 0), CellFigure::kFigurA);
  EXPECT_EQ(FigureOfCell(M::tmStruktvald, 1, true, 1), CellFigure::kFigurB);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 1, false, 2), CellFigure::kFigurC);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 1, false, 3), CellFigure::kNone);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 2, false, 0), CellFigure::kNone);
  EXPECT_EQ(FigureOfCell(M::tmStandard, 1, true, 0), CellFigure::kNone);
  // The ink of chosen, selected and plain rows.
  const CellAttribute chosen = DecodeCellAttribute(0x0100'0093);
  const CellAttribute plain = DecodeCellAttribute(0x93);
  for (M mode : {M::tmStandard, M::tmVald, M::tmStruktvald})
    EXPECT_EQ(CellInkIndex(mode, chosen, true), 9);
  for (M mode : {M::tmValdIkon, M::tmStrukt, M::tmStruktValdIkon}) {
    EXPECT_EQ(CellInkIndex(mode, chosen, true), kWhiteColourIndex);
    EXPECT_EQ(CellInkIndex(mode, chosen, false), 3);
  }
  EXPECT_EQ(CellInkIndex(M::tmStandard, plain, true), kWhiteColourIndex);
  EXPECT_EQ(CellInkIndex(M::tmStandard, plain, false), 3);
}

// Every figure 12 pixels wide, or none that can be drawn.
constexpr auto Twelve = [](CellFigure) { return 12; };
constexpr auto Missing = [](CellFigure) { return -1; };

CellPlan Plan(M mode, int column, const std::string& text, uint32_t attribute,
              int (*width)(CellFigure) = Twelve) {
  const CellInput input{
      .mode = mode, .column = column, .text = text, .attribute = attribute, .ettindrag = 14};
  return PlanCell(input, width);
}

TEST(CellText, IndentFigurePlacementStyleInkAndText) {
  const uint32_t level2 = 0x0002'0000;
  const uint32_t level2_chosen = 0x0102'0000;
  CellPlan p = Plan(M::tmStandard, 1, "Berg", level2);
  EXPECT_EQ(p.text_left, kCellTextMargin + 28);
  EXPECT_EQ(p.figure, CellFigure::kNone);
  // Only column 1 is indented; a right-aligned text is not.
  EXPECT_EQ(Plan(M::tmStandard, 2, "Berg", level2).text_left, kCellTextMargin);
  EXPECT_EQ(Plan(M::tmStandard, 1, "\tBerg", level2).text_left, kCellTextMargin);
  // The chosen-row mark sits at the left edge and moves nothing.
  p = Plan(M::tmValdIkon, 1, "Berg", level2_chosen);
  EXPECT_EQ(p.figure, CellFigure::kValdfigur);
  EXPECT_EQ(p.figure_left, 0);
  EXPECT_EQ(p.text_left, kCellTextMargin + 28);
  // A state figure comes after the indent and pushes the text.
  p = Plan(M::tmStrukt, 1, "Berg", level2);
  EXPECT_EQ(p.figure, CellFigure::kFigurA);
  EXPECT_EQ(p.figure_left, kCellTextMargin + 28);
  EXPECT_EQ(p.text_left, kCellTextMargin + 28 + 12 + 2);
  // A figure that cannot be drawn is left out.
  p = Plan(M::tmStrukt, 1, "Berg", level2, Missing);
  EXPECT_EQ(p.figure, CellFigure::kNone);
  EXPECT_EQ(p.text_left, kCellTextMargin + 28);
  // The plan carries the style, the ink and the text.
  p = Plan(M::tmStandard, 2, "\t1800-01-05|x", 0x0100'0794);
  EXPECT_EQ(p.text, "1800-01-05");
  EXPECT_EQ(p.ink, 9);
  EXPECT_TRUE(p.right_aligned && p.italic && p.bold && p.underline);
}

TEST(ScrollModel, IgnoresValuesThatBreakTheRulesClampsStepsAndKeepsThePositionInside) {
  ScrollModel m;
  EXPECT_FALSE(m.SetMin(-1));
  EXPECT_FALSE(m.SetMin(100));  // must stay below max
  EXPECT_FALSE(m.SetMax(0));    // below min
  EXPECT_FALSE(m.SetPosition(0));
  EXPECT_FALSE(m.SetPosition(101));
  EXPECT_FALSE(m.SetSmallch(0));
  EXPECT_FALSE(m.SetLargech(-5));
  EXPECT_EQ(std::tuple(m.min(), m.max(), m.position(), m.smallch(), m.largech()),
            std::tuple(1, 100, 1, 1, 10));
  EXPECT_FALSE(m.MoveBy(-1));
  EXPECT_TRUE(m.MoveBy(1000));
  EXPECT_EQ(m.position(), 100);
  EXPECT_TRUE(m.MoveBy(-2147483647));
  EXPECT_EQ(m.position(), 1);
  EXPECT_TRUE(m.SetPosition(7));
  EXPECT_FALSE(m.SetPosition(7));  // the same position is no change
  EXPECT_TRUE(m.SetMax(1));        // max may equal min
  EXPECT_TRUE(m.SetMin(0));
  // Narrowing the range keeps the position inside.
  ScrollModel narrowed;
  ASSERT_TRUE(narrowed.SetPosition(80));
  ASSERT_TRUE(narrowed.SetMax(50));
  EXPECT_EQ(narrowed.position(), 50);
  ASSERT_TRUE(narrowed.SetMin(20));
  ASSERT_TRUE(narrowed.SetMax(30));
  ASSERT_TRUE(narrowed.SetPosition(20));
  ASSERT_TRUE(narrowed.SetMin(25));
  EXPECT_EQ(narrowed.position(), 25);
}

TEST(ScrollModel, ThumbRunsBetweenTheArrows) {
  ScrollModel m;
  ScrollGeometry g = m.Layout(200, 23);
  EXPECT_EQ(g.arrow, 23);
  EXPECT_EQ(g.ThumbFirst(), g.arrow);
  EXPECT_EQ(g.PartAt(g.thumb), ScrollPart::kThumb);
  EXPECT_EQ(g.PartAt(g.arrow - 1), ScrollPart::kFirstArrow);
  ASSERT_TRUE(m.SetPosition(100));
  g = m.Layout(200, 23);
  EXPECT_EQ(g.thumb, g.track_end);
  EXPECT_EQ(g.ThumbLast(), 200 - g.arrow - 1);
  EXPECT_EQ(g.PartAt(200 - g.arrow), ScrollPart::kSecondArrow);
  EXPECT_EQ(g.PartAt(g.ThumbFirst() - 1), ScrollPart::kTrack);
}

// The thumb is 23 pixels across, centred, and never reaches past the
// arrows' boxes, a pixel inside the bar's sides.
TEST(ScrollModel, ThumbFitsAcrossItsBarAndThePositionUnderItIsItsPosition) {
  const struct {
    int thickness, across, width;
  } kBars[] = {{21, 1, 19}, {25, 1, 23}, {28, 2, 23}, {8, 1, 6}, {1, 0, 0}};
  for (const auto& bar : kBars) {
    const ScrollGeometry g = ScrollModel().Layout(200, bar.thickness);
    EXPECT_EQ(g.thumb_across, bar.across) << bar.thickness;
    EXPECT_EQ(g.thumb_width, bar.width) << bar.thickness;
  }
  // The position under the thumb is its position.
  ScrollModel m;
  ASSERT_TRUE(m.SetMin(10));
  ASSERT_TRUE(m.SetMax(60));  // 50 units over a longer track
  for (int p = 10; p <= 60; ++p) {
    ASSERT_TRUE(p == m.position() || m.SetPosition(p));
    const ScrollGeometry g = m.Layout(300, 20);
    EXPECT_EQ(m.PositionAt(g, g.thumb), p);
  }
  const ScrollGeometry g = m.Layout(300, 20);
  EXPECT_EQ(m.PositionAt(g, 0), 10);
  EXPECT_EQ(m.PositionAt(g, g.track_end + 1), 60);
}

// The print dialog's order column, given out of order, its middle choice
// disabled, and a second column to the right of its first row.
TEST(RadioGroup, ArrowsGoToTheNextEnabledButtonInReadingOrderAndStopAtTheEnds) {
  const GroupMember members[] = {
      {{10, 118, 80, 22}}, {{10, 70, 80, 22}}, {{10, 94, 80, 22}, false}, {{100, 70, 80, 22}}};
  const struct {
    size_t from;
    int step, to;
  } kMoves[] = {{1, 1, 3}, {3, 1, 0}, {0, 1, -1}, {0, -1, 3}, {3, -1, 1}, {1, -1, -1}, {4, 1, -1}};
  for (const auto& move : kMoves)
    EXPECT_EQ(ArrowTarget(members, move.from, move.step), move.to)
        << move.from << " by " << move.step;
}

TEST(ArrowRepeat, LeavingTheArrowDropsTheLastStep) {
  ArrowRepeat r;
  r.Press(ScrollPart::kFirstArrow);
  r.Leave();
  EXPECT_EQ(r.TimerInterval(), 0);
  EXPECT_EQ(r.Release(), 0);
  r.Press(ScrollPart::kThumb);  // not an arrow
  EXPECT_EQ(r.Held(), ScrollPart::kNone);
  r.Press(ScrollPart::kFirstArrow);
  EXPECT_EQ(r.Release(), -1);
}

}  // namespace
}  // namespace vx
