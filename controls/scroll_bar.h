// Tspecscr: the program's own scroll bar, drawn over its parent's
// background: an arrow at each end, a track between them and a narrow
// pointer-shaped thumb in the button-shadow colour.
//
// The rules for its values, its geometry and the arrows' auto-repeat are
// ScrollModel's and ArrowRepeat's (imaging/scroll_model.h). Mouse, left
// button only:
// - an arrow: one step of smallch when let go; held, a step every 20 ms
//   after the first 500 ms; moving off the arrow stops it without a step;
// - the thumb: dragged, the position follows the mouse;
// - the track: the position jumps to the value under the mouse when the
//   button is let go.
// Every change of the position, by the user or by setPosition, raises
// NyPosition (the OnNyPosition event).
#ifndef VX_CONTROLS_SCROLL_BAR_H_
#define VX_CONTROLS_SCROLL_BAR_H_

#include <QWidget>
#include <memory>

#include "controls/repeat_timer.h"
#include "imaging/scroll_model.h"

namespace vx {

class Tspecscr : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int min READ min WRITE setMin)
  Q_PROPERTY(int max READ max WRITE setMax)
  Q_PROPERTY(int position READ position WRITE setPosition NOTIFY NyPosition)
  Q_PROPERTY(int smallch READ smallch WRITE setSmallch)
  Q_PROPERTY(int largech READ largech WRITE setLargech)

 public:
  enum class Kind { sbVertical, sbHorizontal };

  explicit Tspecscr(QWidget* parent = nullptr);
  ~Tspecscr() override;

  int min() const { return model_.min(); }
  int max() const { return model_.max(); }
  int position() const { return model_.position(); }
  int smallch() const { return model_.smallch(); }
  int largech() const { return model_.largech(); }
  Kind kind() const { return kind_; }

  // Values that break the rules are ignored. A range that leaves the
  // position outside moves it inside and raises NyPosition.
  void setMin(int value);
  void setMax(int value);
  void setPosition(int value);
  void setSmallch(int value);
  void setLargech(int value);
  void setKind(Kind kind);

  // The geometry at the current size and position (widget pixels along the
  // bar: x when horizontal, y when vertical).
  ScrollGeometry Geometry() const;
  // The arrow shown pressed, or kNone.
  ScrollPart PressedArrow() const { return repeat_.Held(); }

  QSize sizeHint() const override;

 signals:
  void NyPosition(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int Along(QPoint p) const;
  int Across(QPoint p) const;
  // A rectangle of the bar given along and across the track.
  QRect BarRect(int along, int across, int length, int width) const;
  QRect ThumbRect(const ScrollGeometry& g) const;
  QRect ArrowRect(const ScrollGeometry& g, ScrollPart arrow) const;
  void OnRepeat();
  void Step(int direction);
  // Applies a change of the model made by `change`, repainting and raising
  // NyPosition when the position moved.
  template <typename Change>
  bool Apply(Change change);
  void PaintArrow(QPainter& painter, const ScrollGeometry& g, ScrollPart arrow) const;
  void PaintThumb(QPainter& painter, const ScrollGeometry& g) const;

  ScrollModel model_;
  Kind kind_ = Kind::sbVertical;
  ArrowRepeat repeat_;
  std::unique_ptr<RepeatTimer> timer_;
  bool dragging_ = false;
  bool track_pressed_ = false;
};

}  // namespace vx

#endif  // VX_CONTROLS_SCROLL_BAR_H_
