#include "engine/text/text_helpers.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(BlanksAndTrims, WorkOnBlanksOnly) {
  EXPECT_EQ(Blanks(0), "");
  EXPECT_EQ(Blanks(3), "   ");
  EXPECT_EQ(Blanks(257), " ");
  EXPECT_EQ(TrimTrailingBlanks("  a b  "), "  a b");
  EXPECT_EQ(TrimLeadingBlanks("  a b  "), "a b  ");
  EXPECT_EQ(TrimTrailingBlanks("   "), "");
  EXPECT_EQ(TrimLeadingBlanks("   "), "");
  EXPECT_EQ(TrimTrailingBlanks("a\t"), "a\t");
}

TEST(LastBreak, FindsWordBreaksAndDirectoryParts) {
  EXPECT_EQ(LastBreak("Per-Olof", BreakMode::kWord), 4u);
  EXPECT_EQ(LastBreak("Anna", BreakMode::kWord), 4u);
  EXPECT_EQ(LastBreak("a.b/c:d;e\\f", BreakMode::kWord), 10u);
  EXPECT_EQ(LastBreak("C:\\data\\file", BreakMode::kDirectory), 7u);
  EXPECT_EQ(LastBreak("a-b", BreakMode::kDirectory), 0u);
}

TEST(NextWord, SplitsAtAnyDelimiter) {
  std::string s = ";;A;B";
  EXPECT_EQ(NextWord(";", s), "A");
  EXPECT_EQ(s, "B");
  s = ";;";
  EXPECT_EQ(NextWord(";", s), "");
  EXPECT_EQ(s, "");
  s = "  Per, Olof ,Nils";
  EXPECT_EQ(NextWord(" ,", s), "Per");
  EXPECT_EQ(NextWord(" ,", s), "Olof");
  EXPECT_EQ(s, "Nils");
}

TEST(StripDateFill, DropsUpToTwoFills) {
  const char* cases[][2] = {{"18230000", "1823"},
                            {"18239999", "1823"},
                            {"18230500", "182305"},
                            {"0000", ""},
                            {"000000", "00"},
                            {"1823", "1823"},
                            {"0", "0"}};
  for (const auto& c : cases) {
    std::string s = c[0];
    StripDateFill(s);
    EXPECT_EQ(s, c[1]) << c[0];
  }
}

}  // namespace
}  // namespace vx
