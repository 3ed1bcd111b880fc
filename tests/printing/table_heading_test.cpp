// Where the table print puts its first body line and its group headings:
// the body starts one line under the rule below the column headings, and a
// group heading has its blank line before it, at the top of a page too.
// The canvas records what is drawn: 100 dpi, 8.5 × 11 inches, table lines
// of 17 pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/print_engine.h"

namespace vx {
namespace {

class FixedMeasurer : public TextMeasurer {
 public:
  int Width(const CodedFont&, std::string_view text) const override {
    return 6 * static_cast<int>(text.size());
  }
  int Height(int level) const override { return 10 + level; }
};

struct Drawn {
  std::string text;  // "" for a rule
  int y = 0;
};

class RecordingCanvas : public PrintCanvas {
 public:
  int DpiX() const override { return 100; }
  int DpiY() const override { return 100; }
  int Width() const override { return 850; }
  int Height() const override { return 1100; }
  bool NewPage() override {
    pages.emplace_back();
    return true;
  }
  void Abort() override {}
  int TextWidth(PrintFont, std::string_view text) const override {
    return 7 * static_cast<int>(text.size());
  }
  int FontHeight(PrintFont) const override { return 14; }
  void DrawText(PrintFont, int, int top, std::string_view text) override {
    pages.back().push_back({std::string(text), top});
  }
  void DrawRule(int, int, int y, int) override { pages.back().push_back({"", y}); }
  const TextMeasurer& CodedMeasurer() const override { return measurer; }
  void DrawCodedRuns(const std::vector<PaintedRun>&, int, int) override {}

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
};

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

std::vector<size_t> InOrder(size_t n) {
  std::vector<size_t> order(n);
  for (size_t i = 0; i < n; ++i)
    order[i] = i;
  return order;
}

TEST(TableHeadings, BodyStartsOneLineUnderTheHeadingRule) {
  RecordingCanvas canvas;
  SilentPrintMonitor monitor;
  PrintEngine engine(canvas, monitor, "R", "H");
  const std::vector<PrintItem> items = TwoSources(2, 0);
  ASSERT_EQ(engine.PrintTable(PrintColumnLayout(1, 1), false, items, InOrder(items.size()), {}),
            PrintOutcome::kPrinted);
  const int rule = canvas.HeadingRule(0);
  ASSERT_GT(rule, canvas.TopOf(0, "Namn"));
  EXPECT_EQ(canvas.TopOf(0, "N1"), rule + kLine);
  EXPECT_EQ(canvas.TopOf(0, "N2"), rule + 2 * kLine);
}

TEST(TableHeadings, GroupHeadingHasItsBlankLineAtTheTopOfAPageToo) {
  RecordingCanvas canvas;
  SilentPrintMonitor monitor;
  PrintEngine engine(canvas, monitor, "R", "H");
  // 46 rows of A leave 3 lines on the first page: B starts the second.
  const std::vector<PrintItem> items = TwoSources(46, 1);
  ASSERT_EQ(engine.PrintTable(PrintColumnLayout(1, 3), true, items, InOrder(items.size()), {}),
            PrintOutcome::kPrinted);
  ASSERT_EQ(canvas.pages.size(), 2u);
  for (size_t p = 0; p < 2; ++p) {
    const std::string heading = p == 0 ? "K\xE4lla: A" : "K\xE4lla: B";
    const int body = canvas.HeadingRule(p) + kLine;
    EXPECT_EQ(canvas.TopOf(p, heading), body + kLine) << "a blank line before " << heading;
  }
  EXPECT_EQ(canvas.TopOf(0, "N1"), canvas.TopOf(0, "K\xE4lla: A") + kLine);
  EXPECT_EQ(canvas.TopOf(1, "N47"), canvas.TopOf(1, "K\xE4lla: B") + kLine);
  EXPECT_EQ(canvas.TopOf(0, "N46"), canvas.TopOf(0, "N1") + 45 * kLine);
}

TEST(TableHeadings, GroupHeadingUnderRowsFollowsABlankLine) {
  RecordingCanvas canvas;
  SilentPrintMonitor monitor;
  PrintEngine engine(canvas, monitor, "R", "H");
  const std::vector<PrintItem> items = TwoSources(3, 1);
  ASSERT_EQ(engine.PrintTable(PrintColumnLayout(1, 3), true, items, InOrder(items.size()), {}),
            PrintOutcome::kPrinted);
  ASSERT_EQ(canvas.pages.size(), 1u);
  EXPECT_EQ(canvas.TopOf(0, "K\xE4lla: B"), canvas.TopOf(0, "N3") + 2 * kLine);
}

}  // namespace
}  // namespace vx
