// The printed page without a printer: its geometry from the printer's
// resolution, the header texts, and the table columns of each register.
// Lengths are whole printer pixels.
#ifndef VX_PRINTING_PRINT_LAYOUT_H_
#define VX_PRINTING_PRINT_LAYOUT_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "language/language.h"

namespace vx {

// Print orders; the values are those of listnyckel's key types.
enum class PrintOrder { kDate = 1, kName = 2, kSource = 3 };

// Where things go on a page of `width` × `height` printable pixels.
struct PrintGeometry {
  int dpi_x = 0;
  int dpi_y = 0;
  int width = 0;   // printable width
  int height = 0;  // printable height
  int left = 0;    // the left margin's x
  int right = 0;   // the right margin's x
  int header_top = 0;
  int header_line = 0;
  int rule_y = 0;
  int rule_pen = 0;
  int body_top = 0;
  int bottom = 0;  // the y below which nothing is printed
  int column_gap = 0;
};

// The geometry of a page; the left margin narrows on pages wider than 9
// inches (landscape). Resolutions below 1 count as 1.
PrintGeometry MakePrintGeometry(int dpi_x, int dpi_y, int width, int height);

// "YYYY-MM-DD" of today's local date.
std::string TodayText();

// "Födda, i namnordning, 2026-12-07" and its kin, in `language`
// ("Births, in name order, 2026-12-07"; Windows-1252).
std::string PrintHeaderLine(int register_number, PrintOrder order, std::string_view date,
                            Language language = Language::kSwedish);
// "<heading>, enstaka post, 2026-12-07", for one record printed alone.
std::string SingleRecordHeaderLine(std::string_view heading, std::string_view date,
                                   Language language = Language::kSwedish);

// The two table layouts: 1 for the date and name orders, 3 for the source
// order (grouped by source).
int TableLayoutFor(PrintOrder order);

// One column of a printed table: its heading, the list column (listtext)
// whose text it shows, and its width.
struct PrintColumn {
  std::string heading;
  int kolumn = 0;
  double inches = 0;
};
// The columns of register 1..3's `layout` (1 or 3), headed in `language`;
// empty for another pair.
std::vector<PrintColumn> PrintColumnLayout(int register_number, int layout,
                                           Language language = Language::kSwedish);
// The list column whose text groups a source-ordered table (Källa).
int SourceColumn(int register_number);

// A column placed on the page.
struct PlacedColumn {
  int x = 0;
  int width = 0;
};
// The columns from `left`, each `gap` after the one before. Columns wider
// in all than `available` pixels are narrowed in proportion, so that the
// last one still ends on the paper.
std::vector<PlacedColumn> PlaceColumns(const std::vector<PrintColumn>& columns, int dpi_x, int left,
                                       int gap, int available);
// The width in pixels the columns need at `dpi_x`, gaps included.
int ColumnsWidth(const std::vector<PrintColumn>& columns, int dpi_x, int gap);
// Whether a table of `columns` is too wide for a portrait page whose
// printable width is `portrait_inches`, margins taken off: it is then
// printed in landscape.
bool TableNeedsLandscape(const std::vector<PrintColumn>& columns, double portrait_inches);

// The lines of a table cell `width` pixels wide: broken at blanks, a word
// wider than the cell broken where it must be, a CR starting a new line
// (a CR at the end starts none). An empty text has no lines.
std::vector<std::string> WrapCellText(std::string_view text, int width,
                                      const std::function<int(std::string_view)>& measure);

}  // namespace vx

#endif  // VX_PRINTING_PRINT_LAYOUT_H_
