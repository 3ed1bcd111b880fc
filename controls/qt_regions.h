// Regions between the imaging layer's rectangles and Qt: a picture's shape
// or a frame's key-colour area as a QRegion in logical pixels.
#ifndef VX_CONTROLS_QT_REGIONS_H_
#define VX_CONTROLS_QT_REGIONS_H_

#include <QImage>
#include <QRegion>
#include <cstdint>
#include <span>

#include "imaging/region_data.h"

namespace vx {

// `rects` are in the pixels of an image drawn at `ratio` device pixels per
// logical pixel; the region covers every logical pixel they touch.
QRegion LogicalRegion(std::span<const Rect> rects, int ratio);

// The logical pixels of `image` whose RGB (alpha ignored) is `rgb`.
QRegion RegionOfColour(const QImage& image, uint32_t rgb);

}  // namespace vx

#endif  // VX_CONTROLS_QT_REGIONS_H_
