// A register form's whole search over a small register set: date ranges,
// free fields, fields combined, every field empty, and the Lokal-ID jump.
#include "search/run_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "search/catalogue_parts.h"
#include "search/lokal_id.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::Names;
using testing::OpenSet;

const Names kBerg = {"Berg, H\xE9l\xE8ne", "Bergstr\xF6m, Maria Anna"};

class RunSearchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { set_ = new OpenSet(testing::ParishTables()); }
  static void TearDownTestSuite() { delete set_; }
  void SetUp() override { ASSERT_TRUE(set_->built()); }

  static TEVF& evf() { return set_->evf(); }

  // Register r's hits after a search with these fields.
  static Names Found(int r, std::initializer_list<std::pair<const char*, std::string>> fields) {
    SearchFormInput input(r);
    for (const auto& [prefix, text] : fields)
      EXPECT_TRUE(input.Set(prefix, text)) << prefix;
    EXPECT_TRUE(RunSearch(evf(), input).ok());
    return set_->Hits(r);
  }

  static OpenSet* set_;
};

OpenSet* RunSearchTest::set_ = nullptr;

TEST_F(RunSearchTest, DateRanges) {
  EXPECT_EQ(Found(1, {{"fod", "1780-1789"}}),
            (Names{"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria", "Persson, Erik"}));
  EXPECT_EQ(Found(1, {{"fod", "1780"}}), Names{"Andersson, Anna Maria"});
  EXPECT_EQ(Found(1, {{"fod", "178512"}}), Names{"Anders, Anna"});
  EXPECT_EQ(Found(1, {{"fod", "17851224"}}), Names{"Anders, Anna"});
  EXPECT_EQ(Found(1, {{"fod", "17851223"}}), Names{});
  EXPECT_EQ(Found(1, {{"fod", " 1780 - 1781 "}}),
            (Names{"Andersson, Anna Maria", "Persson, Erik"}));
}

TEST_F(RunSearchTest, DateRangesWithAMissingOrReversedEnd) {
  EXPECT_EQ(Found(1, {{"fod", "-1785"}}), (Names{"Anders, Anna", "Andersson, Anna Maria",
                                                 "Berg, H\xE9l\xE8ne", "Persson, Erik"}));
  EXPECT_EQ(Found(1, {{"fod", "1790-"}}),
            (Names{"Abba, Helene", "Bergstr\xF6m, Maria Anna", "von Post, Carl"}));
  // A lower end above the upper one is searched alone.
  EXPECT_EQ(Found(1, {{"fod", "1789-1780"}}), Names{"Aba, Maria"});
}

TEST_F(RunSearchTest, BlankDateFieldFindsEveryDatedRecord) {
  const Names found = Found(1, {{"fod", "  "}});
  EXPECT_EQ(found.size(), 8u);
  EXPECT_EQ(std::count(found.begin(), found.end(), "Olsson, Per"), 0);
}

TEST_F(RunSearchTest, DeathFormBirthDatesStartAt1800) {
  EXPECT_EQ(Found(3, {{"fod", "-1900"}}), Names{"Lund, Karin"});
  EXPECT_EQ(Found(3, {{"dod", "-1900"}}), (Names{"Holm, Lars", "Lund, Karin"}));
  EXPECT_EQ(Found(3, {{"fod", "1700-1760"}}), Names{"Holm, Lars"});
}

TEST_F(RunSearchTest, FieldsCombineByAnd) {
  EXPECT_EQ(Found(1, {{"fn", "Anna"}, {"foo", "M\xFCnster"}}), Names{"Andersson, Anna Maria"});
  EXPECT_EQ(Found(1, {{"fn", "Anna"}, {"fod", "1785"}}), Names{"Anders, Anna"});
  EXPECT_EQ(ResultOf(evf(), 1).Count(), 1);  // recounted after the last And
  EXPECT_EQ(Found(1, {{"fn", "Anna"}, {"foo", "Helene"}}), Names{});
  EXPECT_EQ(Found(2, {{"men", "Holm"}, {"vigd", "1795"}}), Names{"Holm, Nils och Ros, Stina"});
}

TEST_F(RunSearchTest, FreeFieldsByQuoteAndStar) {
  // Witnesses: Per Olsson; Per Olssons hustru; Anna Per.
  EXPECT_EQ(Found(1, {{"fadder", "olsson"}}), (Names{"Anders, Anna", "Andersson, Anna Maria"}));
  EXPECT_EQ(Found(1, {{"fadder", "\"per olsson\""}}), Names{"Andersson, Anna Maria"});
  EXPECT_EQ(Found(1, {{"fadder", "per*"}}), (Names{"Anders, Anna", "Andersson, Anna Maria"}));
  EXPECT_EQ(Found(1, {{"fadder", "per"}}),
            (Names{"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria"}));
  EXPECT_EQ(Found(1, {{"ovrigt", "TVILL*"}}), Names{"Persson, Erik"});
  EXPECT_EQ(Found(2, {{"ovrigt", "zebulon"}}), Names{"Holm, Nils och Ros, Stina"});
  EXPECT_EQ(Found(3, {{"ovrigt", "stina"}}), Names{"Holm, Lars"});
}

TEST_F(RunSearchTest, EveryFieldEmptyEmptiesOnlyThatRegistersResult) {
  ASSERT_EQ(Found(1, {{"en", "Berg"}}), kBerg);
  ASSERT_EQ(Found(2, {{"men", "Lind"}}), Names{"Lind, Johan och Ek, Brita"});
  EXPECT_EQ(Found(2, {}), Names{});
  EXPECT_EQ(ResultOf(evf(), 2).Count(), 0);
  EXPECT_EQ(set_->Hits(1), kBerg);
}

TEST_F(RunSearchTest, UnknownPrefixesAreRefusedByTheInput) {
  SearchFormInput births(1);
  EXPECT_FALSE(births.Set("men", "Lind"));
  EXPECT_FALSE(births.Set("lokalid", "F1"));
  EXPECT_TRUE(births.Empty());
  // Date and free fields have no list mode.
  ASSERT_TRUE(births.Set("fod", "1780", true));
  EXPECT_FALSE(births.field(static_cast<size_t>(births.form().FieldIndex("fod"))).list_mode);
}

TEST_F(RunSearchTest, LokalIdFoundReplacesTheResult) {
  ASSERT_EQ(Found(1, {{"en", "Berg"}}), kBerg);
  const int slot = SearchForm(1).lokalid_slot;
  ASSERT_TRUE(FindLokalId(evf(), 1, slot, "F3").ok());
  EXPECT_EQ(set_->Hits(1), Names{"Aba, Maria"});
  EXPECT_EQ(ResultOf(evf(), 1).Count(), 1);
  ASSERT_TRUE(FindLokalId(evf(), 1, slot, "f9").ok());
  EXPECT_EQ(set_->Hits(1), Names{"von Post, Carl"});
  ASSERT_TRUE(FindLokalId(evf(), 3, SearchForm(3).lokalid_slot, "D2").ok());
  EXPECT_EQ(set_->Hits(3), Names{"Lund, Karin"});
}

TEST_F(RunSearchTest, LokalIdMissingLeavesTheResult) {
  ASSERT_EQ(Found(1, {{"en", "Berg"}}), kBerg);
  for (const char* id : {"F99", "F", "V1"}) {
    const Status status = FindLokalId(evf(), 1, SearchForm(1).lokalid_slot, id);
    EXPECT_TRUE(status.IsNotFound());
    EXPECT_EQ(status.message(), std::string("Lokal-ID ") + id + " finns inte!");
    EXPECT_EQ(set_->Hits(1), kBerg);
  }
}

}  // namespace
}  // namespace vx
