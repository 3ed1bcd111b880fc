#include "desktop/output/printer_canvas.h"

#include <algorithm>
#include <cmath>

#include "controls/coded_text_painter.h"

namespace vx {
namespace {

QFont PrintFontAt(double points, bool bold, int dpi) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
  font.setBold(bold);
  // Widths add up per character, as the table's wrapping measures them.
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferQuality);
  return font;
}

}  // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer, QPainter& painter)
    : printer_(printer), painter_(painter), measurer_(printer.logicalDpiY(), &printer) {
  const int dpi = printer.logicalDpiY();
  fonts_[static_cast<size_t>(PrintFont::kTitle)] = PrintFontAt(11, true, dpi);
  fonts_[static_cast<size_t>(PrintFont::kHeaderLine)] = PrintFontAt(9, false, dpi);
  fonts_[static_cast<size_t>(PrintFont::kTable)] = PrintFontAt(10, false, dpi);
  fonts_[static_cast<size_t>(PrintFont::kTableBold)] = PrintFontAt(10, true, dpi);
  for (const QFont& font : fonts_)
    metrics_.emplace_back(font, &printer);
}

bool PrinterCanvas::NewPage() {
  if (aborted_ || printer_.printerState() == QPrinter::Aborted) return false;
  return printer_.newPage();
}

void PrinterCanvas::Abort() {
  aborted_ = true;
  printer_.abort();
}

int PrinterCanvas::TextWidth(PrintFont font, std::string_view text) const {
  return static_cast<int>(std::ceil(MetricsOf(font).horizontalAdvance(FromCp1252(text))));
}

int PrinterCanvas::FontHeight(PrintFont font) const {
  return FontOf(font).pixelSize();
}

void PrinterCanvas::DrawText(PrintFont font, int x, int top, std::string_view text) {
  if (aborted_) return;
  painter_.setFont(FontOf(font));
  painter_.setPen(Qt::black);
  painter_.drawText(QPointF(x, top + MetricsOf(font).ascent()), FromCp1252(text));
}

void PrinterCanvas::DrawRule(int x1, int x2, int y, int pen) {
  if (aborted_) return;
  const int thickness = std::max(pen, 1);
  painter_.fillRect(QRect(x1, y - thickness / 2, std::max(x2 - x1, 0), thickness), Qt::black);
}

void PrinterCanvas::DrawCodedRuns(const std::vector<PaintedRun>& runs, int x, int y) {
  if (aborted_) return;
  PaintCodedRuns(painter_, measurer_, runs, QPoint(x, y));
}

}  // namespace vx
