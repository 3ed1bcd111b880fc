// The border of the program's panels and where their background tile
// comes from, shared by TVXpanel and TLMpanel.
#ifndef VX_CONTROLS_PANEL_BORDER_H_
#define VX_CONTROLS_PANEL_BORDER_H_

#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

namespace vx {

class TVXtiler;

enum class Bevel { kNone, kLowered, kRaised };

struct PanelBorder {
  Bevel outer = Bevel::kNone;
  Bevel inner = Bevel::kNone;
  int bevel_width = 1;
  int border_width = 0;
  // nbstyle: an own one-pixel border (light grey left and top, grey right
  // and bottom) instead of the bevels.
  bool nbstyle = false;
  // ejtopp: the background reaches the top edge; only the sides and the
  // bottom are inset.
  bool ejtopp = false;

  // The inset b: the outer bevel's width, 1 for an inner bevel, and the
  // border width; 1 with nbstyle.
  int Inset() const;
  // The part of `rect` the background tile covers.
  QRect BackgroundRect(const QRect& rect) const;
  // The area ornaments are placed in: one pixel inside the inset.
  QRect OrnamentRect(const QRect& rect) const;
  void Draw(QPainter& painter, const QRect& rect, const QPalette& palette) const;
};

// The point of the tile that belongs at `widget`'s top-left corner: its
// screen position minus the tiler's origin, so that neighbouring controls
// show adjacent parts of one picture.
QPoint TileSourceOf(const QWidget& widget, const TVXtiler& tiler);

// The same for a control inside a panel: with `parenttiler` the control's
// place in its parent (added to the parent's own tile point when the
// parent is a TVXpanel), else TileSourceOf.
QPoint ChildTileSource(const QWidget& widget, const TVXtiler& tiler, bool parenttiler);

// Paints tile `code` over `area` (widget coordinates) with `corner_source`
// at the widget's (0, 0). False when there is no tiler or no such tile.
bool PaintAlignedTile(QPainter& painter, TVXtiler* tiler, const QString& code, QPoint corner_source,
                      const QRect& area);

}  // namespace vx

#endif  // VX_CONTROLS_PANEL_BORDER_H_
