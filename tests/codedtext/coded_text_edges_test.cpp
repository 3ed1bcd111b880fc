// Three edges of coded text: a drag selects the anchor character always and
// the character under the mouse never, in both directions; a rule inside a
// table runs to the table's right edge; bold, italic and underline inside a
// link leave its look alone. The measurer: a character is 5 + level pixels
// wide (7 at level 2), one more in bold; lines of level 2 are 15 pixels.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "codedtext/coded_text.h"

namespace vx {
namespace {

class FixedMeasurer : public TextMeasurer {
 public:
  int Width(const CodedFont& font, std::string_view text) const override {
    return (5 + font.level + (font.bold ? 1 : 0)) * static_cast<int>(text.size());
  }
  int Height(int level) const override { return 10 + level; }
};

const FixedMeasurer kMeasurer;

TVXkodtxt LaidOut(std::string_view text, int width = 1000) {
  TVXkodtxt k;
  k.SetMeasurer(&kMeasurer);
  k.SetArea(width, 200);
  k.SetText(text);
  k.Layout();
  return k;
}

// What a drag from source index `anchor` to (x, y) selects, as plain text.
std::string Dragged(TVXkodtxt& k, int64_t anchor, int x, int y = 5) {
  if (!k.SelectDrag(anchor, x, y)) return "(nothing)";
  return k.SelectedPlainText();
}

struct DragCase {
  int64_t anchor;
  int x;
  const char* selected;
};

TEST(CodedTextDrag, AnchorAlwaysAndTheCharacterUnderTheMouseNever) {
  // "abcdef": a 0-7, b 7-14, c 14-21, d 21-28, e 28-35, f 35-42.
  TVXkodtxt k = LaidOut("abcdef");
  const DragCase cases[] = {
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
  for (const DragCase& c : cases)
    EXPECT_EQ(Dragged(k, c.anchor, c.x), c.selected) << c.anchor << " to x " << c.x;
}

TEST(CodedTextDrag, AcrossLinesAndOutsideText) {
  TVXkodtxt k = LaidOut("ab\rcd");  // c 0-7, d 7-14 on the second line
  EXPECT_EQ(Dragged(k, 1, 10, 20), "b\r\nc");
  EXPECT_EQ(Dragged(k, 3, 5, 5), "b\r\nc") << "backwards from d to a";
  EXPECT_EQ(Dragged(k, -1, 5), "(nothing)");
  TVXkodtxt empty_line = LaidOut("ab\r\rcd");
  empty_line.SetSelection(0, 0);
  EXPECT_FALSE(empty_line.SelectDrag(0, 5, 20)) << "no character on an empty line";
  EXPECT_EQ(empty_line.SelectionLast(), 0);
}

TEST(CodedTextRule, InsideATableRunsToTheTablesRightEdge) {
  // Columns of 4 and 10 blanks: 0-28 and 42-112.
  TVXkodtxt k = LaidOut("[T 4 10]ab[L 3]\tcd\r[\\T]x");
  ASSERT_GE(k.Runs().size(), 2u);
  const CodedRun& rule = k.Runs()[1];
  EXPECT_EQ(rule.rule, 3);
  EXPECT_EQ(rule.left, 14);
  EXPECT_EQ(rule.right, 112) << "not the first column's edge, 28";
  // A table wider than the area: the rule ends at the area's edge.
  k = LaidOut("[T 4 20][L 1]\ta\r[\\T]", 100);
  ASSERT_FALSE(k.Runs().empty());
  EXPECT_EQ(k.Runs()[0].rule, 1);
  EXPECT_EQ(k.Runs()[0].right, 100);
  // Outside a table, as ever, the area's edge.
  EXPECT_EQ(LaidOut("ab[L 2]", 200).Runs()[1].right, 200);
}

TEST(CodedTextLink, StyleTagsInsideALinkChangeNothing) {
  TVXkodtxt k = LaidOut("[M HJ001]a[f]b[k]c[u]d[\\u][\\k][\\f]e[\\M]f");
  ASSERT_EQ(k.Runs().size(), 2u);
  EXPECT_EQ(k.Runs()[0].text, "abcde");
  EXPECT_EQ(k.Runs()[0].font, (CodedFont{2, false, false, false}));
  EXPECT_EQ(k.Runs()[0].colour, kCodedLinkColour);
  EXPECT_EQ(k.Runs()[1].text, "f");
  EXPECT_EQ(k.Runs()[1].font, (CodedFont{2, false, false, false}));
  // The style of the opening comes back at the closing, whatever was
  // written inside.
  k = LaidOut("[f][u]a[M x]b[\\f][\\u]c[\\M]d");
  ASSERT_EQ(k.Runs().size(), 3u);
  EXPECT_EQ(k.Runs()[1].text, "bc");
  EXPECT_EQ(k.Runs()[1].font, (CodedFont{2, false, false, false}));
  EXPECT_EQ(k.Runs()[2].font, (CodedFont{2, true, false, true}));
}

}  // namespace
}  // namespace vx
