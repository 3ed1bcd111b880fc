#include "controls/qt_text_measurer.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <string>

#include "controls/qt_theme.h"
#include "engine/util/cp1252.h"

namespace vx {
namespace {

// Every byte of the code page as its character; built once.
const std::array<QChar, 256>& Characters() {
  static const std::array<QChar, 256> table = [] {
    std::array<QChar, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      const QString s = QString::fromStdString(Cp1252ToUtf8(one));
      t[b] = s.isEmpty() ? QChar(' ') : s.at(0);
    }
    return t;
  }();
  return table;
}

int Index(const CodedFont& font) {
  const int level = std::clamp(font.level, 1, kCodedLevels) - 1;
  return level * 8 + (font.bold ? 4 : 0) + (font.italic ? 2 : 0) + (font.underline ? 1 : 0);
}

}  // namespace

QString FromCp1252(std::string_view text) {
  const std::array<QChar, 256>& table = Characters();
  QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* data = out.data();
  for (const char c : text)
    *data++ = table[static_cast<unsigned char>(c)];
  return out;
}

QtTextMeasurer::QtTextMeasurer(int dpi, QPaintDevice* device)
    : dpi_(dpi > 0 ? dpi : 96), device_(device) {}

int QtTextMeasurer::Height(int level) const {
  const int points = kCodedLevelPoints[std::clamp(level, 1, kCodedLevels) - 1];
  return theme::PointsToPixels(points, dpi_);
}

QtTextMeasurer::Face& QtTextMeasurer::FaceOf(const CodedFont& font) const {
  Face& face = faces_[Index(font)];
  if (!face.measured) {
    face.font = QtFont({.family = theme::kCodedTextFamily,
                        .size = Height(font.level),
                        .bold = font.bold,
                        .italic = font.italic});
    face.font.setUnderline(font.underline);
    face.font.setKerning(false);
    face.font.setStyleStrategy(QFont::PreferNoShaping);
    Measure(face);
  }
  return face;
}

void QtTextMeasurer::Measure(Face& face) const {
  const QFontMetricsF metrics =
      device_ ? QFontMetricsF(face.font, device_) : QFontMetricsF(face.font);
  const std::array<QChar, 256>& table = Characters();
  for (int b = 0; b < 256; ++b)
    face.advances[b] = b < 32 ? 0 : metrics.horizontalAdvance(table[b]);
  face.ascent = static_cast<int>(std::lround(metrics.ascent()));
  face.cell_height = static_cast<int>(std::ceil(metrics.height()));
  face.measured = true;
}

int QtTextMeasurer::Width(const CodedFont& font, std::string_view text) const {
  const Face& face = FaceOf(font);
  qreal width = 0;
  for (const char c : text)
    width += face.advances[static_cast<unsigned char>(c)];
  return static_cast<int>(std::lround(width));
}

const QFont& QtTextMeasurer::Font(const CodedFont& font) const {
  return FaceOf(font).font;
}

int QtTextMeasurer::Ascent(const CodedFont& font) const {
  return FaceOf(font).ascent;
}

int QtTextMeasurer::CellHeight(const CodedFont& font) const {
  return FaceOf(font).cell_height;
}

}  // namespace vx
