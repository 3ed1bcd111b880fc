#include "engine/lists/probe_memo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vx {
namespace {

std::vector<uint8_t> Row(uint8_t fill) {
  return std::vector<uint8_t>(12, fill);
}

bool Holds(const ProbeMemo& memo, int32_t row, uint8_t fill) {
  const std::span<const uint8_t> kept = memo.Find(row);
  return kept.size() == 12 && kept[0] == fill && kept[11] == fill;
}

TEST(ProbeMemo, PinnedRowsStayRecentOnesRotate) {
  ProbeMemo memo;
  memo.Reset(12, 2);
  memo.Add(500, Row(1), true);
  memo.Add(250, Row(2), true);
  memo.Add(750, Row(3), true);  // no room left among the pinned: a recent row
  EXPECT_EQ(memo.pinned(), 2u);
  for (int32_t row = 1; row <= static_cast<int32_t>(ProbeMemo::kRecent); ++row)
    memo.Add(row, Row(static_cast<uint8_t>(row + 10)), false);
  EXPECT_TRUE(memo.Find(750).empty());  // the oldest recent row went first
  EXPECT_TRUE(Holds(memo, 500, 1));
  EXPECT_TRUE(Holds(memo, 250, 2));
  EXPECT_TRUE(Holds(memo, 1, 11));
  EXPECT_TRUE(Holds(memo, 32, 42));
}

TEST(ProbeMemo, KeepsNothingItCannotServeWhole) {
  ProbeMemo memo;
  memo.Reset(12, 10);
  memo.Add(7, std::vector<uint8_t>(11, 1), true);  // not a whole row
  memo.Add(0, Row(1), true);
  memo.Add(-3, Row(1), false);
  EXPECT_TRUE(memo.Find(7).empty());
  EXPECT_TRUE(memo.Find(0).empty());
  EXPECT_TRUE(memo.Find(-3).empty());
  EXPECT_EQ(memo.pinned(), 0u);

  memo.Add(8, Row(4), true);
  memo.Add(8, Row(5), true);  // the first bytes kept stay
  EXPECT_TRUE(Holds(memo, 8, 4));
  memo.Clear();
  EXPECT_TRUE(memo.Find(8).empty());
  EXPECT_EQ(memo.pinned(), 0u);
}

}  // namespace
}  // namespace vx
