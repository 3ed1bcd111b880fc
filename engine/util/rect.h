// Plain geometry in whole pixels: a size, and a rectangle that covers the
// pixels left <= x < right, top <= y < bottom. The windows' layouts, the
// text window's placement on the screen and the shapes of pictures all use
// these; the windows turn them into Qt's at the edge.
#ifndef VX_ENGINE_UTIL_RECT_H_
#define VX_ENGINE_UTIL_RECT_H_

namespace vx {

struct Extent {
  int width = 0;
  int height = 0;
  bool operator==(const Extent&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  // From the edges, as files and regions store them.
  static constexpr Rect FromEdges(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
  }
  constexpr int right() const { return left + width; }
  constexpr int bottom() const { return top + height; }
  // Covers no pixel.
  constexpr bool empty() const { return width <= 0 || height <= 0; }
  constexpr bool Contains(const Rect& inner) const {
    return inner.left >= left && inner.top >= top && inner.right() <= right() &&
           inner.bottom() <= bottom();
  }
  // Some pixel is in both.
  constexpr bool Overlaps(const Rect& other) const {
    return !empty() && !other.empty() && left < other.right() && other.left < right() &&
           top < other.bottom() && other.top < bottom();
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace vx

#endif  // VX_ENGINE_UTIL_RECT_H_
