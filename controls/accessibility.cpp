#include "controls/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <utility>

#include "controls/scroll_bar.h"
#include "controls/tvx_dyntex.h"

namespace vx {
namespace {

// A control with a fixed role; its name as the header describes.
class OwnControl : public QAccessibleWidget {
 public:
  OwnControl(QWidget* widget, QAccessible::Role role, QString fallback)
      : QAccessibleWidget(widget, role), fallback_(std::move(fallback)) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    // Button captions break lines with carriage returns.
    const QString caption = widget()->property("buttext").toString().simplified();
    return caption.isEmpty() ? fallback_ : caption;
  }

 private:
  QString fallback_;
};

class ScrollBarControl : public OwnControl, public QAccessibleValueInterface {
 public:
  explicit ScrollBarControl(Tspecscr* bar)
      : OwnControl(bar, QAccessible::ScrollBar, QStringLiteral("Rullningslist")), bar_(bar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return OwnControl::interface_cast(type);
  }
  QVariant currentValue() const override { return bar_->position(); }
  void setCurrentValue(const QVariant& value) override { bar_->setPosition(value.toInt()); }
  QVariant maximumValue() const override { return bar_->max(); }
  QVariant minimumValue() const override { return bar_->min(); }
  QVariant minimumStepSize() const override { return bar_->smallch(); }

 private:
  Tspecscr* bar_;
};

// A coded-text display: static text whose value is the text without codes.
class TextDisplay : public OwnControl {
 public:
  explicit TextDisplay(TVXdyntex* display)
      : OwnControl(display, QAccessible::StaticText, QStringLiteral("Text")), display_(display) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? display_->AccessibleText() : OwnControl::text(t);
  }

 private:
  TVXdyntex* display_;
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (key == QLatin1String("vx::Tspecscr"))
    return new ScrollBarControl(static_cast<Tspecscr*>(widget));
  if (key == QLatin1String("vx::TVXdyntex"))
    return new TextDisplay(static_cast<TVXdyntex*>(widget));
  if (key == QLatin1String("vx::TVXpanel") || key == QLatin1String("vx::TLMpanel"))
    return new OwnControl(widget, QAccessible::Pane, QStringLiteral("Panel"));
  if (key == QLatin1String("vx::TVXknapp") || key == QLatin1String("vx::Tspecbut") ||
      key == QLatin1String("vx::Tnrknapp"))
    return new OwnControl(widget, QAccessible::Button, QStringLiteral("Knapp"));
  if (key == QLatin1String("vx::TLMtab"))
    return new OwnControl(widget, QAccessible::Table, QStringLiteral("Tabell"));
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(&Factory);
}

}  // namespace vx
