// TVXpanel: a panel whose background is a part of a shared tile, so that a
// window of several panels looks like one surface, with corner ornaments
// from a figure cache.
//
// Painting: the border (bevels or, with nbstyle, the own one-pixel
// border), the tile inside the inset (see PanelBorder), the ornaments of
// `horn` placed by their codes one pixel further in, then the OnPaint hook.
// Without a tile the background is filled with the palette's window colour
// unless the panel is transparent.
#ifndef VX_CONTROLS_TVX_PANEL_H_
#define VX_CONTROLS_TVX_PANEL_H_

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "controls/panel_border.h"

namespace vx {

class TVXtiler;
class TVXfigurer;

class TVXpanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString tilekod READ tilekod WRITE setTilekod)
  Q_PROPERTY(QString horn READ horn WRITE setHorn)
  Q_PROPERTY(bool ejtopp READ ejtopp WRITE setEjtopp)
  Q_PROPERTY(bool nbstyle READ nbstyle WRITE setNbstyle)
  Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)

 public:
  explicit TVXpanel(QWidget* parent = nullptr);

  QString tilekod() const { return tilekod_; }
  void setTilekod(const QString& code);
  // The caches are not owned and must outlive the panel.
  void setTiler(TVXtiler* tiler);
  void setFigurer(TVXfigurer* figurer);
  // Ornament names separated by ";".
  void setHorn(const QString& names);
  QString horn() const { return horn_.join(';'); }
  bool ejtopp() const { return border_.ejtopp; }
  void setEjtopp(bool on);
  bool nbstyle() const { return border_.nbstyle; }
  void setNbstyle(bool on);
  // Bevels and border width; ejtopp and nbstyle are kept.
  void setBevels(Bevel outer, Bevel inner, int bevel_width, int border_width);
  const PanelBorder& border() const { return border_; }
  bool transparent() const { return transparent_; }
  void setTransparent(bool on);

  // A fixed tile point for the panel's top-left corner instead of the one
  // that follows its screen position; (-1, -1) unsets it.
  void setBackgroundOrigin(QPoint origin);
  // The tile point at the panel's top-left corner, as painted now.
  QPoint TileSource() const;

  // Called at the end of every paint, with the panel's painter.
  void setOnPaint(std::function<void(QPainter&)> on_paint) { on_paint_ = std::move(on_paint); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawOrnaments(QPainter& painter) const;

  QString tilekod_;
  TVXtiler* tiler_ = nullptr;
  TVXfigurer* figurer_ = nullptr;
  QStringList horn_;
  PanelBorder border_;
  bool transparent_ = false;
  QPoint fixed_origin_{-1, -1};
  std::function<void(QPainter&)> on_paint_;
};

}  // namespace vx

#endif  // VX_CONTROLS_TVX_PANEL_H_
