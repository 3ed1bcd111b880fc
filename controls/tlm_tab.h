// TLMtab: the program's owner-drawn table: rows of cells in one or more
// columns, whose texts, attributes and states come from the owner through
// callbacks at drawing time; nothing is copied out of the owner's lists.
// The hit list and the lists of the picker and the normalisation view (the
// grid called TVXtab there) are all this one control.
//
// Rows and columns are 0-based in the table's own API and signals; the
// callbacks get them 1-based. The table always selects whole rows: the
// current row is drawn in the palette's highlight, the theme's ink unless
// the owner sets another (and framed while the table has the focus, the
// text kept clear of the frame). Only whole rows scroll, and the top row never goes past
// the row count less the whole rows that fit (VisibleRowCount).
//
// Drawing: the background (the tile `tilekod` from the tiler, aligned to
// the screen or, with parenttiler, to the position in the parent; else the
// table's colour); while the table is disabled nothing more. Then every
// visible cell as PlanCell (imaging/cell_text.h) plans it: figure, then
// the text on one line, transparently, cut with an ellipsis at the cell's
// right edge, in the font style and colour of the cell's attribute word
// (imaging/cell_attribute.h). Without a text callback a cell shows its
// 1-based row number; without an attribute callback the word is 144.
//
// Input:
// - left button on a cell: the row becomes current and SelectCell is
//   raised; moving with the button held makes the row under the mouse
//   current;
// - with tabvaelj tvHdrag, pressing the drag button (left unless set) on a
//   cell starts a drag and raises Vald; while it is held, every move onto
//   another cell raises Vald again; letting go ends it. Qt keeps sending
//   the moves to the table while the button is held, so it needs no grab;
// - Up, Down, Page Up, Page Down, Home, End move the current row, raise
//   SelectCell and scroll it into view; other keys go to the parent;
// - the wheel scrolls the top row (wheelScrollLines rows per notch) with
//   mushjul, else it is only reported by MouseWheel for the window to
//   handle.
// No selection is possible while the row count is 0.
#ifndef VX_CONTROLS_TLM_TAB_H_
#define VX_CONTROLS_TLM_TAB_H_

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/panel_border.h"
#include "imaging/cell_text.h"

namespace vx {

class TVXtiler;
class TVXfigurer;

enum class TVXtabvaelj { tvOff, tvHdrag };

// A cell of the table; row -1 when there is none.
struct GridCell {
  int row = -1;
  int column = -1;
  bool valid() const { return row >= 0 && column >= 0; }
  bool operator==(const GridCell&) const = default;
};

class TLMtab : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int rowCount READ rowCount WRITE setRowCount)
  Q_PROPERTY(int topRow READ topRow WRITE setTopRow NOTIFY TopLeftChanged)
  Q_PROPERTY(QString valdfigur READ valdfigur WRITE setValdfigur)
  Q_PROPERTY(QString figurA READ figurA WRITE setFigurA)
  Q_PROPERTY(QString figurB READ figurB WRITE setFigurB)
  Q_PROPERTY(QString figurC READ figurC WRITE setFigurC)
  Q_PROPERTY(int ettindrag READ ettindrag WRITE setEttindrag)
  Q_PROPERTY(bool mushjul READ mushjul WRITE setMushjul)
  Q_PROPERTY(QString tilekod READ tilekod WRITE setTilekod)
  Q_PROPERTY(bool parenttiler READ parenttiler WRITE setParenttiler)

 public:
  // Windows-1252 text of the cell (row, column), both 1-based.
  using TextSource = std::function<std::string(int row, int column)>;
  using AttributeSource = std::function<uint32_t(int row, int column)>;
  // 0, 1 or 2; used by tmStrukt and tmStruktvald.
  using StateSource = std::function<int(int row, int column)>;

  enum class BorderStyle { bsNone, bsSingle };

  static constexpr int kDefaultColumnWidth = 64;
  static constexpr int kDefaultRowHeight = 24;

  // Single border, 1 column, 10 rows, the window colour, the theme's grid
  // font (11 points), mushjul on, tmStandard, tvOff.
  explicit TLMtab(QWidget* parent = nullptr);

  // Grid. A smaller row count pulls the current and top rows inside.
  int rowCount() const { return rows_; }
  void setRowCount(int rows);
  // At least 1; added columns are kDefaultColumnWidth wide.
  int columnCount() const { return static_cast<int>(widths_.size()); }
  void setColumnCount(int columns);
  int columnWidth(int column) const;
  void setColumnWidth(int column, int width);
  int defaultRowHeight() const { return row_height_; }
  void setDefaultRowHeight(int height);
  BorderStyle borderStyle() const { return border_style_; }
  void setBorderStyle(BorderStyle style);
  // Invalid (the default): the palette's base colour, as edits have.
  QColor colour() const { return colour_; }
  void setColour(const QColor& colour);
  // The font's size in points at 96 dpi, keeping its family.
  void setFontPoints(int points);

  // Scrolling and the current row; neither raises SelectCell.
  int topRow() const { return top_; }
  // Clamped to 0..MaxTopRow(); raises TopLeftChanged when it moves.
  void setTopRow(int row);
  int MaxTopRow() const;
  // Whole rows that fit, at least 1.
  int VisibleRowCount() const;
  int currentRow() const { return current_.row; }
  int currentColumn() const { return current_.column; }
  // Makes `row` current and scrolls it into view; false (and nothing
  // changes) when the row does not exist.
  bool setCurrentRow(int row);

  // Geometry: the cell under `point` (widget pixels), and a cell's
  // rectangle while its row is at or below the top row.
  GridCell MouseToCell(QPoint point) const;
  QRect CellRect(int row, int column) const;

  // Drawing.
  TVXtabmode tabmode() const { return tabmode_; }
  void setTabmode(TVXtabmode mode);
  // The caches are not owned and must outlive the table.
  void setFigurer(TVXfigurer* figurer);
  void setTiler(TVXtiler* tiler);
  QString valdfigur() const { return valdfigur_; }
  void setValdfigur(const QString& name);
  QString figurA() const { return figur_[0]; }
  QString figurB() const { return figur_[1]; }
  QString figurC() const { return figur_[2]; }
  void setFigurA(const QString& name);
  void setFigurB(const QString& name);
  void setFigurC(const QString& name);
  int ettindrag() const { return ettindrag_; }
  void setEttindrag(int pixels);
  QString tilekod() const { return tilekod_; }
  void setTilekod(const QString& code);
  bool parenttiler() const { return parenttiler_; }
  void setParenttiler(bool on);

  // The owner's callbacks; an empty function restores the default.
  void setCellText(TextSource source);
  void setCellAttribute(AttributeSource source);
  void setCellState(StateSource source);
  // What a screen reader reads for a cell, where it differs from what is
  // drawn (a cut text read whole); without it the drawn text, without its
  // '|' cut and TAB marker.
  void setReadableText(TextSource source);

  // For assistive technology, rows and columns 0-based: the text of a
  // cell as it should be read, and whether a row is chosen (ticked) in a
  // mode that marks chosen rows.
  QString ReadableText(int row, int column) const;
  bool MarksChosenRows() const;
  bool RowChosen(int row) const;

  // Mouse.
  TVXtabvaelj tabvaelj() const { return tabvaelj_; }
  void setTabvaelj(TVXtabvaelj mode) { tabvaelj_ = mode; }
  Qt::MouseButton dragButton() const { return drag_button_; }
  void setDragButton(Qt::MouseButton button) { drag_button_ = button; }
  // The row the current drag started on, -1 when no drag is going on.
  int DragAnchorRow() const { return anchor_; }
  bool mushjul() const { return mushjul_; }
  void setMushjul(bool on) { mushjul_ = on; }

 signals:
  // The user made `row` current (mouse or keys).
  void SelectCell(int row, int column);
  void TopLeftChanged(int top);
  // A drag reached a new cell (tvHdrag).
  void Vald(int row, int column);
  // A wheel turn the table left to its window (mushjul off); `delta` is
  // the vertical angle delta, 120 per notch.
  void MouseWheel(int delta);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  PanelBorder Border() const;
  QRect InnerRect() const;
  QPoint TileSource() const;
  void ScrollIntoView(int row);
  void TellRowsChanged();
  void TellCurrentRow();
  void SelectByUser(GridCell cell);
  bool MoveByKey(int key);
  void ReachDragCell(GridCell cell);
  void PaintBackground(QPainter& painter, const QRect& area);
  void PaintCell(QPainter& painter, int row, int column, const QRect& cell);
  void PaintText(QPainter& painter, const CellPlan& plan, const QRect& cell) const;
  void PaintFocus(QPainter& painter);
  int FigureIndex(CellFigure figure) const;

  int rows_ = 10;
  std::vector<int> widths_;
  int row_height_ = kDefaultRowHeight;
  BorderStyle border_style_ = BorderStyle::bsSingle;
  QColor colour_;
  int top_ = 0;
  GridCell current_{0, 0};

  TVXtabmode tabmode_ = TVXtabmode::tmStandard;
  TVXfigurer* figurer_ = nullptr;
  TVXtiler* tiler_ = nullptr;
  QString valdfigur_;
  QString figur_[3];
  int ettindrag_ = 0;
  QString tilekod_;
  bool parenttiler_ = false;
  TextSource text_source_;
  AttributeSource attribute_source_;
  StateSource state_source_;
  TextSource readable_source_;

  TVXtabvaelj tabvaelj_ = TVXtabvaelj::tvOff;
  Qt::MouseButton drag_button_ = Qt::LeftButton;
  bool mushjul_ = true;
  bool selecting_ = false;  // left button held after a press on a cell
  bool dragging_ = false;
  GridCell drag_cell_;
  int anchor_ = -1;
  int wheel_rest_ = 0;  // eighths of a degree times scroll lines, not yet a row
};

}  // namespace vx

#endif  // VX_CONTROLS_TLM_TAB_H_
