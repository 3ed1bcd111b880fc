#include "imaging/cell_text.h"

#include <utility>

namespace vx {
namespace {

bool IsStrukt(TVXtabmode mode) {
  return mode == TVXtabmode::tmStrukt || mode == TVXtabmode::tmStruktvald;
}

bool MarksChosenWithFigure(TVXtabmode mode) {
  return mode == TVXtabmode::tmValdIkon || mode == TVXtabmode::tmStruktValdIkon;
}

bool InksChosenRows(TVXtabmode mode) {
  return mode == TVXtabmode::tmStandard || mode == TVXtabmode::tmVald ||
         mode == TVXtabmode::tmStruktvald;
}

}  // namespace

PreparedCellText PrepareCellText(TVXtabmode mode, std::string_view text) {
  if (!IsStrukt(mode)) text = text.substr(0, text.find('|'));
  PreparedCellText out;
  out.right_aligned = !text.empty() && text.front() == '\t';
  if (out.right_aligned) text.remove_prefix(1);
  out.text = std::string(text);
  return out;
}

CellFigure FigureOfCell(TVXtabmode mode, int column, bool chosen, int state) {
  if (column != 1) return CellFigure::kNone;
  if (MarksChosenWithFigure(mode)) return chosen ? CellFigure::kValdfigur : CellFigure::kNone;
  if (!IsStrukt(mode)) return CellFigure::kNone;
  switch (state) {
    case 0:
      return CellFigure::kFigurA;
    case 1:
      return CellFigure::kFigurB;
    case 2:
      return CellFigure::kFigurC;
    default:
      return CellFigure::kNone;
  }
}

int CellInkIndex(TVXtabmode mode, const CellAttribute& attribute, bool selected) {
  if (attribute.chosen && InksChosenRows(mode)) return attribute.chosen_colour;
  if (selected) return kWhiteColourIndex;
  return attribute.text_colour;
}

CellPlan PlanCell(const CellInput& input, const std::function<int(CellFigure)>& figure_width) {
  const CellAttribute attribute = DecodeCellAttribute(input.attribute);
  PreparedCellText prepared = PrepareCellText(input.mode, input.text);
  CellPlan plan;
  plan.text = std::move(prepared.text);
  plan.right_aligned = prepared.right_aligned;
  plan.ink = CellInkIndex(input.mode, attribute, input.selected);
  plan.italic = attribute.italic;
  plan.bold = attribute.bold;
  plan.underline = attribute.underline;
  if (input.column != 1) return plan;

  const int indent = attribute.indent_level * input.ettindrag;
  if (!plan.right_aligned) plan.text_left += indent;
  plan.figure = FigureOfCell(input.mode, input.column, attribute.chosen, input.state);
  const int width = plan.figure == CellFigure::kNone ? -1 : figure_width(plan.figure);
  if (width < 0) {
    plan.figure = CellFigure::kNone;
    return plan;
  }
  if (MarksChosenWithFigure(input.mode)) return plan;  // at the left edge, text unmoved
  plan.figure_left = kCellTextMargin + indent;
  plan.text_left = plan.figure_left + width + 2;
  return plan;
}

}  // namespace vx
