#include "imaging/cell_attribute.h"

#include <gtest/gtest.h>

#include <string>

#include "imaging/cell_text.h"

namespace vx {
namespace {

using M = TVXtabmode;

TEST(CellAttribute, DecodesEveryField) {
  const CellAttribute a = DecodeCellAttribute(0x0203'0795);
  EXPECT_EQ(a.text_colour, 5);
  EXPECT_EQ(a.chosen_colour, 9);
  EXPECT_TRUE(a.italic);
  EXPECT_TRUE(a.bold);
  EXPECT_TRUE(a.underline);
  EXPECT_EQ(a.indent_level, 3);
  EXPECT_TRUE(a.chosen);
  EXPECT_EQ(DecodeCellAttribute(EncodeCellAttribute(a)), a);
}

TEST(CellAttribute, DefaultIsBlackPlainWithRedChosenColour) {
  const CellAttribute a = DecodeCellAttribute(kDefaultCellAttribute);
  EXPECT_EQ(a, (CellAttribute{0, 9, false, false, false, 0, false}));
  EXPECT_EQ(EncodeCellAttribute(a), 144u);
  // Any bit of the top byte chooses the row; bits 11-15 mean nothing.
  EXPECT_TRUE(DecodeCellAttribute(0x8000'0000).chosen);
  EXPECT_EQ(DecodeCellAttribute(0x0000'F800), CellAttribute{});
}

TEST(CellAttribute, ColourTableHoldsTheSixteenColours) {
  EXPECT_EQ(CellColour(0), (CellRgb{0, 0, 0}));
  EXPECT_EQ(CellColour(2), (CellRgb{0x00, 0x60, 0x20}));
  EXPECT_EQ(CellColour(3), (CellRgb{0x60, 0x20, 0x00}));
  EXPECT_EQ(CellColour(6), (CellRgb{0x00, 0x40, 0x50}));
  EXPECT_EQ(CellColour(9), (CellRgb{0xD0, 0x00, 0x00}));
  EXPECT_EQ(CellColour(kWhiteColourIndex), (CellRgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(CellColour(15), (CellRgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(CellColour(16 + 4), (CellRgb{0x00, 0x00, 0x80}));
}

TEST(CellText, BarCutsOutsideTheStructureModesAndTabRightAligns) {
  EXPECT_EQ(PrepareCellText(M::tmStandard, "Berg|12"), (PreparedCellText{"Berg", false}));
  EXPECT_EQ(PrepareCellText(M::tmStruktValdIkon, "a|b|c"), (PreparedCellText{"a", false}));
  EXPECT_EQ(PrepareCellText(M::tmStrukt, "a|b"), (PreparedCellText{"a|b", false}));
  EXPECT_EQ(PrepareCellText(M::tmStruktvald, "\tx|y"), (PreparedCellText{"x|y", true}));
  EXPECT_EQ(PrepareCellText(M::tmVald, "\t1800-01-05"), (PreparedCellText{"1800-01-05", true}));
  // The cut comes first: a TAB after the bar is gone with it.
  EXPECT_EQ(PrepareCellText(M::tmVald, "|\t5"), (PreparedCellText{"", false}));
}

TEST(CellText, FiguresByModeInTheFirstColumnOnly) {
  EXPECT_EQ(FigureOfCell(M::tmValdIkon, 1, true, 0), CellFigure::kValdfigur);
  EXPECT_EQ(FigureOfCell(M::tmValdIkon, 1, false, 0), CellFigure::kNone);
  EXPECT_EQ(FigureOfCell(M::tmStruktValdIkon, 1, true, 2), CellFigure::kValdfigur);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 1, false, 0), CellFigure::kFigurA);
  EXPECT_EQ(FigureOfCell(M::tmStruktvald, 1, true, 1), CellFigure::kFigurB);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 1, false, 2), CellFigure::kFigurC);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 1, false, 3), CellFigure::kNone);
  EXPECT_EQ(FigureOfCell(M::tmStrukt, 2, false, 0), CellFigure::kNone);
  EXPECT_EQ(FigureOfCell(M::tmStandard, 1, true, 0), CellFigure::kNone);
}

TEST(CellText, InkOfChosenSelectedAndPlainRows) {
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

// Every figure is 12 pixels wide.
int Twelve(CellFigure) {
  return 12;
}
int Missing(CellFigure) {
  return -1;
}

CellPlan Plan(M mode, int column, const std::string& text, uint32_t attribute,
              int (*width)(CellFigure) = Twelve) {
  CellInput input;
  input.mode = mode;
  input.column = column;
  input.text = text;
  input.attribute = attribute;
  input.ettindrag = 14;
  return PlanCell(input, width);
}

TEST(CellText, IndentAndFigurePlacement) {
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
}

TEST(CellText, PlanCarriesStyleInkAndText) {
  const CellPlan p = Plan(M::tmStandard, 2, "\t1800-01-05|x", 0x0100'0794);
  EXPECT_EQ(p.text, "1800-01-05");
  EXPECT_TRUE(p.right_aligned);
  EXPECT_EQ(p.ink, 9);
  EXPECT_TRUE(p.italic);
  EXPECT_TRUE(p.bold);
  EXPECT_TRUE(p.underline);
}

}  // namespace
}  // namespace vx
