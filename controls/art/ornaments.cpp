#include "ornaments.h"

#include <QPen>
#include <QPolygonF>

#include "palette.h"

namespace vx::art {
namespace {

// The top-left corner; the others are this one turned by `quarter_turns`.
void PaintCorner(QPainter& p, QSizeF size, int quarter_turns) {
  p.translate(size.width() / 2, size.height() / 2);
  p.rotate(90.0 * quarter_turns);
  p.translate(-size.width() / 2, -size.height() / 2);
  const double s = size.width();
  p.setPen(QPen(kInk, kRule, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(1.5, 1.5), QPointF(s - 1, 1.5));
  p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, s - 1));
  p.setPen(QPen(Mix(kInk, kPaper, 0.45), kRule, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(3.5, 3.5), QPointF(s * 0.6, 3.5));
  p.drawLine(QPointF(3.5, 3.5), QPointF(3.5, s * 0.6));
  const double m = s * 0.36;
  const double r = s * 0.12;
  p.setPen(Qt::NoPen);
  p.setBrush(kDarkRed);
  p.drawPolygon(
      QPolygonF({QPointF(m, m - r), QPointF(m + r, m), QPointF(m, m + r), QPointF(m - r, m)}));
}

}  // namespace

void PaintCornerTopLeft(QPainter& p, QSizeF size) {
  PaintCorner(p, size, 0);
}
void PaintCornerTopRight(QPainter& p, QSizeF size) {
  PaintCorner(p, size, 1);
}
void PaintCornerBottomRight(QPainter& p, QSizeF size) {
  PaintCorner(p, size, 2);
}
void PaintCornerBottomLeft(QPainter& p, QSizeF size) {
  PaintCorner(p, size, 3);
}

}  // namespace vx::art
