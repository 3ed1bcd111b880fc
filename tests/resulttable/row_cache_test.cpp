// radcache over a row source that counts its reads: scrolling a million
// visible rows one row at a time, full repaints, and the cache's limits.
#include "resulttable/row_cache.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

// Rows 1..count whose text names the row; counts the reads.
class CountingRows final : public RowSource {
 public:
  explicit CountingRows(int32_t count) : count_(count) {}
  bool Read(int32_t k, std::string& text) override {
    if (k < 1 || k > count_) return false;
    ++reads_;
    text = "Person " + std::to_string(k) + "\r18000105";
    return true;
  }
  int64_t reads() const { return reads_; }

 private:
  int32_t count_;
  int64_t reads_ = 0;
};

// The table paints its visible rows from the top, both cells of each.
void Paint(RowCache& cache, RowSource& rows, int32_t top, int32_t synliga) {
  std::string text;
  for (int32_t i = top + 1; i <= top + synliga; ++i) {
    for (int cell = 0; cell < 2; ++cell)
      ASSERT_TRUE(cache.Text(i, rows, text));
  }
}

constexpr int32_t kMillion = 1000000;
constexpr int32_t kSynliga = 24;

TEST(RowCacheTest, ScrollingDownAMillionRowsReadsOneRowPerStep) {
  CountingRows rows(kMillion);
  RowCache cache;
  Paint(cache, rows, 0, kSynliga);
  EXPECT_EQ(rows.reads(), kSynliga);
  for (int32_t top = 1; top <= kMillion - kSynliga; ++top) {
    const int64_t before = rows.reads();
    Paint(cache, rows, top, kSynliga);
    ASSERT_EQ(rows.reads() - before, 1) << "top row " << top;
  }
  EXPECT_LE(cache.count(), RowCache::kCapacity);
}

TEST(RowCacheTest, ScrollingUpReadsOneRowPerStep) {
  CountingRows rows(kMillion);
  RowCache cache;
  const int32_t bottom_top = kMillion - kSynliga;
  Paint(cache, rows, bottom_top, kSynliga);
  for (int32_t top = bottom_top - 1; top >= bottom_top - 5000; --top) {
    const int64_t before = rows.reads();
    Paint(cache, rows, top, kSynliga);
    ASSERT_EQ(rows.reads() - before, 1) << "top row " << top;
  }
}

TEST(RowCacheTest, AFullRepaintReadsAtMostOneRowPerVisibleRow) {
  CountingRows rows(kMillion);
  RowCache cache;
  for (int32_t top : {0, 500000, 499990, 500030, 999976, 3}) {
    const int64_t before = rows.reads();
    Paint(cache, rows, top, kSynliga);
    EXPECT_LE(rows.reads() - before, kSynliga) << "top row " << top;
  }
  // Painted again unchanged, nothing is read.
  const int64_t before = rows.reads();
  Paint(cache, rows, 3, kSynliga);
  EXPECT_EQ(rows.reads(), before);
}

TEST(RowCacheTest, KeepsFiftyRowsAndDropsTheFirstWhenFull) {
  CountingRows rows(100);
  RowCache cache;
  std::string text;
  for (int32_t i = 1; i <= 60; ++i)
    ASSERT_TRUE(cache.Text(i, rows, text));
  EXPECT_EQ(cache.first(), 11);
  EXPECT_EQ(cache.count(), RowCache::kCapacity);
  EXPECT_TRUE(cache.Holds(60));
  EXPECT_FALSE(cache.Holds(10));
}

TEST(RowCacheTest, RowBeforeTheFirstTakesTheLastOnesPlace) {
  CountingRows rows(100);
  RowCache cache;
  std::string text;
  for (int32_t i = 20; i <= 22; ++i)
    ASSERT_TRUE(cache.Text(i, rows, text));
  ASSERT_TRUE(cache.Text(19, rows, text));
  EXPECT_EQ(cache.first(), 19);
  EXPECT_EQ(cache.count(), 3);
  EXPECT_FALSE(cache.Holds(22));
  // A row apart from the cached ones starts the cache anew.
  ASSERT_TRUE(cache.Text(70, rows, text));
  EXPECT_EQ(cache.first(), 70);
  EXPECT_EQ(cache.count(), 1);
  EXPECT_EQ(text, "Person 70\r18000105");
}

TEST(RowCacheTest, CutsLongRowsAndForgetsOnInvalidate) {
  class LongRows final : public RowSource {
   public:
    bool Read(int32_t, std::string& text) override {
      text = std::string(150, 'x');
      return true;
    }
  } rows;
  RowCache cache;
  std::string text;
  ASSERT_TRUE(cache.Text(5, rows, text));
  EXPECT_EQ(text.size(), RowCache::kMaxText);
  cache.Invalidate();
  EXPECT_EQ(cache.first(), 0);
  EXPECT_EQ(cache.count(), 0);
  EXPECT_FALSE(cache.Holds(5));
}

TEST(RowCacheTest, AMissingRowIsNotKept) {
  CountingRows rows(3);
  RowCache cache;
  std::string text;
  EXPECT_FALSE(cache.Text(4, rows, text));
  EXPECT_EQ(cache.count(), 0);
}

}  // namespace
}  // namespace vx
