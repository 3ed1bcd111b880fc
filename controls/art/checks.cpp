#include "checks.h"

#include "imaging/colour_region.h"

namespace vx::art {
namespace {

constexpr size_t kMaxNameLength = 20;

// A frame must hold both keys, or the panel gets no shape or no inside.
bool HasBothKeys(const QImage& image) {
  bool green = false;
  bool red = false;
  for (int y = 0; y < image.height() && !(green && red); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb rgb = image.pixel(x, y) & 0xFFFFFF;
      green = green || rgb == kKeyGreen;
      red = red || rgb == kKeyRed;
    }
  }
  return green && red;
}

}  // namespace

std::string CheckPicture(const RenderedPicture& picture) {
  if (picture.name.size() > kMaxNameLength) return picture.name + ": the name is too long";
  if (picture.png.empty()) return picture.name + ": no PNG could be written";
  if (picture.source->kind == ArtKind::kKeyFrame && !HasBothKeys(picture.image))
    return picture.name + ": a key colour is missing";
  if (PictureType(picture.source->kind) == 10 && picture.region.empty())
    return picture.name + ": no opaque pixel";
  return {};
}

}  // namespace vx::art
