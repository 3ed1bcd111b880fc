// Turning a catalogue entry into stored form: the image drawn at a density,
// its PNG bytes and, for pictures with a shape, the region of its opaque
// pixels.
#ifndef VX_CONTROLS_ART_RENDER_H_
#define VX_CONTROLS_ART_RENDER_H_

#include <cstdint>
#include <string>
#include <vector>

#include <QImage>
#include <QPoint>

#include "art_catalogue.h"
#include "imaging/region_data.h"

namespace vx::art {

struct RenderedPicture {
  std::string name;  // with "@2x" when drawn twice as large
  const ArtPicture* source = nullptr;
  QImage image;
  std::vector<uint8_t> png;
  std::vector<Rect> region;  // empty unless the picture has a shape
  QPoint hotspot;            // in the image's own pixels
};

// Draws `picture` at `scale` (1 or 2) times its logical size: opaque
// pictures without alpha, frames unsmoothed, figures with soft edges.
QImage DrawPicture(const ArtPicture& picture, int scale);

// Fixed settings, so that the same image always gives the same bytes.
std::vector<uint8_t> EncodePng(const QImage& image);

RenderedPicture RenderPicture(const ArtPicture& picture, int scale);

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_RENDER_H_
