#include "imaging/blend.h"

#include <algorithm>

namespace vx {

void BlendPixels(uint32_t* pixels, size_t count, uint32_t rgb, int level) {
  level = std::clamp(level, 0, 255);
  const auto channel = [&](uint32_t pixel, int shift) {
    return static_cast<uint32_t>(BlendChannel(static_cast<uint8_t>(pixel >> shift),
                                              static_cast<uint8_t>(rgb >> shift), level))
           << shift;
  };
  for (size_t i = 0; i < count; ++i) {
    const uint32_t p = pixels[i];
    pixels[i] = (p & 0xFF000000u) | channel(p, 16) | channel(p, 8) | channel(p, 0);
  }
}

}  // namespace vx
