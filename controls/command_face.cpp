#include "controls/command_face.h"

#include <QPainter>
#include <QWidget>

#include "controls/ink_label.h"
#include "controls/picture_caches.h"
#include "controls/qt_theme.h"

namespace vx {

QImage CommandFace(TVXfigurer& figures, const char* pictogram, const QString& caption, QSize size,
                   qreal ratio) {
  QImage face(size * ratio, QImage::Format_ARGB32_Premultiplied);
  face.setDevicePixelRatio(ratio);
  face.fill(Qt::transparent);
  QPainter painter(&face);
  const int index = figures.GetFigure(pictogram);
  const QSize picture = figures.FigureSize(index);
  const int x = caption.isEmpty() ? (size.width() - picture.width()) / 2 : 6;
  figures.DrawFigure(index, painter, x, (size.height() - picture.height()) / 2);
  if (!caption.isEmpty()) {
    painter.setFont(QtFont(theme::kCaptionFont));
    painter.setPen(QtColor(theme::kInk));
    painter.drawText(QRect(x + picture.width() + 6, 0, size.width(), size.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
  }
  return face;
}

void UseCommandCaption(QWidget* button) {
  button->setFont(QtFont(theme::kCaptionFont));
  SetInk(button);
}

}  // namespace vx
