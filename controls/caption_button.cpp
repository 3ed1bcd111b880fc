#include "controls/caption_button.h"

#include <QEvent>
#include <QMouseEvent>

namespace vx {

CaptionButton::CaptionButton(QWidget* parent) : ButtonBase(parent) {}

void CaptionButton::setAvst(int avst) {
  avst_ = avst;
  update();
}

void CaptionButton::setTransp(bool transp) {
  transp_ = transp;
  update();
}

void CaptionButton::setColor(const QColor& color) {
  color_ = color;
  update();
}

void CaptionButton::setDown(bool down) {
  if (down == down_) return;
  pressing_ = false;
  if (down) {
    ReleaseCoupled();
    down_ = true;
    update();
    emit Down();
  } else {
    down_ = false;
    update();
    emit Up();
  }
}

void CaptionButton::Activate() {
  if (!isEnabled()) return;
  Press();
  emit Click();
  Release();
}

void CaptionButton::Press() {
  if (radio_) {
    if (down_) return;
    down_ = true;
    update();
    ReleaseCoupled();
    emit Tryckt();
    emit Down();
  } else if (staydown_) {
    down_ = !down_;
    update();
    emit Tryckt();
    if (down_)
      emit Down();
    else
      emit Up();
  } else {
    down_ = true;
    pressing_ = true;
    update();
  }
}

void CaptionButton::Release() {
  if (!pressing_) return;
  pressing_ = false;
  down_ = false;
  update();
  emit Tryckt();
}

void CaptionButton::mousePressEvent(QMouseEvent* event) {
  emit MOuseDown(event->button(), event->position().toPoint());
  if (event->button() != Qt::LeftButton) return;
  clicking_ = true;
  Press();
}

void CaptionButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (!clicking_) return;
    clicking_ = false;
    if (rect().contains(event->position().toPoint())) emit Click();
    Release();
  }
  emit MOuseUp(event->button(), event->position().toPoint());
}

void CaptionButton::changeEvent(QEvent* event) {
  // Disabled in the middle of a plain press: the release will never come.
  if (event->type() == QEvent::EnabledChange && !isEnabled() && pressing_) {
    pressing_ = false;
    clicking_ = false;
    down_ = false;
    update();
  }
  ButtonBase::changeEvent(event);
}

}  // namespace vx
