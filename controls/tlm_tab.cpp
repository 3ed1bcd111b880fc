#include "controls/tlm_tab.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/picture_caches.h"
#include "controls/qt_text_measurer.h"
#include "controls/qt_theme.h"
#include "imaging/cell_attribute.h"

namespace vx {
namespace {

constexpr int kWheelNotch = 120;

}  // namespace

TLMtab::TLMtab(QWidget* parent) : QWidget(parent), widths_(1, kDefaultColumnWidth) {
  setFocusPolicy(Qt::StrongFocus);
  setFont(QtFont(theme::kGridFont));
  QPalette chosen = palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    chosen.setColor(group, QPalette::Highlight, QtColor(theme::kChosenRow));
    chosen.setColor(group, QPalette::HighlightedText, QtColor(theme::kChosenRowText));
  }
  setPalette(chosen);
}

// Grid.

void TLMtab::setRowCount(int rows) {
  rows = std::max(rows, 0);
  const bool changed = rows != rows_;
  rows_ = rows;
  current_.row = std::clamp(current_.row, 0, std::max(rows_ - 1, 0));
  setTopRow(top_);
  update();
  if (changed) TellRowsChanged();
}

void TLMtab::setColumnCount(int columns) {
  widths_.resize(static_cast<size_t>(std::max(columns, 1)), kDefaultColumnWidth);
  current_.column = std::min(current_.column, columnCount() - 1);
  update();
}

int TLMtab::columnWidth(int column) const {
  if (column < 0 || column >= columnCount()) return 0;
  return widths_[static_cast<size_t>(column)];
}

void TLMtab::setColumnWidth(int column, int width) {
  if (column < 0 || column >= columnCount()) return;
  widths_[static_cast<size_t>(column)] = std::max(width, 0);
  update();
}

void TLMtab::setDefaultRowHeight(int height) {
  row_height_ = std::max(height, 1);
  update();
}

void TLMtab::setBorderStyle(BorderStyle style) {
  border_style_ = style;
  update();
}

void TLMtab::setColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void TLMtab::setFontPoints(int points) {
  setFont(WithPoints(font(), points));
}

PanelBorder TLMtab::Border() const {
  PanelBorder border;
  if (border_style_ == BorderStyle::bsSingle) {
    // Two pixels sunken, as a bordered grid's client edge.
    border.outer = Bevel::kLowered;
    border.inner = Bevel::kLowered;
  }
  return border;
}

QRect TLMtab::InnerRect() const {
  return Border().BackgroundRect(rect());
}

// Scrolling and the current row.

int TLMtab::VisibleRowCount() const {
  return std::max(InnerRect().height() / row_height_, 1);
}

int TLMtab::MaxTopRow() const {
  return std::max(rows_ - VisibleRowCount(), 0);
}

void TLMtab::setTopRow(int row) {
  row = std::clamp(row, 0, MaxTopRow());
  if (row == top_) return;
  top_ = row;
  update();
  TellRowsChanged();
  emit TopLeftChanged(top_);
}

void TLMtab::ScrollIntoView(int row) {
  if (row < top_)
    setTopRow(row);
  else if (row >= top_ + VisibleRowCount())
    setTopRow(row - VisibleRowCount() + 1);
}

bool TLMtab::setCurrentRow(int row) {
  if (row < 0 || row >= rows_) return false;
  const bool moved = row != current_.row;
  current_.row = row;
  ScrollIntoView(row);
  update();
  if (moved) TellCurrentRow();
  return true;
}

// Assistive technology makes the cells of the rows in view anew.
void TLMtab::TellRowsChanged() {
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

// A screen reader follows the current row: it is selected, and while the
// table has the focus, its first cell has it.
void TLMtab::TellCurrentRow() {
  if (!QAccessible::isActive() || rows_ == 0) return;
  QAccessibleEvent selection(this, QAccessible::Selection);
  selection.setChild((current_.row - top_) * columnCount());
  QAccessible::updateAccessibility(&selection);
  if (!hasFocus()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild((current_.row - top_) * columnCount());
  QAccessible::updateAccessibility(&focus);
}

void TLMtab::SelectByUser(GridCell cell) {
  if (!setCurrentRow(cell.row)) return;
  current_.column = cell.column;
  emit SelectCell(cell.row, cell.column);
}

// Geometry.

GridCell TLMtab::MouseToCell(QPoint point) const {
  const QRect inner = InnerRect();
  if (!inner.contains(point)) return {};
  const int row = top_ + (point.y() - inner.top()) / row_height_;
  if (row >= rows_) return {};
  int right = inner.left();
  for (int column = 0; column < columnCount(); ++column) {
    right += columnWidth(column);
    if (point.x() < right) return {row, column};
  }
  return {};
}

QRect TLMtab::CellRect(int row, int column) const {
  const QRect inner = InnerRect();
  int left = inner.left();
  for (int c = 0; c < column && c < columnCount(); ++c)
    left += columnWidth(c);
  return QRect(left, inner.top() + (row - top_) * row_height_, columnWidth(column), row_height_);
}

// Drawing properties.

void TLMtab::setTabmode(TVXtabmode mode) {
  tabmode_ = mode;
  update();
}

void TLMtab::setFigurer(TVXfigurer* figurer) {
  figurer_ = figurer;
  update();
}

void TLMtab::setTiler(TVXtiler* tiler) {
  tiler_ = tiler;
  update();
}

void TLMtab::setValdfigur(const QString& name) {
  valdfigur_ = name;
  update();
}

void TLMtab::setFigurA(const QString& name) {
  figur_[0] = name;
  update();
}

void TLMtab::setFigurB(const QString& name) {
  figur_[1] = name;
  update();
}

void TLMtab::setFigurC(const QString& name) {
  figur_[2] = name;
  update();
}

void TLMtab::setEttindrag(int pixels) {
  ettindrag_ = std::max(pixels, 0);
  update();
}

void TLMtab::setTilekod(const QString& code) {
  tilekod_ = code;
  update();
}

void TLMtab::setParenttiler(bool on) {
  parenttiler_ = on;
  update();
}

void TLMtab::setCellText(TextSource source) {
  text_source_ = std::move(source);
  update();
}

void TLMtab::setCellAttribute(AttributeSource source) {
  attribute_source_ = std::move(source);
  update();
}

void TLMtab::setCellState(StateSource source) {
  state_source_ = std::move(source);
  update();
}

void TLMtab::setReadableText(TextSource source) {
  readable_source_ = std::move(source);
}

QString TLMtab::ReadableText(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= columnCount()) return {};
  if (readable_source_) return FromCp1252(readable_source_(row + 1, column + 1));
  const std::string text =
      text_source_ ? text_source_(row + 1, column + 1) : std::to_string(row + 1);
  return FromCp1252(PrepareCellText(tabmode_, text).text);
}

bool TLMtab::MarksChosenRows() const {
  return tabmode_ != TVXtabmode::tmStandard && tabmode_ != TVXtabmode::tmStrukt;
}

bool TLMtab::RowChosen(int row) const {
  if (row < 0 || row >= rows_ || !attribute_source_) return false;
  return DecodeCellAttribute(attribute_source_(row + 1, 1)).chosen;
}

// Painting.

QPoint TLMtab::TileSource() const {
  return ChildTileSource(*this, *tiler_, parenttiler_);
}

void TLMtab::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Border().Draw(painter, rect(), palette());
  const QRect inner = InnerRect();
  PaintBackground(painter, inner);
  if (!isEnabled()) return;
  painter.setClipRect(inner);
  for (int row = top_; row < rows_; ++row) {
    if (CellRect(row, 0).top() > inner.bottom()) break;
    for (int column = 0; column < columnCount(); ++column) {
      const QRect cell = CellRect(row, column);
      if (cell.left() > inner.right()) break;
      PaintCell(painter, row, column, cell);
    }
  }
  PaintFocus(painter);
}

void TLMtab::PaintBackground(QPainter& painter, const QRect& area) {
  const bool tiled = tiler_ != nullptr && !tilekod_.isEmpty();
  if (tiled && PaintAlignedTile(painter, tiler_, tilekod_, TileSource(), area)) return;
  painter.fillRect(area, colour_.isValid() ? colour_ : palette().color(QPalette::Base));
}

int TLMtab::FigureIndex(CellFigure figure) const {
  if (figurer_ == nullptr) return -1;
  QString name;
  switch (figure) {
    case CellFigure::kNone:
      return -1;
    case CellFigure::kValdfigur:
      name = valdfigur_;
      break;
    case CellFigure::kFigurA:
    case CellFigure::kFigurB:
    case CellFigure::kFigurC:
      name = figur_[static_cast<int>(figure) - static_cast<int>(CellFigure::kFigurA)];
      break;
  }
  return name.isEmpty() ? -1 : figurer_->GetFigure(PictureName(name));
}

void TLMtab::PaintCell(QPainter& painter, int row, int column, const QRect& cell) {
  const bool selected = row == current_.row;
  if (selected) painter.fillRect(cell, palette().color(QPalette::Highlight));
  const std::string text =
      text_source_ ? text_source_(row + 1, column + 1) : std::to_string(row + 1);
  CellInput input;
  input.mode = tabmode_;
  input.column = column + 1;
  input.text = text;
  input.attribute =
      attribute_source_ ? attribute_source_(row + 1, column + 1) : kDefaultCellAttribute;
  input.state = state_source_ ? state_source_(row + 1, column + 1) : 0;
  input.selected = selected;
  input.ettindrag = ettindrag_;
  // The index stays valid until the next look-up, which is the next cell's.
  int figure = -1;
  const CellPlan plan = PlanCell(input, [&](CellFigure f) {
    figure = FigureIndex(f);
    return figure < 0 ? -1 : figurer_->FigureSize(figure).width();
  });
  painter.save();
  painter.setClipRect(cell, Qt::IntersectClip);
  if (plan.figure != CellFigure::kNone) {
    const int height = figurer_->FigureSize(figure).height();
    figurer_->DrawFigure(figure, painter, cell.left() + plan.figure_left,
                         cell.top() + (cell.height() - height) / 2);
  }
  PaintText(painter, plan, cell);
  painter.restore();
}

void TLMtab::PaintText(QPainter& painter, const CellPlan& plan, const QRect& cell) const {
  const QRect area(cell.left() + plan.text_left, cell.top(),
                   cell.width() - kCellTextRightMargin - plan.text_left, cell.height());
  if (area.width() <= 0 || plan.text.empty()) return;
  QFont f = font();
  f.setItalic(plan.italic);
  f.setBold(plan.bold);
  f.setUnderline(plan.underline);
  painter.setFont(f);
  painter.setPen(QtColor(CellColour(plan.ink)));
  const QString text =
      QFontMetrics(f).elidedText(FromCp1252(plan.text), Qt::ElideRight, area.width());
  const Qt::Alignment align = plan.right_aligned ? Qt::AlignRight : Qt::AlignLeft;
  painter.drawText(area, static_cast<int>(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
}

void TLMtab::PaintFocus(QPainter& painter) {
  if (!hasFocus() || rows_ == 0 || current_.row < top_) return;
  int width = 0;
  for (int w : widths_)
    width += w;
  const QRect row(CellRect(current_.row, 0).topLeft(), QSize(width, row_height_));
  painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(row.adjusted(0, 0, -1, -1));
}

// Input.

void TLMtab::ReachDragCell(GridCell cell) {
  if (cell == drag_cell_) return;
  drag_cell_ = cell;
  emit Vald(cell.row, cell.column);
}

void TLMtab::mousePressEvent(QMouseEvent* event) {
  const GridCell cell = MouseToCell(event->position().toPoint());
  if (!cell.valid()) return;
  if (event->button() == Qt::LeftButton) {
    selecting_ = true;
    SelectByUser(cell);
  }
  if (tabvaelj_ == TVXtabvaelj::tvHdrag && event->button() == drag_button_) {
    dragging_ = true;
    anchor_ = cell.row;
    ReachDragCell(cell);
  }
}

void TLMtab::mouseMoveEvent(QMouseEvent* event) {
  const GridCell cell = MouseToCell(event->position().toPoint());
  if (!cell.valid()) return;
  if (selecting_ && cell.row != current_.row) SelectByUser(cell);
  if (dragging_) ReachDragCell(cell);
}

void TLMtab::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) selecting_ = false;
  if (event->button() == drag_button_) {
    dragging_ = false;
    drag_cell_ = {};
    anchor_ = -1;
  }
}

bool TLMtab::MoveByKey(int key) {
  const int page = VisibleRowCount();
  int row = current_.row;
  switch (key) {
    case Qt::Key_Up:
      row -= 1;
      break;
    case Qt::Key_Down:
      row += 1;
      break;
    case Qt::Key_PageUp:
      row -= page;
      break;
    case Qt::Key_PageDown:
      row += page;
      break;
    case Qt::Key_Home:
      row = 0;
      break;
    case Qt::Key_End:
      row = rows_ - 1;
      break;
    default:
      return false;
  }
  row = std::clamp(row, 0, std::max(rows_ - 1, 0));
  if (rows_ > 0 && row != current_.row) SelectByUser({row, current_.column});
  return true;
}

void TLMtab::keyPressEvent(QKeyEvent* event) {
  // Arrows of the number pad carry the keypad modifier and move as well.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (!plain || !MoveByKey(event->key())) QWidget::keyPressEvent(event);
}

void TLMtab::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return QWidget::wheelEvent(event);
  event->accept();
  if (!mushjul_) {
    emit MouseWheel(delta);
    return;
  }
  wheel_rest_ += delta * QApplication::wheelScrollLines();
  const int rows = wheel_rest_ / kWheelNotch;
  wheel_rest_ -= rows * kWheelNotch;
  setTopRow(top_ - rows);
}

}  // namespace vx
