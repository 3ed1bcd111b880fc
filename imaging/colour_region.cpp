#include "imaging/colour_region.h"

#include <functional>

namespace vx {
namespace {

// Row runs of pixels that `inside` accepts; a run equal to one of the row
// above extends that rectangle downwards instead of starting a new one.
std::vector<Rect> RectsWhere(const PixelView& image, const std::function<bool(uint32_t)>& inside) {
  std::vector<Rect> rects;
  std::vector<size_t> open;  // rectangles that reached the row above
  for (int y = 0; y < image.height; ++y) {
    const uint32_t* row = image.pixels + static_cast<size_t>(y) * image.stride;
    std::vector<size_t> now_open;
    int x = 0;
    while (x < image.width) {
      if (!inside(row[x])) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < image.width && inside(row[x]))
        ++x;
      bool extended = false;
      for (size_t index : open) {
        Rect& r = rects[index];
        if (r.left == start && r.right() == x && r.bottom() == y) {
          ++r.height;
          now_open.push_back(index);
          extended = true;
          break;
        }
      }
      if (!extended) {
        rects.push_back(Rect::FromEdges(start, y, x, y + 1));
        now_open.push_back(rects.size() - 1);
      }
    }
    open = std::move(now_open);
  }
  return rects;
}

}  // namespace

std::vector<Rect> RectsOfColour(const PixelView& image, uint32_t rgb) {
  rgb &= 0xFFFFFF;
  return RectsWhere(image, [rgb](uint32_t p) { return (p & 0xFFFFFF) == rgb; });
}

std::vector<Rect> RectsOfOpaque(const PixelView& image) {
  return RectsWhere(image, [](uint32_t p) { return (p >> 24) >= 128; });
}

}  // namespace vx
