// The search forms: their field tables, a form's state, its whole search and
// the picked rows of its list fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_declaration.h"
#include "search/catalogue_parts.h"
#include "search/form_availability.h"
#include "search/form_state.h"
#include "search/lokal_id.h"
#include "search/picked_rows.h"
#include "search/run_search.h"
#include "search/search_forms.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

// The three forms' field tables checked against the catalogue they name
// and against kuvo-sok's field prefixes.
TEST(SearchForms, TabOrderRunsThroughEveryFieldAndTheLokalId) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    std::vector<int> tabs = {form.lokalid_tab_order};
    for (const FormField& field : form.fields)
      tabs.push_back(field.tab_order);
    std::sort(tabs.begin(), tabs.end());
    for (size_t i = 0; i < tabs.size(); ++i)
      EXPECT_EQ(tabs[i], static_cast<int>(i)) << "register " << r;
  }
}

TEST(SearchForms, SlotsNameListsOfTheRightShape) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    for (const FormField& field : form.fields) {
      SCOPED_TRACE(std::to_string(r) + " " + std::string(field.prefix));
      if (field.routine == FieldRoutine::kFreeField) {
        // A declared free-search list of this register, named as declared.
        const ComponentDecl* list = FreeSearchListDecl(r, field.slot);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(field.free_list, list->name);
        EXPECT_EQ(FindComponent(field.free_list), list);
        continue;
      }
      // A declared word list of this register.
      EXPECT_TRUE(field.free_list.empty());
      const ComponentDecl* list = SearchListDecl(r, field.slot);
      ASSERT_NE(list, nullptr);
      EXPECT_EQ(list->kind, ComponentKind::kWordList);
      EXPECT_EQ(list->name, SearchComponentName(r, field.slot));
      // Date lists are the lists of 20-byte rows.
      EXPECT_EQ(list->list.radmaxlen == 20, field.routine == FieldRoutine::kDateRange);
    }
    const ComponentDecl* ids = SearchListDecl(r, form.lokalid_slot);
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids->list.radmaxlen, 30);
  }
}

TEST(SearchForms, EveryFreeSearchListOfARegisterHasItsField) {
  for (int r = 1; r <= 3; ++r) {
    std::multiset<std::string> used;
    for (const FormField& field : SearchForm(r).fields) {
      if (field.routine == FieldRoutine::kFreeField) used.emplace(field.free_list);
    }
    std::multiset<std::string> declared;
    for (const ComponentDecl* list : FreeSearchListsOf(r))
      declared.insert(list->name);
    EXPECT_EQ(used, declared) << "register " << r;
  }
  EXPECT_EQ(SearchForm(3).Field("anf")->free_list, "vaxors311");
}

TEST(SearchForms, WhatEachKindOfFieldCarries) {
  for (int r = 1; r <= 3; ++r) {
    for (const FormField& field : SearchForm(r).fields) {
      SCOPED_TRACE(std::to_string(r) + " " + std::string(field.prefix));
      EXPECT_EQ(!field.picker_title.empty(), field.ListBacked());
      EXPECT_EQ(!field.help_code.empty(), field.ListBacked());
      EXPECT_EQ(field.comparison == FieldComparison::kNone, !field.ListBacked());
      EXPECT_EQ(!field.date_lower_default.empty(), field.routine == FieldRoutine::kDateRange);
      // Names are compared with their accents.
      if (field.routine == FieldRoutine::kFirstNames) {
        EXPECT_TRUE(field.AccentKeeping());
      }
      // Only the sources have no empty-list caption among the list fields.
      EXPECT_EQ(field.empty_caption.empty(), !field.ListBacked() || field.prefix == "kae");
      EXPECT_EQ(field.visible, !(r == 1 && field.prefix == "en"));
    }
  }
}

// A search form's fields through typing, picking and clearing.
size_t Index(const SearchFormState& state, std::string_view prefix) {
  return static_cast<size_t>(state.form().FieldIndex(prefix));
}

TEST(SearchFormStateTest, BackToTypedModeAfterPickingTwiceShowsTheFirstSummary) {
  SearchFormState state(1);
  const size_t fn = Index(state, "fn");
  state.SetText(fn, "Anna");
  state.BeginListMode(fn);
  EXPECT_TRUE(state.field(fn).list_mode);
  EXPECT_EQ(state.field(fn).text, "Anna") << "grey until the picker confirms";
  state.EndListMode(fn, true, "Anna;Annika");
  EXPECT_EQ(state.field(fn).text, "Anna;Annika");
  state.SetText(fn, "ignored while in list mode");
  state.BeginListMode(fn);
  state.EndListMode(fn, true, "Brita");
  EXPECT_EQ(state.field(fn).text, "Brita");
  state.GoTyped(fn);
  EXPECT_FALSE(state.field(fn).list_mode);
  EXPECT_EQ(state.field(fn).text, "Anna;Annika");
}

TEST(SearchFormStateTest, ACancelledPickerKeepsTheTypedTextInListMode) {
  SearchFormState state(3);
  const size_t en = Index(state, "en");
  state.SetText(en, "Berg*");
  state.BeginListMode(en);
  state.EndListMode(en, false, "Ek");
  EXPECT_TRUE(state.field(en).list_mode);
  EXPECT_EQ(state.field(en).text, "Berg*");
  // The search then uses the picked rows, not the typed text.
  const SearchFormInput input = state.Input();
  EXPECT_TRUE(input.field(en).list_mode);
  state.GoTyped(en);
  EXPECT_EQ(state.field(en).text, "Berg*");
}

TEST(SearchFormStateTest, ConfirmedWithNoTicksTakesNoPart) {
  SearchFormState state(2);
  const size_t ken = Index(state, "ken");
  state.SetText(ken, "Ek");
  state.BeginListMode(ken);
  state.EndListMode(ken, true, "");
  EXPECT_TRUE(state.Input().Empty());
}

TEST(SearchFormStateTest, DateAndFreeFieldsHaveNoListMode) {
  SearchFormState state(1);
  for (const char* prefix : {"fod", "fadder", "ovrigt"}) {
    const size_t i = Index(state, prefix);
    state.SetText(i, "1780");
    state.BeginListMode(i);
    EXPECT_FALSE(state.field(i).list_mode) << prefix;
    EXPECT_FALSE(state.Input().field(i).list_mode) << prefix;
  }
}

TEST(SearchFormStateTest, ClearPutsEveryFieldBackToTypedAndEmpty) {
  SearchFormState state(1);
  for (size_t i = 0; i < state.size(); ++i) {
    state.SetText(i, "x");
    state.BeginListMode(i);
    state.EndListMode(i, true, "y");
  }
  state.Clear();
  for (size_t i = 0; i < state.size(); ++i) {
    EXPECT_FALSE(state.field(i).list_mode);
    EXPECT_TRUE(state.field(i).text.empty());
    EXPECT_TRUE(state.field(i).typed_text.empty());
  }
  EXPECT_TRUE(state.Input().Empty());
}

// A register form's whole search over a small register set: date ranges,
// free fields, fields combined, every field empty, and the Lokal-ID jump.
using testing::Names;
using testing::OpenSet;
using testing::W;

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
  EXPECT_EQ(Found(1, {{"fod", "-1785"}}),
            (Names{"Anders, Anna", "Andersson, Anna Maria", W("Berg, Hélène"), "Persson, Erik"}));
  EXPECT_EQ(Found(1, {{"fod", "1790-"}}),
            (Names{"Abba, Helene", W("Bergström, Maria Anna"), "von Post, Carl"}));
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
  EXPECT_EQ(Found(1, {{"fn", "Anna"}, {"foo", W("Münster")}}), Names{"Andersson, Anna Maria"});
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

// Ticking rows by word, the summary a field in list mode shows, and which
// fields a register set leaves without information.

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
