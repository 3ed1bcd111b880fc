// Regions from pixels: the rectangles covering the pixels of one key colour
// (the green outside and red inside of frame pictures) or the opaque pixels
// of a figure with a shape.
#ifndef VX_IMAGING_COLOUR_REGION_H_
#define VX_IMAGING_COLOUR_REGION_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/region_data.h"

namespace vx {

// A view of 0xAARRGGBB pixels, `stride` pixels from one row to the next.
struct PixelView {
  const uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  size_t stride = 0;
};

inline constexpr uint32_t kKeyGreen = 0x00FF00;
inline constexpr uint32_t kKeyRed = 0xFF0000;

// Rectangles, as row runs merged with identical runs of the rows below,
// covering exactly the pixels whose RGB (alpha ignored) is `rgb`.
std::vector<Rect> RectsOfColour(const PixelView& image, uint32_t rgb);

// Rectangles covering exactly the pixels whose alpha is at least 128.
std::vector<Rect> RectsOfOpaque(const PixelView& image);

}  // namespace vx

#endif  // VX_IMAGING_COLOUR_REGION_H_
