// What an image file's header says: its format and size in pixels, read
// without decoding the image.
#ifndef VX_IMAGING_IMAGE_INFO_H_
#define VX_IMAGING_IMAGE_INFO_H_

#include <cstdint>
#include <span>
#include <string>

namespace vx {

struct ImageInfo {
  std::string format;  // "PNG", "BMP", "JPEG", "GIF"
  int32_t width = 0;
  int32_t height = 0;
};

// False when the bytes are none of the formats or their header is cut
// short or names a size outside 1..65535.
bool ReadImageInfo(std::span<const uint8_t> bytes, ImageInfo& out);

// The file name extension for the format ("png", "bmp", "jpg", "gif", or
// "bin").
const char* ImageExtension(const ImageInfo& info);

}  // namespace vx

#endif  // VX_IMAGING_IMAGE_INFO_H_
