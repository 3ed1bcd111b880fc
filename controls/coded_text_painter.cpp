#include "controls/coded_text_painter.h"

#include <algorithm>

#include "controls/qt_theme.h"

namespace vx {
namespace {

// One screen pixel on the painter's device.
int PixelUnit(const QtTextMeasurer& measurer) {
  return std::max(1, (measurer.Dpi() + 48) / 96);
}

void PaintRule(QPainter& painter, const QtTextMeasurer& measurer, const PaintedRun& piece,
               QPoint at) {
  const CodedRun& run = *piece.run;
  const int unit = PixelUnit(measurer);
  const int thickness = (run.rule == 3 ? 2 : 1) * unit;
  const int width = piece.width > 0 ? piece.width : run.right - run.left;
  const int middle = at.y() + (run.bottom - run.top) / 2 - thickness / 2;
  const QColor colour = QtRgb(piece.colour);
  if (run.rule != 1) {
    painter.fillRect(QRect(at.x(), middle, width, thickness), colour);
    return;
  }
  // Dotted: every other pixel.
  for (int x = 0; x < width; x += 2 * unit)
    painter.fillRect(QRect(at.x() + x, middle, std::min(unit, width - x), thickness), colour);
}

void PaintText(QPainter& painter, const QtTextMeasurer& measurer, const PaintedRun& piece,
               QPoint at) {
  const CodedFont& font = piece.run->font;
  if (piece.opaque) {
    painter.fillRect(QRect(at.x(), at.y(), piece.width, measurer.CellHeight(font)),
                     QtRgb(piece.background));
  }
  painter.setFont(measurer.Font(font));
  painter.setPen(QtRgb(piece.colour));
  painter.drawText(QPoint(at.x(), at.y() + measurer.Ascent(font)), FromCp1252(piece.text));
}

}  // namespace

void PaintCodedRuns(QPainter& painter, const QtTextMeasurer& measurer,
                    const std::vector<PaintedRun>& runs, QPoint origin) {
  painter.save();
  for (const PaintedRun& piece : runs) {
    if (piece.run == nullptr) continue;
    const QPoint at = origin + QPoint(piece.x, piece.y);
    if (piece.run->rule != 0)
      PaintRule(painter, measurer, piece, at);
    else if (!piece.text.empty())
      PaintText(painter, measurer, piece, at);
  }
  painter.restore();
}

}  // namespace vx
