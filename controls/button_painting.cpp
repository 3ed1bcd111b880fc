#include "controls/button_painting.h"

#include <QFontMetrics>
#include <QPen>
#include <QRegularExpression>
#include <algorithm>
#include <cstdint>
#include <string>

#include "controls/picture_caches.h"
#include "imaging/blend.h"
#include "imaging/button_text_layout.h"

namespace vx {

QImage MakeButtonLayer(QSize size, qreal device_pixel_ratio) {
  QImage layer(size * device_pixel_ratio, QImage::Format_ARGB32);
  layer.setDevicePixelRatio(device_pixel_ratio);
  // 96 dpi, as the screen: point sizes come out as they do on the window.
  layer.setDotsPerMeterX(3780);
  layer.setDotsPerMeterY(3780);
  layer.fill(Qt::transparent);
  return layer;
}

void BlendLayer(QImage& layer, QRgb colour, int level) {
  Q_ASSERT(layer.format() == QImage::Format_ARGB32);
  // Rows may be padded, so each is blended on its own.
  for (int y = 0; y < layer.height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(layer.scanLine(y));
    BlendPixels(row, static_cast<size_t>(layer.width()), colour & 0xFFFFFF, level);
  }
}

ButtonBlend DisabledBlend() {
  return {kDisabledBlendColour, kDisabledBlendLevel};
}

void PresentButtonLayer(QPainter& painter, const QImage& layer,
                        const std::vector<ButtonBlend>& blends) {
  const QRect area(QPoint(0, 0), layer.deviceIndependentSize().toSize());
  for (const ButtonBlend& blend : blends) {
    QColor veil = QColor::fromRgb(blend.colour);
    veil.setAlpha(255 - std::clamp(blend.level, 0, 255));
    painter.fillRect(area, veil);
  }
  painter.drawImage(QPoint(0, 0), layer);
}

void DrawButtonEdge(QPainter& painter, const QRect& rect, bool sunken) {
  if (rect.width() < 2 || rect.height() < 2) return;
  const QColor top_left = QColor::fromRgb(sunken ? kButtonShadow : kButtonHighlight);
  const QColor bottom_right = QColor::fromRgb(sunken ? kButtonHighlight : kButtonShadow);
  // Filled one-pixel rectangles rather than lines: no pen rounding, the
  // same pixels at every device pixel ratio.
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), top_left);
  painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), top_left);
  painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottom_right);
  painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottom_right);
}

void DrawButtonText(QPainter& painter, const QString& text, QSize size, int avst, bool textvmarg,
                    const QFont& font, const QColor& colour, QPoint offset) {
  if (text.isEmpty()) return;
  const QFontMetrics metrics(font, painter.device());
  const TextMeasure measure{[&metrics](std::string_view piece) {
                              return metrics.horizontalAdvance(QString::fromUtf8(
                                  piece.data(), static_cast<qsizetype>(piece.size())));
                            },
                            metrics.height()};
  const std::string utf8 = text.toStdString();
  const ButtonTextLayout layout =
      LayOutButtonText(utf8, {size.width(), size.height(), avst, textvmarg}, measure);
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const ButtonTextLine& line : layout.lines) {
    const QPoint baseline(line.x + offset.x(), line.y + metrics.ascent() + offset.y());
    painter.drawText(baseline, QString::fromStdString(line.text));
  }
  painter.restore();
}

namespace {

int FigureIndex(TVXfigurer* figures, const QString& name) {
  if (figures == nullptr || name.isEmpty()) return -1;
  return figures->GetFigure(name.toStdString());
}

}  // namespace

bool DrawNamedFigure(TVXfigurer* figures, const QString& name, QPainter& painter, QPoint at) {
  const int index = FigureIndex(figures, name);
  if (index < 0) return false;
  figures->DrawFigure(index, painter, at.x(), at.y());
  return true;
}

QSize NamedFigureSize(TVXfigurer* figures, const QString& name) {
  const int index = FigureIndex(figures, name);
  return index < 0 ? QSize() : figures->FigureSize(index);
}

QString CaptionOnOneLine(const QString& text) {
  static const QRegularExpression kBreaks(QStringLiteral("\r\n|\r|\n"));
  return QString(text).replace(kBreaks, QStringLiteral(" ")).simplified();
}

}  // namespace vx
