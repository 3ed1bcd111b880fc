#include "paper.h"

#include <cmath>
#include <numbers>

#include <QPainterPath>
#include <QPen>

#include "palette.h"

namespace vx::art {

uint64_t Random::Next() {
  // splitmix64
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

double Random::Unit() {
  return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

double Random::Range(double low, double high) {
  return low + (high - low) * Unit();
}

namespace {

// A fibre is a short, gently bent stroke, mostly darker than the paper
// (pulp) and now and then lighter (a bleached thread).
void DrawFibre(QPainter& p, const QRectF& area, const QColor& base, Random& rng) {
  const QPointF start(rng.Range(area.left(), area.right()), rng.Range(area.top(), area.bottom()));
  const double angle = rng.Range(0.0, std::numbers::pi);
  const double length = rng.Range(3.0, 13.0);
  const QPointF dir(std::cos(angle) * length, std::sin(angle) * length);
  const QPointF bend(-dir.y() * rng.Range(-0.25, 0.25), dir.x() * rng.Range(-0.25, 0.25));
  QPainterPath path(start);
  path.quadTo(start + dir / 2 + bend, start + dir);

  const bool light = rng.Unit() < 0.25;
  QColor colour = light ? Mix(base, QtColor(theme::kBleachedFibre), 0.7)
                        : Mix(base, QtColor(theme::kPulpFibre), 0.5);
  colour.setAlpha(static_cast<int>(rng.Range(28.0, 70.0)));
  QPen pen(colour, rng.Range(0.5, 0.9), Qt::SolidLine, Qt::RoundCap);
  p.strokePath(path, pen);
}

// A speck: a tiny dark dot, rarer than fibres.
void DrawSpeck(QPainter& p, const QRectF& area, const QColor& base, Random& rng) {
  const QPointF centre(rng.Range(area.left(), area.right()), rng.Range(area.top(), area.bottom()));
  QColor colour = Mix(base, QtColor(theme::kSpeck), 0.6);
  colour.setAlpha(static_cast<int>(rng.Range(40.0, 90.0)));
  const double r = rng.Range(0.3, 0.6);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(centre, r, r);
}

}  // namespace

void FillPaper(QPainter& p, const QRectF& area, const QColor& base, uint32_t seed, double density) {
  p.save();
  p.fillRect(area, base);
  p.setClipRect(area, Qt::IntersectClip);
  p.setRenderHint(QPainter::Antialiasing, true);
  Random rng(seed);
  const int fibres = static_cast<int>(area.width() * area.height() * density / 10000.0);
  for (int i = 0; i < fibres; ++i)
    DrawFibre(p, area, base, rng);
  for (int i = 0; i < fibres / 6; ++i)
    DrawSpeck(p, area, base, rng);
  p.restore();
}

}  // namespace vx::art
