// What a table cell shows and where, decided without a window: the text
// after its markers, the figure of column 1, the offsets of figure and
// text inside the cell, the ink and the font style. The table paints what
// PlanCell says.
//
// Rules, by drawing mode:
// - In every mode but tmStrukt and tmStruktvald the text ends before its
//   first '|'.
// - A text that then starts with TAB loses it and is right-aligned.
// - Column 1 only: the text is indented by level x ettindrag pixels, unless
//   it is right-aligned. tmValdIkon and tmStruktValdIkon mark a chosen row
//   with the chosen-row figure at the cell's left edge, the text keeping
//   its indent; tmStrukt and tmStruktvald show figure A, B or C by the
//   cell's state (0, 1, 2) after the indent, and the text moves right by
//   the figure's width + 2.
// - Ink: the chosen colour for a chosen row in tmStandard, tmVald and
//   tmStruktvald; else white in the selected row; else the text colour.
// Text is Windows-1252; '|' and TAB are single bytes there.
#ifndef VX_IMAGING_CELL_TEXT_H_
#define VX_IMAGING_CELL_TEXT_H_

#include <functional>
#include <string>
#include <string_view>

#include "imaging/cell_attribute.h"

namespace vx {

enum class TVXtabmode { tmStandard, tmVald, tmValdIkon, tmStrukt, tmStruktvald, tmStruktValdIkon };

enum class CellFigure { kNone, kValdfigur, kFigurA, kFigurB, kFigurC };

// Pixels between a cell's edges and its text.
inline constexpr int kCellTextMargin = 2;
// Pixels between a cell's right edge and its text: a little more, so that
// the focus frame drawn on the current row's edge stays clear of the text.
inline constexpr int kCellTextRightMargin = 4;

struct PreparedCellText {
  std::string text;
  bool right_aligned = false;
  bool operator==(const PreparedCellText&) const = default;
};

// The '|' cut and the TAB marker.
PreparedCellText PrepareCellText(TVXtabmode mode, std::string_view text);

// The figure a cell of `column` (1-based) shows; `state` outside 0..2
// shows none.
CellFigure FigureOfCell(TVXtabmode mode, int column, bool chosen, int state);

// Colour-table index of the text.
int CellInkIndex(TVXtabmode mode, const CellAttribute& attribute, bool selected);

struct CellInput {
  TVXtabmode mode = TVXtabmode::tmStandard;
  int column = 1;  // 1-based
  std::string_view text;
  uint32_t attribute = kDefaultCellAttribute;
  int state = 0;
  bool selected = false;
  int ettindrag = 0;
};

struct CellPlan {
  std::string text;
  bool right_aligned = false;
  CellFigure figure = CellFigure::kNone;
  // Offsets from the cell's left edge. The text runs from text_left to the
  // cell's width less kCellTextRightMargin, aligned within that span.
  int figure_left = 0;
  int text_left = kCellTextMargin;
  int ink = 0;
  bool italic = false;
  bool bold = false;
  bool underline = false;
};

// `figure_width` gives the width of a figure the table can draw, or -1
// when it cannot (no figure set, no name, missing picture): such a figure
// is left out and moves nothing.
CellPlan PlanCell(const CellInput& input, const std::function<int(CellFigure)>& figure_width);

}  // namespace vx

#endif  // VX_IMAGING_CELL_TEXT_H_
