#include "imaging/button_text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vx {
namespace {

using Lines = std::vector<std::string>;

// Every code point is 10 pixels wide; the text is 10 pixels high.
int TenPerCharacter(std::string_view text) {
  int count = 0;
  for (char c : text)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return 10 * count;
}

TextMeasure Measure(int text_height = 10) {
  return {TenPerCharacter, text_height};
}

Lines Wrap(std::string_view text, int available) {
  return WrapButtonText(text, available, TenPerCharacter);
}

TEST(ButtonTextLayout, WrapsAtTheLastBlankThatFits) {
  EXPECT_EQ(Wrap("Alla uppgifter", 100), (Lines{"Alla", "uppgifter"}));
  EXPECT_EQ(Wrap("Alla uppgifter", 140), (Lines{"Alla uppgifter"}));
  // The blank just past the fitting part is a break too.
  EXPECT_EQ(Wrap("Skriv ut nu", 50), (Lines{"Skriv", "ut nu"}));
}

TEST(ButtonTextLayout, OtherBreakCharactersStayOnTheirLine) {
  EXPECT_EQ(Wrap("Skriv-ut-knapp", 70), (Lines{"Skriv-", "ut-", "knapp"}));
  EXPECT_EQ(Wrap("a/b:c;d\\e,f.g", 40), (Lines{"a/b:", "c;d\\", "e,f.", "g"}));
}

TEST(ButtonTextLayout, CutsAWordWithoutABreakCharacter) {
  EXPECT_EQ(Wrap("Normaliseringar", 50), (Lines{"Norma", "liser", "ingar"}));
  // Too narrow for anything: one character a line, never an endless loop.
  EXPECT_EQ(Wrap("abc", 5), (Lines{"a", "b", "c"}));
  // Only between code points.
  EXPECT_EQ(Wrap("\xc3\x85\xc3\x84\xc3\x96", 20), (Lines{"\xc3\x85\xc3\x84", "\xc3\x96"}));
}

TEST(ButtonTextLayout, CarriageReturnsEndLines) {
  EXPECT_EQ(Wrap("Skriv\rut", 1000), (Lines{"Skriv", "ut"}));
  EXPECT_EQ(Wrap("a\r\nb\rc\r", 1000), (Lines{"a", "b", "c"}));
  EXPECT_EQ(Wrap("a\r\rb", 1000), (Lines{"a", "", "b"}));
  EXPECT_TRUE(Wrap("", 1000).empty());
}

TEST(ButtonTextLayout, SkipsBlanksAtTheStartOfAWrappedLineOnly) {
  EXPECT_EQ(Wrap("abc    def", 50), (Lines{"abc", "def"}));
  EXPECT_EQ(Wrap("  ab", 100), (Lines{"  ab"}));
  EXPECT_EQ(Wrap("ab\r  cd", 100), (Lines{"ab", "  cd"}));
}

TEST(ButtonTextLayout, CentresTheBlockAndEachLine) {
  const ButtonTextLayout layout =
      LayOutButtonText("ab\rcdef", {.width = 100, .height = 60, .avst = 5}, Measure());
  EXPECT_EQ(layout.line_height, 15);
  EXPECT_EQ(layout.first_top, 15);  // (60 - 2 x 15) / 2
  // Text 10 high centred in its 15-pixel line: 2 pixels down.
  EXPECT_EQ(layout.lines, (std::vector<ButtonTextLine>{{"ab", 40, 17}, {"cdef", 30, 32}}));
}

TEST(ButtonTextLayout, MarginsNarrowTheLines) {
  const ButtonTextArea centred{.width = 100, .height = 20, .avst = 10};
  EXPECT_EQ(LayOutButtonText("aaaa bbbb c", centred, Measure()).lines.size(), 2u);
  EXPECT_EQ(LayOutButtonText("aaaa bbbb c", centred, Measure()).lines[0].text, "aaaa");
  // With textvmarg only the left margin counts and lines start at avst.
  const ButtonTextArea left{.width = 100, .height = 20, .avst = 10, .textvmarg = true};
  const ButtonTextLayout layout = LayOutButtonText("aaaa bbbb c", left, Measure());
  EXPECT_EQ(layout.lines, (std::vector<ButtonTextLine>{{"aaaa bbbb", 10, -3}, {"c", 10, 12}}));
}

TEST(ButtonTextLayout, LineHeightIsOneAndAHalfTextHeightsRounded) {
  EXPECT_EQ(LayOutButtonText("a", {.width = 50, .height = 50}, Measure(13)).line_height, 20);
  EXPECT_EQ(LayOutButtonText("a", {.width = 50, .height = 50}, Measure(12)).line_height, 18);
  EXPECT_EQ(LayOutButtonText("", {.width = 50, .height = 50}, Measure(12)).first_top, 25);
}

}  // namespace
}  // namespace vx
