#include "tests/controls/test_pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <utility>

#include "imaging/picture_base_writer.h"

namespace vx::test {

QImage Filled(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

QImage Gradient(int width, int height, int blue) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(x, y, blue));
  return image;
}

PictureRecord MakePicture(const std::string& name, const QImage& image,
                          const std::string& placement) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  PictureRecord record;
  record.name = name;
  record.description = "test";
  record.type = 1;
  record.placement = placement;
  record.image.assign(png.begin(), png.end());
  return record;
}

PictureRecord MakeShapedPicture(const std::string& name, const QImage& image,
                                std::span<const Rect> shape) {
  PictureRecord record = MakePicture(name, image);
  record.type = kShapedPictureType;
  record.region = EncodeRegionData(shape);
  return record;
}

TestPictureBase::TestPictureBase(std::vector<PictureRecord> pictures, bool with_index) {
  written_ = WritePictureBase(dir_.path(), "vaxorgrfk", std::move(pictures), with_index).ok();
  base_.SetFiles(dir_.path().string() + "/", "vaxorgrfk");
  base_.SetHasIndex(with_index);
}

}  // namespace vx::test
