#include "controls/tvx_printtex.h"

#include <algorithm>

#include "controls/coded_text_painter.h"

namespace vx {

void TVXprinttex::SetText(QPainter& painter, const QRect& rect, std::string_view text) {
  text_.assign(text);
  Layout(painter, rect);
}

void TVXprinttex::Layout(QPainter& painter, const QRect& rect) {
  QPaintDevice* device = painter.device();
  const int dpi = device ? device->logicalDpiY() : 96;
  // A new measurer each time: the old one may know a device that is gone.
  measurer_ = std::make_unique<QtTextMeasurer>(dpi, device);
  area_ = rect.adjusted(margin_, margin_, -margin_, -margin_);
  kodtxt_.SetMeasurer(measurer_.get());
  kodtxt_.SetArea(std::max(area_.width(), 0), std::max(area_.height(), 0));
  kodtxt_.SetText(text_);
  kodtxt_.Layout();
}

void TVXprinttex::Render(QPainter& painter) {
  if (!measurer_) return;
  PaintCodedRuns(painter, *measurer_, kodtxt_.Render(), area_.topLeft());
}

}  // namespace vx
