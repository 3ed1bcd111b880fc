// The ranking of the picture caches: hits move to rank 1, a full cache drops
// its least recently used entry, entries stay sorted by name.
#include "imaging/mru_cache.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace vx {
namespace {

class RankingTest : public ::testing::Test {
 protected:
  int Get(const std::string& name) {
    return cache_.Get(name, [&]() -> std::optional<int> {
      ++loads_[name];
      if (name == "saknas") return std::nullopt;
      return static_cast<int>(name.size());
    });
  }

  // "name:rank" for each entry, in list order.
  std::string Ranks() const {
    std::string out;
    for (const auto& e : cache_.Entries())
      out += (out.empty() ? "" : " ") + e.name + ":" + std::to_string(e.rank);
    return out;
  }

  MruCache<int> cache_{3};
  std::map<std::string, int> loads_;
};

TEST_F(RankingTest, NewEntriesTakeRankOneInNameOrder) {
  Get("prebak");
  Get("f01");
  Get("Litenflik");
  EXPECT_EQ(Ranks(), "f01:2 Litenflik:1 prebak:3");
}

TEST_F(RankingTest, HitPromotesOnlyThoseRankedAbove) {
  Get("a");
  Get("b");
  Get("c");                    // a:3 b:2 c:1
  const int index = Get("A");  // case is ignored
  EXPECT_EQ(index, 0);
  EXPECT_EQ(Ranks(), "a:1 b:3 c:2");
  EXPECT_EQ(loads_["A"], 0) << "a hit must not load again";
  Get("a");  // already rank 1: nothing moves
  EXPECT_EQ(Ranks(), "a:1 b:3 c:2");
}

TEST_F(RankingTest, FullCacheDropsTheHighestRank) {
  Get("a");
  Get("b");
  Get("c");
  Get("a");  // a:1 b:3 c:2
  Get("d");  // drops b
  EXPECT_EQ(Ranks(), "a:2 c:3 d:1");
  Get("b");  // loaded again, drops c
  EXPECT_EQ(loads_["b"], 2);
  EXPECT_EQ(Ranks(), "a:3 b:1 d:2");
}

TEST_F(RankingTest, MissingPictureChangesNothing) {
  Get("a");
  Get("b");
  EXPECT_EQ(Get("saknas"), -1);
  EXPECT_EQ(Ranks(), "a:2 b:1");
  EXPECT_EQ(cache_.At(-1), nullptr);
  EXPECT_EQ(cache_.At(2), nullptr);
  EXPECT_EQ(cache_.At(Get("b"))->picture, 1);
}

}  // namespace
}  // namespace vx
