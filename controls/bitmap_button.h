// Tspecbut, a button with a picture of its own (`bitm`, kept with the
// window rather than in a picture base) and a caption. Mouse and state
// rules: controls/caption_button.h; it has no coupled buttons.
//
// Painting: unless `transp` the rectangle is filled with `Color`; `bitm` is
// drawn centred (one pixel right and down when down); the caption as in
// TVXknapp (centred lines, moved with the picture when down); a raised or
// sunken edge; disabled, the whole rectangle blended with the disabled face (theme)
// at level 100.
#ifndef VX_CONTROLS_BITMAP_BUTTON_H_
#define VX_CONTROLS_BITMAP_BUTTON_H_

#include <QImage>

#include "controls/caption_button.h"

namespace vx {

class Tspecbut : public CaptionButton {
  Q_OBJECT
  Q_PROPERTY(QImage bitm READ bitm WRITE setBitm)

 public:
  explicit Tspecbut(QWidget* parent = nullptr);

  QImage bitm() const { return bitm_; }
  void setBitm(const QImage& picture);

 protected:
  void PaintFace(QImage& layer, std::vector<ButtonBlend>& blends) override;

 private:
  QImage bitm_;
};

}  // namespace vx

#endif  // VX_CONTROLS_BITMAP_BUTTON_H_
