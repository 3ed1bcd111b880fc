// The print engine's canvas on a Qt printer (a printer Qt knows, or a PDF
// file), drawn through a painter already begun on it.
#ifndef VX_DESKTOP_OUTPUT_PRINTER_CANVAS_H_
#define VX_DESKTOP_OUTPUT_PRINTER_CANVAS_H_

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <array>
#include <vector>

#include "controls/qt_text_measurer.h"
#include "printing/print_canvas.h"

namespace vx {

class PrinterCanvas : public PrintCanvas {
 public:
  // `printer` and `painter` must outlive the canvas; the painter is active
  // on the printer.
  PrinterCanvas(QPrinter& printer, QPainter& painter);

  int DpiX() const override { return printer_.logicalDpiX(); }
  int DpiY() const override { return printer_.logicalDpiY(); }
  int Width() const override { return printer_.width(); }
  int Height() const override { return printer_.height(); }
  bool NewPage() override;
  void Abort() override;
  int TextWidth(PrintFont font, std::string_view text) const override;
  int FontHeight(PrintFont font) const override;
  void DrawText(PrintFont font, int x, int top, std::string_view text) override;
  void DrawRule(int x1, int x2, int y, int pen) override;
  const TextMeasurer& CodedMeasurer() const override { return measurer_; }
  void DrawCodedRuns(const std::vector<PaintedRun>& runs, int x, int y) override;

 private:
  const QFont& FontOf(PrintFont font) const { return fonts_[static_cast<size_t>(font)]; }
  const QFontMetricsF& MetricsOf(PrintFont font) const {
    return metrics_[static_cast<size_t>(font)];
  }

  QPrinter& printer_;
  QPainter& painter_;
  QtTextMeasurer measurer_;
  std::array<QFont, 4> fonts_;
  // Measured on the printer once: the table's wrapping asks for many widths.
  std::vector<QFontMetricsF> metrics_;
  bool aborted_ = false;
};

}  // namespace vx

#endif  // VX_DESKTOP_OUTPUT_PRINTER_CANVAS_H_
