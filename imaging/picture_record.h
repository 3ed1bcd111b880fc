// A picture record of a picture base: a named image with its type,
// placement code and, for shaped pictures, a region.
//
// The record's data holds its fields (each with a tag byte, as in
// record_field.h) and is read through the record file's buffer of
// kPictureRecordBuffer bytes:
//   text    name (at most kMaxPictureName characters are kept)
//   text    description
//   number  type: 10 and 11 carry a region; below 100 the picture is
//           loaded with 24 bits per pixel, from 100 with 8
//   text    short text (at most 10 characters are kept)
//   text    placement code, e.g. "C2" (at most 5 characters are kept)
//   number  kept
//   number  kept
// The image follows the record's data in the file, outside the record
// (so that the buffer stays small whatever the picture's size), before the
// next record's header:
//   u32     image length n, then n bytes of an image file (PNG, BMP, JPEG)
//   types 10 and 11: u32 kept, u32 region length m, m bytes (region_data.h)
#ifndef VX_IMAGING_PICTURE_RECORD_H_
#define VX_IMAGING_PICTURE_RECORD_H_

#include <cstddef>
#include <cstdint>
#include <functional>
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
// The record file's read buffer: record data longer than this is refused.
inline constexpr size_t kPictureRecordBuffer = 1000;

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

// Reads the fields of a record's data into `out` (image and region are
// left empty); `fields_end`, if given, receives the offset after the last
// field. Corruption (`out` cleared) when a field is cut short.
Status ParsePictureFields(std::span<const uint8_t> data, PictureRecord& out,
                          size_t* fields_end = nullptr);

// Fills `out` with the bytes at `offset`, counted from the end of the
// record's data; false when they cannot be read.
using PictureBytesReader = std::function<bool(uint64_t offset, std::span<uint8_t> out)>;

// Reads the image and, for types 10 and 11 (`out.type` set by
// ParsePictureFields), the region block that follow a record's data; every
// length must stay within `room` bytes. Corruption (image and region
// cleared) when one passes it or the bytes cannot be read. The region block
// is taken as it stands; ParseRegionData checks it.
Status ReadPictureImage(const PictureBytesReader& read, uint64_t room, PictureRecord& out);
// The same over bytes in memory, `bytes.size()` being the room.
Status ParsePictureImage(std::span<const uint8_t> bytes, PictureRecord& out);

// The record's data for `picture` (names longer than their limits are cut
// as a reader would cut them).
std::vector<uint8_t> EncodePictureFields(const PictureRecord& picture);
// The bytes that follow it: the image, and the region only for types 10, 11.
std::vector<uint8_t> EncodePictureImage(const PictureRecord& picture);

}  // namespace vx

#endif  // VX_IMAGING_PICTURE_RECORD_H_
