#include "controls/tvx_panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "controls/picture_caches.h"

namespace vx {

TVXpanel::TVXpanel(QWidget* parent) : QWidget(parent) {}

void TVXpanel::setTilekod(const QString& code) {
  tilekod_ = code;
  update();
}

void TVXpanel::setTiler(TVXtiler* tiler) {
  tiler_ = tiler;
  update();
}

void TVXpanel::setFigurer(TVXfigurer* figurer) {
  figurer_ = figurer;
  update();
}

void TVXpanel::setHorn(const QString& names) {
  horn_ = names.split(';', Qt::SkipEmptyParts);
  for (QString& name : horn_)
    name = name.trimmed();
  update();
}

void TVXpanel::setEjtopp(bool on) {
  border_.ejtopp = on;
  update();
}

void TVXpanel::setNbstyle(bool on) {
  border_.nbstyle = on;
  update();
}

void TVXpanel::setBevels(Bevel outer, Bevel inner, int bevel_width, int border_width) {
  border_.outer = outer;
  border_.inner = inner;
  border_.bevel_width = std::max(bevel_width, 0);
  border_.border_width = std::max(border_width, 0);
  update();
}

void TVXpanel::setTransparent(bool on) {
  transparent_ = on;
  update();
}

void TVXpanel::setBackgroundOrigin(QPoint origin) {
  fixed_origin_ = origin;
  update();
}

QPoint TVXpanel::TileSource() const {
  if (fixed_origin_ != QPoint(-1, -1)) return fixed_origin_;
  return tiler_ ? TileSourceOf(*this, *tiler_) : QPoint();
}

void TVXpanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  border_.Draw(painter, rect(), palette());
  const QRect background = border_.BackgroundRect(rect());
  if (!PaintAlignedTile(painter, tiler_, tilekod_, TileSource(), background) && !transparent_)
    painter.fillRect(background, palette().color(QPalette::Window));
  DrawOrnaments(painter);
  if (on_paint_) on_paint_(painter);
}

void TVXpanel::DrawOrnaments(QPainter& painter) const {
  if (figurer_ == nullptr) return;
  const QRect area = border_.OrnamentRect(rect());
  for (const QString& name : horn_) {
    const int index = figurer_->GetFigure(PictureName(name));
    if (index >= 0) figurer_->DrawPlaced(index, painter, area);
  }
}

}  // namespace vx
