// The picture caches every window of the program draws from, made over the
// catalogue's two picture bases: maintiler, metiler and kttiler (tiled
// backgrounds), mainfigur (button faces) from the program's pictures, and
// logofigur (the set's logos) from the register set's own.
#ifndef VX_CONTROLS_PICTURE_SET_H_
#define VX_CONTROLS_PICTURE_SET_H_

#include <QPoint>

#include "controls/picture_caches.h"

namespace vx {

class TVXbildbas;

class PictureSet {
 public:
  // The bases are not owned and must outlive the set; they need not be
  // open (a cache opens a closed base when it loads).
  PictureSet(TVXbildbas& program, TVXbildbas& own);

  // The screen's device pixel ratio: above 1 the caches load the "@2x"
  // pictures. Changing it empties the caches.
  void SetDevicePixelRatio(double ratio);
  double device_pixel_ratio() const { return ratio_; }
  // The screen point from which tiled backgrounds are measured: the top
  // left of the main window's client area.
  void SetOrigin(QPoint origin);

  TVXtiler& maintiler() { return maintiler_; }
  TVXtiler& metiler() { return metiler_; }
  TVXtiler& kttiler() { return kttiler_; }
  TVXfigurer& mainfigur() { return mainfigur_; }
  TNRfigurer& logofigur() { return logofigur_; }

 private:
  TVXtiler maintiler_;
  TVXtiler metiler_;
  TVXtiler kttiler_;
  TVXfigurer mainfigur_;
  TNRfigurer logofigur_;
  double ratio_ = 1.0;
};

}  // namespace vx

#endif  // VX_CONTROLS_PICTURE_SET_H_
