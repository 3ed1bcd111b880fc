#include "marks.h"

#include <QPainterPath>
#include <QPen>

#include "palette.h"

namespace vx::art {

void PaintRedTick(QPainter& p, QSizeF size) {
  const double u = size.width() / 13.0;
  QPainterPath tick(QPointF(2.0 * u, 6.8 * u));
  tick.lineTo(5.0 * u, 10.0 * u);
  tick.cubicTo(6.6 * u, 6.6 * u, 8.4 * u, 4.4 * u, 11.2 * u, 2.4 * u);
  p.setPen(QPen(kDarkRed, kStroke * 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tick);
}

// Red and amber dark, green lit: go ahead with the choice.
void PaintTrafficLight(QPainter& p, QSizeF size) {
  const double w = size.width();
  const double h = size.height();
  p.setPen(QPen(kInk, kRule));
  p.setBrush(Mix(kInk, kPaper, 0.15));
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), w * 0.3, w * 0.3);
  const double r = w * 0.27;
  const QColor lamps[] = {Mix(kDarkRed, kInk, 0.45), Mix(QtColor(theme::kLampAmber), kInk, 0.55),
                          QtColor(theme::kLampGreen)};
  for (int i = 0; i < 3; ++i) {
    const QPointF centre(w / 2, h * (1 + 2 * i) / 6.0);
    p.setPen(QPen(Mix(kInk, kBlack, 0.3), kRule));
    p.setBrush(lamps[i]);
    p.drawEllipse(centre, r, r);
  }
}

}  // namespace vx::art
