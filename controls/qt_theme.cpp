#include "controls/qt_theme.h"

#include <algorithm>

namespace vx {

QColor QtColor(theme::Rgb rgb, int alpha) {
  return QColor(rgb.red, rgb.green, rgb.blue, alpha);
}

QColor QtRgb(uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QFont QtFont(const theme::Font& font, int dpi) {
  QFont qt(QString::fromLatin1(font.family));
  if (font.unit == theme::FontUnit::kPoints)
    qt = WithPoints(qt, font.size, dpi);
  else
    qt.setPixelSize(font.size);
  qt.setBold(font.bold);
  qt.setItalic(font.italic);
  return qt;
}

QFont WithPoints(QFont font, double points, int dpi) {
  font.setPixelSize(std::max(1, theme::PointsToPixels(points, dpi)));
  return font;
}

}  // namespace vx
