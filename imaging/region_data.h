// The shape of a picture as a region: the RGNDATA layout of the platform
// that first stored picture bases.
//
// Layout (little-endian):
//    0  4  header size, 32
//    4  4  type, 1 (rectangles)
//    8  4  rectangle count N
//   12  4  byte size of the rectangles, 16 * N
//   16 16  bounds: left, top, right, bottom (i32)
//   32     N rectangles of four i32: left, top, right, bottom
// A rectangle covers the pixels left <= x < right, top <= y < bottom; in
// memory it is a Rect.
#ifndef VX_IMAGING_REGION_DATA_H_
#define VX_IMAGING_REGION_DATA_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/util/rect.h"
#include "engine/util/status.h"

namespace vx {

struct RegionData {
  Rect bounds;  // as stored, not checked against the rectangles
  std::vector<Rect> rects;
};

inline constexpr size_t kRegionHeaderSize = 32;
// Coordinates beyond this are no picture's: a region that holds one is
// damaged.
inline constexpr int32_t kMaxRegionCoordinate = 32767;

// Parses a region block. Corruption (and `out` emptied) when the header is
// not the rectangle kind, the count or byte size disagrees with the block,
// a rectangle is empty, inverted or outside +-kMaxRegionCoordinate, or an
// edge of the bounds is outside +-kMaxRegionCoordinate. An empty region
// (count 0) is valid.
Status ParseRegionData(std::span<const uint8_t> bytes, RegionData& out);

// The block for `rects`, with their bounding box as bounds.
std::vector<uint8_t> EncodeRegionData(std::span<const Rect> rects);

}  // namespace vx

#endif  // VX_IMAGING_REGION_DATA_H_
