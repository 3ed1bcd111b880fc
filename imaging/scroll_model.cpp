#include "imaging/scroll_model.h"

#include <algorithm>
#include <cmath>

namespace vx {

ScrollPart ScrollGeometry::PartAt(int along) const {
  if (along < 0 || along >= length) return ScrollPart::kNone;
  if (along < arrow) return ScrollPart::kFirstArrow;
  if (along >= length - arrow) return ScrollPart::kSecondArrow;
  if (along >= ThumbFirst() && along <= ThumbLast()) return ScrollPart::kThumb;
  return ScrollPart::kTrack;
}

bool ScrollModel::SetMin(int value) {
  if (value < 0 || value >= max_) return false;
  min_ = value;
  ClampPosition();
  return true;
}

bool ScrollModel::SetMax(int value) {
  if (value < min_) return false;
  max_ = value;
  ClampPosition();
  return true;
}

bool ScrollModel::SetPosition(int value) {
  if (value < min_ || value > max_ || value == position_) return false;
  position_ = value;
  return true;
}

bool ScrollModel::SetSmallch(int value) {
  if (value < 1) return false;
  smallch_ = value;
  return true;
}

bool ScrollModel::SetLargech(int value) {
  if (value < 1) return false;
  largech_ = value;
  return true;
}

bool ScrollModel::MoveBy(int delta) {
  // Widened so that a large step near INT_MAX cannot overflow.
  const long long target = static_cast<long long>(position_) + delta;
  return SetPosition(static_cast<int>(std::clamp<long long>(target, min_, max_)));
}

void ScrollModel::ClampPosition() {
  position_ = std::clamp(position_, min_, max_);
}

ScrollGeometry ScrollModel::Layout(int length, int thickness) const {
  ScrollGeometry g;
  g.length = std::max(length, 0);
  g.thickness = std::max(thickness, 0);
  g.arrow = std::min(g.thickness, g.length / 2);
  g.thumb_width =
      std::clamp(g.thickness - 2 * ScrollGeometry::kInset, 0, ScrollGeometry::kThumbWidth);
  g.thumb_across = (g.thickness - g.thumb_width) / 2;
  // The thumb's middle pixel runs between the arrows with the whole thumb
  // kept off them.
  g.track_start = g.arrow + ScrollGeometry::kThumbLength / 2;
  g.track_end = std::max(g.track_start, g.length - g.arrow - 1 - ScrollGeometry::kThumbLength / 2);
  const long long range = static_cast<long long>(max_) - min_;
  if (range > 0) g.pixels_per_unit = double(g.track_end - g.track_start) / double(range);
  g.thumb = g.track_start + int(std::lround((position_ - min_) * g.pixels_per_unit));
  return g;
}

int ScrollModel::PositionAt(const ScrollGeometry& geometry, int along) const {
  if (geometry.pixels_per_unit <= 0) return min_;
  if (along > geometry.track_end) return max_;
  const double units = (along - geometry.track_start) / geometry.pixels_per_unit;
  const long long value = min_ + std::llround(units);
  return static_cast<int>(std::clamp<long long>(value, min_, max_));
}

void ArrowRepeat::Press(ScrollPart arrow) {
  if (arrow != ScrollPart::kFirstArrow && arrow != ScrollPart::kSecondArrow) return;
  held_ = arrow;
  repeating_ = false;
}

int ArrowRepeat::Tick() {
  if (held_ == ScrollPart::kNone) return 0;
  repeating_ = true;
  return Direction();
}

int ArrowRepeat::Release() {
  const int step = Direction();
  Leave();
  return step;
}

void ArrowRepeat::Leave() {
  held_ = ScrollPart::kNone;
  repeating_ = false;
}

int ArrowRepeat::TimerInterval() const {
  if (held_ == ScrollPart::kNone) return 0;
  return repeating_ ? kRepeatMs : kFirstDelayMs;
}

int ArrowRepeat::Direction() const {
  if (held_ == ScrollPart::kFirstArrow) return -1;
  if (held_ == ScrollPart::kSecondArrow) return 1;
  return 0;
}

}  // namespace vx
