#include "controls/button_base.h"

#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QStringList>

#include "controls/qt_translations.h"
#include "language/message_id.h"

namespace vx {

ButtonBase::ButtonBase(QWidget* parent) : QWidget(parent) {
  // Reached by Tab (and by their shortcuts) but never focused by a click,
  // so that clicking a button leaves the focus in the field being edited.
  setFocusPolicy(Qt::TabFocus);
}

void ButtonBase::setButtext(const QString& text) {
  if (text == buttext_) return;
  buttext_ = text;
  ShowHintAndName();
  update();
}

void ButtonBase::setHint(const QString& hint) {
  hint_ = hint;
  ShowHintAndName();
}

void ButtonBase::SetShortcut(const QKeySequence& keys) {
  delete shortcut_;
  shortcut_ = nullptr;
  if (!keys.isEmpty()) {
    // Parented to the button, the shortcut is live in the button's window
    // whenever the button is visible and enabled.
    shortcut_ = new QShortcut(keys, this);
    shortcut_->setContext(Qt::WindowShortcut);
    connect(shortcut_, &QShortcut::activated, this, &ButtonBase::Activate);
  }
  ShowHintAndName();
}

namespace {

// Key names as the keyboards label them ("Skift" on a Swedish one); Qt
// ships no Swedish names.
QString KeyNames(const QKeySequence& keys) {
  static const QHash<QString, QString> kLabels = {
      {"Del", "Delete"}, {"Ins", "Insert"}, {"PgUp", "Page Up"}, {"PgDown", "Page Down"}};
  QStringList parts = keys.toString(QKeySequence::NativeText).split('+');
  for (QString& part : parts)
    part = part == "Shift" ? TranslatedText(MessageId::KeyShift) : kLabels.value(part, part);
  return parts.join('+');
}

}  // namespace

QKeySequence ButtonBase::Shortcut() const {
  return shortcut_ != nullptr ? shortcut_->key() : QKeySequence();
}

void ButtonBase::ShowHintAndName() {
  const QString keys = KeyNames(Shortcut());
  if (keys.isEmpty())
    setToolTip(hint_);
  else if (hint_.isEmpty())
    setToolTip(keys);
  else
    setToolTip(QStringLiteral("%1 (%2)").arg(hint_, keys));
  // The caption, else the hint, names the button, unless its owner named
  // it otherwise: a register toggle's caption is a bare count.
  const QString caption = CaptionOnOneLine(buttext_);
  const QString automatic = caption.isEmpty() ? hint_ : caption;
  if (accessibleName().isEmpty() || accessibleName() == automatic_name_)
    setAccessibleName(automatic);
  automatic_name_ = automatic;
}

void ButtonBase::paintEvent(QPaintEvent* /*event*/) {
  QImage layer = MakeButtonLayer(size(), devicePixelRatioF());
  std::vector<ButtonBlend> blends;
  PaintFace(layer, blends);
  if (!isEnabled()) {
    const ButtonBlend wash = DisabledBlend();
    BlendLayer(layer, wash.colour, wash.level);
    blends.push_back(wash);
  }
  QPainter painter(this);
  PresentButtonLayer(painter, layer, blends);
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }
}

void ButtonBase::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    Activate();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ButtonBase::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void ButtonBase::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace vx
