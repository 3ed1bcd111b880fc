// Scrolling, painting, selection and hit tests of laid-out coded texts,
// with the measurer of coded_text_test.cpp: a character is 5 + level
// pixels wide (7 at level 2), one more in bold; lines of level 2 are 15
// pixels high.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "codedtext/coded_text.h"

namespace vx {
namespace {

class FixedMeasurer : public TextMeasurer {
 public:
  explicit FixedMeasurer(int extra = 0) : extra_(extra) {}
  int Width(const CodedFont& font, std::string_view text) const override {
    return (5 + extra_ + font.level + (font.bold ? 1 : 0)) * static_cast<int>(text.size());
  }
  int Height(int level) const override { return 10 + level; }

 private:
  int extra_;
};

const FixedMeasurer kMeasurer;

TVXkodtxt LaidOut(std::string_view text, int height = 100) {
  TVXkodtxt k;
  k.SetMeasurer(&kMeasurer);
  k.SetArea(1000, height);
  k.SetText(text);
  k.Layout();
  return k;
}

// Each piece as "text x,y+width", a rule as "~ x,y+width", with "*" for a
// selected piece and "!" for a highlighted one.
std::string Painted(const std::vector<PaintedRun>& pieces) {
  std::string out;
  for (const PaintedRun& p : pieces) {
    if (!out.empty()) out += " | ";
    out += p.run->rule != 0 ? "~" : p.text;
    out += " " + std::to_string(p.x) + "," + std::to_string(p.y) + "+" + std::to_string(p.width);
    if (p.opaque) out += p.background == kCodedSelectionBack ? "*" : "!";
  }
  return out;
}

TEST(CodedView, VerticalModesAndScrolling) {
  TVXkodtxt k = LaidOut("a\rb\rc");
  EXPECT_EQ(k.TotalHeight(), 45);
  EXPECT_EQ(Painted(k.Render()), "a 0,0+7 | b 0,15+7 | c 0,30+7");
  k.SetVerticalMode(VerticalMode::kCentre);
  EXPECT_EQ(k.ViewOffset(), -27);
  EXPECT_EQ(k.Render().front().y, 27);
  k.SetVerticalMode(VerticalMode::kBottom);
  EXPECT_EQ(k.Render().front().y, 55);
  EXPECT_FALSE(k.RunsOutsideView());

  k = LaidOut("0\r1\r2\r3\r4\r5\r6\r7\r8\r9");
  k.SetVerticalMode(VerticalMode::kCentre);
  EXPECT_EQ(k.ViewOffset(), 25);
  EXPECT_EQ(Painted(k.Render()).substr(0, 17), "1 0,-10+7 | 2 0,5");
  EXPECT_TRUE(k.RunsOutsideView());
  k.SetVerticalMode(VerticalMode::kBottom);
  EXPECT_EQ(k.ViewOffset(), 50);
  k.SetVerticalMode(VerticalMode::kTop);
  k.SetFirstLine(3);
  EXPECT_EQ(k.ViewOffset(), 30);
  EXPECT_EQ(k.Render().front().text, "2");
  k.SetFirstLine(99);  // the last line, empty after the final CR
  EXPECT_EQ(k.ViewOffset(), 150);
  k.SetPixelOffset(7);
  EXPECT_TRUE(k.PixelScrolling());
  EXPECT_EQ(Painted(k.Render()).substr(0, 20), "0 0,-7+7 | 1 0,8+7 |");
  k.SetFirstLine(2);
  EXPECT_FALSE(k.PixelScrolling());
  EXPECT_EQ(k.ViewOffset(), 15);
}

TEST(CodedView, DrawsOnlyRunsInTheArea) {
  TVXkodtxt k = LaidOut("a\rb\rc", 20);
  EXPECT_EQ(Painted(k.Render()), "a 0,0+7 | b 0,15+7");
  EXPECT_TRUE(k.RunsOutsideView());
  k = LaidOut("ab[L 2]\r[b 4][l 3]");
  const std::vector<PaintedRun> pieces = k.Render();
  EXPECT_EQ(Painted(pieces), "ab 0,0+14 | ~ 14,0+986 | ~ 0,15+1000");
  EXPECT_EQ(pieces[1].run->rule, 2);
  EXPECT_EQ(pieces[2].colour, 0x000080u);
  EXPECT_TRUE(pieces[2].text.empty());
}

TEST(CodedView, SelectionAndHighlightPieces) {
  // Sources: a0 b1 c2 [f]3-5 d6 e7 f8 [\f]9-12 CR13 g14 h15.
  TVXkodtxt k = LaidOut("abc[f]def[\\f]\rgh");
  k.SetSelection(6, 1);
  EXPECT_EQ(k.SelectionFirst(), 1);
  EXPECT_EQ(k.SelectionLast(), 6);
  const std::vector<PaintedRun> pieces = k.Render();
  EXPECT_EQ(Painted(pieces), "a 0,0+7 | bc 7,0+14* | d 21,0+8* | ef 29,0+16 | gh 0,15+14");
  EXPECT_EQ(pieces[1].colour, kCodedSelectionText);
  EXPECT_EQ(pieces[0].colour, kCodedBlack);
  EXPECT_FALSE(pieces[0].opaque);
  EXPECT_EQ(k.SelectedPlainText(), "bcd");
  k.SetSelection(2, 14);
  EXPECT_EQ(k.SelectedPlainText(), "cdef\r\ng");
  k.SetSelection(14, 100);
  EXPECT_EQ(k.SelectedPlainText(), "gh\r\n");
  k.SetSelection(-1, 4);
  EXPECT_FALSE(k.HasSelection());
  EXPECT_EQ(k.SelectedPlainText(), "");
  EXPECT_EQ(Painted(k.Render()), "abc 0,0+21 | def 21,0+24 | gh 0,15+14");
  k.SetSelection(100, 200);
  EXPECT_EQ(k.SelectedPlainText(), "");

  k = LaidOut("[x]abc[\\x]d");
  k.SetSelection(4, 4);
  const std::vector<PaintedRun> lit = k.Render();
  EXPECT_EQ(Painted(lit), "a 0,0+7! | b 7,0+7* | c 14,0+7! | d 21,0+7");
  EXPECT_EQ(lit[0].background, kCodedHighlight);
  k.SetText("x");
  EXPECT_FALSE(k.HasSelection());
}

TEST(CodedView, PushesRunsThatTheRunBeforeOverlaps) {
  TVXkodtxt k = LaidOut("ab[f]cd[\\f][L 1]\rxy");
  const FixedMeasurer wider(2);
  k.SetMeasurer(&wider);
  EXPECT_EQ(Painted(k.Render()), "ab 0,0+18 | cd 18,0+20 | ~ 30,0+970 | xy 0,15+18");
}

TEST(CodedView, LinksAnswerOnlyWhereDrawn) {
  TVXkodtxt k = LaidOut("[M a]one[\\M]\r2\r3\r4\r[M]two[\\M]", 30);
  EXPECT_EQ(k.LinkAt(3, 3), "");  // nothing drawn yet
  EXPECT_FALSE(k.LinkHit(3, 3));
  k.Render();
  EXPECT_TRUE(k.Links()[0].visible);
  EXPECT_FALSE(k.Links()[1].visible);
  EXPECT_TRUE(k.RunsOutsideView());
  EXPECT_EQ(k.LinkAt(3, 3), "a");
  EXPECT_EQ(k.LinkAt(20, 14), "a");
  EXPECT_EQ(k.LinkAt(21, 3), "");
  EXPECT_EQ(k.LinkAt(3, 16), "");
  k.SetFirstLine(4);
  k.Render();
  EXPECT_FALSE(k.Links()[0].visible);
  EXPECT_TRUE(k.Links()[1].visible);
  EXPECT_FALSE(k.LinkHit(3, -42));  // "one", scrolled out
  EXPECT_TRUE(k.LinkHit(3, 16));    // "two", with an empty target
  EXPECT_EQ(k.LinkAt(3, 16), "");
  EXPECT_EQ(k.Runs()[4].colour, kCodedEmptyLinkColour);
}

TEST(CodedView, CharIndexAtPoints) {
  // Sources: a0 b1 blank2 c3 d4 [f]5-7 e8 f9 CR10 CR11 g12 h13.
  TVXkodtxt k = LaidOut("ab cd[f]ef\r\rgh");
  const auto at = [&](int x, int y) {
    const CharHit h = k.CharIndexAt(x, y);
    return std::to_string(h.run) + ":" + std::to_string(h.index) + (h.past ? "+" : "");
  };
  EXPECT_EQ(at(3, 5), "0:0");
  EXPECT_EQ(at(4, 5), "0:0+");
  EXPECT_EQ(at(34, 14), "0:4+");
  EXPECT_EQ(at(38, 5), "1:8");
  EXPECT_EQ(at(39, 5), "1:8+");
  EXPECT_EQ(at(51, 5), "1:9+");
  EXPECT_EQ(at(500, 5), "1:9+");
  EXPECT_EQ(at(-5, -10), "0:0");  // above the text: line 1
  EXPECT_EQ(at(5, 20), "-1:-1");  // an empty line
  EXPECT_EQ(at(8, 30), "2:13");
  EXPECT_EQ(at(5, 400), "-1:-1");  // below: the empty last line
  k.SetPixelOffset(30);
  EXPECT_EQ(at(8, 0), "2:13");

  k = LaidOut("[T 2 2]a\tb");
  EXPECT_EQ(at(20, 5), "0:7+");  // between runs: the character before
  EXPECT_EQ(at(30, 5), "1:9");
  k = LaidOut("\tx");
  EXPECT_EQ(at(10, 5), "0:1");  // before the first run: its first character
}

}  // namespace
}  // namespace vx
