#include "printing/print_layout.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "engine/util/message.h"
#include "language/message_id.h"
#include "language/messages.h"
#include "records/list_columns.h"
#include "records/register_records.h"

namespace vx {
namespace {

int Pixels(double inches, int dpi) {
  return static_cast<int>(std::lround(inches * dpi));
}

}  // namespace

PrintGeometry MakePrintGeometry(int dpi_x, int dpi_y, int width, int height) {
  PrintGeometry g;
  g.dpi_x = std::max(dpi_x, 1);
  g.dpi_y = std::max(dpi_y, 1);
  g.width = std::max(width, 0);
  g.height = std::max(height, 0);
  const bool wide = g.width > 9 * g.dpi_x;
  g.left = Pixels(wide ? 0.55 : 0.95, g.dpi_x);
  g.right = g.width - Pixels(0.3, g.dpi_x);
  g.header_top = Pixels(0.5, g.dpi_y);
  g.header_line = Pixels(0.8, g.dpi_y);
  g.rule_y = g.dpi_y;
  g.rule_pen = g.dpi_y / 200;
  g.body_top = Pixels(1.2, g.dpi_y);
  g.bottom = g.height - Pixels(0.6, g.dpi_y);
  g.column_gap = Pixels(0.05, g.dpi_x);
  return g;
}

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

std::string PrintHeaderLine(int register_number, PrintOrder order, std::string_view date,
                            Language language) {
  MessageId in_order = MessageId::PrintInNameOrder;
  switch (order) {
    case PrintOrder::kDate:
      in_order = MessageId::PrintInDateOrder;
      break;
    case PrintOrder::kName:
      in_order = MessageId::PrintInNameOrder;
      break;
    case PrintOrder::kSource:
      in_order = MessageId::PrintInSourceOrder;
      break;
  }
  const std::string line = FormatMessage(CatalogueText(in_order, language), {date});
  static constexpr MessageId kRegisters[] = {
      MessageId::PrintHeaderBirths, MessageId::PrintHeaderMarriages, MessageId::PrintHeaderDeaths};
  if (register_number < kBirths || register_number > kDeaths) return line;
  return FormatMessage(CatalogueText(kRegisters[register_number - 1], language), {line});
}

std::string SingleRecordHeaderLine(std::string_view heading, std::string_view date,
                                   Language language) {
  return FormatMessage(CatalogueText(MessageId::PrintSingleRecord, language), {heading, date});
}

int TableLayoutFor(PrintOrder order) {
  return order == PrintOrder::kSource ? 3 : 1;
}

std::vector<PrintColumn> PrintColumnLayout(int register_number, int layout, Language language) {
  struct Entry {
    int kolumn;
    double inches;
  };
  // List columns: births 1 Född, 2 Namn, 3 Ort, 4 Far, 5 Mor, 6 Källa,
  // 7 Döpt; deaths 1 Död, 2 Namn, 3 Född, 4 Titel/ålder, 5 Ort, 6 Källa,
  // 7 Begr.; marriages 1..8 in their own order.
  static const std::vector<Entry> kBirthColumns1 = {{1, 0.7}, {2, 1.2}, {3, 2.5},
                                                    {4, 2.2}, {5, 2.2}, {6, 1.5}};
  static const std::vector<Entry> kBirthColumns3 = {{1, 0.7}, {7, 0.7}, {2, 1.7},
                                                    {3, 2.8}, {4, 2.2}, {5, 2.2}};
  static const std::vector<Entry> kMarriageColumns = {{1, 0.7}, {2, 1.5}, {3, 1.2}, {4, 1.2},
                                                      {5, 1.5}, {6, 1.2}, {7, 1.2}, {8, 1.6}};
  static const std::vector<Entry> kDeathColumns1 = {{1, 0.7}, {7, 0.7}, {2, 1.5}, {3, 0.7},
                                                    {4, 2.4}, {5, 2.7}, {6, 1.5}};
  static const std::vector<Entry> kDeathColumns3 = {{1, 0.7}, {7, 0.7}, {2, 2.0},
                                                    {3, 0.7}, {4, 2.6}, {5, 3.6}};
  const std::vector<Entry>* entries = nullptr;
  if (layout == 1 || layout == 3) {
    switch (register_number) {
      case kBirths:
        entries = layout == 1 ? &kBirthColumns1 : &kBirthColumns3;
        break;
      case kMarriages:
        entries = &kMarriageColumns;
        break;
      case kDeaths:
        entries = layout == 1 ? &kDeathColumns1 : &kDeathColumns3;
        break;
      default:
        break;
    }
  }
  std::vector<PrintColumn> columns;
  if (entries == nullptr) return columns;
  for (const Entry& entry : *entries)
    columns.push_back(
        {listrubrik(register_number, entry.kolumn, language), entry.kolumn, entry.inches});
  return columns;
}

int SourceColumn(int register_number) {
  return register_number == kMarriages ? 8 : 6;
}

int ColumnsWidth(const std::vector<PrintColumn>& columns, int dpi_x, int gap) {
  int width = 0;
  for (const PrintColumn& column : columns)
    width += Pixels(column.inches, dpi_x);
  if (!columns.empty()) width += gap * static_cast<int>(columns.size() - 1);
  return width;
}

bool TableNeedsLandscape(const std::vector<PrintColumn>& columns, double portrait_inches) {
  constexpr int kDpi = 1200;  // fine enough that rounding does not decide
  const PrintGeometry page =
      MakePrintGeometry(kDpi, kDpi, static_cast<int>(portrait_inches * kDpi), 11 * kDpi);
  return ColumnsWidth(columns, kDpi, page.column_gap) > page.right - page.left;
}

std::vector<PlacedColumn> PlaceColumns(const std::vector<PrintColumn>& columns, int dpi_x, int left,
                                       int gap, int available) {
  const int needed = ColumnsWidth(columns, dpi_x, gap);
  const int gaps = columns.empty() ? 0 : gap * static_cast<int>(columns.size() - 1);
  double scale = 1.0;
  if (needed > available && needed > gaps)
    scale = std::max(0.0, static_cast<double>(available - gaps) / (needed - gaps));
  std::vector<PlacedColumn> placed;
  int x = left;
  for (const PrintColumn& column : columns) {
    const int width = static_cast<int>(Pixels(column.inches, dpi_x) * scale);
    placed.push_back({x, std::max(width, 1)});
    x += placed.back().width + gap;
  }
  return placed;
}

namespace {

// Appends the words of one line of text (no CR) to `lines`, as many on a
// line as fit.
void WrapParagraph(std::string_view text, int width,
                   const std::function<int(std::string_view)>& measure,
                   std::vector<std::string>& lines) {
  std::string line;
  size_t at = 0;
  while (at < text.size()) {
    const size_t blank = text.find(' ', at);
    const size_t end = blank == std::string_view::npos ? text.size() : blank;
    std::string_view word = text.substr(at, end - at);
    at = end == text.size() ? end : end + 1;
    if (word.empty()) continue;
    std::string joined = line.empty() ? std::string(word) : line + ' ' + std::string(word);
    if (measure(joined) <= width) {
      line = std::move(joined);
      continue;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    // A word wider than the cell: as many characters on each line as fit,
    // at least one, so that every step makes progress.
    while (measure(word) > width && word.size() > 1) {
      size_t fit = 1;
      while (fit < word.size() && measure(word.substr(0, fit + 1)) <= width)
        ++fit;
      lines.emplace_back(word.substr(0, fit));
      word.remove_prefix(fit);
    }
    line = std::string(word);
  }
  if (!line.empty()) lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::string> WrapCellText(std::string_view text, int width,
                                      const std::function<int(std::string_view)>& measure) {
  std::vector<std::string> lines;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  size_t at = 0;
  while (at <= text.size() && !text.empty()) {
    const size_t cr = text.find('\r', at);
    const size_t end = cr == std::string_view::npos ? text.size() : cr;
    const size_t before = lines.size();
    WrapParagraph(text.substr(at, end - at), width, measure, lines);
    if (lines.size() == before) lines.emplace_back();  // an empty line between two CRs
    if (end == text.size()) break;
    at = end + 1;
  }
  return lines;
}

}  // namespace vx
