// Blending a rectangle of pixels with a colour, as buttons do for their
// background and for the disabled look.
#ifndef VX_IMAGING_BLEND_H_
#define VX_IMAGING_BLEND_H_

#include <cstddef>
#include <cstdint>

#include "theme/theme.h"

namespace vx {

// The disabled look: the theme's disabled face at level 100.
inline constexpr uint32_t kDisabledBlendColour = theme::kDisabledFace.Packed();
inline constexpr int kDisabledBlendLevel = 100;

// Each colour channel of each 0xAARRGGBB pixel becomes
// (channel * level + colour channel * (255 - level)) / 256; alpha is kept.
// `level` is clamped to 0..255. Level 255 leaves a picture almost as it
// was, level 0 paints the colour at 255/256 of its intensity.
void BlendPixels(uint32_t* pixels, size_t count, uint32_t rgb, int level);

// One channel of the formula, for tests and single pixels.
constexpr uint8_t BlendChannel(uint8_t pixel, uint8_t colour, int level) {
  return static_cast<uint8_t>((pixel * level + colour * (255 - level)) / 256);
}

}  // namespace vx

#endif  // VX_IMAGING_BLEND_H_
