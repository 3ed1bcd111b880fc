#include "controls/scroll_bar.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "controls/qt_theme.h"

namespace vx {
namespace {

// The paper-and-ink look of the program.
const QColor kInk = QtColor(theme::kInk);
const QColor kPaper = QtColor(theme::kPaper);
const QColor kSheet = QtColor(theme::kSheet);

}  // namespace

Tspecscr::Tspecscr(QWidget* parent) : QWidget(parent), timer_(MakeRepeatTimer()) {
  connect(timer_.get(), &RepeatTimer::Fired, this, &Tspecscr::OnRepeat);
}

Tspecscr::~Tspecscr() = default;

template <typename Change>
bool Tspecscr::Apply(Change change) {
  const ScrollGeometry before = Geometry();
  const int old = model_.position();
  if (!change()) return false;
  if (model_.position() == old) return true;
  update(ThumbRect(before) | ThumbRect(Geometry()));
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent event(this, model_.position());
    QAccessible::updateAccessibility(&event);
  }
  emit NyPosition(model_.position());
  return true;
}

void Tspecscr::setMin(int value) {
  if (Apply([&] { return model_.SetMin(value); })) update();
}

void Tspecscr::setMax(int value) {
  if (Apply([&] { return model_.SetMax(value); })) update();
}

void Tspecscr::setPosition(int value) {
  Apply([&] { return model_.SetPosition(value); });
}

void Tspecscr::setSmallch(int value) {
  if (model_.SetSmallch(value)) update();
}

void Tspecscr::setLargech(int value) {
  if (model_.SetLargech(value)) update();
}

void Tspecscr::setKind(Kind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  updateGeometry();
  update();
}

ScrollGeometry Tspecscr::Geometry() const {
  const bool vertical = kind_ == Kind::sbVertical;
  return model_.Layout(vertical ? height() : width(), vertical ? width() : height());
}

QSize Tspecscr::sizeHint() const {
  const int across = ScrollGeometry::kThumbWidth;
  return kind_ == Kind::sbVertical ? QSize(across, 150) : QSize(150, across);
}

int Tspecscr::Along(QPoint p) const {
  return kind_ == Kind::sbVertical ? p.y() : p.x();
}

int Tspecscr::Across(QPoint p) const {
  return kind_ == Kind::sbVertical ? p.x() : p.y();
}

QRect Tspecscr::BarRect(int along, int across, int length, int width) const {
  if (kind_ == Kind::sbVertical) return QRect(across, along, width, length);
  return QRect(along, across, length, width);
}

QRect Tspecscr::ThumbRect(const ScrollGeometry& g) const {
  return BarRect(g.ThumbFirst(), g.thumb_across, ScrollGeometry::kThumbLength, g.thumb_width);
}

QRect Tspecscr::ArrowRect(const ScrollGeometry& g, ScrollPart arrow) const {
  const int along = arrow == ScrollPart::kFirstArrow ? 0 : g.length - g.arrow;
  return BarRect(along, 0, g.arrow, g.thickness);
}

void Tspecscr::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const ScrollGeometry g = Geometry();
  const ScrollPart part = g.PartAt(Along(event->position().toPoint()));
  if (part == ScrollPart::kFirstArrow || part == ScrollPart::kSecondArrow) {
    repeat_.Press(part);
    timer_->Start(repeat_.TimerInterval());
    update(ArrowRect(g, part));
  } else if (part == ScrollPart::kThumb) {
    dragging_ = true;
  } else if (part == ScrollPart::kTrack) {
    track_pressed_ = true;
  }
}

void Tspecscr::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const ScrollGeometry g = Geometry();
  if (dragging_) {
    Apply([&] { return model_.SetPosition(model_.PositionAt(g, Along(p))); });
    return;
  }
  const ScrollPart held = repeat_.Held();
  if (held != ScrollPart::kNone && !ArrowRect(g, held).contains(p)) {
    repeat_.Leave();
    timer_->Stop();
    update(ArrowRect(g, held));
  }
}

void Tspecscr::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const ScrollGeometry g = Geometry();
  const ScrollPart held = repeat_.Held();
  if (held != ScrollPart::kNone) {
    timer_->Stop();
    Step(repeat_.Release());
    update(ArrowRect(g, held));
  }
  if (track_pressed_) {
    const int target = model_.PositionAt(g, Along(event->position().toPoint()));
    Apply([&] { return model_.SetPosition(target); });
  }
  dragging_ = false;
  track_pressed_ = false;
}

void Tspecscr::OnRepeat() {
  const int direction = repeat_.Tick();
  timer_->SetInterval(repeat_.TimerInterval());
  Step(direction);
}

void Tspecscr::Step(int direction) {
  if (direction == 0) return;
  Apply([&] { return model_.MoveBy(direction * model_.smallch()); });
}

void Tspecscr::paintEvent(QPaintEvent*) {
  // No background: the parent's tiles show between the parts.
  QPainter painter(this);
  const ScrollGeometry g = Geometry();
  const int middle = g.thickness / 2;
  painter.setPen(QPen(kInk, 1));
  // The track as a ruled line with a short mark at each end.
  const int first = g.track_start;
  const int last = g.track_end;
  painter.fillRect(BarRect(first, middle, last - first + 1, 1), kInk);
  painter.fillRect(BarRect(first, middle - 3, 1, 7), kInk);
  painter.fillRect(BarRect(last, middle - 3, 1, 7), kInk);
  PaintArrow(painter, g, ScrollPart::kFirstArrow);
  PaintArrow(painter, g, ScrollPart::kSecondArrow);
  PaintThumb(painter, g);
}

void Tspecscr::PaintArrow(QPainter& painter, const ScrollGeometry& g, ScrollPart arrow) const {
  const int inset = ScrollGeometry::kInset;
  const QRect box = ArrowRect(g, arrow).adjusted(inset, inset, -inset, -inset);
  if (box.width() < 3 || box.height() < 3) return;
  const bool down = repeat_.Held() == arrow;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kInk, 1));
  painter.setBrush(down ? kSheet : kPaper);
  painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  // A small solid triangle pointing out of the bar, nudged when pressed.
  const QPointF c = QRectF(box).center() + (down ? QPointF(1, 1) : QPointF(0, 0));
  const double s = std::min(box.width(), box.height()) / 4.0;
  const double out = arrow == ScrollPart::kFirstArrow ? -1 : 1;
  auto at = [&](double along, double across) {
    return kind_ == Kind::sbVertical ? c + QPointF(across, along) : c + QPointF(along, across);
  };
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawPolygon(QPolygonF({at(out * s, 0), at(-out * s * 0.6, -s), at(-out * s * 0.6, s)}));
  painter.restore();
}

void Tspecscr::PaintThumb(QPainter& painter, const ScrollGeometry& g) const {
  // A pointer: a bar across the track whose far end comes to a point at the
  // position's pixel.
  const double a0 = g.ThumbFirst();
  const double a1 = g.ThumbLast() + 1;
  const double c0 = g.thumb_across;
  const double c1 = c0 + g.thumb_width;
  const double neck = c1 - 5;
  auto at = [&](double along, double across) {
    return kind_ == Kind::sbVertical ? QPointF(across, along) : QPointF(along, across);
  };
  const QPolygonF pointer(
      {at(a0, c0), at(a0, neck), at((a0 + a1) / 2, c1), at(a1, neck), at(a1, c0)});
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(QPalette::Dark));
  painter.drawPolygon(pointer);
  painter.restore();
}

}  // namespace vx
