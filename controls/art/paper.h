// Paper surfaces: a flat colour with a faint fibre texture. The fibres come
// from a fixed seed and are placed in logical pixels, so a picture drawn
// twice as large shows the same fibres, and every run gives the same bytes.
#ifndef VX_CONTROLS_ART_PAPER_H_
#define VX_CONTROLS_ART_PAPER_H_

#include <cstdint>

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace vx::art {

// A small generator of our own: the standard distributions differ between
// libraries, and the pictures must not.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  double Unit();                          // [0, 1)
  double Range(double low, double high);  // [low, high)

 private:
  uint64_t state_;
};

// Fills `area` with `base` and strews fibres over it; `density` is fibres
// per 10,000 square logical pixels (about 10 is faint, 25 is visible).
void FillPaper(QPainter& p, const QRectF& area, const QColor& base, uint32_t seed,
               double density = 12.0);

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_PAPER_H_
