// TVXdyntex: the display of a coded text (record texts, help texts, the
// About text). It lays the text out to its own size through TVXkodtxt,
// paints it on its tiled background, scrolls as its owner says, reports
// clicks on links, lets the user select and copy text, and can report
// vertical drags so that the owner scrolls.
//
// Background: with a tiler and a tile code the control paints into an
// off-screen image of its size, the tile first, then the text; without
// them, the Color (when set) and the text directly. The tile is aligned by
// the screen position less the tiler's origin, as the panels align theirs;
// with parenttiler by the position in the parent instead (added to the
// parent's own tile point when the parent is a TVXpanel).
//
// Mouse:
// - moving over a visible link shows the link cursor, elsewhere the
//   default one;
// - a left press stores the link target under it (LinkTarget()); Click
//   follows a release inside the control;
// - with selection enabled and a text, the press sets the anchor at the
//   character under the mouse; moving selects from the anchor to the
//   character before the one under the mouse (from the one after it when
//   moving backwards): the anchor always, the character under the mouse
//   never (past the end of a line, the line's last character is before
//   the mouse).
//   Outside the control the view scrolls line by line (NyPosition);
//   once a selection exists the context menu offers "K&opiera";
//   Ctrl+C and Ctrl+Insert copy too;
// - otherwise, with dragenable, a press that is not on a link drags: the
//   grab cursor shows and every vertical movement is reported through
//   NyDrag as the change since the previous report.
// Selection takes the press when both are on.
#ifndef VX_CONTROLS_TVX_DYNTEX_H_
#define VX_CONTROLS_TVX_DYNTEX_H_

#include <QColor>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>

#include "codedtext/coded_text.h"
#include "controls/qt_text_measurer.h"
#include "controls/qt_theme.h"

namespace vx {

class TVXtiler;

class TVXdyntex : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QColor Color READ Color WRITE setColor)
  Q_PROPERTY(QString tilekod READ tilekod WRITE setTilekod)
  Q_PROPERTY(QColor laenkcolor READ laenkcolor WRITE setLaenkcolor)
  Q_PROPERTY(int vertmode READ vertmode WRITE setVertmode)
  Q_PROPERTY(bool visaruta READ visaruta WRITE setVisaruta)
  Q_PROPERTY(QCursor grabcursor READ grabcursor WRITE setGrabcursor)
  Q_PROPERTY(bool dragenable READ dragenable WRITE setDragenable)
  Q_PROPERTY(bool parenttiler READ parenttiler WRITE setParenttiler)

 public:
  explicit TVXdyntex(QWidget* parent = nullptr);
  ~TVXdyntex() override;

  // The background without a tile; invalid (the default) leaves it
  // unpainted.
  QColor Color() const { return color_; }
  void setColor(const QColor& colour);
  QString tilekod() const { return tilekod_; }
  void setTilekod(const QString& code);
  // The tile cache (not owned; must outlive the control).
  void setTiler(TVXtiler* tiler);
  // Kept with the form; links are drawn in the fixed link colour.
  QColor laenkcolor() const { return laenkcolor_; }
  void setLaenkcolor(const QColor& colour) { laenkcolor_ = colour; }
  // 0 top, 1 centred, 2 bottom.
  int vertmode() const { return vertmode_; }
  void setVertmode(int mode);
  // A one-pixel black box round the control.
  bool visaruta() const { return visaruta_; }
  void setVisaruta(bool on);
  QCursor grabcursor() const { return grabcursor_; }
  void setGrabcursor(const QCursor& cursor) { grabcursor_ = cursor; }
  bool dragenable() const { return dragenable_; }
  void setDragenable(bool on) { dragenable_ = on; }
  bool parenttiler() const { return parenttiler_; }
  void setParenttiler(bool on);
  // The owner's own context menu (not owned), shown while there is no
  // copy menu.
  void setPopupMenu(QMenu* menu) { popup_menu_ = menu; }

  // The cursor over links for every display; Qt's pointing hand until the
  // program sets its own.
  static void SetLinkCursor(const QCursor& cursor);

  // Shows a copy of `text` (Windows-1252): clears the selection, lays out,
  // draws and removes the copy menu. An empty text after an empty text
  // does nothing.
  void SetText(std::string_view text);
  const std::string& Text() const { return text_; }
  // Lays the current text out again at the current size, and draws.
  void Relayout();
  // Draws with the current scroll state.
  void Redraw();
  // Scrolling: a pixel offset (pixel scrolling) or a first line (1-based);
  // both redraw.
  void SetPixelOffset(int offset);
  void SetFirstLine(int line);
  int ViewOffset() const { return kodtxt_.ViewOffset(); }
  // The laid-out height (laying out first when the size changed).
  int TotalHeight();
  const TVXkodtxt& Kodtxt() const { return kodtxt_; }

  // The target of the link under the mouse at the last press; empty when
  // none (or the link's target is empty).
  const std::string& LinkTarget() const { return link_target_; }

  void SetSelectionEnabled(bool on) { selection_enabled_ = on; }
  bool SelectionEnabled() const { return selection_enabled_; }
  // The selected text without codes, lines ending with CR LF, to the
  // clipboard; nothing without a selection.
  void CopySelection();
  // The "K&opiera" menu, present once a selection exists; else null.
  QMenu* CopyMenu() const { return copy_menu_.get(); }

  // Drops the off-screen image (an owner whose window closes or loses
  // focus); the next draw makes it again.
  void FreeBuffer() { buffer_ = QImage(); }
  bool HasBuffer() const { return !buffer_.isNull(); }

  // The whole text without codes, for screen readers.
  QString AccessibleText() const;

 signals:
  void Click();
  void DblClick();
  void MouseMove(QPoint position);
  // The vertical mouse movement since the previous report while dragging.
  void NyDrag(int delta);
  // The view scrolled by itself (while selecting past an edge).
  void NyPosition();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void EnsureLayout();
  bool Tiled() const;
  QPoint TileSource() const;
  void PaintContent(QPainter& painter);
  void PaintBuffered(QPainter& painter);
  void StartSelection(QPoint at);
  void ExtendSelection(QPoint at);
  int ScrollToward(int y);
  void AddCopyMenu();
  void UpdateCursor(QPoint at);

  QtTextMeasurer measurer_;
  TVXkodtxt kodtxt_;
  std::string text_;
  QSize laid_out_;  // the size of the last layout
  bool pixel_scrolling_ = false;
  int first_line_ = 1;

  QColor color_;
  QString tilekod_;
  TVXtiler* tiler_ = nullptr;
  QColor laenkcolor_ = QtRgb(kCodedLinkColour);
  int vertmode_ = 0;
  bool visaruta_ = false;
  QCursor grabcursor_{Qt::ClosedHandCursor};
  bool dragenable_ = false;
  bool parenttiler_ = false;
  QPointer<QMenu> popup_menu_;
  QImage buffer_;

  std::string link_target_;
  bool selection_enabled_ = false;
  bool selecting_ = false;
  int64_t anchor_ = -1;
  bool dragging_ = false;
  int drag_y_ = 0;
  std::unique_ptr<QMenu> copy_menu_;
};

}  // namespace vx

#endif  // VX_CONTROLS_TVX_DYNTEX_H_
