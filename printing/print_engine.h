// The print engine: pages of records or of a table, with a header on every
// page, drawn on a PrintCanvas. It decides everything about pagination and
// nothing about printers: the canvas draws, the monitor lets the window
// breathe and tells whether the user has cancelled.
#ifndef VX_PRINTING_PRINT_ENGINE_H_
#define VX_PRINTING_PRINT_ENGINE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codedtext/coded_text.h"
#include "printing/print_canvas.h"
#include "printing/print_layout.h"

namespace vx {

// At most this many records are read, and printed, in one job.
inline constexpr int kMaxPrintRecords = 10000;
// The range's end when none is given.
inline constexpr int kUnboundedPrintRange = 5000000;

// One record read for printing (Windows-1252 texts).
struct PrintItem {
  uint32_t record = 0;             // its number in the register's store
  std::string key;                 // its sort key for the print order
  std::string label;               // LOKALID, or "(" + POSTNUMMER + ")"
  std::string postnummer;          // its entry number in the source
  std::string text;                // its coded text (record prints)
  std::vector<std::string> cells;  // its table cells, in column order
  std::string group;               // its source (tables grouped by source)
};

// The indices of `items` in the order of their keys (folded, as every
// list of the program sorts), equal keys in reading order.
std::vector<size_t> SortPrintItems(const std::vector<PrintItem>& items);

class PrintMonitor {
 public:
  virtual ~PrintMonitor() = default;
  // Lets pending window messages through; false once the user cancelled.
  virtual bool KeepGoing() = 0;
  virtual void ShowStatus(std::string_view text) = 0;  // Windows-1252
  virtual void ShowProgress(int value, int maximum) = 0;
};

enum class PrintOutcome { kPrinted, kCancelled, kPrinterGaveUp };

// The positions of a range typed in two edits, 1-based in sorted order:
// not a number gives 0 and kUnboundedPrintRange.
struct PrintRange {
  int from = 0;
  int to = kUnboundedPrintRange;
};
PrintRange ParsePrintRange(std::string_view from, std::string_view to);

// What one print job of a register's hits is asked to print.
struct PrintRequest {
  int register_number = 1;
  bool table = false;
  PrintOrder order = PrintOrder::kName;
  PrintRange range;
  int hit_count = 0;  // for the progress bar while reading; 0 if unknown
};

// A monitor that never cancels and shows nothing.
class SilentPrintMonitor : public PrintMonitor {
 public:
  bool KeepGoing() override { return true; }
  void ShowStatus(std::string_view) override {}
  void ShowProgress(int, int) override {}
};

class PrintEngine {
 public:
  // `title` is the register set's heading, `header_line` the line under it
  // (print_layout.h); the engine's own words ("Sida", "Post:", its status
  // lines) are in `language`. The canvas and monitor must outlive the
  // engine.
  PrintEngine(PrintCanvas& canvas, PrintMonitor& monitor, std::string title,
              std::string header_line, Language language = Language::kSwedish);

  // Records one after another, "Post: <label>" (in the engine's language)
  // above each, separated by a
  // blank line and a thin rule; a record that does not fit under the one
  // before starts the next page without the separator.
  PrintOutcome PrintRecords(const std::vector<PrintItem>& items, const std::vector<size_t>& order,
                            PrintRange range);
  // One row per record under the column headings, repeated on every
  // page. A record listed twice prints once: the same record of the store,
  // or the same entry of the same source (POSTNUMMER and source alike)
  // right after it; `grouped` starts a "Källa: "
  // heading before every new source.
  PrintOutcome PrintTable(const std::vector<PrintColumn>& columns, bool grouped,
                          const std::vector<PrintItem>& items, const std::vector<size_t>& order,
                          PrintRange range);
  // One record alone, its label above it.
  PrintOutcome PrintSingleRecord(const PrintItem& item);

  int Pages() const { return page_; }
  const PrintGeometry& Geometry() const { return geometry_; }

 private:
  void StartFirstPage();
  void PrintPageHeader();
  // Unless the page is still empty: the next page and its header.
  bool NewPage();
  bool NewTablePage();
  int LinesLeft() const;

  // Lays `text` out from `top` to the bottom margin and draws what fits;
  // the y of its last line is where the next text may start.
  void DrawCodedText(std::string_view text, int top);
  int LayOut(std::string_view text, int top);
  bool PrintRecord(const PrintItem& item);

  void PrintColumnHeadings();
  bool PrintGroupHeading(std::string_view source);
  bool PrintTableRow(const std::vector<std::string>& cells);
  std::vector<std::string> Wrap(std::string_view text, int width) const;

  // Walks the sorted entries in range, calling `print` for each; the
  // monitor is asked before every one.
  template <typename Print>
  PrintOutcome ForEachInRange(const std::vector<PrintItem>& items, const std::vector<size_t>& order,
                              PrintRange range, Print print);

  PrintCanvas& canvas_;
  PrintMonitor& monitor_;
  std::string title_;
  std::string header_line_;
  Language language_;
  PrintGeometry geometry_;
  TVXkodtxt layout_;
  int page_ = 0;
  bool page_start_ = false;
  int y_ = 0;
  // Tables.
  int line_height_ = 1;
  std::vector<PrintColumn> columns_;
  std::vector<PlacedColumn> placed_;
};

}  // namespace vx

#endif  // VX_PRINTING_PRINT_ENGINE_H_
