#include "render.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include "imaging/colour_region.h"
#include "imaging/program_pictures.h"

namespace vx::art {

QImage DrawPicture(const ArtPicture& picture, int scale) {
  QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, picture.kind != ArtKind::kKeyFrame);
    p.scale(scale, scale);
    picture.paint(p, QSizeF(picture.size));
  }
  const bool shaped = PictureType(picture.kind) == 10;
  return image.convertToFormat(shaped ? QImage::Format_ARGB32 : QImage::Format_RGB888);
}

std::vector<uint8_t> EncodePng(const QImage& image) {
  // The resolution is written into the file; left alone it would follow the
  // screen of whoever builds.
  constexpr int kDotsPerMetreAt96Dpi = 3780;
  QImage fixed = image;
  fixed.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
  fixed.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  writer.setQuality(0);  // the strongest compression
  if (!writer.write(fixed)) return {};
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

namespace {

std::vector<Rect> OpaqueRegion(const QImage& image) {
  const PixelView view{reinterpret_cast<const uint32_t*>(image.constBits()), image.width(),
                       image.height(), static_cast<size_t>(image.bytesPerLine() / 4)};
  return RectsOfOpaque(view);
}

}  // namespace

RenderedPicture RenderPicture(const ArtPicture& picture, int scale) {
  RenderedPicture out;
  out.name = std::string(picture.name);
  if (scale == 2) out.name += kDoubleSizeSuffix;
  out.source = &picture;
  out.image = DrawPicture(picture, scale);
  out.png = EncodePng(out.image);
  if (PictureType(picture.kind) == 10) out.region = OpaqueRegion(out.image);
  out.hotspot = picture.hotspot * scale;
  return out;
}

}  // namespace vx::art
