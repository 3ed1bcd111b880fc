// The criteria language over the word lists of a small register set, through
// the births form's search: the five term kinds, alternatives and
// all-words, folding against keeping accents, and picked rows.
#include "search/list_field_search.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "search/catalogue_parts.h"
#include "search/picked_rows.h"
#include "search/run_search.h"
#include "search/word_list_search.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::Names;
using testing::OpenSet;

class ListFieldSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { set_ = new OpenSet(testing::ParishTables()); }
  static void TearDownTestSuite() { delete set_; }
  void SetUp() override {
    ASSERT_TRUE(set_->built());
    ClearPickedRows(evf(), 1);
  }

  static TEVF& evf() { return set_->evf(); }

  // The births found by typing `text` into the field of `prefix`.
  static Names Births(std::string_view prefix, std::string_view text, bool list_mode = false) {
    SearchFormInput input(1);
    EXPECT_TRUE(input.Set(prefix, text, list_mode));
    EXPECT_TRUE(RunSearch(evf(), input).ok());
    return set_->Hits(1);
  }

  static void Tick(int slot, const std::vector<std::string>& words) {
    EXPECT_TRUE(TickWords(*evf().soklistor(1, slot), words).empty());
  }

  static OpenSet* set_;
};

OpenSet* ListFieldSearch::set_ = nullptr;

constexpr int kFirstNameSlot = 6;
constexpr int kSurnameSlot = 7;

TEST_F(ListFieldSearch, BeginsWithIgnoresCaseAndAFinalStar) {
  const Names anders = {"Anders, Anna", "Andersson, Anna Maria"};
  EXPECT_EQ(Births("en", "and"), anders);
  EXPECT_EQ(Births("en", "ANDERS"), anders);
  EXPECT_EQ(Births("en", "Anders*"), anders);
  EXPECT_EQ(Births("en", "Ander*"), anders);
  EXPECT_EQ(Births("en", "Andersen"), Names{});
}

TEST_F(ListFieldSearch, QuotesAskForTheWholeWord) {
  EXPECT_EQ(Births("en", "\"anders\""), Names{"Anders, Anna"});
  EXPECT_EQ(Births("en", "\"Ander\""), Names{});
}

TEST_F(ListFieldSearch, EndingsAndBeginningsWithEndings) {
  EXPECT_EQ(Births("en", "*son"), (Names{"Andersson, Anna Maria", "Olsson, Per", "Persson, Erik"}));
  EXPECT_EQ(Births("en", "A*son"), Names{"Andersson, Anna Maria"});
  // Beginning and ending may overlap: ab*ba finds Aba.
  EXPECT_EQ(Births("en", "ab*ba"), (Names{"Aba, Maria", "Abba, Helene"}));
  EXPECT_EQ(Births("en", "abb*ba"), Names{"Abba, Helene"});
}

TEST_F(ListFieldSearch, ContainsWithAndWithoutASuffixDigit) {
  EXPECT_EQ(Births("en", "*ers*"),
            (Names{"Anders, Anna", "Andersson, Anna Maria", "Persson, Erik"}));
  // Sources Hjo C:1, Hjo C:2 and Hjo D:12.
  const Names all_three = {"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria"};
  EXPECT_EQ(Births("kae", "*jo*"), all_three);
  EXPECT_EQ(Births("kae", "*jo*2"), (Names{"Aba, Maria", "Anders, Anna"}));
  EXPECT_EQ(Births("kae", "*c:*1"), Names{"Andersson, Anna Maria"});
  // Without a leading star the digit is dropped: a begins-with search.
  EXPECT_EQ(Births("kae", "Hjo*2"), all_three);
}

TEST_F(ListFieldSearch, SemicolonsSeparateAlternatives) {
  EXPECT_EQ(Births("en", "Aba;Berg"),
            (Names{"Aba, Maria", "Berg, H\xE9l\xE8ne", "Bergstr\xF6m, Maria Anna"}));
  EXPECT_EQ(Births("en", ";\"Berg\";;*son;"),
            (Names{"Andersson, Anna Maria", "Berg, H\xE9l\xE8ne", "Olsson, Per", "Persson, Erik"}));
}

TEST_F(ListFieldSearch, ABlankInASurnameBelongsToTheTerm) {
  EXPECT_EQ(Births("en", "von P"), Names{"von Post, Carl"});
  EXPECT_EQ(Births("en", "von Berg"), Names{});
  EXPECT_EQ(Births("en", "Post"), Names{});
}

TEST_F(ListFieldSearch, FirstNamesNeedEveryWordOfAnAlternative) {
  EXPECT_EQ(Births("fn", "Anna Maria"),
            (Names{"Andersson, Anna Maria", "Bergstr\xF6m, Maria Anna"}));
  EXPECT_EQ(Births("fn", "Anna;Erik"), (Names{"Anders, Anna", "Andersson, Anna Maria",
                                              "Bergstr\xF6m, Maria Anna", "Persson, Erik"}));
  EXPECT_EQ(Births("fn", "maria anna;;erik"),
            (Names{"Andersson, Anna Maria", "Bergstr\xF6m, Maria Anna", "Persson, Erik"}));
  EXPECT_EQ(Births("fn", "Anna Carl"), Names{});
}

TEST_F(ListFieldSearch, PlacesFoldAccentsButNotTheSwedishLetters) {
  EXPECT_EQ(Births("foo", "*elene*"), (Names{"Aba, Maria", "Abba, Helene"}));
  EXPECT_EQ(Births("foo", "*ynster*"), Names{"Andersson, Anna Maria"});
  // Angelholm, not \xC4ngelholm.
  EXPECT_EQ(Births("foo", "*angelholm*"), Names{"Berg, H\xE9l\xE8ne"});
  EXPECT_EQ(Births("foo", "\xE4ngelholm"), Names{"Anders, Anna"});
}

TEST_F(ListFieldSearch, NamesKeepAccents) {
  EXPECT_EQ(Births("fn", "*elene*"), Names{"Abba, Helene"});
  EXPECT_EQ(Births("fn", "*\xC9L\xC8NE"), Names{"Berg, H\xE9l\xE8ne"});
  EXPECT_EQ(Births("fn", "\"helene\""), Names{"Abba, Helene"});
}

TEST_F(ListFieldSearch, BeginsWithStartsAtARowMatchingAccentForAccent) {
  // Places Helene and H\xE9l\xE8ne are neighbours in the list's order.
  EXPECT_EQ(Births("foo", "hel"), (Names{"Aba, Maria", "Abba, Helene"}));
  // The run starts at H\xE9l\xE8ne and cannot reach Helene before it.
  EXPECT_EQ(Births("foo", "h\xE9l"), Names{"Abba, Helene"});
}

TEST_F(ListFieldSearch, SeparatorsOnlyStandForThePickedRows) {
  Tick(kSurnameSlot, {"berg"});
  EXPECT_EQ(Births("en", ";"), Names{"Berg, H\xE9l\xE8ne"});
  EXPECT_EQ(Births("en", "Bergstr\xF6m;berg", true), Names{"Berg, H\xE9l\xE8ne"});
  Tick(kFirstNameSlot, {"Erik", "Per"});
  EXPECT_EQ(Births("fn", "   "), (Names{"Olsson, Per", "Persson, Erik"}));
  EXPECT_EQ(Births("fn", "Erik;Per", true), (Names{"Olsson, Per", "Persson, Erik"}));
}

TEST_F(ListFieldSearch, ListModeWithNothingPickedFindsNothing) {
  EXPECT_EQ(Births("en", "(vald)", true), Names{});
  EXPECT_EQ(Births("fn", "(vald)", true), Names{});
  // An empty edit takes no part, list mode or not.
  SearchFormInput input(1);
  input.Set("en", "", true);
  input.Set("fn", "Helene");
  ASSERT_TRUE(RunSearch(evf(), input).ok());
  EXPECT_EQ(set_->Hits(1), Names{"Abba, Helene"});
}

TEST_F(ListFieldSearch, ClearingTheFormForgetsItsRegistersPicks) {
  Tick(kSurnameSlot, {"Berg", "Aba"});
  TVXstruktlista& marriage_surnames = *evf().soklistor(2, 7);
  ASSERT_TRUE(TickWords(marriage_surnames, {"Ek"}).empty());
  ClearPickedRows(evf(), 1);
  EXPECT_EQ(Births("en", ";"), Names{});
  EXPECT_EQ(marriage_surnames.vald().Recount(), 1);
  ClearPickedRows(evf(), 2);
  EXPECT_EQ(marriage_surnames.vald().Recount(), 0);
}

TEST_F(ListFieldSearch, OverlongTermRefusesWithoutTouchingTheResult) {
  ASSERT_EQ(Births("en", "Berg"), (Names{"Berg, H\xE9l\xE8ne", "Bergstr\xF6m, Maria Anna"}));
  const std::string overlong(kMaxTermLength + 1, 'a');
  struct Case {
    const char* prefix;
    std::string text;
    const char* shown;  // the refused term's beginning
  };
  for (const auto& [prefix, text, shown] :
       std::vector<Case>{{"en", "Aba;" + overlong, ": aaaa"},
                         {"fn", "Anna;Maria " + overlong, ": aaaa"},
                         {"kae", "*" + overlong + "*", ": *aaa"}}) {
    SearchFormInput input(1);
    input.Set("foo", "Hel");
    input.Set(prefix, text);
    const Status status = RunSearch(evf(), input);
    EXPECT_TRUE(status.IsInvalidArgument()) << prefix;
    EXPECT_NE(status.message().find(std::string("(h\xF6gst 500 tecken)") + shown),
              std::string::npos)
        << prefix;
    EXPECT_EQ(set_->Hits(1), (Names{"Berg, H\xE9l\xE8ne", "Bergstr\xF6m, Maria Anna"})) << prefix;
  }
  // The longest term allowed is searched.
  EXPECT_EQ(Births("en", std::string(kMaxTermLength, 'a')), Names{});
}

TEST_F(ListFieldSearch, SearchWordListLeavesNothingMarkedWhenRefused) {
  const SearchScratch scratch = ScratchOf(evf());
  scratch.sokur1.SetAll();
  scratch.sokur2.SetAll();
  const Status status =
      SearchWordList(*evf().soklistor(1, kFirstNameSlot),
                     "Anna " + std::string(kMaxTermLength + 1, 'x'), true, true, scratch);
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(scratch.sokur1.Recount(), 0);
  EXPECT_EQ(scratch.sokur2.Recount(), 0);
}

TEST_F(ListFieldSearch, AllWordsModeKeepsItsCountsTrue) {
  const SearchScratch scratch = ScratchOf(evf());
  ASSERT_TRUE(
      SearchWordList(*evf().soklistor(1, kFirstNameSlot), "Anna Maria", true, true, scratch).ok());
  EXPECT_EQ(scratch.sokur2.Count(), 2);
  EXPECT_EQ(scratch.sokur2.Recount(), 2);
}

}  // namespace
}  // namespace vx
