// Ticking rows by word, the summary a field in list mode shows, and which
// fields a register set leaves without information.
#include "search/picked_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/form_availability.h"
#include "search/run_search.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::OpenSet;

constexpr int kSurnameSlot = 7;

TEST(PickedRows, TickWordsReportsWordsWithoutARow) {
  OpenSet set(testing::ParishTables());
  ASSERT_TRUE(set.built());
  TVXstruktlista& surnames = *set.evf().soklistor(1, kSurnameSlot);
  EXPECT_EQ(TickWords(surnames, {"BERG", "Bergs", "aba"}), std::vector<std::string>{"Bergs"});
  EXPECT_EQ(surnames.vald().Count(), 2);
  EXPECT_EQ(BuildPickSummary(surnames), "Aba;Berg");
}

TEST(PickedRows, SummaryDropsMarkupAndStopsPast200Characters) {
  std::vector<testing::SourceRecord> births;
  for (char c = 'A'; c <= 'T'; ++c)  // 20 surnames of 20 characters
    births.push_back({{"ENAMN", std::string(1, c) + std::string(19, 'a')}});
  births.push_back({{"ENAMN", "Ab&||Lind"}});
  OpenSet set({{1, births}});
  ASSERT_TRUE(set.built());
  TVXstruktlista& surnames = *set.evf().soklistor(1, kSurnameSlot);
  ASSERT_TRUE(TickWords(surnames, {"Ab&||Lind"}).empty());
  EXPECT_EQ(BuildPickSummary(surnames), "Lind");
  for (int32_t row = 1; row <= surnames.RowCount(); ++row)
    surnames.vald().SetBit(row, true);
  // In row order Aaa..., Lind, Baa...: 25 characters, then 21 for each
  // further name, past 200 at the ninth.
  const std::string summary = BuildPickSummary(surnames);
  EXPECT_EQ(summary.size(), 214u);
  EXPECT_EQ(summary.substr(0, 27), "Aaaaaaaaaaaaaaaaaaaa;Lind;B");
  EXPECT_EQ(summary.substr(summary.size() - 20), "Jaaaaaaaaaaaaaaaaaaa");
}

TEST(FormAvailability, FieldsWhoseListsHaveNoRows) {
  OpenSet set(testing::ParishTables());  // no parents in births, no sources in marriages
  ASSERT_TRUE(set.built());
  const SearchFormTable& births = SearchForm(1);
  EXPECT_FALSE(FieldDisabled(set.evf(), 1, *births.Field("fn")));
  EXPECT_TRUE(FieldDisabled(set.evf(), 1, *births.Field("moren")));
  EXPECT_TRUE(FieldDisabled(set.evf(), 1, *births.Field("farfn")));
  EXPECT_FALSE(FieldDisabled(set.evf(), 1, *births.Field("fod")));
  EXPECT_FALSE(FieldDisabled(set.evf(), 2, *SearchForm(2).Field("kae")));  // never tested
  EXPECT_FALSE(LokalIdDisabled(set.evf(), births));

  OpenSet without_ids({{1, {{{"ENAMN", "Berg"}}}}});
  ASSERT_TRUE(without_ids.built());
  EXPECT_TRUE(LokalIdDisabled(without_ids.evf(), births));
}

}  // namespace
}  // namespace vx
