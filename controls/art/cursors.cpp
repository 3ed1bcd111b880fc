#include "cursors.h"

#include <array>

#include <QPainterPath>
#include <QPen>

#include "palette.h"

namespace vx::art {
namespace {

// A finger, a thumb: a stroke of `width` with round ends, as an area.
QPainterPath Capsule(QPointF from, QPointF to, double width) {
  QPainterPath line(from);
  line.lineTo(to);
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  return stroker.createStroke(line);
}

// A hand seen from its back: palm, thumb, and four fingers whose tops
// are at `tops` (short tops curl the fingers in).
void PaintHand(QPainter& p, const std::array<double, 4>& tops, QPointF thumb_tip) {
  QPainterPath hand;
  hand.addRoundedRect(QRectF(9, 13, 14, 14), 4.5, 4.5);
  const double xs[] = {11.2, 14.6, 18.0, 21.2};
  for (int i = 0; i < 4; ++i)
    hand = hand.united(Capsule({xs[i], tops[i]}, {xs[i], 16}, 3.4));
  hand = hand.united(Capsule({10.5, 21}, thumb_tip, 3.6));
  p.setPen(QPen(kCursorInk, kRule, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kCursorFill);
  p.drawPath(hand.simplified());
  // The clefts between the fingers.
  p.setPen(QPen(kCursorInk, kRule * 0.8, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const double x = (xs[i] + xs[i + 1]) / 2;
    p.drawLine(QPointF(x, std::max(tops[i], tops[i + 1]) + 1.5), QPointF(x, 14.5));
  }
}

// A line of the pointer: a white halo under black ink.
void HaloLine(QPainter& p, QPointF a, QPointF b, double width) {
  p.setPen(QPen(kCursorFill, width + 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
  p.setPen(QPen(kCursorInk, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, b);
}

// A magnifying glass whose lens centre (13, 13) is the hot spot; `sign` 0
// none, 1 plus, -1 minus.
void PaintMagnifier(QPainter& p, int sign) {
  const QPointF c(13, 13);
  HaloLine(p, QPointF(19.5, 19.5), QPointF(27, 27), 4.0);
  p.setPen(QPen(kCursorFill, 4.0));
  p.setBrush(Glass(190));
  p.drawEllipse(c, 8, 8);
  p.setPen(QPen(kCursorInk, 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 8, 8);
  p.setPen(QPen(kCursorInk, 2.0, Qt::SolidLine, Qt::FlatCap));
  if (sign != 0) p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
  if (sign > 0) p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
}

}  // namespace

void PaintOpenHand(QPainter& p, QSizeF) {
  PaintHand(p, {5.5, 3.5, 4.5, 7.5}, {4.8, 14.5});
}

void PaintGrabbingHand(QPainter& p, QSizeF) {
  PaintHand(p, {11.0, 10.0, 10.5, 11.5}, {7.5, 17.5});
}

// A text beam: marks text in the record view.
void PaintTextMark(QPainter& p, QSizeF) {
  HaloLine(p, QPointF(16, 9), QPointF(16, 23), 1.6);
  HaloLine(p, QPointF(13, 8), QPointF(19, 8), 1.6);
  HaloLine(p, QPointF(13, 24), QPointF(19, 24), 1.6);
  p.setPen(QPen(kCursorInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 8.5), QPointF(16, 23.5));
}

void PaintZoom(QPainter& p, QSizeF) {
  PaintMagnifier(p, 0);
}
void PaintZoomIn(QPainter& p, QSizeF) {
  PaintMagnifier(p, 1);
}
void PaintZoomOut(QPainter& p, QSizeF) {
  PaintMagnifier(p, -1);
}

}  // namespace vx::art
