#include "imaging/image_info.h"

#include <cstring>

#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr int32_t kMaxSide = 65535;

uint32_t LoadBigU32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint16_t LoadBigU16(const uint8_t* p) {
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

bool Sized(ImageInfo& out, const char* format, int64_t width, int64_t height) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return false;
  out = {format, static_cast<int32_t>(width), static_cast<int32_t>(height)};
  return true;
}

bool ReadPng(std::span<const uint8_t> b, ImageInfo& out) {
  static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (b.size() < 24 || std::memcmp(b.data(), kSignature, 8) != 0) return false;
  if (std::memcmp(b.data() + 12, "IHDR", 4) != 0) return false;
  return Sized(out, "PNG", LoadBigU32(b.data() + 16), LoadBigU32(b.data() + 20));
}

bool ReadBmp(std::span<const uint8_t> b, ImageInfo& out) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return false;
  const int64_t width = static_cast<int32_t>(LoadU32(b.data() + 18));
  const int64_t height = static_cast<int32_t>(LoadU32(b.data() + 22));
  return Sized(out, "BMP", width, height < 0 ? -height : height);  // negative: top-down
}

bool ReadGif(std::span<const uint8_t> b, ImageInfo& out) {
  if (b.size() < 10 || std::memcmp(b.data(), "GIF8", 4) != 0) return false;
  return Sized(out, "GIF", LoadU16(b.data() + 6), LoadU16(b.data() + 8));
}

// Walks the JPEG segments to the first start-of-frame marker.
bool ReadJpeg(std::span<const uint8_t> b, ImageInfo& out) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
  size_t pos = 2;
  while (pos + 4 <= b.size()) {
    if (b[pos] != 0xFF) return false;
    const uint8_t marker = b[pos + 1];
    const size_t length = LoadBigU16(b.data() + pos + 2);
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (pos + 9 > b.size()) return false;
      return Sized(out, "JPEG", LoadBigU16(b.data() + pos + 7), LoadBigU16(b.data() + pos + 5));
    }
    if (length < 2) return false;
    pos += 2 + length;
  }
  return false;
}

}  // namespace

bool ReadImageInfo(std::span<const uint8_t> bytes, ImageInfo& out) {
  out = {};
  return ReadPng(bytes, out) || ReadBmp(bytes, out) || ReadGif(bytes, out) || ReadJpeg(bytes, out);
}

const char* ImageExtension(const ImageInfo& info) {
  if (info.format == "PNG") return "png";
  if (info.format == "BMP") return "bmp";
  if (info.format == "JPEG") return "jpg";
  if (info.format == "GIF") return "gif";
  return "bin";
}

}  // namespace vx
