#include "controls/tvx_knapp.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "controls/qt_rect.h"
#include "imaging/radio_group.h"

namespace vx {

TVXknapp::TVXknapp(QWidget* parent) : CaptionButton(parent) {}

void TVXknapp::setKnapptyp(Knapptyp type) {
  knapptyp_ = type;
  update();
}

void TVXknapp::setFocusmode(bool on) {
  focusmode_ = on;
  if (!on) SetHovered(false);
}

void TVXknapp::setFigurer(TVXfigurer* figures) {
  figurer_ = figures;
  update();
}

void TVXknapp::setFigur1(const QString& name) {
  figur1_ = name;
  update();
}

void TVXknapp::setFigur2(const QString& name) {
  figur2_ = name;
  update();
}

void TVXknapp::setFocusfont(const QFont& font) {
  focusfont_ = font;
  update();
}

void TVXknapp::setColorflipflop(bool on) {
  colorflipflop_ = on;
  update();
}

void TVXknapp::setTextvmarg(bool on) {
  textvmarg_ = on;
  update();
}

void TVXknapp::setBlendlevel(int level) {
  blendlevel_ = std::clamp(level, 0, 255);
  update();
}

void TVXknapp::setBlendcolor(const QColor& colour) {
  blendcolor_ = colour;
  update();
}

QList<TVXknapp*> TVXknapp::CoupledButtons() const {
  QList<TVXknapp*> coupled;
  if (!kopplatag_ || parentWidget() == nullptr) return coupled;
  for (TVXknapp* other : parentWidget()->findChildren<TVXknapp*>(Qt::FindDirectChildrenOnly)) {
    if (other != this && other->kopplatag() && other->Tag() == Tag()) coupled.append(other);
  }
  return coupled;
}

void TVXknapp::ReleaseCoupled() {
  for (TVXknapp* other : CoupledButtons())
    other->setDown(false);
}

void TVXknapp::ClearHover() {
  SetHovered(false);
  for (TVXknapp* other : CoupledButtons())
    other->SetHovered(false);
}

void TVXknapp::SetHovered(bool hovered) {
  if (hovered == hovered_) return;
  hovered_ = hovered;
  update();
}

void TVXknapp::enterEvent(QEnterEvent* event) {
  if (focusmode_ && isEnabled() && !hovered_) {
    SetHovered(true);
    emit Focus();
  }
  CaptionButton::enterEvent(event);
}

void TVXknapp::leaveEvent(QEvent* event) {
  SetHovered(false);
  CaptionButton::leaveEvent(event);
}

void TVXknapp::keyPressEvent(QKeyEvent* event) {
  int step = 0;
  if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right) step = 1;
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Left) step = -1;
  if (step == 0 || !InRadioGroup()) return CaptionButton::keyPressEvent(event);
  QList<TVXknapp*> group = CoupledButtons();
  group.prepend(this);
  std::vector<GroupMember> members;
  for (TVXknapp* b : group)
    members.push_back({PlainRect(b->geometry()), b->isEnabled() && !b->isHidden()});
  const int target = ArrowTarget(members, 0, step);
  if (target < 0) return;
  TVXknapp* next = group[target];
  next->setFocus(Qt::OtherFocusReason);
  next->Activate();
}

void TVXknapp::focusInEvent(QFocusEvent* event) {
  if (InRadioGroup()) {
    for (TVXknapp* other : CoupledButtons())
      other->setFocusPolicy(Qt::FocusPolicy(other->focusPolicy() & ~Qt::TabFocus));
    setFocusPolicy(Qt::FocusPolicy(focusPolicy() | Qt::TabFocus));
  }
  CaptionButton::focusInEvent(event);
}

bool TVXknapp::IsPictureOnly() const {
  return knapptyp_ == kntBilder || knapptyp_ == kntFlipflop || knapptyp_ == kntFlipFlopBlend;
}

void TVXknapp::PaintFace(QImage& layer, std::vector<ButtonBlend>& blends) {
  FillAndBlend(layer, blends);
  if (IsPictureOnly())
    PaintPicture(layer, blends);
  else
    PaintTextBox(layer);
}

void TVXknapp::FillAndBlend(QImage& layer, std::vector<ButtonBlend>& blends) const {
  if (!transp() && knapptyp_ != kntText) {
    const bool colour_hover = colorflipflop_ && ShowsHover();
    QPainter painter(&layer);
    painter.fillRect(rect(), colour_hover ? blendcolor_ : Color());
  }
  if (blendlevel_ > 0 && knapptyp_ != kntFlipFlopBlend) {
    BlendLayer(layer, blendcolor_.rgb(), blendlevel_);
    blends.push_back({blendcolor_.rgb(), blendlevel_});
  }
}

void TVXknapp::PaintTextBox(QImage& layer) const {
  QPainter painter(&layer);
  if (knapptyp_ == kntRutabild) {
    const bool second = down() || ShowsHover();
    const QPoint at = down() ? QPoint(2, 2) : QPoint(1, 1);
    DrawNamedFigure(figurer_, second ? SecondFigure() : figur1_, painter, at);
  }
  const QFont& text_font = ShowsHover() && focusfont_ ? *focusfont_ : font();
  const QPoint offset = down() ? QPoint(1, 1) : QPoint(0, 0);
  DrawButtonText(painter, buttext(), size(), avst(), textvmarg_, text_font,
                 palette().color(foregroundRole()), offset);
  if (knapptyp_ != kntText) DrawButtonEdge(painter, rect(), down());
}

void TVXknapp::PaintPicture(QImage& layer, std::vector<ButtonBlend>& blends) const {
  const bool second = down() || ShowsHover();
  {
    QPainter painter(&layer);
    DrawNamedFigure(figurer_, second ? SecondFigure() : figur1_, painter, QPoint(0, 0));
  }
  if (knapptyp_ == kntFlipFlopBlend && second && blendlevel_ > 0) {
    BlendLayer(layer, blendcolor_.rgb(), blendlevel_);
    blends.push_back({blendcolor_.rgb(), blendlevel_});
  }
}

}  // namespace vx
