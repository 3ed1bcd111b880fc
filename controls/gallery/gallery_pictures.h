// The gallery's pictures: the program's own and the sample logo, written as
// picture bases into a temporary folder and read back through the same
// caches as every window, so that the gallery shows what a register set
// shows.
#ifndef VX_CONTROLS_GALLERY_GALLERY_PICTURES_H_
#define VX_CONTROLS_GALLERY_GALLERY_PICTURES_H_

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "controls/picture_caches.h"
#include "imaging/picture_base.h"

namespace vx {

class GalleryPictures {
 public:
  // Writes and opens the bases; Ok() tells whether it worked.
  explicit GalleryPictures(double device_pixel_ratio);
  bool Ok() const { return ok_; }

  TVXtiler& tiler() { return *tiler_; }
  TVXfigurer& figurer() { return *figurer_; }
  TNRfigurer& logos() { return *logos_; }
  // The program's figures for picture buttons with hover pictures.
  TNRfigurer& shaped() { return *shaped_; }

  // The names of every picture at its normal size (without "@2x").
  const std::vector<std::string>& Names() const { return names_; }
  // Names that the caches could not load, after every one was asked for.
  std::vector<std::string> Missing();

  static constexpr char kLogo[] = "logovaxor0001";

 private:
  QTemporaryDir dir_;
  double ratio_;
  bool ok_ = false;
  TVXbildbas program_base_;
  TVXbildbas set_base_;
  std::unique_ptr<TVXtiler> tiler_;
  std::unique_ptr<TVXfigurer> figurer_;
  std::unique_ptr<TNRfigurer> logos_;
  std::unique_ptr<TNRfigurer> shaped_;
  std::vector<std::string> names_;
};

}  // namespace vx

#endif  // VX_CONTROLS_GALLERY_GALLERY_PICTURES_H_
