#include "records/field_rules.h"

#include <gtest/gtest.h>

#include "tests/support/text.h"

namespace vx {
namespace {

using testing::W;

TEST(ReadWholeNumber, AcceptsASignAndDigitsOnly) {
  EXPECT_EQ(ReadWholeNumber("40", 200), 40);
  EXPECT_EQ(ReadWholeNumber("+7", 200), 7);
  EXPECT_EQ(ReadWholeNumber("-3", 200), -3);
  EXPECT_EQ(ReadWholeNumber("007", 200), 7);
  for (const char* text :
       {"", "+", "-", "+-3", "4 0", " 40", "40 ", "ca 40", "40\xE5r", "3.5", "99999999999"})
    EXPECT_EQ(ReadWholeNumber(text, 200), 200) << text;
}

TEST(WithAgeUnit, AddsYearsToWholeNumbersUpTo120) {
  EXPECT_EQ(WithAgeUnit("40"), W("40 år"));
  EXPECT_EQ(WithAgeUnit("0"), W("0 år"));
  EXPECT_EQ(WithAgeUnit("120"), W("120 år"));
  EXPECT_EQ(WithAgeUnit("121"), "121");
  EXPECT_EQ(WithAgeUnit("150"), "150");
  EXPECT_EQ(WithAgeUnit("ca 40"), "ca 40");
  EXPECT_EQ(WithAgeUnit("1/2"), "1/2");
  EXPECT_EQ(WithAgeUnit(""), "");
}

TEST(IsSaknas, MatchesTheWordInAnyCase) {
  EXPECT_TRUE(IsSaknas("saknas"));
  EXPECT_TRUE(IsSaknas("SAKNAS"));
  EXPECT_TRUE(IsSaknas("SaKnAs"));
  EXPECT_FALSE(IsSaknas("saknas "));
  EXPECT_FALSE(IsSaknas("saknad"));
  EXPECT_FALSE(IsSaknas(""));
}

}  // namespace
}  // namespace vx
