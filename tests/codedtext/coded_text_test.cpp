// Coded texts: tags, layout and plain text with a measurer of known widths,
// and the view over a laid-out text: its scrolling, painting, selection,
// drags and hit tests.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "codedtext/coded_text.h"
#include "tests/support/text.h"

namespace vx {
namespace {

// Tags, layout and plain text of coded texts, with a measurer of known
// widths: a character is 5 + level pixels wide (7 at level 2), one more in
// bold; level n is 10 + n pixels high, so lines are 13, 15, 16, 17, 18 and
// 20 pixels for levels 1..6, a blank 7, a tab 70.
class FixedMeasurer : public TextMeasurer {
 public:
  explicit FixedMeasurer(int extra = 0) : extra_(extra) {}
  int Width(const CodedFont& font, std::string_view text) const override {
    measured_ += text.size();
    return (5 + extra_ + font.level + (font.bold ? 1 : 0)) * static_cast<int>(text.size());
  }
  int Height(int level) const override { return 10 + level; }
  mutable size_t measured_ = 0;  // characters measured so far

 private:
  int extra_;
};

const FixedMeasurer kMeasurer;

TVXkodtxt LaidOut(std::string_view text, int width = 1000, const TextMeasurer& m = kMeasurer,
                  int height = 500) {
  TVXkodtxt k;
  k.SetMeasurer(&m);
  k.SetArea(width, height);
  k.SetText(text);
  k.Layout();
  return k;
}

// Each run as "text left,top-right", a rule as "~type left,top-right".
std::string Placed(const TVXkodtxt& k) {
  std::string out;
  for (const CodedRun& r : k.Runs()) {
    if (!out.empty()) out += " | ";
    out += r.rule != 0 ? "~" + std::to_string(r.rule) : r.text;
    out +=
        " " + std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right);
  }
  return out;
}

TEST(ReadCodedTag, ReadsLetterClosingArgumentTablesLinksAndUnclosedTags) {
  using enum CodedTagKind;
  CodedTag t = ReadCodedTag("x[b 3]y", 1);
  EXPECT_EQ(t.kind, kColour);
  EXPECT_EQ(t.number, 3);
  EXPECT_EQ(t.end, 6u);
  EXPECT_EQ(ReadCodedTag("[B3]", 0).number, 3);
  t = ReadCodedTag("[f\\]", 0);
  EXPECT_TRUE(t.kind == kBold && t.closing);  // the backslash anywhere
  t = ReadCodedTag("[\x01\\\x02k]", 0);       // controls dropped
  EXPECT_TRUE(t.kind == kItalic && t.closing);
  EXPECT_EQ(ReadCodedTag("[6]", 0).number, 6);
  EXPECT_EQ(ReadCodedTag("[l 3]", 0).number, 3);
  const std::pair<const char*, CodedTagKind> kinds[] = {
      {"[b 9]", kNone},    {"[b]", kNone},      {"[\\b 3]", kNone},  // no closing colour
      {"[u]", kUnderline}, {"[X]", kHighlight}, {"[n]", kPlain},    {"[c]", kCentre},
      {"[h]", kRight},     {"[7]", kNone},      {"[ f]", kNone},    {"[]", kNone},
      {"[q]", kNone},      {"[L 4]", kNone},    {"[L 0]", kNone},   {"[T x]", kNone},
      {"[T]", kNone},      {"[\\T]", kTable}};
  for (const auto& [text, kind] : kinds)
    EXPECT_EQ(ReadCodedTag(text, 0).kind, kind) << text;
  // Tables, links and unclosed tags.
  t = ReadCodedTag("[T 10, 20 x 5,,99999999]", 0);
  EXPECT_EQ(t.kind, kTable);
  EXPECT_EQ(t.widths, (std::vector<int>{10, 20, 5, kMaxCodedColumn}));
  t = ReadCodedTag("[M  HJ001 b]", 0);
  EXPECT_EQ(t.kind, kLink);
  EXPECT_EQ(t.target, "HJ001 b");
  t = ReadCodedTag("[m]", 0);
  EXPECT_TRUE(t.kind == kLink && t.target.empty() && !t.closing);
  EXPECT_TRUE(ReadCodedTag("[\\M x]", 0).closing);
  t = ReadCodedTag("[b 3 and the rest", 0);
  EXPECT_EQ(t.kind, kColour);
  EXPECT_EQ(t.end, 17u);
}

TEST(CodedLayout, StylesLevelsLineHeightsAndColours) {
  TVXkodtxt k = LaidOut("[5]Rubrik\r[f]a[k]b[\\f][u]c[n]d\r[1]e");
  EXPECT_EQ(Placed(k),
            "Rubrik 0,0-60 | a 0,18-11 | b 11,18-22 | c 22,18-32 | d 32,18-39 | e 0,36-6");
  const auto& r = k.Runs();
  EXPECT_EQ(r[0].font, (CodedFont{5, false, false, false}));
  EXPECT_EQ(r[2].font, (CodedFont{5, true, true, false}));
  EXPECT_EQ(r[3].font, (CodedFont{5, false, true, true}));
  EXPECT_EQ(r[4].font, (CodedFont{2, false, false, false}));
  EXPECT_EQ(r[0].bottom, 18);
  // A level raises the line mid-line, never lowers it, and sets it at a
  // line's start.
  k = LaidOut("a[4]b[1]c\rd");
  EXPECT_EQ(Placed(k), "a 0,0-7 | b 7,0-16 | c 16,0-22 | d 0,17-6");
  EXPECT_EQ(k.Runs()[0].bottom, 15);
  EXPECT_EQ(k.Runs()[1].bottom, 17);
  EXPECT_EQ(LaidOut("[1]a\rb").Runs()[1].top, 13);
  EXPECT_EQ(LaidOut("[4][1]a\rb").Runs()[1].top, 13);
  // Colours.
  k = LaidOut("[b 3]Far[b 1] Mor[B 9]s\r");
  EXPECT_EQ(Placed(k), "Far 0,0-21 |  Mors 21,0-56");
  EXPECT_EQ(k.Runs()[0].colour, 0x800000u);
  EXPECT_EQ(k.Runs()[1].colour, kCodedBlack);
  k = LaidOut("[b 2]a[n]b[b 6]c");
  EXPECT_EQ(k.Runs()[0].colour, 0x008000u);
  EXPECT_EQ(k.Runs()[1].colour, kCodedBlack);
  EXPECT_EQ(k.Runs()[2].colour, 0x407070u);
}

TEST(CodedLayout, RulesAndTagsWithoutEffect) {
  TVXkodtxt k = LaidOut("ab[L 2]\r[l 1]\r[L 4][Q]c[b 0]d", 200);
  EXPECT_EQ(Placed(k), "ab 0,0-14 | ~2 14,0-200 | ~1 0,15-200 | cd 0,30-14");
  EXPECT_EQ(k.Runs()[0].bottom, 15);
  // Inside a table level tags do nothing and a rule runs to the table's
  // right edge (columns 0-28 and 42-112 here), or the area's if nearer.
  k = LaidOut("[T 4 10][1]ab[L 3]\tcd\r[\\T][1]x", 200);
  EXPECT_EQ(Placed(k), "ab 0,0-14 | ~3 14,0-112 | cd 42,0-56 | x 0,15-6");
  EXPECT_EQ(k.Runs()[0].font.level, 2);
  EXPECT_EQ(Placed(LaidOut("[T 4 20][L 1]\ta\r[\\T]", 100)), "~1 0,0-100 | a 42,0-49");
}

TEST(CodedLayout, WrapsAtBreakCharactersAndCutsLongWords) {
  EXPECT_EQ(Placed(LaidOut("ab cd efgh", 50)), "ab cd 0,0-35 | efgh 0,15-28");
  EXPECT_EQ(Placed(LaidOut("abcdefghijklmnopq", 50)),
            "abcdefg 0,0-49 | hijklmn 0,15-49 | opq 0,30-21");
  EXPECT_EQ(Placed(LaidOut("ab/cdefgh", 50)), "ab/ 0,0-21 | cdefgh 0,15-42");
  // A run that is not first on its line and has no break goes down whole.
  EXPECT_EQ(Placed(LaidOut("ab[f]cdefgh", 50)), "ab 0,0-14 | cdefgh 0,15-48");
  // A break character that does not fit stays; a trailing blank goes.
  EXPECT_EQ(Placed(LaidOut("abcdefg,hi", 49)), "abcdefg, 0,0-56 | hi 0,15-14");
  EXPECT_EQ(Placed(LaidOut("abcdefg hi", 49)), "abcdefg 0,0-49 | hi 0,15-14");
  // A single character wider than the line stays on its own line.
  EXPECT_EQ(Placed(LaidOut("ab", 5)), "a 0,0-7 | b 0,15-7");
  TVXkodtxt k = LaidOut("abcdefghijklmnopq", 50);
  EXPECT_EQ(k.LineTops(), (std::vector<int>{0, 15, 30, 45}));
  EXPECT_EQ(k.Runs()[2].line, 3);
  EXPECT_EQ(k.Runs()[1].source.front(), 7u);
}

TEST(CodedLayout, CentresAndRightAlignsLineByLineAndTabsIndentWholeParagraphs) {
  TVXkodtxt k = LaidOut("[C]aaaaaaaaaa bbbbbbbbb ccccc dd\rxx", 100);
  EXPECT_EQ(Placed(k), "aaaaaaaaaa 15,0-85 | bbbbbbbbb 18,15-81 | ccccc dd 22,30-78 | xx 0,45-14");
  // Runs before the tag on its line stay; the room left counts them.
  EXPECT_EQ(Placed(LaidOut("ab[C]cd\r", 100)), "ab 0,0-14 | cd 50,0-64");
  EXPECT_EQ(Placed(LaidOut("[H]abc\rd", 100)), "abc 79,0-100 | d 0,15-7");
  // In a table, within the column.
  EXPECT_EQ(Placed(LaidOut("[T 10][h]ab\r", 100)), "ab 56,0-70");
  // Tabs indent whole paragraphs.
  EXPECT_EQ(Placed(LaidOut("a\tbbbbbbbbbb bbbbbbbbbb\rc", 150)),
            "a 0,0-7 | bbbbbbbbbb 70,0-140 | bbbbbbbbbb 70,15-140 | c 0,30-7");
  EXPECT_EQ(Placed(LaidOut("abcdefghijk\tx\t\ty", 1000)),
            "abcdefghijk 0,0-77 | x 77,0-84 | y 210,0-217");
  // The margin stops at the right edge.
  EXPECT_EQ(Placed(LaidOut("\t\tab", 100)), "a 100,0-107 | b 100,15-107");
}

TEST(CodedLayout, TablesWrapCellsAndEndRowsBelowTheTallest) {
  TVXkodtxt k = LaidOut("[T 4 5]aaaa bb\tc\rnext\r[\\T]after");
  EXPECT_EQ(Placed(k), "aaaa 0,0-28 | bb 0,15-14 | c 42,0-49 | next 0,30-28 | after 0,45-35");
  EXPECT_EQ(k.LineTops(), (std::vector<int>{0, 15, 30, 45, 60}));
  EXPECT_EQ(k.Runs()[1].line, 2);
  EXPECT_EQ(k.Runs()[2].line, 1);
  EXPECT_EQ(k.Runs()[3].line, 3);
  EXPECT_EQ(k.TotalHeight(), 60);
  // The taller cell may be the later one; a tab in the last column ends the
  // row; closing inside a row ends it.
  EXPECT_EQ(Placed(LaidOut("[T 2 2]a\tb c d\te[\\T]f")),
            "a 0,0-7 | b 28,0-35 | c 28,15-35 | d 28,30-35 | e 0,45-7 | f 0,60-7");
  // From the tag's place on its line.
  EXPECT_EQ(Placed(LaidOut("ab[T 3]cd\r[\\T]ef")), "ab 0,0-14 | cd 14,0-28 | ef 0,15-14");
  // Columns past the area shrink to its edge.
  EXPECT_EQ(Placed(LaidOut("[T 5 9]a\tbc", 60)), "a 0,0-7 | b 49,0-56 | c 49,15-56");
}

TEST(CodedLayout, LinksTakeTheirOwnLook) {
  TVXkodtxt k = LaidOut("see [M]here[\\M] and [M HJ001]there[\\M].");
  EXPECT_EQ(Placed(k), "see  0,0-28 | here 28,0-56 |  and  56,0-91 | there 91,0-126 | . 126,0-133");
  ASSERT_EQ(k.Links().size(), 2u);
  EXPECT_EQ(k.Links()[0].target, "");
  EXPECT_EQ(k.Links()[1].target, "HJ001");
  const auto& r = k.Runs();
  EXPECT_EQ(r[1].colour, 0x004080u);
  EXPECT_EQ(r[3].colour, 0xE00000u);
  EXPECT_TRUE(r[1].link && r[3].link && !r[2].link);
  EXPECT_EQ(r[1].link_index, 0);
  EXPECT_EQ(r[3].link_index, 1);
  EXPECT_EQ(r[2].link_index, -1);
  // The style at the opening comes back, with the last colour chosen.
  k = LaidOut("[b 2][f]a[M x]b[b 3][k]c[\\M]d[\\f]e");
  EXPECT_EQ(Placed(k), "a 0,0-8 | b 8,0-15 | c 15,0-22 | d 22,0-30 | e 30,0-37");
  EXPECT_EQ(k.Runs().size(), 5u);
  EXPECT_EQ(k.Runs()[1].font, (CodedFont{2, false, false, false}));
  EXPECT_EQ(k.Runs()[2].colour, 0xE00000u);
  EXPECT_EQ(k.Runs()[2].font.italic, false);
  EXPECT_EQ(k.Runs()[3].font, (CodedFont{2, true, false, false}));
  EXPECT_EQ(k.Runs()[3].colour, 0x800000u);
  // Style tags inside a link change nothing, closings inside it neither.
  k = LaidOut("[f][u]a[M x]b[f][k][u]c[\\f][\\u]d[\\M]e");
  EXPECT_EQ(Placed(k), "a 0,0-8 | bcd 8,0-29 | e 29,0-37");
  EXPECT_EQ(k.Runs()[1].font, (CodedFont{2, false, false, false}));
  EXPECT_EQ(k.Runs()[2].font, (CodedFont{2, true, false, true}));
  // No nesting and no stray closing.
  k = LaidOut("[\\M]a[M x]b[M y]c[\\M]d");
  EXPECT_EQ(Placed(k), "a 0,0-7 | bc 7,0-21 | d 21,0-28");
  EXPECT_EQ(k.Links().size(), 1u);
}

TEST(CodedLayout, HighlightsRecordMarksTextEndsControlsAndUnclosedTags) {
  TVXkodtxt k = LaidOut("a\r[x]b[\\x]\rc[X]d");
  ASSERT_EQ(k.Marks().size(), 2u);
  EXPECT_EQ(k.Marks()[0].line, 2);
  EXPECT_EQ(k.Marks()[0].top, 15);
  EXPECT_EQ(k.Marks()[1].line, 3);
  EXPECT_EQ(k.Marks()[1].top, 30);
  EXPECT_FALSE(k.Runs()[0].highlight);
  EXPECT_TRUE(k.Runs()[1].highlight);
  EXPECT_FALSE(k.Runs()[2].highlight);
  EXPECT_TRUE(k.Runs()[3].highlight);
  // Text ends, controls and unclosed tags.
  k = LaidOut("a\x01\nb");
  EXPECT_EQ(k.Text(), "a\x01\nb\r\n");
  EXPECT_EQ(Placed(k), "ab 0,0-14");
  EXPECT_EQ(k.Runs()[0].source, (std::vector<size_t>{0, 3}));
  EXPECT_EQ(k.LineCount(), 2);
  EXPECT_EQ(k.TotalHeight(), 15);
  EXPECT_EQ(LaidOut("ab\n").Text(), "ab\n");
  EXPECT_EQ(LaidOut("ab\n").LineCount(), 1);
  k = LaidOut("");
  EXPECT_EQ(k.Text(), "");
  EXPECT_EQ(k.LineCount(), 1);
  EXPECT_TRUE(k.Runs().empty());
  EXPECT_EQ(k.TotalHeight(), 0);
  TVXkodtxt none;
  none.SetText("abc");
  none.Layout();
  EXPECT_EQ(none.LineCount(), 0);
  // An unclosed tag swallows the rest.
  k = LaidOut("ab[f cd\rxyz");
  EXPECT_EQ(Placed(k), "ab 0,0-14");
  EXPECT_EQ(k.LineCount(), 1);  // the CR LF appended is swallowed as well
  EXPECT_EQ(k.TotalHeight(), 15);
  EXPECT_EQ(PlainText("ab[f cd\rxyz"), "ab");
}

// Long texts keep every line, and measuring stays linear in the text, also
// for long words and lines.
TEST(CodedLayout, AMegabyteKeepsEveryLineAndIsMeasuredLinearly) {
  std::string text;
  int rows = 0;
  for (; text.size() < 1000000; ++rows)
    text += "Anders Persson i Berga[f]x[\\f]yyyyyyyyyyyyyyyyyyyyyyyyyy\r";
  text += std::string(200000, 'z');
  const FixedMeasurer counting;
  const TVXkodtxt k = LaidOut(text, 200, counting);
  EXPECT_LT(counting.measured_, 6 * text.size());
  // Each row on two lines (the y's go down whole), the z's 28 a line, and
  // the empty line after the CR LF appended.
  ASSERT_EQ(k.LineCount(), 2 * rows + (200000 + 27) / 28 + 1);
  for (int i = 0; i < k.LineCount(); ++i)
    ASSERT_EQ(k.LineTops()[static_cast<size_t>(i)], 15 * i);
  EXPECT_EQ(k.TotalHeight(), 15 * (k.LineCount() - 1));
  EXPECT_EQ(k.Runs()[2].text, "yyyyyyyyyyyyyyyyyyyyyyyyyy");
  EXPECT_EQ(k.Runs()[2].top, 15);
  EXPECT_EQ(k.Runs().back().text, std::string(200000 % 28, 'z'));
  EXPECT_EQ(k.Runs().back().line, k.LineCount() - 1);
}

TEST(PlainText, RemovesTagsAndEndsLinesWithCrLf) {
  EXPECT_EQ(PlainText(testing::W("[5][f]Berg, Anna[\\f]\rFödd[b 3]\r\n[x]a\nb")),
            testing::W("Berg, Anna\r\nFödd\r\na\nb"));
  EXPECT_EQ(PlainText("a\r\r[f]\nb]"), "a\r\n\r\nb]");
  EXPECT_EQ(RemoveTags("a[f]\rb[c"), "a\rb");
  EXPECT_EQ(RemoveTags("]x[[y]z"), "]xz");
  std::string text;
  while (text.size() < 200000)
    text += "[f]Anna[\\f] Berg\r";
  const std::string plain = PlainText(text);
  EXPECT_EQ(plain.size(), text.size() / 17 * 11);
  EXPECT_EQ(plain.substr(plain.size() - 11), "Anna Berg\r\n");
}

TVXkodtxt Shown(std::string_view text, int height = 100) {
  return LaidOut(text, 1000, kMeasurer, height);
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

TEST(CodedView, VerticalModesScrollingAndWhatIsDrawn) {
  TVXkodtxt k = Shown("a\rb\rc");
  EXPECT_EQ(k.TotalHeight(), 45);
  EXPECT_EQ(Painted(k.Render()), "a 0,0+7 | b 0,15+7 | c 0,30+7");
  k.SetVerticalMode(VerticalMode::kCentre);
  EXPECT_EQ(k.ViewOffset(), -27);
  EXPECT_EQ(k.Render().front().y, 27);
  k.SetVerticalMode(VerticalMode::kBottom);
  EXPECT_EQ(k.Render().front().y, 55);
  EXPECT_FALSE(k.RunsOutsideView());

  k = Shown("0\r1\r2\r3\r4\r5\r6\r7\r8\r9");
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
  // Only runs in the area are drawn; rules as pieces without text.
  k = Shown("a\rb\rc", 20);
  EXPECT_EQ(Painted(k.Render()), "a 0,0+7 | b 0,15+7");
  EXPECT_TRUE(k.RunsOutsideView());
  k = Shown("ab[L 2]\r[b 4][l 3]");
  const std::vector<PaintedRun> pieces = k.Render();
  EXPECT_EQ(Painted(pieces), "ab 0,0+14 | ~ 14,0+986 | ~ 0,15+1000");
  EXPECT_EQ(pieces[1].run->rule, 2);
  EXPECT_EQ(pieces[2].colour, 0x000080u);
  EXPECT_TRUE(pieces[2].text.empty());
}

TEST(CodedView, SelectionAndHighlightPieces) {
  // Sources: a0 b1 c2 [f]3-5 d6 e7 f8 [\f]9-12 CR13 g14 h15.
  TVXkodtxt k = Shown("abc[f]def[\\f]\rgh");
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

  k = Shown("[x]abc[\\x]d");
  k.SetSelection(4, 4);
  const std::vector<PaintedRun> lit = k.Render();
  EXPECT_EQ(Painted(lit), "a 0,0+7! | b 7,0+7* | c 14,0+7! | d 21,0+7");
  EXPECT_EQ(lit[0].background, kCodedHighlight);
  k.SetText("x");
  EXPECT_FALSE(k.HasSelection());
}

TEST(CodedView, PushesRunsThatTheRunBeforeOverlapsAndLinksAnswerOnlyWhereDrawn) {
  TVXkodtxt k = Shown("ab[f]cd[\\f][L 1]\rxy");
  const FixedMeasurer wider(2);
  k.SetMeasurer(&wider);
  EXPECT_EQ(Painted(k.Render()), "ab 0,0+18 | cd 18,0+20 | ~ 30,0+970 | xy 0,15+18");
  // Links answer only where drawn.
  k = Shown("[M a]one[\\M]\r2\r3\r4\r[M]two[\\M]", 30);
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
  TVXkodtxt k = Shown("ab cd[f]ef\r\rgh");
  const auto at = [&](int x, int y) {
    const CharHit h = k.CharIndexAt(x, y);
    return std::to_string(h.run) + ":" + std::to_string(h.index) + (h.past ? "+" : "");
  };
  EXPECT_EQ(at(3, 5), "0:0");
  EXPECT_EQ(at(4, 5), "0:0");  // past the character's middle is still on it
  EXPECT_EQ(at(34, 14), "0:4");
  EXPECT_EQ(at(38, 5), "1:8");
  EXPECT_EQ(at(39, 5), "1:8");
  EXPECT_EQ(at(51, 5), "1:9+");
  EXPECT_EQ(at(500, 5), "1:9+");
  EXPECT_EQ(at(-5, -10), "0:0");  // above the text: line 1
  EXPECT_EQ(at(5, 20), "-1:-1");  // an empty line
  EXPECT_EQ(at(8, 30), "2:13");
  EXPECT_EQ(at(5, 400), "-1:-1");  // below: the empty last line
  k.SetPixelOffset(30);
  EXPECT_EQ(at(8, 0), "2:13");

  k = Shown("[T 2 2]a\tb");
  EXPECT_EQ(at(20, 5), "0:7+");  // between runs: the character before
  EXPECT_EQ(at(30, 5), "1:9");
  k = Shown("\tx");
  EXPECT_EQ(at(10, 5), "0:1");  // before the first run: its first character
}

// What a drag from source index `anchor` to (x, y) selects, as plain text.
std::string Dragged(TVXkodtxt& k, int64_t anchor, int x, int y = 5) {
  if (!k.SelectDrag(anchor, x, y)) return "(nothing)";
  return k.SelectedPlainText();
}

TEST(CodedTextDrag, AnchorAlwaysAndTheCharacterUnderTheMouseNeverAcrossLinesToo) {
  // "abcdef": a 0-7, b 7-14, c 14-21, d 21-28, e 28-35, f 35-42.
  TVXkodtxt k = LaidOut("abcdef");
  const struct {
    int64_t anchor;
    int x;
    const char* selected;
  } cases[] = {
      {1, 15, "b"},       // forwards onto the first half of c
      {1, 20, "b"},       // forwards past c's middle: c still not selected
      {1, 22, "bc"},      // onto d
      {1, 41, "bcde"},    // onto the last half of f
      {1, 500, "bcdef"},  // past the line's end: its last character is before the mouse
      {4, 15, "de"},      // backwards onto the first half of c
      {4, 20, "de"},      // backwards past c's middle
      {4, 1, "bcde"},     // backwards onto a
      {3, 25, "d"},       // over the anchor itself
  };
  for (const auto& c : cases)
    EXPECT_EQ(Dragged(k, c.anchor, c.x), c.selected) << c.anchor << " to x " << c.x;
  // Across lines and outside the text.
  k = LaidOut("ab\rcd");  // c 0-7, d 7-14 on the second line
  EXPECT_EQ(Dragged(k, 1, 10, 20), "b\r\nc");
  EXPECT_EQ(Dragged(k, 3, 5, 5), "b\r\nc") << "backwards from d to a";
  EXPECT_EQ(Dragged(k, -1, 5), "(nothing)");
  TVXkodtxt empty_line = LaidOut("ab\r\rcd");
  empty_line.SetSelection(0, 0);
  EXPECT_FALSE(empty_line.SelectDrag(0, 5, 20)) << "no character on an empty line";
  EXPECT_EQ(empty_line.SelectionLast(), 0);
}

}  // namespace
}  // namespace vx
