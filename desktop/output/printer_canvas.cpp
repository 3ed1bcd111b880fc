#include "desktop/output/printer_canvas.h"

#include <algorithm>
#include <cmath>

#include "controls/coded_text_painter.h"
#include "controls/qt_theme.h"

namespace vx {
namespace {

QFont PrintFontAt(const theme::Font& theme_font, int dpi) {
  QFont font = QtFont(theme_font, dpi);
  // Widths add up per character, as the table's wrapping measures them.
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferQuality);
  return font;
}

}  // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer, QPainter& painter)
    : printer_(printer), painter_(painter), measurer_(printer.logicalDpiY(), &printer) {
  const int dpi = printer.logicalDpiY();
  fonts_[static_cast<size_t>(PrintFont::kTitle)] = PrintFontAt(theme::kPrintTitleFont, dpi);
  fonts_[static_cast<size_t>(PrintFont::kHeaderLine)] = PrintFontAt(theme::kPrintHeaderFont, dpi);
  fonts_[static_cast<size_t>(PrintFont::kTable)] = PrintFontAt(theme::kPrintTableFont, dpi);
  fonts_[static_cast<size_t>(PrintFont::kTableBold)] = PrintFontAt(theme::kPrintGroupFont, dpi);
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
  painter_.setPen(QtColor(theme::kPrintInk));
  painter_.drawText(QPointF(x, top + MetricsOf(font).ascent()), FromCp1252(text));
}

void PrinterCanvas::DrawRule(int x1, int x2, int y, int pen) {
  if (aborted_) return;
  const int thickness = std::max(pen, 1);
  painter_.fillRect(QRect(x1, y - thickness / 2, std::max(x2 - x1, 0), thickness),
                    QtColor(theme::kPrintInk));
}

void PrinterCanvas::DrawCodedRuns(const std::vector<PaintedRun>& runs, int x, int y) {
  if (aborted_) return;
  PaintCodedRuns(painter_, measurer_, runs, QPoint(x, y));
}

}  // namespace vx
