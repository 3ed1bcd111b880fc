#include "controls/tnr_knapp.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/picture_caches.h"

namespace vx {

Tnrknapp::Tnrknapp(QWidget* parent) : ButtonBase(parent) {}

Tnrknapp::~Tnrknapp() = default;

void Tnrknapp::setDown(bool down) {
  if (down == down_) return;
  if (!down) StopRepeat();
  if (down && knapptyp_ == kRadio) ReleaseOtherRadios();
  down_ = down;
  update();
  if (down_)
    emit Down();
  else
    emit Up();
}

void Tnrknapp::setFocusmode(bool on) {
  focusmode_ = on;
  if (!on) SetHovered(false);
}

void Tnrknapp::setFigurer(TNRfigurer* figures) {
  figurer_ = figures;
  update();
}

void Tnrknapp::setFocusfigur(const QString& name) {
  focusfigur_ = name;
  update();
}

void Tnrknapp::setDownfigur(const QString& name) {
  downfigur_ = name;
  update();
}

void Tnrknapp::setUpfigur(const QString& name) {
  upfigur_ = name;
  update();
}

void Tnrknapp::setHcentr(bool on) {
  hcentr_ = on;
  update();
}

void Tnrknapp::Activate() {
  if (!isEnabled()) return;
  Press(false);
  emit Click();
  Release();
}

void Tnrknapp::Press(bool may_repeat) {
  const bool was_down = down_;
  if (knapptyp_ == kToggle) {
    down_ = !down_;
  } else {
    down_ = true;
    hovered_ = false;
  }
  update();
  if (knapptyp_ == kRadio) ReleaseOtherRadios();
  if (knapptyp_ != kPush) {
    if (down_ == was_down) return;
    emit Tryckt();
    if (down_)
      emit Down();
    else
      emit Up();
    return;
  }
  emit Tryckt();
  if (repetition_ && may_repeat) StartRepeat();
}

void Tnrknapp::Release() {
  if (knapptyp_ != kPush) return;
  StopRepeat();
  down_ = false;
  update();
}

void Tnrknapp::ReleaseOtherRadios() {
  if (parentWidget() == nullptr) return;
  for (Tnrknapp* other : parentWidget()->findChildren<Tnrknapp*>(Qt::FindDirectChildrenOnly)) {
    if (other != this && other->knapptyp() == kRadio && other->Tag() == Tag())
      other->setDown(false);
  }
}

void Tnrknapp::StartRepeat() {
  StopRepeat();
  repeat_ = MakeRepeatTimer();
  connect(repeat_.get(), &RepeatTimer::Fired, this, &Tnrknapp::Repeat);
  // At least a millisecond: a zero interval would fire without pause.
  repeat_->Start(std::max(startdelay_, 1));
}

void Tnrknapp::Repeat() {
  if (!repeat_) return;
  repeat_->SetInterval(std::max(delay_, 1));
  emit Tryckt();
}

void Tnrknapp::StopRepeat() {
  if (!repeat_) return;
  repeat_->Stop();
  // Stopping may happen inside the timer's own signal (a Tryckt handler
  // that disables the button), so the timer goes once that is over.
  repeat_.release()->deleteLater();
}

void Tnrknapp::mousePressEvent(QMouseEvent* event) {
  emit MOuseDown(event->button(), event->position().toPoint());
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  Press(true);
}

void Tnrknapp::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit Click();
    Release();
  }
  emit MOuseUp(event->button(), event->position().toPoint());
}

void Tnrknapp::SetHovered(bool hovered) {
  if (hovered == hovered_) return;
  hovered_ = hovered;
  update();
  if (hovered_)
    emit Focus();
  else
    emit EjFocus();
}

void Tnrknapp::enterEvent(QEnterEvent* event) {
  if (isEnabled() && focusmode_ && !down_) SetHovered(true);
  ButtonBase::enterEvent(event);
}

void Tnrknapp::leaveEvent(QEvent* event) {
  SetHovered(false);
  ButtonBase::leaveEvent(event);
}

void Tnrknapp::changeEvent(QEvent* event) {
  // Disabled in the middle of a press: the release will never come.
  if (event->type() == QEvent::EnabledChange && !isEnabled() && pressed_) {
    pressed_ = false;
    Release();
  }
  ButtonBase::changeEvent(event);
}

QString Tnrknapp::CurrentFigure() const {
  const QString& wanted = down_ ? downfigur_ : (hovered_ ? focusfigur_ : upfigur_);
  return wanted.isEmpty() ? upfigur_ : wanted;
}

void Tnrknapp::PaintFace(QImage& layer, std::vector<ButtonBlend>& /*blends*/) {
  QPainter painter(&layer);
  const QString figure = CurrentFigure();
  const QSize figure_size = NamedFigureSize(figurer_, figure);
  const int x = hcentr_ ? (width() - figure_size.width()) / 2 : 0;
  DrawNamedFigure(figurer_, figure, painter, QPoint(x, 0));
  const QPoint offset = down_ ? QPoint(1, 1) : QPoint(0, 0);
  DrawButtonText(painter, buttext(), size(), 0, false, font(), palette().color(foregroundRole()),
                 offset);
}

}  // namespace vx
