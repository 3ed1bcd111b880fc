#include "frames.h"

#include <algorithm>
#include <cmath>

#include <QImage>

#include "imaging/colour_region.h"
#include "palette.h"
#include "paper.h"

namespace vx::art {
namespace {

// The panel body starts `tab_height` rows down; the tab sits on its top rule
// from `tab_left` for `tab_width` pixels. Widths are logical pixels.
struct TabFrame {
  double tab_left;
  double tab_width;
  double tab_height;
  QColor tint;
  uint32_t seed;
};

constexpr double kBodyRadius = 6.0;
constexpr double kTabRadius = 5.0;
constexpr double kInnerRule = 2.0;  // offset of the inner rule from the edge
constexpr double kBand = 4.0;       // the inner area starts this far in

// Signed distance from `pt` to a rounded rectangle (negative inside).
double RoundRectDistance(QPointF pt, const QRectF& r, double radius) {
  const double qx = std::abs(pt.x() - r.center().x()) - (r.width() / 2 - radius);
  const double qy = std::abs(pt.y() - r.center().y()) - (r.height() / 2 - radius);
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

// The paint of one pixel, from its centre `pt` in logical pixels; a
// transparent result keeps the sheet below.
QColor FramePixel(QPointF pt, QSizeF size, const TabFrame& f) {
  const QRectF body(0, f.tab_height, size.width(), size.height() - f.tab_height);
  // The tab reaches into the body so that only its top corners are round.
  const QRectF tab(f.tab_left, 0, f.tab_width, f.tab_height + kTabRadius * 2);
  const double in_body = RoundRectDistance(pt, body, kBodyRadius);
  const double in_tab = RoundRectDistance(pt, tab, kTabRadius);
  if (std::min(in_body, in_tab) > 0) return QtRgb(vx::kKeyGreen);
  if (in_body <= -kBand) return QtRgb(vx::kKeyRed);
  if (in_body <= 0) {
    // The body's rules run on under the tab: the tab is glued onto the page.
    if (in_body > -kRule) return kInk;
    if (in_body <= -kInnerRule && in_body > -kInnerRule - kRule) return Mix(kInk, kSheet, 0.45);
    return Qt::transparent;
  }
  // Tab: outline, a band of the tint along its top, the sheet below.
  if (in_tab > -kRule) return kInk;
  if (pt.y() < kRule + 3.0) return f.tint;
  return Mix(kSheet, f.tint, 0.05);
}

// The key and rule layer at device size, drawn pixel by pixel so that the
// keys stay exact at any scale.
QImage FrameLayer(QSizeF size, double scale, const TabFrame& f) {
  QImage layer(std::lround(size.width() * scale), std::lround(size.height() * scale),
               QImage::Format_ARGB32);
  for (int y = 0; y < layer.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      const QPointF pt((x + 0.5) / scale, (y + 0.5) / scale);
      row[x] = FramePixel(pt, size, f).rgba();
    }
  }
  return layer;
}

void PaintFrame(QPainter& p, QSizeF size, const TabFrame& f) {
  FillPaper(p, QRectF(QPointF(0, 0), size), kSheet, f.seed, 10.0);
  const double scale = p.worldTransform().m11();
  p.save();
  p.resetTransform();
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.drawImage(0, 0, FrameLayer(size, scale, f));
  p.restore();
}

// The result table's tab holds the register's controls: it is wide and
// tall. It stays left of the split column of the narrowest table (390).
TabFrame TableFrame(const QColor& tint, uint32_t seed) {
  return {8, 170, 26, tint, seed};
}

}  // namespace

void PaintBirthTableFrame(QPainter& p, QSizeF size) {
  PaintFrame(p, size, TableFrame(kBirthsTint, 0x1101));
}

void PaintMarriageTableFrame(QPainter& p, QSizeF size) {
  PaintFrame(p, size, TableFrame(kMarriagesTint, 0x1102));
}

void PaintDeathTableFrame(QPainter& p, QSizeF size) {
  PaintFrame(p, size, TableFrame(kDeathsTint, 0x1103));
}

// The record panel's tab carries the register mark and the record label;
// its text starts 29 pixels down, below the body's band.
void PaintRecordFrame(QPainter& p, QSizeF size) {
  PaintFrame(p, size, TabFrame{8, 110, 24, kInk, 0x1104});
}

}  // namespace vx::art
