#include "engine/files/key_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vx {
namespace {

using Bounds = std::pair<int32_t, int32_t>;

Bounds BoundsOf(const Tvxhash& cache, const char* key) {
  const Tvxhash::Range range = cache.Bounds(key);
  return {range.lo, range.hi};
}

TEST(KeyCache, BracketsKeysBetweenCachedOnes) {
  Tvxhash cache;
  EXPECT_EQ(BoundsOf(cache, "Berg"), Bounds(0, 0));
  cache.Add("B", 10);
  cache.Add("D", 30);
  EXPECT_EQ(BoundsOf(cache, "c"), Bounds(10, 30));
  EXPECT_EQ(BoundsOf(cache, "B"), Bounds(0, 30));
  EXPECT_EQ(BoundsOf(cache, "D"), Bounds(10, 0));
  EXPECT_EQ(BoundsOf(cache, "A"), Bounds(0, 0));
  EXPECT_EQ(BoundsOf(cache, "\xD6"), Bounds(0, 0));  // Ö sorts after D
}

TEST(KeyCache, IgnoresEqualKeysAndKeysBeyondCapacity) {
  Tvxhash cache;
  cache.Add("M\xFCller", 10);  // Müller
  cache.Add("MYLLER", 20);
  cache.Add("m\xFCller", 30);
  EXPECT_EQ(cache.Count(), 1u);
  cache.Add("Nilsson", 40);
  EXPECT_EQ(BoundsOf(cache, "Myrberg"), Bounds(10, 40));

  cache.SetCapacity(2);
  EXPECT_EQ(cache.Count(), 0u);
  cache.Add("A", 1);
  cache.Add("C", 3);
  cache.Add("B", 2);
  EXPECT_EQ(cache.Count(), 2u);
  EXPECT_EQ(BoundsOf(cache, "B"), Bounds(1, 3));
}

TEST(KeyCache, AccentKeepingCacheKeepsAccentedKeysApart) {
  Tvxhash folded;
  Tvxhash accented(AccentOrderTable());
  for (Tvxhash* cache : {&folded, &accented}) {
    cache->Add("Ek", 1);
    cache->Add("\xC9k", 2);  // Ék
    cache->Add("EK", 3);
  }
  EXPECT_EQ(folded.Count(), 1u);
  EXPECT_EQ(accented.Count(), 2u);
  EXPECT_EQ(BoundsOf(accented, "Ekl"), Bounds(1, 2));
}

// Whatever the insertion order, a bound belongs to a key on the right side
// of the search key, so a binary search between them cannot miss it.
TEST(KeyCache, BoundsAlwaysBracketTheKeyInSortedData) {
  std::mt19937 random(7);
  std::vector<std::string> rows;
  for (int i = 0; i < 400; ++i) {
    std::string key;
    for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n) {
      key.push_back(static_cast<char>('A' + random() % 6));
    }
    rows.push_back(key);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

  Tvxhash cache;
  for (int i = 0; i < 30; ++i) {
    const int row = static_cast<int>(random() % rows.size());
    cache.Add(rows[row].c_str(), row + 1);
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    const Tvxhash::Range range = cache.Bounds(rows[i].c_str());
    const int row = static_cast<int>(i) + 1;
    EXPECT_TRUE(range.lo == 0 || range.lo < row) << rows[i];
    EXPECT_TRUE(range.hi == 0 || range.hi > row) << rows[i];
  }
}

}  // namespace
}  // namespace vx
