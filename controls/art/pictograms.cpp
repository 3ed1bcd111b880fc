#include "pictograms.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include "palette.h"

namespace vx::art {
namespace {

// Every pictogram is drawn on a 16-unit square.
void Begin(QPainter& p, QSizeF size) {
  p.scale(size.width() / 16.0, size.height() / 16.0);
  p.setPen(QPen(kInk, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
}

// A sheet of paper with two lines of writing.
void Sheet(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, kRule));
  p.setBrush(kPaper);
  p.drawRect(r);
  p.setPen(QPen(Mix(kInk, kPaper, 0.35), kRule));
  for (double y = r.top() + 3; y < r.bottom() - 1.5; y += 2.5)
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

}  // namespace

void PaintSearchPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  p.setBrush(Glass(150));
  p.drawEllipse(QPointF(6.5, 6.5), 4.3, 4.3);
  p.setPen(QPen(kInk, kStroke * 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(9.8, 9.8), QPointF(14, 14));
}

void PaintClearPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
  p.translate(8, 7.5);
  p.rotate(-40);
  p.setPen(QPen(kInk, kRule));
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(-5.5, -2.8, 11, 5.6), 1, 1);
  p.setBrush(kDarkRed);
  p.drawRoundedRect(QRectF(-5.5, -2.8, 4, 5.6), 1, 1);
}

void PaintPrintPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  Sheet(p, QRectF(4.5, 1.5, 7, 5));
  p.setPen(QPen(kInk, kRule));
  p.setBrush(Mix(kSheet, kInk, 0.25));
  p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
  Sheet(p, QRectF(4.5, 9.5, 7, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawEllipse(QPointF(12.5, 7.5), 0.8, 0.8);
}

void PaintCopyPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  Sheet(p, QRectF(1.5, 1.5, 8, 10));
  Sheet(p, QRectF(6.5, 4.5, 8, 10));
}

// A sheet with a green arrow leaving it: save the hits as a file.
void PaintExportPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  Sheet(p, QRectF(1.5, 1.5, 9, 13));
  p.setPen(QPen(kGreen, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(6, 8), QPointF(14.5, 8));
  p.drawPolyline(QPolygonF({QPointF(11.5, 5), QPointF(14.5, 8), QPointF(11.5, 11)}));
}

// Two sheets joined by a green link: the records of the same life.
void PaintLinkPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  Sheet(p, QRectF(0.5, 1.5, 6.5, 8.5));
  Sheet(p, QRectF(9, 6, 6.5, 8.5));
  p.setPen(QPen(kGreen, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath link(QPointF(4, 10.5));
  link.cubicTo(4, 14.5, 12, 1.5, 12, 5.5);
  p.drawPath(link);
}

// A person with a red cross beside: take the person off the list.
void PaintRemovePictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  p.setPen(QPen(kInk, kRule));
  p.setBrush(Mix(kPaper, kInk, 0.25));
  p.drawEllipse(QPointF(6, 4.5), 2.6, 2.6);
  QPainterPath body(QPointF(1, 14.5));
  body.cubicTo(1, 8.5, 11, 8.5, 11, 14.5);
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(QPen(kDarkRed, kStroke, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 2.5), QPointF(14.5, 6));
  p.drawLine(QPointF(14.5, 2.5), QPointF(11, 6));
}

// A door and an arrow leading out of it.
void PaintExitPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  p.setPen(QPen(kInk, kRule));
  p.setBrush(Mix(kSheet, kInk, 0.15));
  p.drawRect(QRectF(2.5, 1.5, 7, 13));
  p.setPen(QPen(kDarkRed, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(6.5, 8), QPointF(14.5, 8));
  p.drawPolyline(QPolygonF({QPointF(11.5, 5), QPointF(14.5, 8), QPointF(11.5, 11)}));
}

void PaintAboutPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  p.setPen(QPen(kInk, kRule));
  p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
  p.setPen(QPen(kInk, kStroke * 1.2, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(8, 7), QPointF(8, 12));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(QPointF(8, 4.6), 1.1, 1.1);
}

// Rows of a list, the first one ticked.
void PaintListPictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  p.setPen(QPen(kInk, kRule));
  for (double y : {3.5, 8.0, 12.5})
    p.drawLine(QPointF(7, y), QPointF(14.5, y));
  p.setPen(QPen(kDarkRed, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(1.5, 3.5), QPointF(3, 5), QPointF(5.5, 1.5)}));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (double y : {8.0, 12.5})
    p.drawRect(QRectF(2.5, y - 1, 2, 2));
}

// A pencil over a written line: type the search word.
void PaintTypePictogram(QPainter& p, QSizeF size) {
  Begin(p, size);
  p.drawLine(QPointF(1.5, 14.5), QPointF(8, 14.5));
  p.translate(8.5, 7.5);
  p.rotate(45);
  p.setPen(QPen(kInk, kRule, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Mix(kSheet, kInk, 0.1));
  p.drawPolygon(QPolygonF(
      {QPointF(-1.8, -6), QPointF(1.8, -6), QPointF(1.8, 3.5), QPointF(0, 7), QPointF(-1.8, 3.5)}));
  p.setBrush(kDarkRed);
  p.drawRect(QRectF(-1.8, -6, 3.6, 2));
}

}  // namespace vx::art
