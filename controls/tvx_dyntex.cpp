#include "controls/tvx_dyntex.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/coded_text_painter.h"
#include "controls/panel_border.h"
#include "controls/picture_caches.h"
#include "controls/qt_theme.h"

namespace vx {
namespace {

QCursor& LinkCursor() {
  static QCursor cursor(Qt::PointingHandCursor);
  return cursor;
}

}  // namespace

TVXdyntex::TVXdyntex(QWidget* parent) : QWidget(parent) {
  kodtxt_.SetMeasurer(&measurer_);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

TVXdyntex::~TVXdyntex() = default;

void TVXdyntex::SetLinkCursor(const QCursor& cursor) {
  LinkCursor() = cursor;
}

void TVXdyntex::setColor(const QColor& colour) {
  color_ = colour;
  update();
}

void TVXdyntex::setTilekod(const QString& code) {
  tilekod_ = code;
  update();
}

void TVXdyntex::setTiler(TVXtiler* tiler) {
  tiler_ = tiler;
  update();
}

void TVXdyntex::setVertmode(int mode) {
  vertmode_ = std::clamp(mode, 0, 2);
  kodtxt_.SetVerticalMode(static_cast<VerticalMode>(vertmode_));
  update();
}

void TVXdyntex::setVisaruta(bool on) {
  visaruta_ = on;
  update();
}

void TVXdyntex::setParenttiler(bool on) {
  parenttiler_ = on;
  update();
}

void TVXdyntex::SetText(std::string_view text) {
  if (text.empty() && text_.empty()) return;
  text_.assign(text);
  kodtxt_.SetText(text_);
  kodtxt_.SetSelection(-1, -1);
  selecting_ = false;
  copy_menu_.reset();
  Relayout();
}

void TVXdyntex::Relayout() {
  kodtxt_.SetArea(width(), height());
  kodtxt_.Layout();
  laid_out_ = size();
  update();
}

void TVXdyntex::Redraw() {
  update();
}

void TVXdyntex::SetPixelOffset(int offset) {
  pixel_scrolling_ = true;
  kodtxt_.SetPixelOffset(offset);
  update();
}

void TVXdyntex::SetFirstLine(int line) {
  pixel_scrolling_ = false;
  first_line_ = std::max(line, 1);
  kodtxt_.SetFirstLine(first_line_);
  update();
}

int TVXdyntex::TotalHeight() {
  EnsureLayout();
  return kodtxt_.TotalHeight();
}

// A hidden control gets its resize event only when shown, so the size
// itself tells whether the layout is stale.
void TVXdyntex::EnsureLayout() {
  if (laid_out_ != size()) Relayout();
}

void TVXdyntex::CopySelection() {
  if (!kodtxt_.HasSelection()) return;
  QGuiApplication::clipboard()->setText(FromCp1252(kodtxt_.SelectedPlainText()));
}

QString TVXdyntex::AccessibleText() const {
  QString text = FromCp1252(RemoveTags(text_));
  text.remove(QChar('\n'));
  text.replace(QChar('\r'), QChar('\n'));
  return text.trimmed();
}

// Painting.

bool TVXdyntex::Tiled() const {
  return tiler_ != nullptr && !tilekod_.isEmpty();
}

QPoint TVXdyntex::TileSource() const {
  return ChildTileSource(*this, *tiler_, parenttiler_);
}

void TVXdyntex::paintEvent(QPaintEvent*) {
  EnsureLayout();
  QPainter painter(this);
  if (Tiled()) {
    PaintBuffered(painter);
    return;
  }
  if (color_.isValid()) painter.fillRect(rect(), color_);
  PaintContent(painter);
}

// The tile and the text go to the off-screen image first, so that the
// text never shows on a half-painted background.
void TVXdyntex::PaintBuffered(QPainter& painter) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (buffer_.size() != pixels) {
    buffer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    buffer_.setDevicePixelRatio(ratio);
  }
  buffer_.fill(Qt::transparent);
  {
    QPainter image_painter(&buffer_);
    if (!PaintAlignedTile(image_painter, tiler_, tilekod_, TileSource(), rect()) &&
        color_.isValid())
      image_painter.fillRect(rect(), color_);
    PaintContent(image_painter);
  }
  painter.drawImage(QPoint(0, 0), buffer_);
}

void TVXdyntex::PaintContent(QPainter& painter) {
  PaintCodedRuns(painter, measurer_, kodtxt_.Render(), QPoint(0, 0));
  if (visaruta_) {
    painter.setPen(QPen(QtColor(theme::kBlack), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void TVXdyntex::resizeEvent(QResizeEvent*) {
  update();
}

// Mouse and keys.

void TVXdyntex::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  EnsureLayout();
  const QPoint at = event->position().toPoint();
  link_target_ = kodtxt_.LinkAt(at.x(), at.y());
  if (selection_enabled_ && !text_.empty()) {
    StartSelection(at);
  } else if (dragenable_ && !kodtxt_.LinkHit(at.x(), at.y())) {
    dragging_ = true;
    drag_y_ = event->globalPosition().toPoint().y();
    setCursor(grabcursor_);
  }
}

void TVXdyntex::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragging_) {
    const int y = event->globalPosition().toPoint().y();
    if (y != drag_y_) {
      const int delta = y - drag_y_;
      drag_y_ = y;
      emit NyDrag(delta);
    }
  } else if (selecting_) {
    ExtendSelection(at);
  } else {
    UpdateCursor(at);
  }
  emit MouseMove(at);
}

void TVXdyntex::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  selecting_ = false;
  if (dragging_) {
    dragging_ = false;
    unsetCursor();
  }
  if (rect().contains(event->position().toPoint())) emit Click();
}

void TVXdyntex::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit DblClick();
  QWidget::mouseDoubleClickEvent(event);
}

void TVXdyntex::UpdateCursor(QPoint at) {
  if (kodtxt_.LinkHit(at.x(), at.y()))
    setCursor(LinkCursor());
  else
    unsetCursor();
}

void TVXdyntex::StartSelection(QPoint at) {
  kodtxt_.SetSelection(-1, -1);
  const CharHit hit = kodtxt_.CharIndexAt(at.x(), at.y());
  anchor_ = hit.index;
  selecting_ = anchor_ >= 0;
  update();
}

// The anchor is always selected and the character under the mouse never
// (TVXkodtxt::SelectDrag).
void TVXdyntex::ExtendSelection(QPoint at) {
  const int y = ScrollToward(at.y());
  const int x = std::clamp(at.x(), 0, std::max(width() - 1, 0));
  const int64_t first = kodtxt_.SelectionFirst();
  const int64_t last = kodtxt_.SelectionLast();
  if (!kodtxt_.SelectDrag(anchor_, x, y)) return;
  if (first == kodtxt_.SelectionFirst() && last == kodtxt_.SelectionLast()) return;
  if (!copy_menu_) AddCopyMenu();
  update();
}

// Scrolls one step toward a point above or below the view (a line, or as
// many pixels as the point lies outside); returns the point's row clamped
// into the view.
int TVXdyntex::ScrollToward(int y) {
  const int h = height();
  if (y >= 0 && y < h) return y;
  const int before = kodtxt_.ViewOffset();
  const bool down = y >= h;
  const int max_offset = std::max(0, kodtxt_.TotalHeight() - h);
  if (pixel_scrolling_) {
    kodtxt_.SetPixelOffset(std::clamp(before + (down ? y - h + 1 : y), 0, max_offset));
  } else if (down ? before < max_offset : first_line_ > 1) {
    first_line_ = std::clamp(first_line_ + (down ? 1 : -1), 1, std::max(kodtxt_.LineCount(), 1));
    kodtxt_.SetFirstLine(first_line_);
  }
  if (kodtxt_.ViewOffset() != before) {
    update();
    emit NyPosition();
  }
  return std::clamp(y, 0, std::max(h - 1, 0));
}

void TVXdyntex::AddCopyMenu() {
  copy_menu_ = std::make_unique<QMenu>();
  copy_menu_->addAction(QStringLiteral("K&opiera"), this, &TVXdyntex::CopySelection);
}

void TVXdyntex::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = copy_menu_ ? copy_menu_.get() : popup_menu_.data();
  if (menu == nullptr) return event->ignore();
  menu->popup(event->globalPos());
}

void TVXdyntex::keyPressEvent(QKeyEvent* event) {
  const bool insert = event->key() == Qt::Key_Insert && event->modifiers() == Qt::ControlModifier;
  if (event->matches(QKeySequence::Copy) || insert) {
    CopySelection();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace vx
