#include "icon.h"

#include <algorithm>
#include <array>

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include "palette.h"

namespace vx::art {
namespace {

// The icon is drawn on a 64-unit square, the book's spine at x = 32; the
// right half mirrors the left.
constexpr double kUnits = 64.0;

// One page: its top and bottom edges bow down towards the spine.
QPainterPath LeftPage(double dy) {
  QPainterPath page(QPointF(32, 19 + dy));
  page.cubicTo(QPointF(24, 13 + dy), QPointF(12, 12 + dy), QPointF(4, 15 + dy));
  page.lineTo(4, 49 + dy);
  page.cubicTo(QPointF(12, 46 + dy), QPointF(24, 47 + dy), QPointF(32, 53 + dy));
  page.closeSubpath();
  return page;
}

// The binding behind the pages, its upper edge hidden by them.
QPainterPath LeftCover() {
  QPainterPath cover(QPointF(32, 57.5));
  cover.cubicTo(QPointF(24, 52), QPointF(10, 50.5), QPointF(1.5, 53));
  cover.lineTo(1.5, 20);
  cover.lineTo(32, 26);
  cover.closeSubpath();
  return cover;
}

// A ruled line of the left page, row `row` from the top, following the
// page's bow.
QPainterPath LeftRule(int row) {
  const double dy = 6.0 + row * 5.6;
  QPainterPath rule(QPointF(28.5, 18.6 + dy));
  rule.cubicTo(QPointF(22, 14.4 + dy), QPointF(14, 13.6 + dy), QPointF(8, 15.4 + dy));
  return rule;
}

// Draws `path` for the left half and its mirror for the right.
void BothHalves(QPainter& p, const QPainterPath& path) {
  p.drawPath(path);
  p.save();
  p.translate(kUnits, 0);
  p.scale(-1, 1);
  p.drawPath(path);
  p.restore();
}

void DrawBook(QPainter& p, double line) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  BothHalves(p, LeftCover());
  // The edges of the leaves below the open pages.
  p.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kSheet);
  BothHalves(p, LeftPage(2.2));
  p.setBrush(kPaper);
  BothHalves(p, LeftPage(0));
  // The columns of the register: ruled rows and a rubric in red on top.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Mix(kInk, kPaper, 0.45), line * 0.8, Qt::SolidLine, Qt::RoundCap));
  for (int row = 1; row < 6; ++row)
    BothHalves(p, LeftRule(row));
  p.setPen(QPen(kDarkRed, line * 1.1, Qt::SolidLine, Qt::RoundCap));
  BothHalves(p, LeftRule(0));
  p.setPen(QPen(kInk, line, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(32, 19), QPointF(32, 53));
}

// The bookmark ribbon from the spine, hanging below the book.
void DrawRibbon(QPainter& p, double line) {
  p.setPen(QPen(Mix(kDarkRed, kInk, 0.4), line * 0.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(kDarkRed);
  p.drawPolygon(QPolygonF({QPointF(30.6, 19.5), QPointF(34.4, 19.5), QPointF(35.6, 62),
                           QPointF(33.6, 59.6), QPointF(31.6, 62)}));
}

// The magnifying glass over the right page: a clear lens in an ink rim
// and a red handle.
void DrawGlass(QPainter& p, double line) {
  const QPointF centre(45, 32);
  constexpr double kRadius = 10.5;
  p.setPen(QPen(kDarkRed, 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre + QPointF(9.5, 9.5), QPointF(58.5, 45.5));
  p.setPen(QPen(kInk, std::max(3.2, line * 2), Qt::SolidLine, Qt::FlatCap));
  p.drawLine(centre + QPointF(7, 7), centre + QPointF(10.6, 10.6));
  p.setBrush(Glass(130));
  p.drawEllipse(centre, kRadius, kRadius);
  // A glint on the lens, upper left.
  p.setPen(QPen(Glass(220), std::max(1.6, line), Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(centre - QPointF(6.5, 6.5), QSizeF(13, 13)), 100 * 16, 60 * 16);
}

constexpr std::array<int, 7> kSizes = {16, 24, 32, 48, 64, 128, 256};

}  // namespace

void PaintProgramIcon(QPainter& p, QSizeF size) {
  p.scale(size.width() / kUnits, size.height() / kUnits);
  p.translate(0, -3);  // the book from 9 to 59, in the middle
  // Lines keep at least one pixel's width in the small sizes.
  const double line = std::max(kStroke, kUnits / size.width());
  DrawBook(p, line);
  DrawRibbon(p, line);
  DrawGlass(p, line);
}

std::span<const int> ProgramIconSizes() {
  return kSizes;
}

QImage DrawProgramIcon(int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintProgramIcon(p, QSizeF(pixels, pixels));
  }
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace vx::art
