#include "records/record_text_blocks.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(RestartTrimmed, EndsWithExactlyTheGivenLineEnds) {
  std::string text = "\r \tNamn\r\r \x01";
  RestartTrimmed(text, 2);
  EXPECT_EQ(text, "Namn\r\r");
  RestartTrimmed(text, 1);
  EXPECT_EQ(text, "Namn\r");
  text = "\xC5sa \xA0";  // bytes above 127 are letters, not controls
  RestartTrimmed(text, 0);
  EXPECT_EQ(text, "\xC5sa \xA0");
  text = " \r ";
  RestartTrimmed(text, 2);
  EXPECT_EQ(text, "\r\r");
}

TEST(AppendFooter, LeavesOutTheNormalisedPartWhenEmpty) {
  std::string text = "Namn\r\r";
  AppendFooter(text, {SourceLine("C:2", ""), "Normerade begrepp", "", ""});
  EXPECT_EQ(text, "Namn\r--------------\rK\xE4lla: C:2\r\r");
  text = "Namn";
  AppendFooter(text, {SourceLine("C:2", "4"), "N", "Ort: A\r", "R\r"});
  EXPECT_EQ(text, "Namn\r--------------\rK\xE4lla: C:2, s. 4\r\rN\rOrt: A\r\rR\r");
}

TEST(TextBlocks, ShownNameHeadingAndBaseLevel) {
  EXPECT_EQ(Shown("Berga", ""), "Berga");
  EXPECT_EQ(Shown("Berga", "Bergha"), "Bergha");
  EXPECT_EQ(PersonName("", "", "(Man utan namn)", true), "[f](Man utan namn)[\\f]");
  EXPECT_EQ(PersonName("Berg", "", "x", false), "Berg");
  EXPECT_EQ(Heading("Far", true), "[b 3]Far[b 1]");
  EXPECT_EQ(Heading("Far", false), "Far");
  EXPECT_EQ(Finished("a", true), "[5]a");
  EXPECT_EQ(Finished("a", false), "a");
  EXPECT_EQ(OtherInformation("", ""), "");
  EXPECT_EQ(OtherInformation("12", ""), "F\xF6rsamlingskod: 12\r");
  std::string list;
  AddNormalised(list, "Ort: ", "Berga", "");
  EXPECT_EQ(list, "");
  AddNormalised(list, "Ort: ", "", "Bergha");
  EXPECT_EQ(list, "Ort: \r");
}

}  // namespace
}  // namespace vx
