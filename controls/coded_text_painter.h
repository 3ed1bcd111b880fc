// Paints the pieces of a laid-out coded text (TVXkodtxt::Render) with a
// QPainter: text by its top edge in the level's font and colour, opaque
// pieces (selection, highlight) on their background over the font's
// character cell, rules through the middle of their line.
#ifndef VX_CONTROLS_CODED_TEXT_PAINTER_H_
#define VX_CONTROLS_CODED_TEXT_PAINTER_H_

#include <QPainter>
#include <QPoint>
#include <vector>

#include "codedtext/coded_text.h"
#include "controls/qt_text_measurer.h"

namespace vx {

// Paints `runs` with the text area's top-left corner at `origin`, in the
// fonts of `measurer` (the one the text was laid out with). Rules are one
// or two pixels of the screen thick, scaled up for finer devices.
void PaintCodedRuns(QPainter& painter, const QtTextMeasurer& measurer,
                    const std::vector<PaintedRun>& runs, QPoint origin);

}  // namespace vx

#endif  // VX_CONTROLS_CODED_TEXT_PAINTER_H_
