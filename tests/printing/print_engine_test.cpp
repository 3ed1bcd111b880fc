// The print engine on a canvas that records what it draws, page by page:
// 100 dpi, 8.5 × 11 inches printable, characters of fixed widths.
#include "printing/print_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "printing/print_layout.h"
#include "tests/support/text.h"

namespace vx {
namespace {

using testing::W;

class FixedMeasurer : public TextMeasurer {
 public:
  int Width(const CodedFont&, std::string_view text) const override {
    return 6 * static_cast<int>(text.size());
  }
  int Height(int level) const override { return 10 + level; }
};

struct Drawn {
  std::string text;  // "" for a rule
  int x = 0;
  int y = 0;
  bool coded = false;
};

class RecordingCanvas : public PrintCanvas {
 public:
  int DpiX() const override { return 100; }
  int DpiY() const override { return 100; }
  int Width() const override { return 850; }
  int Height() const override { return height; }
  bool NewPage() override {
    if (gives_up) return false;
    pages.emplace_back();
    return true;
  }
  void Abort() override { aborted = true; }
  int TextWidth(PrintFont, std::string_view text) const override {
    return 7 * static_cast<int>(text.size());
  }
  int FontHeight(PrintFont) const override { return 14; }
  void DrawText(PrintFont, int x, int top, std::string_view text) override {
    pages.back().push_back({std::string(text), x, top, false});
  }
  void DrawRule(int x1, int, int y, int) override { pages.back().push_back({"", x1, y, false}); }
  const TextMeasurer& CodedMeasurer() const override { return measurer; }
  void DrawCodedRuns(const std::vector<PaintedRun>& runs, int x, int y) override {
    for (const PaintedRun& run : runs)
      pages.back().push_back({run.run->rule ? "" : run.text, x + run.x, y + run.y, true});
  }

  // The texts of page `p` (0-based) below the header, in drawing order.
  std::vector<const Drawn*> Body(size_t p) const {
    std::vector<const Drawn*> body;
    for (const Drawn& d : pages[p])
      if (d.y >= 120) body.push_back(&d);
    return body;
  }

  // The record labels of page `p`, in drawing order.
  std::vector<std::string> Labels(size_t p) const {
    std::vector<std::string> labels;
    for (const Drawn& d : pages.at(p))
      if (d.text.rfind("Post: ", 0) == 0) labels.push_back(d.text);
    return labels;
  }
  // The top of the first text `text` on page `p`, or -1.
  int TopOf(size_t p, const std::string& text) const {
    for (const Drawn& d : pages.at(p))
      if (d.text == text) return d.y;
    return -1;
  }
  // The rule under the column headings of page `p`: the first rule below
  // the page header's.
  int HeadingRule(size_t p) const {
    for (const Drawn& d : pages.at(p))
      if (d.text.empty() && d.y > 100) return d.y;
    return -1;
  }

  FixedMeasurer measurer;
  std::vector<std::vector<Drawn>> pages{1};
  int height = 1100;
  bool aborted = false;
  bool gives_up = false;
};

class CountingMonitor : public PrintMonitor {
 public:
  bool KeepGoing() override { return ++asked <= allowed; }
  void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }
  void ShowProgress(int value, int) override { progress = value; }
  int asked = 0;
  int allowed = 1 << 30;
  int progress = 0;
  std::vector<std::string> statuses;
};

PrintItem Record(uint32_t record, std::string key, int lines) {
  PrintItem item;
  item.record = record;
  item.key = std::move(key);
  item.label = "L" + std::to_string(record);
  for (int i = 1; i <= lines; ++i)
    item.text += "Rad " + std::to_string(i) + "\r";
  return item;
}

std::vector<size_t> InOrder(size_t n) {
  std::vector<size_t> order(n);
  for (size_t i = 0; i < n; ++i)
    order[i] = i;
  return order;
}

bool Has(const std::vector<Drawn>& page, std::string_view text) {
  return std::any_of(page.begin(), page.end(), [&](const Drawn& d) { return d.text == text; });
}

TEST(PrintLayout, GeometryFollowsResolutionAndWidePagesNarrowTheLeftMargin) {
  const PrintGeometry portrait = MakePrintGeometry(100, 200, 850, 2200);
  EXPECT_EQ(portrait.left, 95);
  EXPECT_EQ(portrait.right, 820);
  EXPECT_EQ(portrait.header_top, 100);
  EXPECT_EQ(portrait.header_line, 160);
  EXPECT_EQ(portrait.rule_y, 200);
  EXPECT_EQ(portrait.rule_pen, 1);
  EXPECT_EQ(portrait.body_top, 240);
  EXPECT_EQ(portrait.bottom, 2200 - 120);
  EXPECT_EQ(portrait.column_gap, 5);
  EXPECT_EQ(MakePrintGeometry(100, 100, 1100, 850).left, 55);
  EXPECT_EQ(MakePrintGeometry(100, 100, 900, 850).left, 95);  // not more than 9 inches
}

// The header lines: each register's word and each order's, in both
// languages.
TEST(PrintLayout, HeaderLinesInEitherLanguage) {
  const struct {
    int r;
    PrintOrder order;
    Language language;
    const char* line;
  } cases[] = {
      {1, PrintOrder::kDate, Language::kSwedish, "Födda, i datumordning, 2026-12-07"},
      {2, PrintOrder::kName, Language::kSwedish, "Vigda, i namnordning, 2026-12-07"},
      {3, PrintOrder::kSource, Language::kSwedish, "Döda, i källans ordning, 2026-12-07"},
      {0, PrintOrder::kDate, Language::kSwedish, "i datumordning, 2026-12-07"},
      {1, PrintOrder::kSource, Language::kEnglish, "Births, in source order, 2026-12-07"},
      {2, PrintOrder::kName, Language::kEnglish, "Marriages, in name order, 2026-12-07"},
      {3, PrintOrder::kDate, Language::kEnglish, "Deaths, in date order, 2026-12-07"},
      {4, PrintOrder::kName, Language::kEnglish, "in name order, 2026-12-07"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PrintHeaderLine(c.r, c.order, "2026-12-07", c.language), W(c.line)) << c.line;
  EXPECT_EQ(SingleRecordHeaderLine(W("Kinne härad"), "2026-01-02", Language::kEnglish),
            W("Kinne härad, single record, 2026-01-02"));
  EXPECT_EQ(SingleRecordHeaderLine("Kinne", "2026-01-02", Language::kSwedish),
            "Kinne, enstaka post, 2026-01-02");
  EXPECT_EQ(PrintHeaderLine(1, PrintOrder::kName, "2026-12-07"),
            W("Födda, i namnordning, 2026-12-07"))
      << "Swedish unless told";
  const std::string today = TodayText();
  ASSERT_EQ(today.size(), 10u);
  EXPECT_EQ(today[4], '-');
  EXPECT_EQ(today[7], '-');
}

// The column headings of every table in both languages, and the table of
// each order.
TEST(PrintLayout, ColumnHeadingsInEitherLanguageAndTheLayoutOfEachOrder) {
  const struct {
    int r;
    int layout;
    Language language;
    const char* headings;
  } cases[] = {
      {1, 1, Language::kSwedish, "Född|Namn|Ort|Far|Mor|Källa|"},
      {1, 3, Language::kSwedish, "Född|Döpt|Namn|Ort|Far|Mor|"},
      {2, 1, Language::kSwedish,
       "Vigd|M, namn|M, titel/ålder|M, ort|K, namn|K, titel/ålder|K, ort|Källa|"},
      {2, 3, Language::kSwedish,
       "Vigd|M, namn|M, titel/ålder|M, ort|K, namn|K, titel/ålder|K, ort|Källa|"},
      {3, 1, Language::kSwedish, "Död|Begr.|Namn|Född|Titel/ålder|Ort|Källa|"},
      {3, 3, Language::kSwedish, "Död|Begr.|Namn|Född|Titel/ålder|Ort|"},
      {1, 1, Language::kEnglish, "Born|Name|Place|Father|Mother|Source|"},
      {1, 3, Language::kEnglish, "Born|Baptised|Name|Place|Father|Mother|"},
      {2, 1, Language::kEnglish,
       "Married|M, name|M, title/age|M, place|W, name|W, title/age|W, place|Source|"},
      {2, 3, Language::kEnglish,
       "Married|M, name|M, title/age|M, place|W, name|W, title/age|W, place|Source|"},
      {3, 1, Language::kEnglish, "Died|Buried|Name|Born|Title/age|Place|Source|"},
      {3, 3, Language::kEnglish, "Died|Buried|Name|Born|Title/age|Place|"},
      {4, 1, Language::kSwedish, ""},
      {1, 2, Language::kSwedish, ""},
  };
  for (const auto& c : cases) {
    std::string joined;
    for (const PrintColumn& column : PrintColumnLayout(c.r, c.layout, c.language))
      joined += column.heading + "|";
    EXPECT_EQ(joined, W(c.headings)) << c.r << " " << c.layout;
  }
  // Source order drops the source column, which its group headings name.
  EXPECT_EQ(TableLayoutFor(PrintOrder::kSource), 3);
  EXPECT_EQ(TableLayoutFor(PrintOrder::kName), 1);
  EXPECT_EQ(TableLayoutFor(PrintOrder::kDate), 1);
}

TEST(PrintLayout, WideTablesTurnToLandscapeAndAreNarrowedWhenStillTooWide) {
  const std::vector<PrintColumn> births = PrintColumnLayout(1, 1);
  EXPECT_TRUE(TableNeedsLandscape(births, 8.27));    // A4 portrait
  EXPECT_FALSE(TableNeedsLandscape(births, 11.69));  // A4 landscape
  // 10.3 inches of columns and five gaps on 9.5 inches: narrowed in
  // proportion, the last one ending at the edge.
  const std::vector<PlacedColumn> placed = PlaceColumns(births, 100, 55, 5, 950);
  ASSERT_EQ(placed.size(), births.size());
  EXPECT_LE(placed.back().x + placed.back().width, 55 + 950);
  EXPECT_GE(placed.back().x + placed.back().width, 55 + 950 - 6);
  EXPECT_LT(placed[0].width, 70);
  const std::vector<PlacedColumn> roomy = PlaceColumns(births, 100, 55, 5, 2000);
  EXPECT_EQ(roomy[0].width, 70);
  EXPECT_EQ(roomy[1].x, 55 + 70 + 5);
}

TEST(PrintLayout, CellsWrapAtBlanksBreakLongWordsAndKeepLineBreaks) {
  auto measure = [](std::string_view t) { return static_cast<int>(t.size()); };
  EXPECT_EQ(WrapCellText("Anna Maria Persdotter", 11, measure),
            (std::vector<std::string>{"Anna Maria", "Persdotter"}));
  EXPECT_EQ(WrapCellText("Skattegardsbacken", 5, measure),
            (std::vector<std::string>{"Skatt", "egard", "sback", "en"}));
  EXPECT_EQ(WrapCellText("a\r\rb\r", 10, measure), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(WrapCellText("", 10, measure).empty());
  EXPECT_EQ(WrapCellText("x", 0, measure), (std::vector<std::string>{"x"}));  // still progresses
}

TEST(PrintLayout, RangesThatAreNotNumbersFallBack) {
  const auto range = [](const char* from, const char* to) {
    const PrintRange r = ParsePrintRange(from, to);
    return std::pair(r.from, r.to);
  };
  EXPECT_EQ(range("3", "5"), std::pair(3, 5));
  EXPECT_EQ(range("", ""), std::pair(0, kUnboundedPrintRange));
  EXPECT_EQ(range("tre", "5x"), std::pair(0, kUnboundedPrintRange));
  EXPECT_EQ(range(" 7 ", "").first, 7);
}

TEST(PrintItems, SortInFoldedOrderWithTiesInReadingOrder) {
  std::vector<PrintItem> items(4);
  items[0].key = W("Åberg");  // sorts after Z
  items[1].key = "zetterberg";
  items[2].key = "Andersson";
  items[3].key = "andersson";
  EXPECT_EQ(SortPrintItems(items), (std::vector<size_t>{2, 3, 1, 0}));
}

TEST(PrintEngine, RecordsThatDoNotFitStartTheNextPageWithoutTheSeparator) {
  RecordingCanvas canvas;
  CountingMonitor monitor;
  std::vector<PrintItem> items;
  for (uint32_t r = 1; r <= 6; ++r)
    items.push_back(Record(r, "k", 25 + static_cast<int>(r)));
  PrintEngine engine(canvas, monitor, "Rubrik", W("Födda, i namnordning, 2026-12-07"));
  ASSERT_EQ(engine.PrintRecords(items, InOrder(items.size()), {}), PrintOutcome::kPrinted);
  ASSERT_GT(canvas.pages.size(), 2u);
  EXPECT_EQ(engine.Pages(), static_cast<int>(canvas.pages.size()));
  std::vector<std::string> seen;
  for (size_t p = 0; p < canvas.pages.size(); ++p) {
    EXPECT_TRUE(Has(canvas.pages[p], "Sida " + std::to_string(p + 1)));
    EXPECT_TRUE(Has(canvas.pages[p], "Rubrik"));
    const std::vector<const Drawn*> body = canvas.Body(p);
    ASSERT_FALSE(body.empty());
    // Every page starts with a record's label at the body's top, no rule.
    EXPECT_EQ(body.front()->text.rfind("Post: L", 0), 0u) << "page " << p + 1;
    EXPECT_EQ(body.front()->y, 120);
    for (size_t i = 0; i < body.size(); ++i) {
      EXPECT_LE(body[i]->y + 13, 1040) << body[i]->text;
      if (body[i]->text.rfind("Post: ", 0) != 0) continue;
      seen.push_back(body[i]->text);
      // A record under another has the thin rule just above its label.
      if (i > 0) {
        EXPECT_TRUE(body[i - 1]->coded && body[i - 1]->text.empty()) << body[i]->text;
      }
    }
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"Post: L1", "Post: L2", "Post: L3", "Post: L4",
                                            "Post: L5", "Post: L6"}));
}

TEST(PrintEngine, RangeCountsSortedPositionsAndTheSameRecordTwicePrintsTwice) {
  RecordingCanvas canvas;
  CountingMonitor monitor;
  std::vector<PrintItem> items = {Record(1, "e", 1), Record(2, "d", 1), Record(3, "c", 1),
                                  Record(4, "b", 1), Record(5, "a", 1), Record(5, "a", 1)};
  PrintEngine engine(canvas, monitor, "R", "H");
  engine.PrintRecords(items, SortPrintItems(items), ParsePrintRange("3", "5"));
  EXPECT_EQ(canvas.Labels(0), (std::vector<std::string>{"Post: L4", "Post: L3", "Post: L2"}));
  EXPECT_EQ(monitor.progress, 3);

  RecordingCanvas all_canvas;
  PrintEngine all(all_canvas, monitor, "R", "H");
  all.PrintRecords(items, SortPrintItems(items), {});
  EXPECT_EQ(all_canvas.Labels(0), (std::vector<std::string>{"Post: L5", "Post: L5", "Post: L4",
                                                            "Post: L3", "Post: L2", "Post: L1"}));
}

TEST(PrintEngine, TablesRepeatHeadingsGroupBySourceAndPrintARecordOnce) {
  RecordingCanvas canvas;
  CountingMonitor monitor;
  const std::vector<PrintColumn> columns = PrintColumnLayout(1, 3);
  std::vector<PrintItem> items;
  for (uint32_t r = 1; r <= 120; ++r) {
    PrintItem item;
    item.record = r;
    item.postnummer = r == 6 ? "" : std::to_string(r);
    item.key = (r <= 60 ? "A" : "B") + std::to_string(1000 + r);
    item.group = r <= 60 ? "Kinne C:1" : "Husaby C:2";
    item.cells = {
        "1750-01-0" + std::to_string(r % 10), "", "Namn " + std::to_string(r), "Ort", "Far", "Mor"};
    items.push_back(item);
  }
  items.push_back(items[10]);  // selected through a second name
  PrintItem transcribed_twice = items[20];
  transcribed_twice.record = 500;
  items.push_back(transcribed_twice);
  PrintItem unnumbered = items[5];  // no entry number: never the same entry
  unnumbered.record = 501;
  items.push_back(unnumbered);
  PrintEngine engine(canvas, monitor, "R", "H");
  ASSERT_EQ(engine.PrintTable(columns, true, items, SortPrintItems(items), {}),
            PrintOutcome::kPrinted);
  ASSERT_GE(canvas.pages.size(), 3u);
  int rows_of_11 = 0, rows_of_21 = 0, rows_of_6 = 0, group_headings = 0;
  for (size_t p = 0; p < canvas.pages.size(); ++p) {
    const std::vector<const Drawn*> body = canvas.Body(p);
    ASSERT_GE(body.size(), 2u);
    EXPECT_EQ(body[0]->text, W("Född")) << "page " << p + 1;  // headings on every page
    for (const Drawn* d : body) {
      rows_of_11 += d->text == "Namn 11";
      rows_of_21 += d->text == "Namn 21";
      rows_of_6 += d->text == "Namn 6";
      if (d->text.rfind(W("Källa: "), 0) == 0) ++group_headings;
      EXPECT_LE(d->y + 17, 1040);
    }
  }
  EXPECT_EQ(rows_of_11, 1);
  EXPECT_EQ(rows_of_21, 1);
  EXPECT_EQ(rows_of_6, 2);
  EXPECT_EQ(group_headings, 2);
  EXPECT_TRUE(Has(canvas.pages[0], W("Källa: Kinne C:1")));
}

TEST(PrintEngine, ARowTallerThanAPageGoesOnOverTheNextPages) {
  RecordingCanvas canvas;
  canvas.height = 300;  // room for a few lines under the headings
  CountingMonitor monitor;
  const std::vector<PrintColumn> columns = PrintColumnLayout(2, 1);
  PrintItem item;
  item.cells.assign(8, "");
  for (int i = 1; i <= 30; ++i)
    item.cells[1] += "Rad" + std::to_string(i) + "\r";
  PrintEngine engine(canvas, monitor, "R", "H");
  engine.PrintTable(columns, false, {item}, {0}, {});
  ASSERT_GT(canvas.pages.size(), 3u);
  int lines = 0;
  for (size_t p = 0; p < canvas.pages.size(); ++p) {
    EXPECT_EQ(canvas.Body(p).front()->text, "Vigd");
    for (const Drawn* d : canvas.Body(p))
      lines += d->text.rfind("Rad", 0) == 0;
  }
  EXPECT_EQ(lines, 30);
}

TEST(PrintEngine, CancellingAbortsThePrinterAndPrintsNoMore) {
  RecordingCanvas canvas;
  CountingMonitor monitor;
  monitor.allowed = 3;
  std::vector<PrintItem> items;
  for (uint32_t r = 1; r <= 10; ++r)
    items.push_back(Record(r, "k", 1));
  PrintEngine engine(canvas, monitor, "R", "H");
  EXPECT_EQ(engine.PrintRecords(items, InOrder(items.size()), {}), PrintOutcome::kCancelled);
  EXPECT_TRUE(canvas.aborted);
  EXPECT_EQ(monitor.progress, 3);

  RecordingCanvas refusing;
  refusing.gives_up = true;
  CountingMonitor patient;
  std::vector<PrintItem> long_items;
  for (uint32_t r = 1; r <= 5; ++r)
    long_items.push_back(Record(r, "k", 60));
  PrintEngine given_up(refusing, patient, "R", "H");
  EXPECT_EQ(given_up.PrintRecords(long_items, InOrder(5), {}), PrintOutcome::kPrinterGaveUp);
}

TEST(PrintEngine, ASingleRecordCarriesItsLabelAlone) {
  RecordingCanvas canvas;
  CountingMonitor monitor;
  PrintEngine engine(canvas, monitor, "R", SingleRecordHeaderLine("R", "2026-12-07"));
  engine.PrintSingleRecord(Record(7, "", 2));
  EXPECT_TRUE(Has(canvas.pages[0], "L7"));
  EXPECT_TRUE(Has(canvas.pages[0], "R, enstaka post, 2026-12-07"));
  EXPECT_FALSE(Has(canvas.pages[0], "Post: L7"));
  EXPECT_EQ(canvas.pages.size(), 1u);
}

// The engine's own words on the page and in its status lines, in either
// language: the page number, the record label and the source heading.
TEST(PrintEngine, ItsOwnWordsAreInTheChosenLanguage) {
  const struct {
    Language language;
    const char* page;
    const char* label;
    const char* source;
    const char* status_record;
    const char* status_page;
  } cases[] = {
      {Language::kSwedish, "Sida 1", "Post: L1", "Källa: Kinne C:1",
       "Skriver ut post:", "Skriver sida: 1"},
      {Language::kEnglish, "Page 1", "Record: L1", "Source: Kinne C:1",
       "Printing record:", "Printing page: 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.page);
    std::vector<PrintItem> items = {Record(1, "a", 2)};
    items[0].group = "Kinne C:1";
    items[0].cells = {"1750-01-01", "", "Namn 1", "Ort", "Far", "Mor"};
    RecordingCanvas records;
    CountingMonitor record_monitor;
    PrintEngine record_engine(records, record_monitor, "R", "H", c.language);
    ASSERT_EQ(record_engine.PrintRecords(items, InOrder(1), {}), PrintOutcome::kPrinted);
    EXPECT_TRUE(Has(records.pages[0], c.page));
    EXPECT_TRUE(Has(records.pages[0], c.label));
    ASSERT_GE(record_monitor.statuses.size(), 2u);
    EXPECT_EQ(record_monitor.statuses[0], c.status_record);
    EXPECT_EQ(record_monitor.statuses[1], c.status_page);

    RecordingCanvas table;
    CountingMonitor table_monitor;
    PrintEngine table_engine(table, table_monitor, "R", "H", c.language);
    ASSERT_EQ(
        table_engine.PrintTable(PrintColumnLayout(1, 3, c.language), true, items, InOrder(1), {}),
        PrintOutcome::kPrinted);
    EXPECT_TRUE(Has(table.pages[0], c.page));
    EXPECT_TRUE(Has(table.pages[0], W(c.source)));
  }
}

// Where the table print puts its first body line and its group headings:
// the body starts one line under the rule below the column headings, and a
// group heading has its blank line before it, at the top of a page too.
constexpr int kLine = 17;  // 14 * 10 / 8

// Births by source (layout 3): `first` rows of source A, then `second` of B.
std::vector<PrintItem> TwoSources(int first, int second) {
  std::vector<PrintItem> items;
  for (int i = 1; i <= first + second; ++i) {
    PrintItem item;
    item.record = static_cast<uint32_t>(i);
    item.postnummer = std::to_string(i);
    item.group = i <= first ? "A" : "B";
    // Short cells, so that no row wraps in the narrowed columns.
    item.cells = {"1750", "", "N" + std::to_string(i), "O", "F", "M"};
    items.push_back(item);
  }
  return items;
}

// The table of `items` in `layout`, grouped by source in layout 3.
void PrintTableOf(RecordingCanvas& canvas, int layout, const std::vector<PrintItem>& items) {
  SilentPrintMonitor monitor;
  PrintEngine engine(canvas, monitor, "R", "H");
  EXPECT_EQ(engine.PrintTable(PrintColumnLayout(1, layout), layout == 3, items,
                              InOrder(items.size()), {}),
            PrintOutcome::kPrinted);
}

TEST(TableHeadings, BodyStartsOneLineUnderTheHeadingRule) {
  RecordingCanvas canvas;
  PrintTableOf(canvas, 1, TwoSources(2, 0));
  const int rule = canvas.HeadingRule(0);
  ASSERT_GT(rule, canvas.TopOf(0, "Namn"));
  EXPECT_EQ(canvas.TopOf(0, "N1"), rule + kLine);
  EXPECT_EQ(canvas.TopOf(0, "N2"), rule + 2 * kLine);
}

TEST(TableHeadings, GroupHeadingHasItsBlankLineUnderRowsAndAtTheTopOfAPage) {
  RecordingCanvas canvas;
  // 46 rows of A leave 3 lines on the first page: B starts the second.
  PrintTableOf(canvas, 3, TwoSources(46, 1));
  ASSERT_EQ(canvas.pages.size(), 2u);
  for (size_t p = 0; p < 2; ++p) {
    const std::string heading = p == 0 ? "K\xE4lla: A" : "K\xE4lla: B";
    const int body = canvas.HeadingRule(p) + kLine;
    EXPECT_EQ(canvas.TopOf(p, heading), body + kLine) << "a blank line before " << heading;
  }
  EXPECT_EQ(canvas.TopOf(0, "N1"), canvas.TopOf(0, "K\xE4lla: A") + kLine);
  EXPECT_EQ(canvas.TopOf(1, "N47"), canvas.TopOf(1, "K\xE4lla: B") + kLine);
  EXPECT_EQ(canvas.TopOf(0, "N46"), canvas.TopOf(0, "N1") + 45 * kLine);
  // Under rows it follows a blank line too.
  RecordingCanvas under_rows;
  PrintTableOf(under_rows, 3, TwoSources(3, 1));
  ASSERT_EQ(under_rows.pages.size(), 1u);
  EXPECT_EQ(under_rows.TopOf(0, "K\xE4lla: B"), under_rows.TopOf(0, "N3") + 2 * kLine);
}

}  // namespace
}  // namespace vx
