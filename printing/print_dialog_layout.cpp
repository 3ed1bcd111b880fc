#include "printing/print_dialog_layout.h"

#include <cassert>

namespace vx {
namespace {

constexpr Extent kSize{470, 300};
constexpr int kMargin = 24;
constexpr int kOrderLeft = 232;  // the second column of choices
constexpr int kChoiceIndent = 14;
constexpr int kChoiceStep = 24;
constexpr int kChoiceWidth = 124;
constexpr int kRangeLeft = 326;
constexpr Extent kCommand{116, 26};
constexpr int kFigure = 24;

// Choice `i` (0-based) under a column's label at `left`.
Rect Choice(int left, int i, int width) {
  return {left + kChoiceIndent, 70 + i * kChoiceStep, width, 22};
}

}  // namespace

PrintDialogLayout LayOutPrintDialog() {
  PrintDialogLayout m;
  m.size = kSize;
  m.heading = {kMargin, 10, 330, 28};
  m.whatlabel = {kMargin, 46, 180, 20};
  m.allaknapp = Choice(kMargin, 0, kChoiceWidth);
  m.tabellknapp = Choice(kMargin, 1, kChoiceWidth);
  m.orderlabel = {kOrderLeft, 46, 210, 20};
  m.namnknapp = Choice(kOrderLeft, 0, kChoiceWidth);
  m.pnrknapp = Choice(kOrderLeft, 1, kChoiceWidth);
  m.kaellaknapp = Choice(kOrderLeft, 2, kChoiceWidth);
  m.antskrivlabel = {kMargin, 150, 290, 54};
  m.startpostedit = {kRangeLeft, 156, 52, 24};
  m.dashlabel = {m.startpostedit.right() + 6, 156, 14, 24};
  m.slutpostedit = {m.dashlabel.right(), 156, 52, 24};
  m.pg = {kMargin, 210, kSize.width - 2 * kMargin, 12};
  m.statuslabel = {kMargin, 224, 260, 20};
  m.avbrytlabel = {kRangeLeft, 224, 120, 20};
  const int bottom = kSize.height - 18 - kCommand.height;
  m.staellinknapp = {kMargin, bottom, kCommand.width, kCommand.height};
  m.startknapp = {kSize.width - kMargin - kCommand.width, bottom, kCommand.width, kCommand.height};
  m.slutknapp = {kSize.width - 8 - kFigure, 8, kFigure, kFigure};
  m.helpknapp = {m.slutknapp.left - 6 - kFigure, 8, kFigure, kFigure};
  assert(LayoutFault(m.Panels()).empty());
  return m;
}

std::vector<PanelLayout> PrintDialogLayout::Panels() const {
  return {{"panel",
           size,
           {{"heading", heading},
            {"whatlabel", whatlabel},
            {"allaknapp", allaknapp},
            {"tabellknapp", tabellknapp},
            {"orderlabel", orderlabel},
            {"namnknapp", namnknapp},
            {"pnrknapp", pnrknapp},
            {"kaellaknapp", kaellaknapp},
            {"antskrivlabel", antskrivlabel},
            {"startpostedit", startpostedit},
            {"dashlabel", dashlabel},
            {"slutpostedit", slutpostedit},
            {"pg", pg},
            {"statuslabel", statuslabel},
            {"avbrytlabel", avbrytlabel},
            {"staellinknapp", staellinknapp},
            {"startknapp", startknapp},
            {"slutknapp", slutknapp},
            {"helpknapp", helpknapp}}}};
}

}  // namespace vx
