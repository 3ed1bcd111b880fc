// The picture caches of the windows: TVXtiler (backgrounds, called tiles),
// TVXfigurer and TNRfigurer (figures: button faces, logos, ornaments). Each
// loads pictures by name from a picture base once and keeps them in a
// bounded most-recently-used cache (imaging/mru_cache.h).
//
// Indices returned by GetTile/GetFigure stay valid until the next look-up.
// On a screen with a device pixel ratio above 1 a cache prefers the
// picture's "@2x" form, drawn at the same logical size.
#ifndef VX_CONTROLS_PICTURE_CACHES_H_
#define VX_CONTROLS_PICTURE_CACHES_H_

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "imaging/mru_cache.h"

namespace vx {

class TVXbildbas;

// A loaded picture: the image (its devicePixelRatio set for "@2x"
// pictures), its shape in logical pixels when it has one, and its
// placement code.
struct CachedPicture {
  QImage image;
  QRegion shape;  // empty: the whole rectangle
  std::string placement;
  QSize LogicalSize() const;
};

// Loads `name` from `base` (opening and closing it when closed), preferring
// name + "@2x" when `device_pixel_ratio` > 1. False when missing, damaged or
// not decodable.
bool LoadPicture(TVXbildbas& base, std::string_view name, double device_pixel_ratio,
                 CachedPicture& out);

// A picture name as the picture bases store it (Windows-1252); characters
// that code page lacks become '?'.
std::string PictureName(const QString& name);

enum class TileMode { tmUtsnitt, tmHel, tmTile, tmHel00 };

class PictureCache {
 public:
  PictureCache(TVXbildbas* base, size_t capacity) : base_(base), cache_(capacity) {}
  virtual ~PictureCache() = default;

  // The device pixel ratio pictures are loaded for (default 1); changing it
  // empties the cache.
  void SetDevicePixelRatio(double ratio);
  // Index of the cached picture, loading it if needed; -1 when missing.
  int Get(std::string_view name);
  const CachedPicture* At(int index) const;
  QSize Size(int index) const;
  const MruCache<CachedPicture>& Ranking() const { return cache_; }

 protected:
  TVXbildbas* base_;
  double ratio_ = 1.0;
  MruCache<CachedPicture> cache_;
  // The figure caches tell the user, through the message sink, the name of
  // a picture their base lacks (or holds damaged).
  bool report_missing_ = false;

 private:
  void ReportMissing(std::string_view name);
  std::set<std::string> reported_;
};

class TVXtiler : public PictureCache {
 public:
  TVXtiler(TVXbildbas* base, size_t maxtiles, TileMode mode)
      : PictureCache(base, maxtiles), mode_(mode) {}
  int GetTile(std::string_view name) { return Get(name); }
  TileMode tilemode() const { return mode_; }
  // The screen position from which background offsets are measured.
  void SetOrigin(QPoint origin) { origin_ = origin; }
  QPoint Origin() const { return origin_; }
  // Copies a width x height part of the tile from (sx, sy) to (dx, dy);
  // with tmHel00 the source point is (0, 0). Through the tile's shape when
  // it has one (`always_clip`: also for tiles without a shape, clipped to
  // the tile). Only the part that lies inside the tile is painted, except
  // with tmTile, which repeats the tile over the whole rectangle; tmUtsnitt
  // paints as tmHel. Nothing for an index that holds no picture.
  void PaintTile(int index, QPainter& painter, int sx, int sy, int width, int height, int dx,
                 int dy, bool always_clip = false) const;

 private:
  void PaintRepeated(const CachedPicture& tile, QPainter& painter, int sx, int sy,
                     const QRect& target) const;

  TileMode mode_;
  QPoint origin_;
};

// TVXfigurer and TNRfigurer differ in what the original kept per entry (an
// image list against a bitmap with its region); here both keep a
// CachedPicture.
class TVXfigurer : public PictureCache {
 public:
  TVXfigurer(TVXbildbas* base, size_t maxfigurer) : PictureCache(base, maxfigurer) {
    report_missing_ = true;
  }
  int GetFigure(std::string_view name) { return Get(name); }
  QSize FigureSize(int index) const { return Size(index); }
  // Draws transparently at (x, y).
  void DrawFigure(int index, QPainter& painter, int x, int y) const;
  // Positioned inside `area` by the figure's placement code; skipped when
  // the painter clips and the figure lies wholly outside the clip.
  void DrawPlaced(int index, QPainter& painter, const QRect& area) const;
};

// Loads quietly: a register set without its own logo is no fault.
class TNRfigurer : public TVXfigurer {
 public:
  TNRfigurer(TVXbildbas* base, size_t maxfigurer) : TVXfigurer(base, maxfigurer) {
    report_missing_ = false;
  }
};

}  // namespace vx

#endif  // VX_CONTROLS_PICTURE_CACHES_H_
