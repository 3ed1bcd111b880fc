#include "emblems.h"

#include <QPainterPath>
#include <QPen>

#include "palette.h"

namespace vx::art {
namespace {

// `paper` is the disc's fill, for gaps where one stroke passes another.
using Glyph = void (*)(QPainter&, QPointF centre, double unit, const QColor& ink,
                       const QColor& paper);

// A stem rising from the ground with two leaves.
void DrawSprout(QPainter& p, QPointF c, double u, const QColor& ink, const QColor&) {
  p.setPen(QPen(ink, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath stem(c + QPointF(0, 5.5 * u));
  stem.cubicTo(c + QPointF(0, 2 * u), c + QPointF(-0.6 * u, -1 * u), c + QPointF(0, -3.5 * u));
  p.drawPath(stem);
  p.drawLine(c + QPointF(-3.2 * u, 5.5 * u), c + QPointF(3.2 * u, 5.5 * u));
  p.setPen(QPen(ink, kRule));
  p.setBrush(ink);
  QPainterPath left(c + QPointF(-0.2 * u, 0.6 * u));
  left.cubicTo(c + QPointF(-1.5 * u, -2.6 * u), c + QPointF(-4.6 * u, -2.4 * u),
               c + QPointF(-5 * u, -1.8 * u));
  left.cubicTo(c + QPointF(-4.4 * u, 0.6 * u), c + QPointF(-1.8 * u, 1.4 * u),
               c + QPointF(-0.2 * u, 0.6 * u));
  p.drawPath(left);
  QPainterPath right(c + QPointF(0.1 * u, -2.0 * u));
  right.cubicTo(c + QPointF(1.2 * u, -5.2 * u), c + QPointF(4.0 * u, -5.4 * u),
                c + QPointF(4.8 * u, -5.0 * u));
  right.cubicTo(c + QPointF(4.4 * u, -2.4 * u), c + QPointF(1.8 * u, -1.2 * u),
                c + QPointF(0.1 * u, -2.0 * u));
  p.drawPath(right);
}

// Two interlaced rings.
void DrawRings(QPainter& p, QPointF c, double u, const QColor& ink, const QColor& paper) {
  p.setBrush(Qt::NoBrush);
  const double r = 3.6 * u;
  const QRectF left(c.x() - 2.2 * u - r, c.y() + 0.4 * u - r, 2 * r, 2 * r);
  const QRectF right(c.x() + 2.2 * u - r, c.y() - 0.4 * u - r, 2 * r, 2 * r);
  p.setPen(QPen(ink, kStroke));
  p.drawEllipse(left);
  p.drawEllipse(right);
  // The left ring passes over the right one at the lower crossing: a gap
  // in the paper's colour, then the left ring's stroke again.
  p.setPen(QPen(paper, kStroke + 1.4 * u, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(left, -52 * 16, 34 * 16);
  p.setPen(QPen(ink, kStroke, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(left, -62 * 16, 54 * 16);
}

// A plain Latin cross.
void DrawCross(QPainter& p, QPointF c, double u, const QColor& ink, const QColor&) {
  p.setPen(QPen(ink, kStroke * 1.25, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(c + QPointF(0, -5.6 * u), c + QPointF(0, 5.6 * u));
  p.drawLine(c + QPointF(-3.6 * u, -2.2 * u), c + QPointF(3.6 * u, -2.2 * u));
}

// The disc in the register's tint with the glyph in its middle.
void PaintEmblem(QPainter& p, QSizeF size, const QColor& tint, Glyph glyph, bool greyed) {
  const QColor ink = greyed ? kDisabledInk : tint;
  const QRectF disc = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(ink, kRule));
  const QColor paper = Mix(kPaper, ink, greyed ? 0.05 : 0.12);
  p.setBrush(paper);
  p.drawEllipse(disc);
  glyph(p, disc.center(), size.width() / 20.0, ink, paper);
}

}  // namespace

void PaintBirthEmblem(QPainter& p, QSizeF size) {
  PaintEmblem(p, size, kBirthsTint, DrawSprout, false);
}
void PaintBirthEmblemGreyed(QPainter& p, QSizeF size) {
  PaintEmblem(p, size, kBirthsTint, DrawSprout, true);
}
void PaintMarriageEmblem(QPainter& p, QSizeF size) {
  PaintEmblem(p, size, kMarriagesTint, DrawRings, false);
}
void PaintMarriageEmblemGreyed(QPainter& p, QSizeF size) {
  PaintEmblem(p, size, kMarriagesTint, DrawRings, true);
}
void PaintDeathEmblem(QPainter& p, QSizeF size) {
  PaintEmblem(p, size, kDeathsTint, DrawCross, false);
}
void PaintDeathEmblemGreyed(QPainter& p, QSizeF size) {
  PaintEmblem(p, size, kDeathsTint, DrawCross, true);
}

}  // namespace vx::art
