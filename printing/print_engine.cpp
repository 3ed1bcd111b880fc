#include "printing/print_engine.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>
#include <utility>

#include "engine/sort/sorter.h"
#include "engine/util/message.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {
namespace {

// The blank line and thin rule between two records; the blank line falls
// on the last line of the record before.
constexpr std::string_view kRecordSeparator = "[1]\r[L 2]\r";

int NumberOrDefault(std::string_view text, int fallback) {
  while (!text.empty() && text.front() == ' ')
    text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

}  // namespace

std::vector<size_t> SortPrintItems(const std::vector<PrintItem>& items) {
  Tvxsortera sorter;
  sorter.Init(items.size() + 1);
  for (size_t i = 0; i < items.size(); ++i)
    sorter.Add(items[i].key, static_cast<uint32_t>(i));
  sorter.Sort();
  std::vector<size_t> order;
  order.reserve(items.size());
  for (size_t i = 1; i <= sorter.Count(); ++i) {
    const SortEntry* entry = sorter.Entry(i);
    if (entry == nullptr) break;
    order.push_back(entry->value);
  }
  return order;
}

PrintRange ParsePrintRange(std::string_view from, std::string_view to) {
  return {NumberOrDefault(from, 0), NumberOrDefault(to, kUnboundedPrintRange)};
}

PrintEngine::PrintEngine(PrintCanvas& canvas, PrintMonitor& monitor, std::string title,
                         std::string header_line, Language language)
    : canvas_(canvas),
      monitor_(monitor),
      title_(std::move(title)),
      header_line_(std::move(header_line)),
      language_(language),
      geometry_(MakePrintGeometry(canvas.DpiX(), canvas.DpiY(), canvas.Width(), canvas.Height())) {
  layout_.SetMeasurer(&canvas_.CodedMeasurer());
  line_height_ = std::max(canvas_.FontHeight(PrintFont::kTable) * 10 / 8, 1);
}

void PrintEngine::StartFirstPage() {
  page_ = 1;
  PrintPageHeader();
}

void PrintEngine::PrintPageHeader() {
  const PrintGeometry& g = geometry_;
  canvas_.DrawText(PrintFont::kTitle, g.left, g.header_top, title_);
  const std::string page =
      FormatMessage(CatalogueText(MessageId::PrintPage, language_), {std::to_string(page_)});
  canvas_.DrawText(PrintFont::kTitle, g.right - canvas_.TextWidth(PrintFont::kTitle, page),
                   g.header_top, page);
  canvas_.DrawText(PrintFont::kHeaderLine, g.left, g.header_line, header_line_);
  canvas_.DrawRule(g.left, g.right, g.rule_y, std::max(g.rule_pen, 1));
  y_ = g.body_top;
  page_start_ = true;
}

bool PrintEngine::NewPage() {
  if (page_start_) return true;
  if (!canvas_.NewPage()) return false;
  ++page_;
  PrintPageHeader();
  return true;
}

int PrintEngine::LinesLeft() const {
  return (geometry_.bottom - y_) / line_height_;
}

template <typename Print>
PrintOutcome PrintEngine::ForEachInRange(const std::vector<PrintItem>& items,
                                         const std::vector<size_t>& order, PrintRange range,
                                         Print print) {
  const int first = std::max(range.from, 1);
  const int wanted = std::min({range.to - first + 1, kMaxPrintRecords,
                               static_cast<int>(std::min<size_t>(order.size(), kMaxPrintRecords))});
  monitor_.ShowStatus(CatalogueText(MessageId::PrintStatusRecord, language_));
  monitor_.ShowProgress(0, std::max(wanted, 0));
  int done = 0;
  for (size_t k = 1; k <= order.size(); ++k) {
    if (!monitor_.KeepGoing()) {
      canvas_.Abort();
      return PrintOutcome::kCancelled;
    }
    monitor_.ShowStatus(FormatMessage(CatalogueText(MessageId::PrintStatusPage, language_),
                                      {std::to_string(page_)}));
    const int position = static_cast<int>(k);
    if (position < range.from) continue;
    if (position > range.to || position > kMaxPrintRecords) break;
    if (order[k - 1] >= items.size()) continue;
    if (!print(items[order[k - 1]])) return PrintOutcome::kPrinterGaveUp;
    monitor_.ShowProgress(++done, std::max(wanted, done));
  }
  return PrintOutcome::kPrinted;
}

// ---- Records ----

int PrintEngine::LayOut(std::string_view text, int top) {
  layout_.SetArea(geometry_.right - geometry_.left, geometry_.bottom - top);
  layout_.SetText(text);
  layout_.Layout();
  return layout_.TotalHeight();
}

void PrintEngine::DrawCodedText(std::string_view text, int top) {
  LayOut(text, top);
  // What falls below the bottom margin is cut off with its whole line.
  std::vector<PaintedRun> runs = layout_.Render();
  const int area_height = geometry_.bottom - top;
  std::erase_if(runs, [&](const PaintedRun& run) {
    return run.run != nullptr && run.run->bottom > area_height;
  });
  canvas_.DrawCodedRuns(runs, geometry_.left, top);
  int last_line_top = 0;
  for (const PaintedRun& run : runs)
    last_line_top = std::max(last_line_top, run.y);
  page_start_ = false;
  y_ = top + last_line_top;
}

bool PrintEngine::PrintRecord(const PrintItem& item) {
  const std::string text =
      "[1]" + FormatMessage(CatalogueText(MessageId::PrintRecordLabel, language_), {item.label}) +
      "\r\r" + item.text;
  if (page_start_) {
    DrawCodedText(text, geometry_.body_top);
    return true;
  }
  const std::string separated = std::string(kRecordSeparator) + text;
  if (y_ + LayOut(separated, y_) <= geometry_.bottom) {
    DrawCodedText(separated, y_);
    return true;
  }
  if (!NewPage()) return false;
  DrawCodedText(text, geometry_.body_top);
  return true;
}

PrintOutcome PrintEngine::PrintRecords(const std::vector<PrintItem>& items,
                                       const std::vector<size_t>& order, PrintRange range) {
  StartFirstPage();
  return ForEachInRange(items, order, range,
                        [this](const PrintItem& item) { return PrintRecord(item); });
}

PrintOutcome PrintEngine::PrintSingleRecord(const PrintItem& item) {
  StartFirstPage();
  DrawCodedText("[1]" + item.label + "\r\r" + item.text, geometry_.body_top);
  return PrintOutcome::kPrinted;
}

// ---- Tables ----

std::vector<std::string> PrintEngine::Wrap(std::string_view text, int width) const {
  return WrapCellText(text, width, [this](std::string_view part) {
    return canvas_.TextWidth(PrintFont::kTable, part);
  });
}

void PrintEngine::PrintColumnHeadings() {
  std::vector<std::vector<std::string>> headings;
  size_t lines = 1;
  for (size_t c = 0; c < columns_.size(); ++c) {
    headings.push_back(Wrap(columns_[c].heading, placed_[c].width));
    lines = std::max(lines, headings.back().size());
  }
  for (size_t line = 0; line < lines; ++line) {
    for (size_t c = 0; c < headings.size(); ++c) {
      if (line < headings[c].size())
        canvas_.DrawText(PrintFont::kTable, placed_[c].x, y_, headings[c][line]);
    }
    y_ += line_height_;
  }
  const int end = placed_.empty() ? geometry_.right : placed_.back().x + placed_.back().width;
  const int rule_y = y_ + line_height_ / 4;
  canvas_.DrawRule(geometry_.left, end, rule_y, std::max(geometry_.rule_pen, 1));
  y_ = rule_y + line_height_;  // the body starts one line under the rule
}

bool PrintEngine::NewTablePage() {
  if (page_start_) return true;
  if (!NewPage()) return false;
  PrintColumnHeadings();
  return true;
}

// A blank line goes before the heading, at the top of a page too, unless
// the heading needed a new page of its own.
bool PrintEngine::PrintGroupHeading(std::string_view source) {
  if (LinesLeft() < 4 && !NewTablePage()) return false;
  if (LinesLeft() < 3) {
    if (!NewTablePage()) return false;
  } else {
    y_ += line_height_;
  }
  canvas_.DrawText(PrintFont::kTableBold, geometry_.left, y_,
                   FormatMessage(CatalogueText(MessageId::RecordSource, language_), {source}));
  y_ += line_height_;
  page_start_ = false;
  return true;
}

bool PrintEngine::PrintTableRow(const std::vector<std::string>& cells) {
  std::vector<std::vector<std::string>> wrapped;
  size_t lines = 1;
  for (size_t c = 0; c < placed_.size(); ++c) {
    wrapped.push_back(c < cells.size() ? Wrap(cells[c], placed_[c].width)
                                       : std::vector<std::string>{});
    lines = std::max(lines, wrapped.back().size());
  }
  if (!page_start_ && LinesLeft() < static_cast<int>(lines) && !NewTablePage()) return false;
  for (size_t line = 0; line < lines; ++line) {
    // A row taller than a page goes on over the next pages.
    if (LinesLeft() < 1 && !page_start_ && !NewTablePage()) return false;
    for (size_t c = 0; c < wrapped.size(); ++c) {
      if (line < wrapped[c].size() && !wrapped[c][line].empty())
        canvas_.DrawText(PrintFont::kTable, placed_[c].x, y_, wrapped[c][line]);
    }
    y_ += line_height_;
    page_start_ = false;
  }
  return true;
}

PrintOutcome PrintEngine::PrintTable(const std::vector<PrintColumn>& columns, bool grouped,
                                     const std::vector<PrintItem>& items,
                                     const std::vector<size_t>& order, PrintRange range) {
  columns_ = columns;
  placed_ = PlaceColumns(columns_, geometry_.dpi_x, geometry_.left, geometry_.column_gap,
                         geometry_.right - geometry_.left);
  StartFirstPage();
  PrintColumnHeadings();
  std::unordered_set<uint32_t> printed;
  const PrintItem* last = nullptr;
  bool first_group = true;
  std::string last_group;
  return ForEachInRange(items, order, range, [&](const PrintItem& item) {
    // An entry transcribed twice, or a record selected twice, prints once.
    // An entry without a number is never taken for another.
    const bool same_entry = last != nullptr && !item.postnummer.empty() &&
                            item.postnummer == last->postnummer && item.group == last->group;
    if (same_entry || !printed.insert(item.record).second) return true;
    last = &item;
    if (grouped && (first_group || item.group != last_group)) {
      first_group = false;
      last_group = item.group;
      if (!PrintGroupHeading(item.group)) return false;
    }
    return PrintTableRow(item.cells);
  });
}

}  // namespace vx
