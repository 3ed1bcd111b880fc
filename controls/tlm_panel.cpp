#include "controls/tlm_panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QShowEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/picture_caches.h"
#include "controls/qt_regions.h"
#include "imaging/colour_region.h"

namespace vx {
namespace {

QSize LogicalSize(const QImage& image) {
  const double ratio = image.devicePixelRatio();
  return QSize(int(image.width() / ratio), int(image.height() / ratio));
}

// Copies the logical rectangle `source` of `picture` to `target` (same
// size); what lies outside the picture is left alone.
void CopyPart(QPainter& painter, const QImage& picture, QRect source, QPoint target) {
  const QRect inside = source & QRect(QPoint(0, 0), LogicalSize(picture));
  if (inside.isEmpty()) return;
  const QPoint to = target + (inside.topLeft() - source.topLeft());
  const double r = picture.devicePixelRatio();
  const QRectF pixels(inside.x() * r, inside.y() * r, inside.width() * r, inside.height() * r);
  painter.drawImage(QRectF(QRect(to, inside.size())), picture, pixels);
}

// Fills `band` of the panel from `picture`: the columns left of `split`
// from the picture's left edge, the rest from its right edge; the rows from
// the picture's top, or from its bottom with `from_bottom`.
void CopyBand(QPainter& painter, const QImage& picture, const QRect& band, int split,
              bool from_bottom) {
  const QSize size = LogicalSize(picture);
  const int top = from_bottom ? size.height() - band.height() : 0;
  const int right = band.width() - split;
  CopyPart(painter, picture, QRect(0, top, split, band.height()), band.topLeft());
  CopyPart(painter, picture, QRect(size.width() - right, top, right, band.height()),
           band.topLeft() + QPoint(split, 0));
}

// The logical columns [left, right) of the tab across the top of a frame
// picture: the pixels of its first row that are not key green. Empty
// (left == right) when there is none.
struct TabSpan {
  int left = 0;
  int right = 0;
};

TabSpan TabOf(const QImage& frame) {
  const QImage row = frame.copy(0, 0, frame.width(), 1).convertToFormat(QImage::Format_RGB32);
  const auto* pixels = reinterpret_cast<const QRgb*>(row.constScanLine(0));
  int first = -1;
  int last = -1;
  for (int x = 0; x < row.width(); ++x) {
    if ((pixels[x] & 0xFFFFFF) == kKeyGreen) continue;
    if (first < 0) first = x;
    last = x;
  }
  if (first < 0) return {};
  const double ratio = frame.devicePixelRatio();
  return {int(first / ratio), int(std::ceil((last + 1) / ratio))};
}

// The band's columns left of `split` as CopyBand copies them, with
// `extra` columns let in at `middle`: filled by repeating the picture's
// columns just left of it, those right of it moved along.
void CopyStretchedLeft(QPainter& painter, const QImage& picture, const QRect& band, int split,
                       int middle, int extra) {
  CopyPart(painter, picture, QRect(0, 0, middle, band.height()), band.topLeft());
  const int period = std::clamp(middle / 2, 1, 32);
  for (int x = 0; x < extra; x += period) {
    const int width = std::min(period, extra - x);
    CopyPart(painter, picture, QRect(middle - period, 0, width, band.height()),
             band.topLeft() + QPoint(middle + x, 0));
  }
  const int moved = split - middle - extra;
  if (moved > 0)
    CopyPart(painter, picture, QRect(middle, 0, moved, band.height()),
             band.topLeft() + QPoint(middle + extra, 0));
}

// Room kept between a stretched tab and the split column, for the tab's
// rounded end and the rule beyond it.
constexpr int kTabClearance = 24;

}  // namespace

TLMpanel::TLMpanel(QWidget* parent) : QWidget(parent) {}

void TLMpanel::setTilekod(const QString& code) {
  if (code == tilekod_) return;
  tilekod_ = code;
  Invalidate();
}

void TLMpanel::setRamtilekod(const QString& code) {
  if (code == ramtilekod_) return;
  ramtilekod_ = code;
  Invalidate();
}

void TLMpanel::setTopptilekod(const QString& code) {
  if (code == topptilekod_) return;
  topptilekod_ = code;
  Invalidate();
}

void TLMpanel::setTopptileslutx(int column) {
  if (column == topptileslutx_) return;
  topptileslutx_ = std::max(column, 0);
  Invalidate();
}

void TLMpanel::setFlikslutx(int column) {
  column = std::max(column, 0);
  if (column == flikslutx_) return;
  flikslutx_ = column;
  Invalidate();
}

void TLMpanel::setTiler(TVXtiler* tiler) {
  if (tiler == tiler_) return;
  tiler_ = tiler;
  Invalidate();
}

void TLMpanel::setParenttiler(bool on) {
  parenttiler_ = on;
  update();
}

void TLMpanel::setEjtopp(bool on) {
  border_.ejtopp = on;
  update();
}

void TLMpanel::setNbstyle(bool on) {
  border_.nbstyle = on;
  update();
}

void TLMpanel::setTransparent(bool on) {
  transparent_ = on;
  update();
}

void TLMpanel::Invalidate() {
  stale_ = true;
  // A shown panel takes its new shape at once; a hidden one when shown.
  if (isVisible()) EnsureComposed();
  update();
}

void TLMpanel::EnsureComposed() {
  if (stale_ || composed_size_ != size()) Compose();
}

void TLMpanel::Compose() {
  ++compositions_;
  stale_ = false;
  composed_size_ = size();
  composed_ = QImage();
  inner_ = QRegion();
  const QImage frame = Picture(ramtilekod_);
  if (!frame.isNull() && !size().isEmpty()) ComposeFrame(frame, Picture(topptilekod_));
  if (composed_.isNull()) {
    clearMask();
    return;
  }
  const QRegion cut = RegionOfColour(composed_, kKeyGreen);
  if (cut.isEmpty()) {
    clearMask();
  } else {
    setMask(QRegion(rect()) - cut);
  }
  inner_ = RegionOfColour(composed_, kKeyRed);
}

void TLMpanel::ComposeFrame(const QImage& frame, const QImage& tab) {
  // Composed at the frame picture's own density, so that a "@2x" frame
  // stays sharp.
  const int ratio = std::max(1, int(std::lround(frame.devicePixelRatio())));
  QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const int w = width();
  const int h = height();
  const int split = std::min(topptileslutx_ > 0 ? topptileslutx_ : w / 2, w);
  const TabSpan own = TabOf(frame);
  const int extra = own.right > own.left ? flikslutx_ - own.right : 0;
  if (tab.isNull() && extra > 0) {
    const QRect top(0, 0, w, h / 2);
    const int top_split = std::min(std::max(split, flikslutx_ + kTabClearance), w);
    CopyBand(painter, frame, top, top_split, false);
    CopyStretchedLeft(painter, frame, top, top_split, (own.left + own.right) / 2, extra);
    CopyBand(painter, frame, QRect(0, h / 2, w, h - h / 2), split, true);
  } else if (tab.isNull()) {
    CopyBand(painter, frame, QRect(0, 0, w, h / 2), split, false);
    CopyBand(painter, frame, QRect(0, h / 2, w, h - h / 2), split, true);
  } else {
    const int rows = std::min(LogicalSize(tab).height(), h);
    CopyBand(painter, tab, QRect(0, 0, w, rows), split, false);
    CopyBand(painter, frame, QRect(0, rows, w, h - rows), w / 2, true);
  }
  painter.end();
  composed_ = std::move(image);
}

QImage TLMpanel::Picture(const QString& code) const {
  if (tiler_ == nullptr || code.isEmpty()) return QImage();
  const CachedPicture* picture = tiler_->At(tiler_->GetTile(PictureName(code)));
  return picture ? picture->image : QImage();
}

QPoint TLMpanel::TileSource() const {
  if (parenttiler_) return pos();
  return tiler_ ? TileSourceOf(*this, *tiler_) : QPoint();
}

void TLMpanel::PaintBackground(QPainter& painter, const QRect& area, bool fill) {
  if (!PaintAlignedTile(painter, tiler_, tilekod_, TileSource(), area) && fill)
    painter.fillRect(area, palette().color(QPalette::Window));
}

void TLMpanel::paintEvent(QPaintEvent*) {
  EnsureComposed();
  QPainter painter(this);
  if (composed_.isNull()) {
    border_.Draw(painter, rect(), palette());
    PaintBackground(painter, border_.BackgroundRect(rect()), !transparent_);
  } else {
    painter.drawImage(QPoint(0, 0), composed_);
    // The tile is painted here rather than composed in, so that it stays
    // aligned with the neighbours when the window moves.
    painter.setClipRegion(inner_);
    if (!inner_.isEmpty()) PaintBackground(painter, rect(), true);
    painter.setClipping(false);
  }
  if (on_paint_) on_paint_(painter);
}

void TLMpanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isVisible() && composed_size_ != size()) Invalidate();
}

void TLMpanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  EnsureComposed();
}

}  // namespace vx
