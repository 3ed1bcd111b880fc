#include "logo.h"

#include <cmath>
#include <numbers>

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include "palette.h"

namespace vx::art {
namespace {

// The seal is drawn on a 72-unit square and scaled to the picture.
constexpr double kUnits = 72.0;
const QPointF kCentre(36, 36);

void DrawRings(QPainter& p) {
  p.setPen(QPen(kInk, kStroke));
  p.setBrush(kPaper);
  p.drawEllipse(kCentre, 35, 35);
  p.setPen(QPen(kInk, kRule));
  p.setBrush(Mix(kPaper, kSheet, 0.6));
  p.drawEllipse(kCentre, 29.5, 29.5);
  // Beads between the rings instead of lettering.
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (int i = 0; i < 24; ++i) {
    const double a = i * std::numbers::pi / 12;
    p.drawEllipse(kCentre + QPointF(std::cos(a), std::sin(a)) * 32.3, 1.0, 1.0);
  }
}

// A small country church: nave, west tower with spire and a cross.
void DrawChurch(QPainter& p) {
  p.setPen(QPen(kInk, kRule, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(kPaper);
  p.drawRect(QRectF(21.5, 33.5, 19, 13));  // nave
  p.drawPolygon(QPolygonF({QPointF(20, 34), QPointF(31, 26.5), QPointF(42, 34)}));
  p.drawRect(QRectF(42.5, 25.5, 8, 21));  // tower
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({QPointF(41.5, 26), QPointF(46.5, 12.5), QPointF(51.5, 26)}));
  p.setPen(QPen(kDarkRed, kRule));
  p.drawLine(QPointF(46.5, 8), QPointF(46.5, 12.5));
  p.drawLine(QPointF(44.8, 9.6), QPointF(48.2, 9.6));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  QPainterPath door(QPointF(44.5, 46.5));
  door.lineTo(44.5, 41);
  door.arcTo(QRectF(44.5, 39, 4, 4), 180, -180);
  door.lineTo(48.5, 46.5);
  p.drawPath(door);
  for (double x : {25.0, 30.0, 35.0})
    p.drawRect(QRectF(x, 37.5, 2, 4));  // windows
}

// The spring: ground line and three waves below the church.
void DrawSpring(QPainter& p) {
  p.setPen(QPen(kGreen, kStroke, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14, 47), QPointF(58, 47));
  p.setPen(QPen(kNavy, kRule * 1.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row < 3; ++row) {
    const double y = 52 + row * 4.2;
    const double half = 16 - row * 4;
    QPainterPath wave(QPointF(36 - half, y));
    for (double x = 36 - half; x < 36 + half - 0.1; x += 4)
      wave.cubicTo(x + 1, y - 1.6, x + 3, y + 1.6, x + 4, y);
    p.drawPath(wave);
  }
}

}  // namespace

void PaintSampleLogo(QPainter& p, QSizeF size) {
  p.scale(size.width() / kUnits, size.height() / kUnits);
  DrawRings(p);
  DrawChurch(p);
  DrawSpring(p);
}

}  // namespace vx::art
