// The list of the program's pictures: what each is called and used for,
// how large it is drawn and which painter draws it.
#ifndef VX_CONTROLS_ART_ART_CATALOGUE_H_
#define VX_CONTROLS_ART_ART_CATALOGUE_H_

#include <cstdint>
#include <span>
#include <string_view>

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QSizeF>

namespace vx::art {

enum class ArtKind {
  kTile,      // an opaque background, shared by neighbouring controls
  kKeyFrame,  // a frame picture in key colours, opaque and unsmoothed
  kFigure,    // a smoothed picture with transparent surroundings
  kCursor,    // a figure with a hot spot
};

// Draws the picture in logical pixels on a painter already scaled to the
// picture's density.
using ArtPainter = void (*)(QPainter& p, QSizeF size);

struct ArtPicture {
  std::string_view name;         // at most 17 characters, so that "@2x" fits
  std::string_view description;  // Swedish, UTF-8
  ArtKind kind;
  std::string_view placement;  // a placement code, empty for top left
  QSize size;                  // logical pixels
  QPoint hotspot;              // cursors only
  ArtPainter paint;
};

std::span<const ArtPicture> ArtCatalogue();

// The sample register set's logo, kept apart from the program's pictures.
const ArtPicture& SampleLogo();

// The picture-record type: 10 for pictures with a shape, else 0.
int32_t PictureType(ArtKind kind);

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_ART_CATALOGUE_H_
