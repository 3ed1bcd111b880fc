#include "records/date_text.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(Datumtext, ShowsKnownPartsAsDayMonthYear) {
  EXPECT_EQ(datumtext("17530403"), "3/4 1753");
  EXPECT_EQ(datumtext("17531231"), "31/12 1753");
  EXPECT_EQ(datumtext("17531010"), "10/10 1753");
  EXPECT_EQ(datumtext("175304"), "?/4 1753") << "a stored YYYYMM";
}

TEST(Datumtext, LeavesOutEveryFormOfUnknownPart) {
  const char* cases[][2] = {{"17531200", "?/12 1753"},
                            {"17539999", "1753"},
                            {"17530000", "1753"},
                            {"9999", ""},
                            {"99999999", ""},
                            {"99990403", ""},
                            {"1753", "1753"},
                            {"", ""},
                            // Unknown months give the year alone, a following day or not.
                            {"17530X12", "1753"},
                            {"1753X012", "1753"},
                            {"17539912", "1753"},
                            {"17530012", "1753"},
                            {"1753XX12", "1753"},
                            {"1753XX", "1753"},
                            {"17530x12", "1753"},
                            // Unknown days give "?".
                            {"175312XX", "?/12 1753"},
                            {"1753120X", "?/12 1753"},
                            {"175312X0", "?/12 1753"},
                            {"17531299", "?/12 1753"},
                            {"175312xx", "?/12 1753"}};
  for (const auto& c : cases)
    EXPECT_EQ(datumtext(c[0]), c[1]) << c[0];
}

TEST(Datumtext, NeverCutsIntoTheYear) {
  // Only the fill after the year is dropped, even when the year itself ends
  // in 00 or 99.
  EXPECT_EQ(datumtext("17000000"), "1700");
  EXPECT_EQ(datumtext("170000"), "1700");
  EXPECT_EQ(datumtext("179999"), "1799");
  EXPECT_EQ(datumtext("18000103"), "3/1 1800");
}

TEST(DashedDate, InsertsHyphensAfterYearAndMonth) {
  EXPECT_EQ(DashedDate("17530403"), "1753-04-03");
  EXPECT_EQ(DashedDate("1753XX00"), "1753-XX-00");
  EXPECT_EQ(DashedDate("175312"), "1753-12-");
  EXPECT_EQ(DashedDate("1753"), "1753--");
  EXPECT_EQ(DashedDate(""), "");
}

}  // namespace
}  // namespace vx
