#include "buttons.h"

#include <QPainterPath>
#include <QPen>

#include "palette.h"

namespace vx::art {
namespace {

// A round button: a light disc ringed in `ring`, or, hovered, a disc filled
// with it. Returns the colour the pictogram is drawn in.
QColor DrawRoundFace(QPainter& p, QSizeF size, const QColor& ring, bool filled) {
  const QRectF disc = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(ring, kRule));
  p.setBrush(filled ? ring : Mix(kPaper, kSheet, 0.5));
  p.drawEllipse(disc);
  if (!filled) {
    // A thin inner rule, as on the frames.
    p.setPen(QPen(Mix(ring, kSheet, 0.6), kRule));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc.adjusted(2, 2, -2, -2));
  }
  return filled ? kPaper : ring;
}

// A question mark drawn as a stroke: a hook and a dot.
void DrawQuestionMark(QPainter& p, QSizeF size, const QColor& ink) {
  const double u = size.width() / 24.0;
  const QPointF c(size.width() / 2, size.height() / 2);
  QPainterPath hook(c + QPointF(-3.4 * u, -3.2 * u));
  hook.cubicTo(c + QPointF(-3.2 * u, -7.4 * u), c + QPointF(3.8 * u, -7.6 * u),
               c + QPointF(3.6 * u, -3.4 * u));
  hook.cubicTo(c + QPointF(3.5 * u, -0.8 * u), c + QPointF(0, -0.6 * u), c + QPointF(0, 2.2 * u));
  p.setPen(QPen(ink, kStroke * 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(c + QPointF(0, 5.6 * u), 1.3 * u, 1.3 * u);
}

// A diagonal cross with round ends.
void DrawCrossMark(QPainter& p, QSizeF size, const QColor& ink) {
  const double u = size.width() / 24.0;
  const QPointF c(size.width() / 2, size.height() / 2);
  const double d = 4.6 * u;
  p.setPen(QPen(ink, kStroke * 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
  p.drawLine(c + QPointF(d, -d), c + QPointF(-d, d));
}

}  // namespace

void PaintHelp(QPainter& p, QSizeF size) {
  DrawQuestionMark(p, size, DrawRoundFace(p, size, kInk, false));
}

void PaintHelpHover(QPainter& p, QSizeF size) {
  DrawQuestionMark(p, size, DrawRoundFace(p, size, kInk, true));
}

void PaintClose(QPainter& p, QSizeF size) {
  DrawRoundFace(p, size, kInk, false);
  DrawCrossMark(p, size, kDarkRed);
}

void PaintCloseHover(QPainter& p, QSizeF size) {
  DrawCrossMark(p, size, DrawRoundFace(p, size, kDarkRed, true));
}

// A flat sheet with the one-pixel raised edge of the program's buttons.
void PaintEmptyButton(QPainter& p, QSizeF size) {
  const QRectF face(QPointF(0, 0), size);
  p.fillRect(face, kSheet);  // too small for fibres: one would look like a scratch
  p.fillRect(QRectF(0, 0, size.width(), kRule), kHighlight);
  p.fillRect(QRectF(0, 0, kRule, size.height()), kHighlight);
  p.fillRect(QRectF(0, size.height() - kRule, size.width(), kRule), kShadow);
  p.fillRect(QRectF(size.width() - kRule, 0, kRule, size.height()), kShadow);
}

}  // namespace vx::art
