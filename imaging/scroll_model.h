// The scroll bar's state and geometry without a window: the integer
// position between a minimum and a maximum with its steps, where the
// arrows, the track and the thumb lie in pixels, the position under the
// mouse, and the auto-repeat of a held arrow.
#ifndef VX_IMAGING_SCROLL_MODEL_H_
#define VX_IMAGING_SCROLL_MODEL_H_

namespace vx {

// Where a point along the bar falls.
enum class ScrollPart { kNone, kFirstArrow, kSecondArrow, kThumb, kTrack };

// Pixel geometry along the bar (x of a horizontal bar, y of a vertical
// one) for a bar `length` long and `thickness` across.
struct ScrollGeometry {
  // The thumb is a pointer this long along the track and this wide across
  // (narrower on a narrower bar, so that it never reaches past the arrows'
  // boxes); its middle pixel marks the position.
  static constexpr int kThumbLength = 9;
  static constexpr int kThumbWidth = 23;
  // The arrows' boxes and the thumb keep this far from the bar's sides.
  static constexpr int kInset = 1;

  int length = 0;
  int thickness = 0;
  int arrow = 0;        // each arrow is a square of this side at its end
  int track_start = 0;  // the thumb's middle pixel at `min`
  int track_end = 0;    // ... and at `max`
  double pixels_per_unit = 0;
  int thumb = 0;  // the thumb's middle pixel now
  // Across the bar: the thumb's first pixel and its width, centred.
  int thumb_across = 0;
  int thumb_width = 0;

  int ThumbFirst() const { return thumb - kThumbLength / 2; }
  int ThumbLast() const { return ThumbFirst() + kThumbLength - 1; }
  ScrollPart PartAt(int along) const;
};

// Position and steps. A setter returns whether the value was taken; a value
// that breaks the rules is ignored: min at least 0 and below max, max at
// least min, position within min..max, steps at least 1.
class ScrollModel {
 public:
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  int smallch() const { return smallch_; }
  int largech() const { return largech_; }

  // A new range that leaves the position outside moves the position to the
  // nearer end, so that it stays within min..max; compare position() before
  // and after to see it.
  bool SetMin(int value);
  bool SetMax(int value);
  // True only when the position changed.
  bool SetPosition(int value);
  bool SetSmallch(int value);
  bool SetLargech(int value);

  // Moves by `delta`, clamped to min..max. True when the position changed.
  bool MoveBy(int delta);

  ScrollGeometry Layout(int length, int thickness) const;
  // The position whose thumb lies under pixel `along`: min before the track,
  // max beyond its end.
  int PositionAt(const ScrollGeometry& geometry, int along) const;

 private:
  void ClampPosition();

  int min_ = 1;
  int max_ = 100;
  int position_ = 1;
  int smallch_ = 1;
  int largech_ = 10;
};

// The auto-repeat of a held arrow: nothing for kFirstDelayMs, then one step
// per kRepeatMs, and one more step when the button is let go, so that a
// short click moves exactly one step. Leaving the arrow stops it without
// that last step.
class ArrowRepeat {
 public:
  static constexpr int kFirstDelayMs = 500;
  static constexpr int kRepeatMs = 20;

  // `arrow` is kFirstArrow (towards min) or kSecondArrow (towards max).
  void Press(ScrollPart arrow);
  // A timer tick: the direction to step (-1, +1, or 0 when none is held).
  int Tick();
  // The button let go: the direction of the last step, or 0.
  int Release();
  // The mouse left the held arrow.
  void Leave();

  ScrollPart Held() const { return held_; }
  // What the timer should wait now; 0 when it should stop.
  int TimerInterval() const;

 private:
  int Direction() const;

  ScrollPart held_ = ScrollPart::kNone;
  bool repeating_ = false;
};

}  // namespace vx

#endif  // VX_IMAGING_SCROLL_MODEL_H_
