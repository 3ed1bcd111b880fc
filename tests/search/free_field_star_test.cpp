// A '*' in front of a free field's text, written as in the word-list
// fields, asks for a part of an entry: *Olsson* and *Olsson find what
// Olsson finds. The quoted and begins-with forms are unchanged.
#include <gtest/gtest.h>

#include "search/free_field_search.h"
#include "search/free_text_search.h"
#include "search/run_search.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::Names;
using testing::OpenSet;

struct ParseCase {
  const char* typed;
  const char* searched;
  FreeSearchMode mode;
};

TEST(FreeFieldStar, LeadingStarIsDropped) {
  const ParseCase cases[] = {
      {"*Olsson*", "Olsson", FreeSearchMode::kContains},
      {"*Olsson", "Olsson", FreeSearchMode::kContains},
      {"**Olsson**", "Olsson", FreeSearchMode::kContains},
      {" *Per Olsson* ", "Per Olsson", FreeSearchMode::kContains},
      {"*Berg;Ek*", "Berg;Ek", FreeSearchMode::kContains},
      {"*", "", FreeSearchMode::kContains},
      {"Olsson", "Olsson", FreeSearchMode::kContains},
      {"Olsson*", "Olsson", FreeSearchMode::kBeginsWith},
      {"\"Per Olsson\"", "Per Olsson", FreeSearchMode::kEqual},
      {"\"*Olsson\"", "*Olsson", FreeSearchMode::kEqual},
  };
  for (const ParseCase& c : cases) {
    const FreeFieldQuery query = ParseFreeFieldText(c.typed);
    EXPECT_EQ(query.text, c.searched) << c.typed;
    EXPECT_EQ(query.mode, c.mode) << c.typed;
  }
}

class FreeFieldStarSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { set_ = new OpenSet(testing::ParishTables()); }
  static void TearDownTestSuite() { delete set_; }
  void SetUp() override { ASSERT_TRUE(set_->built()); }

  static Names Found(int r, const char* prefix, const std::string& text) {
    SearchFormInput input(r);
    EXPECT_TRUE(input.Set(prefix, text)) << prefix;
    EXPECT_TRUE(RunSearch(set_->evf(), input).ok());
    return set_->Hits(r);
  }

  static OpenSet* set_;
};

OpenSet* FreeFieldStarSearch::set_ = nullptr;

TEST_F(FreeFieldStarSearch, StarredTextFindsWhatThePlainTextFinds) {
  // Witnesses: Per Olsson; Per Olssons hustru; Anna Per.
  const Names olsson = Found(1, "fadder", "olsson");
  ASSERT_EQ(olsson, (Names{"Anders, Anna", "Andersson, Anna Maria"}));
  EXPECT_EQ(Found(1, "fadder", "*olsson*"), olsson);
  EXPECT_EQ(Found(1, "fadder", "*olsson"), olsson);
  const Names per = Found(1, "fadder", "per");
  ASSERT_EQ(per, (Names{"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria"}));
  EXPECT_EQ(Found(1, "fadder", "*per*"), per);
  EXPECT_EQ(Found(1, "fadder", "per*"), (Names{"Anders, Anna", "Andersson, Anna Maria"}))
      << "a star at the end alone still asks for the beginning";
  EXPECT_EQ(Found(3, "ovrigt", "*stina*"), Names{"Holm, Lars"});
}

TEST_F(FreeFieldStarSearch, TheSearchInAllFieldsReadsTheStarTheSameWay) {
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "*zebulon*"));
  EXPECT_EQ(set_->Hits(2), Names{"Holm, Nils och Ros, Stina"});
}

}  // namespace
}  // namespace vx
