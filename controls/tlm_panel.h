// TLMpanel: a panel drawn from a frame picture (and optionally a tab
// picture across its top) with a non-rectangular outline.
//
// The frame and tab are composed once into an image of the panel's size
// and repainted from it until a tile code, the split column, the tiler or
// the size changes. In the composed image the key colours of the pictures
// decide the rest: pure green RGB(0,255,0) is cut from the panel's window
// shape (its mask), pure red RGB(255,0,0) shows the background tile,
// aligned as TVXpanel aligns it (with parenttiler: by the panel's position
// inside its parent), or the panel's colour when there is no tile. Without
// a frame picture the panel is the tile alone, inside its border (filled
// with the panel's colour when there is no tile, unless transparent).
// A missing picture leaves its part unpainted.
//
// Composition, with W x H the panel's size and S the split column
// (topptileslutx, or W / 2 when 0):
// - frame only: each quarter of the panel (split at S and at H / 2) is the
//   matching corner of the frame picture, anchored to that corner;
// - frame and tab: the tab's rows fill the top, left of S from the tab's
//   left and right of S from its right; below them the bottom of the frame
//   picture, split at W / 2.
// A frame picture may carry a tab of its own across its top left: the
// columns of its first row that are not key green. With `flikslutx` set
// beyond that tab's right end, the top half is stretched in the tab's
// middle so that the tab ends there (its middle repeated, everything right
// of it moved along), and S is kept clear of the stretched tab: a tab
// grows with what it holds, and its outline and mask follow.
#ifndef VX_CONTROLS_TLM_PANEL_H_
#define VX_CONTROLS_TLM_PANEL_H_

#include <QImage>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/panel_border.h"

namespace vx {

class TVXtiler;

class TLMpanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString tilekod READ tilekod WRITE setTilekod)
  Q_PROPERTY(QString ramtilekod READ ramtilekod WRITE setRamtilekod)
  Q_PROPERTY(QString topptilekod READ topptilekod WRITE setTopptilekod)
  Q_PROPERTY(int topptileslutx READ topptileslutx WRITE setTopptileslutx)
  Q_PROPERTY(int flikslutx READ flikslutx WRITE setFlikslutx)
  Q_PROPERTY(bool parenttiler READ parenttiler WRITE setParenttiler)
  Q_PROPERTY(bool ejtopp READ ejtopp WRITE setEjtopp)
  Q_PROPERTY(bool nbstyle READ nbstyle WRITE setNbstyle)
  Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)

 public:
  explicit TLMpanel(QWidget* parent = nullptr);

  void setTilekod(const QString& code);
  void setRamtilekod(const QString& code);
  void setTopptilekod(const QString& code);
  void setTopptileslutx(int column);
  // The column where the frame picture's own tab ends at least; 0 (the
  // default) leaves the tab as drawn. Never narrows it.
  void setFlikslutx(int column);
  int flikslutx() const { return flikslutx_; }
  QString tilekod() const { return tilekod_; }
  QString ramtilekod() const { return ramtilekod_; }
  QString topptilekod() const { return topptilekod_; }
  int topptileslutx() const { return topptileslutx_; }
  // Frame, tab and background all come from this cache (not owned).
  void setTiler(TVXtiler* tiler);
  // The tile aligned by the panel's position inside its parent instead of
  // its screen position.
  bool parenttiler() const { return parenttiler_; }
  void setParenttiler(bool on);
  bool ejtopp() const { return border_.ejtopp; }
  void setEjtopp(bool on);
  bool nbstyle() const { return border_.nbstyle; }
  void setNbstyle(bool on);
  bool transparent() const { return transparent_; }
  void setTransparent(bool on);
  void setOnPaint(std::function<void(QPainter&)> on_paint) { on_paint_ = std::move(on_paint); }

  // How many times the frame has been composed; for checking that repaints
  // reuse it.
  int Compositions() const { return compositions_; }
  // The composed frame (null without a frame picture) and its red area.
  const QImage& Composed() const { return composed_; }
  const QRegion& InnerRegion() const { return inner_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Invalidate();
  void EnsureComposed();
  void Compose();
  void ComposeFrame(const QImage& frame, const QImage& tab);
  QImage Picture(const QString& code) const;
  QPoint TileSource() const;
  // The tile over `area`; without one, the panel's colour when `fill`.
  void PaintBackground(QPainter& painter, const QRect& area, bool fill);

  QString tilekod_;
  QString ramtilekod_;
  QString topptilekod_;
  int topptileslutx_ = 0;
  int flikslutx_ = 0;
  TVXtiler* tiler_ = nullptr;
  bool parenttiler_ = false;
  PanelBorder border_;
  bool transparent_ = false;
  std::function<void(QPainter&)> on_paint_;

  bool stale_ = true;
  QSize composed_size_;
  int compositions_ = 0;
  QImage composed_;
  QRegion inner_;  // red pixels, logical
};

}  // namespace vx

#endif  // VX_CONTROLS_TLM_PANEL_H_
