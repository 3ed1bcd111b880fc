// TVXprinttex: coded text on a printer's canvas (or any QPainter) without
// a window. The text is measured with fonts made for the painter's device,
// so that a printer's finer resolution lays it out as the screen would at
// the same physical size.
//
// SetText copies the text and lays it out in `rect` less the margin on
// every side; Render draws the runs of the current view there. The print
// engine reads TotalHeight and scrolls through Kodtxt() between pages.
#ifndef VX_CONTROLS_TVX_PRINTTEX_H_
#define VX_CONTROLS_TVX_PRINTTEX_H_

#include <QPainter>
#include <QRect>
#include <memory>
#include <string>
#include <string_view>

#include "codedtext/coded_text.h"
#include "controls/qt_text_measurer.h"

namespace vx {

class TVXprinttex {
 public:
  void SetText(QPainter& painter, const QRect& rect, std::string_view text);
  // Lays the held text out again for `painter`'s device in `rect`.
  void Layout(QPainter& painter, const QRect& rect);
  // Draws the runs in view at the rectangle of the last layout.
  void Render(QPainter& painter);

  // Takes effect at the next layout (the vertical mode at once).
  void SetMargin(int margin) { margin_ = margin; }
  int Margin() const { return margin_; }
  void SetVerticalMode(VerticalMode mode) { kodtxt_.SetVerticalMode(mode); }

  int TotalHeight() const { return kodtxt_.TotalHeight(); }
  const std::string& Text() const { return text_; }
  TVXkodtxt& Kodtxt() { return kodtxt_; }
  // The measurer of the last layout; null before it.
  const QtTextMeasurer* Measurer() const { return measurer_.get(); }

 private:
  std::string text_;
  int margin_ = 0;
  QRect area_;
  std::unique_ptr<QtTextMeasurer> measurer_;
  TVXkodtxt kodtxt_;
};

}  // namespace vx

#endif  // VX_CONTROLS_TVX_PRINTTEX_H_
