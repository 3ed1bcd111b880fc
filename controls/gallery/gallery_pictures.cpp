#include "controls/gallery/gallery_pictures.h"

#include "imaging/picture_base_writer.h"
#include "imaging/program_picture_records.h"

namespace vx {
namespace {

constexpr size_t kTiles = 20;
constexpr size_t kFigures = 100;
constexpr size_t kLogos = 10;

bool EndsWithDoubleSize(std::string_view name) {
  return name.ends_with(kDoubleSizeSuffix);
}

}  // namespace

GalleryPictures::GalleryPictures(double device_pixel_ratio) : ratio_(device_pixel_ratio) {
  const std::string dir = dir_.path().toStdString();
  PictureRecord logo;
  logo.name = kLogo;
  logo.description = "Exempelf\xF6rsamlingens logotyp";
  const std::span<const uint8_t> png = SampleLogoPng();
  logo.image.assign(png.begin(), png.end());
  PictureRecord logo2x = logo;
  logo2x.name += kDoubleSizeSuffix;
  const std::span<const uint8_t> png2x = SampleLogoPng2x();
  logo2x.image.assign(png2x.begin(), png2x.end());
  ok_ = dir_.isValid() &&
        WritePictureBase(dir, "vaxorgrfk", ToPictureRecords(ProgramPictures()), true).ok() &&
        WritePictureBase(dir, "vaxor0001grfk", {logo, logo2x}, false).ok();
  program_base_.SetFiles(dir + "/", "vaxorgrfk");
  program_base_.SetHasIndex(true);
  set_base_.SetFiles(dir + "/", "vaxor0001grfk");
  tiler_ = std::make_unique<TVXtiler>(&program_base_, kTiles, TileMode::tmHel);
  figurer_ = std::make_unique<TVXfigurer>(&program_base_, kFigures);
  logos_ = std::make_unique<TNRfigurer>(&set_base_, kLogos);
  shaped_ = std::make_unique<TNRfigurer>(&program_base_, kLogos);
  for (PictureCache* cache :
       {static_cast<PictureCache*>(tiler_.get()), static_cast<PictureCache*>(figurer_.get()),
        static_cast<PictureCache*>(logos_.get()), static_cast<PictureCache*>(shaped_.get())}) {
    cache->SetDevicePixelRatio(device_pixel_ratio);
  }
  for (const ProgramPicture& picture : ProgramPictures()) {
    if (!EndsWithDoubleSize(picture.name)) names_.emplace_back(picture.name);
  }
}

std::vector<std::string> GalleryPictures::Missing() {
  std::vector<std::string> missing;
  CachedPicture picture;
  for (const std::string& name : names_) {
    if (!LoadPicture(program_base_, name, ratio_, picture)) missing.push_back(name);
  }
  if (!LoadPicture(set_base_, kLogo, ratio_, picture)) missing.push_back(kLogo);
  return missing;
}

}  // namespace vx
