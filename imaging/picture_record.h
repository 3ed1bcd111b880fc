// A picture record of a picture base: a named image with its type,
// placement code and, for shaped pictures, a region.
//
// Record data, in order (fields with a tag byte as in record_field.h):
//   text    name (at most kMaxPictureName characters are kept)
//   text    description
//   number  type: 10 and 11 carry a region; below 100 the picture is
//           loaded with 24 bits per pixel, from 100 with 8
//   text    short text (at most 10 characters are kept)
//   text    placement code, e.g. "C2" (at most 5 characters are kept)
//   number  kept
//   number  kept
//   u32     image length n, then n bytes of an image file (PNG, BMP, JPEG)
//   types 10 and 11: u32 kept, u32 region length m, m bytes (region_data.h)
#ifndef VX_IMAGING_PICTURE_RECORD_H_
#define VX_IMAGING_PICTURE_RECORD_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/util/status.h"

namespace vx {

inline constexpr size_t kMaxPictureName = 20;
inline constexpr size_t kMaxPictureShortText = 10;
inline constexpr size_t kMaxPlacementCode = 5;
inline constexpr int32_t kShapedPictureType = 10;
inline constexpr int32_t kShapedPictureTypeAlt = 11;
inline constexpr int32_t kEightBitPictureType = 100;

struct PictureRecord {
  std::string name;
  std::string description;
  int32_t type = 0;
  std::string short_text;
  std::string placement;
  int32_t kept1 = 0;
  int32_t kept2 = 0;
  std::vector<uint8_t> image;
  uint32_t region_kept = 0;
  std::vector<uint8_t> region;  // the raw block, parsed by ParseRegionData

  bool HasRegion() const { return type == kShapedPictureType || type == kShapedPictureTypeAlt; }
  // Bits per pixel the picture is loaded with.
  int LoadDepth() const { return type < kEightBitPictureType ? 24 : 8; }
};

// Reads a record's data into `out`. Corruption (`out` cleared) when a
// field is cut short or a length passes the end of the record. The region
// block is taken as it stands; ParseRegionData checks it.
Status ParsePictureRecord(std::span<const uint8_t> data, PictureRecord& out);

// The record data for `picture` (names longer than their limits are cut
// as a reader would cut them; the region is written only for types 10, 11).
std::vector<uint8_t> EncodePictureRecord(const PictureRecord& picture);

}  // namespace vx

#endif  // VX_IMAGING_PICTURE_RECORD_H_
