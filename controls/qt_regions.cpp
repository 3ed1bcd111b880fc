#include "controls/qt_regions.h"

#include <QRect>
#include <cmath>
#include <vector>

#include "imaging/colour_region.h"

namespace vx {
namespace {

// Rounds outwards, so that half-covered logical pixels count.
int FloorDiv(int value, int ratio) {
  return value >= 0 ? value / ratio : -((-value + ratio - 1) / ratio);
}
int CeilDiv(int value, int ratio) {
  return -FloorDiv(-value, ratio);
}

}  // namespace

QRegion LogicalRegion(std::span<const Rect> rects, int ratio) {
  if (ratio < 1) ratio = 1;
  QRegion region;
  for (const Rect& r : rects) {
    const int left = FloorDiv(r.left, ratio);
    const int top = FloorDiv(r.top, ratio);
    region |= QRect(left, top, CeilDiv(r.right(), ratio) - left, CeilDiv(r.bottom(), ratio) - top);
  }
  return region;
}

QRegion RegionOfColour(const QImage& image, uint32_t rgb) {
  // These three keep a pixel as one 0xAARRGGBB word.
  const QImage::Format f = image.format();
  const bool words = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
                     f == QImage::Format_ARGB32_Premultiplied;
  const QImage pixels = words ? image : image.convertToFormat(QImage::Format_ARGB32);
  PixelView view;
  view.pixels = reinterpret_cast<const uint32_t*>(pixels.constBits());
  view.width = pixels.width();
  view.height = pixels.height();
  view.stride = static_cast<size_t>(pixels.bytesPerLine()) / 4;
  const std::vector<Rect> rects = RectsOfColour(view, rgb);
  return LogicalRegion(rects, int(std::lround(image.devicePixelRatio())));
}

}  // namespace vx
