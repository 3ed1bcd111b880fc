#include "controls/ink_label.h"

#include <QLabel>

#include "controls/qt_theme.h"

namespace vx {

void SetInk(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, QtColor(theme::kInk));
  palette.setColor(QPalette::Text, QtColor(theme::kInk));
  widget->setPalette(palette);
}

QLabel* InkLabel(QWidget* parent, const theme::Font& font, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setFont(QtFont(font));
  SetInk(label);
  return label;
}

}  // namespace vx
