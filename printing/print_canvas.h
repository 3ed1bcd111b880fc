// What the print engine needs of a printer: a page of known size and
// resolution, its fonts measured, text and rules drawn, and coded text
// measured and drawn. The desktop program gives one over Qt's printer (or
// PDF file); tests give one that records what was drawn.
#ifndef VX_PRINTING_PRINT_CANVAS_H_
#define VX_PRINTING_PRINT_CANVAS_H_

#include <string_view>
#include <vector>

#include "codedtext/coded_text.h"

namespace vx {

// The print fonts (the theme's): title and page number, the header line,
// table text, and its group headings.
enum class PrintFont { kTitle, kHeaderLine, kTable, kTableBold };

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  virtual int DpiX() const = 0;
  virtual int DpiY() const = 0;
  // The printable area in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Ends the page and starts the next; false when the printer has given up
  // the job.
  virtual bool NewPage() = 0;
  // Stops the job: nothing more reaches the printer.
  virtual void Abort() = 0;

  // Texts are Windows-1252.
  virtual int TextWidth(PrintFont font, std::string_view text) const = 0;
  // The font's pixel (em) height.
  virtual int FontHeight(PrintFont font) const = 0;
  // Draws `text` with its top at `top`.
  virtual void DrawText(PrintFont font, int x, int top, std::string_view text) = 0;
  // A black horizontal rule from x1 to x2 at y, `pen` pixels thick (at
  // least one).
  virtual void DrawRule(int x1, int x2, int y, int pen) = 0;

  // Measures coded text on this page's device.
  virtual const TextMeasurer& CodedMeasurer() const = 0;
  // Draws runs of a coded-text layout whose area's top-left corner is at
  // (x, y).
  virtual void DrawCodedRuns(const std::vector<PaintedRun>& runs, int x, int y) = 0;
};

}  // namespace vx

#endif  // VX_PRINTING_PRINT_CANVAS_H_
