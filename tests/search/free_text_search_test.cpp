// The free-text search over all three registers, its hits handed out by
// the combined record numbering.
#include "search/free_text_search.h"

#include <gtest/gtest.h>

#include "search/catalogue_parts.h"
#include "search/run_search.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::Names;
using testing::OpenSet;

class FreeTextSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { set_ = new OpenSet(testing::ParishTables()); }
  static void TearDownTestSuite() { delete set_; }
  void SetUp() override { ASSERT_TRUE(set_->built()); }

  static std::vector<Names> All() { return {set_->Hits(1), set_->Hits(2), set_->Hits(3)}; }

  static OpenSet* set_;
};

OpenSet* FreeTextSearch::set_ = nullptr;

TEST_F(FreeTextSearch, TextOnlyInMarriagesEmptiesTheOthers) {
  SearchFormInput births(1);
  births.Set("en", "Berg");
  ASSERT_TRUE(RunSearch(set_->evf(), births).ok());
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "zebulon"));
  EXPECT_EQ(All(), (std::vector<Names>{{}, {"Holm, Nils och Ros, Stina"}, {}}));
  EXPECT_EQ(ResultOf(set_->evf(), 2).Count(), 1);
  EXPECT_EQ(ResultOf(set_->evf(), 1).Count(), 0);
}

TEST_F(FreeTextSearch, HitsGoToTheirOwnRegistersRecords) {
  // A first name of the second marriage and a remark of the first death.
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "Stina"));
  EXPECT_EQ(All(), (std::vector<Names>{{}, {"Holm, Nils och Ros, Stina"}, {"Holm, Lars"}}));
  // A parish and three sources in births, a parish in marriages.
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "hjo"));
  EXPECT_EQ(All(), (std::vector<Names>{{"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria"},
                                       {"Lind, Johan och Ek, Brita"},
                                       {}}));
}

TEST_F(FreeTextSearch, QuotesAndStarChooseTheMode) {
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "\"hjo\""));
  EXPECT_EQ(All(),
            (std::vector<Names>{{"Andersson, Anna Maria"}, {"Lind, Johan och Ek, Brita"}, {}}));
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "Hjo C*"));
  EXPECT_EQ(All(), (std::vector<Names>{{"Anders, Anna", "Andersson, Anna Maria"}, {}, {}}));
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "karin;zebulon"));
  EXPECT_EQ(All(), (std::vector<Names>{{}, {"Holm, Nils och Ros, Stina"}, {"Lund, Karin"}}));
}

TEST_F(FreeTextSearch, EmptyTextChangesNothing) {
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "Stina"));
  const std::vector<Names> before = All();
  EXPECT_FALSE(RunFreeSearch(set_->evf(), ""));
  EXPECT_EQ(All(), before);
}

TEST(FreeTextSearchWithoutMarriages, AnAbsentRegisterTakesNoNumbers) {
  testing::Tables tables = testing::ParishTables();
  tables.erase(2);
  OpenSet set(tables);
  ASSERT_TRUE(set.built());
  ASSERT_FALSE(set.evf().RegisterOn(2));
  ASSERT_TRUE(RunFreeSearch(set.evf(), "karin"));
  EXPECT_EQ(set.Hits(1), Names{});
  EXPECT_EQ(set.Hits(3), Names{"Lund, Karin"});
  ASSERT_TRUE(RunFreeSearch(set.evf(), "Carl"));
  EXPECT_EQ(set.Hits(1), Names{"von Post, Carl"});
  EXPECT_EQ(set.Hits(3), Names{});
}

TEST(TakeCombinedRange, CopiesOneRegistersBits) {
  Tvxsmalurval combined;
  combined.Resize(100);
  for (int32_t bit : {1, 31, 32, 33, 64, 65, 70, 100})
    combined.SetBit(bit, true);
  Tvxsmalurval part;
  part.Resize(40);
  part.SetBit(5, true);                   // cleared first
  TakeCombinedRange(combined, 31, part);  // combined 31..70
  std::vector<int32_t> bits;
  for (int32_t k = 0; part.Next(k);)
    bits.push_back(k);
  EXPECT_EQ(bits, (std::vector<int32_t>{1, 2, 3, 34, 35, 40}));
  EXPECT_EQ(part.Count(), 6);
  TakeCombinedRange(combined, 71, part);  // 71..100, with only 30 bits left
  EXPECT_EQ(part.Count(), 1);
  EXPECT_TRUE(part.IsSet(30));
}

}  // namespace
}  // namespace vx
