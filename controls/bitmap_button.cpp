#include "controls/bitmap_button.h"

#include <QPainter>

namespace vx {

Tspecbut::Tspecbut(QWidget* parent) : CaptionButton(parent) {}

void Tspecbut::setBitm(const QImage& picture) {
  bitm_ = picture;
  update();
}

void Tspecbut::PaintFace(QImage& layer, std::vector<ButtonBlend>& /*blends*/) {
  QPainter painter(&layer);
  if (!transp()) painter.fillRect(rect(), Color());
  const QPoint offset = down() ? QPoint(1, 1) : QPoint(0, 0);
  if (!bitm_.isNull()) {
    const QSize picture = bitm_.deviceIndependentSize().toSize();
    const QPoint centred((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    painter.drawImage(centred + offset, bitm_);
  }
  DrawButtonText(painter, buttext(), size(), avst(), false, font(),
                 palette().color(foregroundRole()), offset);
  DrawButtonEdge(painter, rect(), down());
}

}  // namespace vx
