#include "controls/picture_caches.h"

#include <QByteArray>
#include <optional>
#include <string>
#include <utility>

#include "controls/qt_regions.h"
#include "engine/util/cp1252.h"
#include "engine/util/message_sink.h"
#include "imaging/picture_base.h"
#include "imaging/picture_record.h"
#include "imaging/placement.h"
#include "imaging/program_pictures.h"
#include "imaging/region_data.h"

namespace vx {
namespace {

// The record's region in logical pixels; false when it does not parse.
bool ShapeOf(const PictureRecord& record, int ratio, QRegion& shape) {
  RegionData data;
  if (!ParseRegionData(record.region, data).ok()) return false;
  shape = LogicalRegion(data.rects, ratio);
  return true;
}

bool Decode(const PictureRecord& record, int ratio, CachedPicture& out) {
  const QByteArray bytes(reinterpret_cast<const char*>(record.image.data()),
                         static_cast<qsizetype>(record.image.size()));
  QImage image = QImage::fromData(bytes);
  if (image.isNull()) return false;
  // One format for all, so that painting never converts on the fly.
  image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                        : QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  QRegion shape;
  if (record.HasRegion() && !ShapeOf(record, ratio, shape)) return false;
  out.image = std::move(image);
  out.shape = std::move(shape);
  out.placement = record.placement;
  return true;
}

// Finds `name` (or its double-size form first on a dense screen) in an
// open base and decodes it.
bool LoadFromOpenBase(TVXbildbas& base, std::string_view name, double ratio, CachedPicture& out) {
  PictureRecord record;
  if (ratio > 1) {
    const std::string large = std::string(name) + std::string(kDoubleSizeSuffix);
    if (large.size() <= kMaxPictureName && base.GetPicture(large, record) > 0)
      return Decode(record, 2, out);
  }
  if (base.GetPicture(name, record) <= 0) return false;
  return Decode(record, 1, out);
}

}  // namespace

std::string PictureName(const QString& name) {
  std::string out;
  if (Utf8ToCp1252(name.toStdString(), out)) return out;
  return name.toLatin1().toStdString();
}

QSize CachedPicture::LogicalSize() const {
  const double ratio = image.devicePixelRatio();
  return QSize(int(image.width() / ratio), int(image.height() / ratio));
}

bool LoadPicture(TVXbildbas& base, std::string_view name, double device_pixel_ratio,
                 CachedPicture& out) {
  // A base is kept closed between look-ups; one opened here is closed again.
  const bool opened_here = !base.IsOpen();
  if (opened_here && !base.Open()) return false;
  const bool found = LoadFromOpenBase(base, name, device_pixel_ratio, out);
  if (opened_here) base.Close();
  return found;
}

void PictureCache::SetDevicePixelRatio(double ratio) {
  if (ratio == ratio_) return;
  ratio_ = ratio;
  cache_.Clear();
}

int PictureCache::Get(std::string_view name) {
  if (name.empty()) return -1;
  return cache_.Get(name, [&]() -> std::optional<CachedPicture> {
    CachedPicture picture;
    if (base_ != nullptr && LoadPicture(*base_, name, ratio_, picture)) return picture;
    if (report_missing_) ReportMissing(name);
    return std::nullopt;
  });
}

// Once per name: a window repaints often, and a base that cannot be opened
// at all is no single picture's fault.
void PictureCache::ReportMissing(std::string_view name) {
  if (!reported_.insert(std::string(name)).second || base_ == nullptr) return;
  bool opens = base_->IsOpen();
  if (!opens) {
    opens = base_->Open();
    base_->Close();
  }
  if (opens) ReportMessage(std::string(name));
}

const CachedPicture* PictureCache::At(int index) const {
  const auto* entry = cache_.At(index);
  return entry ? &entry->picture : nullptr;
}

QSize PictureCache::Size(int index) const {
  const CachedPicture* picture = At(index);
  return picture ? picture->LogicalSize() : QSize();
}

void TVXtiler::PaintTile(int index, QPainter& painter, int sx, int sy, int width, int height,
                         int dx, int dy, bool always_clip) const {
  const CachedPicture* tile = At(index);
  if (tile == nullptr || width <= 0 || height <= 0) return;
  if (mode_ == TileMode::tmHel00) sx = sy = 0;
  if (mode_ == TileMode::tmTile) {
    PaintRepeated(*tile, painter, sx, sy, QRect(dx, dy, width, height));
    return;
  }
  // Only the part of the tile that exists is painted; the rest of the
  // destination is left as it was.
  const QRect source = QRect(sx, sy, width, height) & QRect(QPoint(0, 0), tile->LogicalSize());
  if (source.isEmpty()) return;
  const QPoint offset(dx - sx, dy - sy);
  painter.save();
  if (!tile->shape.isEmpty()) {
    painter.setClipRegion(tile->shape.translated(offset), Qt::IntersectClip);
  } else if (always_clip) {
    painter.setClipRect(source.translated(offset), Qt::IntersectClip);
  }
  const double ratio = tile->image.devicePixelRatio();
  const QRectF pixels(source.x() * ratio, source.y() * ratio, source.width() * ratio,
                      source.height() * ratio);
  painter.drawImage(QRectF(source.translated(offset)), tile->image, pixels);
  painter.restore();
}

void TVXtiler::PaintRepeated(const CachedPicture& tile, QPainter& painter, int sx, int sy,
                             const QRect& target) const {
  const QSize size = tile.LogicalSize();
  if (size.isEmpty()) return;
  // The tile repeats in both directions; (sx, sy) may lie anywhere.
  const int x0 = ((sx % size.width()) + size.width()) % size.width();
  const int y0 = ((sy % size.height()) + size.height()) % size.height();
  painter.save();
  painter.setClipRect(target, Qt::IntersectClip);
  for (int y = target.top() - y0; y <= target.bottom(); y += size.height()) {
    for (int x = target.left() - x0; x <= target.right(); x += size.width())
      painter.drawImage(QPoint(x, y), tile.image);
  }
  painter.restore();
}

void TVXfigurer::DrawFigure(int index, QPainter& painter, int x, int y) const {
  const CachedPicture* figure = At(index);
  if (figure == nullptr) return;
  painter.save();
  if (!figure->shape.isEmpty())
    painter.setClipRegion(figure->shape.translated(x, y), Qt::IntersectClip);
  painter.drawImage(QPoint(x, y), figure->image);
  painter.restore();
}

void TVXfigurer::DrawPlaced(int index, QPainter& painter, const QRect& area) const {
  const CachedPicture* figure = At(index);
  if (figure == nullptr) return;
  const QSize size = figure->LogicalSize();
  const PlacedPoint at = PlaceFigure(figure->placement, area.x(), area.y(), area.width(),
                                     area.height(), size.width(), size.height());
  if (painter.hasClipping() && !painter.clipRegion().intersects(QRect(QPoint(at.x, at.y), size)))
    return;
  DrawFigure(index, painter, at.x, at.y);
}

}  // namespace vx
