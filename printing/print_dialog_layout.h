// Where the print dialog's controls go (Tskriv_form), a dialog of fixed
// size: the heading; what to print and in which order, side by side; how
// many records and the range to print; the progress bar and status line
// that show while printing; the printer and print buttons at the bottom;
// the close and help buttons top right. Every control lies inside the
// dialog and none overlaps another, the printing ones included (asserted).
#ifndef VX_PRINTING_PRINT_DIALOG_LAYOUT_H_
#define VX_PRINTING_PRINT_DIALOG_LAYOUT_H_

#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"

namespace vx {

struct PrintDialogLayout {
  Extent size;  // the client area, all of it the background panel
  Rect heading;
  // "Skriv ut:" and its choices.
  Rect whatlabel, allaknapp, tabellknapp;
  // "Ordna och gruppera efter:" and its choices.
  Rect orderlabel, namnknapp, pnrknapp, kaellaknapp;
  // How many are printed; the range "from – to".
  Rect antskrivlabel, startpostedit, dashlabel, slutpostedit;
  // While printing.
  Rect pg, statuslabel, avbrytlabel;
  Rect staellinknapp, startknapp, slutknapp, helpknapp;

  std::vector<PanelLayout> Panels() const;
};

// The dialog's 470 x 300 pixels.
PrintDialogLayout LayOutPrintDialog();

}  // namespace vx

#endif  // VX_PRINTING_PRINT_DIALOG_LAYOUT_H_
