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

// The other blocks show in the whole texts of the birth, marriage and death
// tests; a written form without its normalised one shows only here.
TEST(AddNormalised, ListsAWrittenFormsEmptyNormalisedForm) {
  std::string list;
  AddNormalised(list, "Ort: ", "Berga", "");
  EXPECT_EQ(list, "");
  AddNormalised(list, "Ort: ", "", "Bergha");
  EXPECT_EQ(list, "Ort: \r");
}

}  // namespace
}  // namespace vx
