#include "controls/panel_border.h"

#include <QColor>

#include "controls/picture_caches.h"
#include "controls/qt_theme.h"
#include "controls/tvx_panel.h"

namespace vx {
namespace {

const QColor kOwnBorderLight = QtColor(theme::kPanelEdgeLight);
const QColor kOwnBorderDark = QtColor(theme::kPanelEdgeDark);

// A frame `width` pixels wide along the inside of `r`: `top_left` on the
// left and top edges, `bottom_right` on the others.
void DrawEdges(QPainter& painter, QRect r, int width, const QColor& top_left,
               const QColor& bottom_right) {
  for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), top_left);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), top_left);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottom_right);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottom_right);
    r.adjust(1, 1, -1, -1);
  }
}

void DrawBevel(QPainter& painter, const QRect& r, int width, Bevel bevel, const QPalette& palette) {
  if (bevel == Bevel::kNone) return;
  const QColor light = palette.color(QPalette::Light);
  const QColor dark = palette.color(QPalette::Dark);
  if (bevel == Bevel::kRaised) DrawEdges(painter, r, width, light, dark);
  if (bevel == Bevel::kLowered) DrawEdges(painter, r, width, dark, light);
}

}  // namespace

int PanelBorder::Inset() const {
  if (nbstyle) return 1;
  return (outer != Bevel::kNone ? bevel_width : 0) + (inner != Bevel::kNone ? 1 : 0) + border_width;
}

QRect PanelBorder::BackgroundRect(const QRect& rect) const {
  const int b = Inset();
  return rect.adjusted(b, ejtopp ? 0 : b, -b, -b);
}

QRect PanelBorder::OrnamentRect(const QRect& rect) const {
  const int b = Inset() + 1;
  return rect.adjusted(b, b, -b, -b);
}

void PanelBorder::Draw(QPainter& painter, const QRect& rect, const QPalette& palette) const {
  if (nbstyle) {
    DrawEdges(painter, rect, 1, kOwnBorderLight, kOwnBorderDark);
    return;
  }
  const int outer_width = outer != Bevel::kNone ? bevel_width : 0;
  DrawBevel(painter, rect, bevel_width, outer, palette);
  const int in = outer_width + border_width;
  DrawBevel(painter, rect.adjusted(in, in, -in, -in), 1, inner, palette);
}

QPoint TileSourceOf(const QWidget& widget, const TVXtiler& tiler) {
  return widget.mapToGlobal(QPoint(0, 0)) - tiler.Origin();
}

QPoint ChildTileSource(const QWidget& widget, const TVXtiler& tiler, bool parenttiler) {
  if (!parenttiler) return TileSourceOf(widget, tiler);
  if (const auto* panel = qobject_cast<const TVXpanel*>(widget.parentWidget()))
    return panel->TileSource() + widget.pos();
  return widget.pos();
}

bool PaintAlignedTile(QPainter& painter, TVXtiler* tiler, const QString& code, QPoint corner_source,
                      const QRect& area) {
  if (tiler == nullptr || code.isEmpty()) return false;
  const int index = tiler->GetTile(PictureName(code));
  if (index < 0) return false;
  tiler->PaintTile(index, painter, corner_source.x() + area.x(), corner_source.y() + area.y(),
                   area.width(), area.height(), area.x(), area.y());
  return true;
}

}  // namespace vx
