#include "controls/picture_set.h"

namespace vx {

PictureSet::PictureSet(TVXbildbas& program, TVXbildbas& own)
    : maintiler_(&program, 4, TileMode::tmHel),
      metiler_(&program, 20, TileMode::tmHel00),
      kttiler_(&program, 5, TileMode::tmHel),
      mainfigur_(&program, 100),
      logofigur_(&own, 10) {}

void PictureSet::SetDevicePixelRatio(double ratio) {
  ratio_ = ratio;
  for (PictureCache* cache :
       {static_cast<PictureCache*>(&maintiler_), static_cast<PictureCache*>(&metiler_),
        static_cast<PictureCache*>(&kttiler_), static_cast<PictureCache*>(&mainfigur_),
        static_cast<PictureCache*>(&logofigur_)})
    cache->SetDevicePixelRatio(ratio);
}

void PictureSet::SetOrigin(QPoint origin) {
  maintiler_.SetOrigin(origin);
  metiler_.SetOrigin(origin);
  kttiler_.SetOrigin(origin);
}

}  // namespace vx
