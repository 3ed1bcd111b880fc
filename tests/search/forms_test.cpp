// The search forms: their field tables, a form's state, its whole search and
// the picked rows of its list fields; the word picker's and the
// normalisation view's decisions.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_declaration.h"
#include "imaging/cell_attribute.h"
#include "search/catalogue_parts.h"
#include "search/form_availability.h"
#include "search/form_layout.h"
#include "search/form_state.h"
#include "search/free_field_search.h"
#include "search/list_grid.h"
#include "search/lokal_id.h"
#include "search/normalisation_entries.h"
#include "search/picked_rows.h"
#include "search/picker_logic.h"
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

// What each kind of field carries, and its slot naming a list of the right
// shape.
TEST(SearchForms, EachKindOfFieldCarriesItsPartsAndASlotOfTheRightShape) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    for (const FormField& field : form.fields) {
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
    for (const FormField& field : SearchForm(r).fields)
      if (field.routine == FieldRoutine::kFreeField) used.emplace(field.free_list);
    std::multiset<std::string> declared;
    for (const ComponentDecl* list : FreeSearchListsOf(r))
      declared.insert(list->name);
    EXPECT_EQ(used, declared) << "register " << r;
  }
  EXPECT_EQ(SearchForm(3).Field("anf")->free_list, "vaxors311");
}

// The layouts: every group, the Lokal-ID group too, in tab order above the
// command buttons (that none overlaps another, at the forms' sizes, is swept
// with every window in main_layout_test).
TEST(SearchFormLayoutTest, GroupsComeInTabOrderAboveTheButtons) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    const SearchFormLayout m = LayOutSearchForm(form);
    SCOPED_TRACE(r);
    int previous_tab = -1;
    size_t visible = 0;
    for (const FormField& field : form.fields)
      visible += field.visible ? 1 : 0;
    ASSERT_EQ(m.groups.size(), visible + 1);
    for (const FieldGroupPlace& g : m.groups) {
      const int tab = g.field < 0 ? form.lokalid_tab_order
                                  : form.fields[static_cast<size_t>(g.field)].tab_order;
      EXPECT_GT(tab, previous_tab) << g.field;
      previous_tab = tab;
      if (g.field >= 0) {
        const FormField& field = form.fields[static_cast<size_t>(g.field)];
        EXPECT_EQ(g.type_button.width > 0, field.ListBacked()) << field.prefix;
      }
      EXPECT_LE(g.edit.bottom(), m.normknapp.top);
    }
  }
  // The death form's Lokal-ID (12) comes before Dödsorsak (13).
  const SearchFormTable& deaths = SearchForm(3);
  const SearchFormLayout m = LayOutSearchForm(deaths);
  EXPECT_EQ(m.groups[m.groups.size() - 2].field, -1);
  EXPECT_EQ(m.groups.back().field, deaths.FieldIndex("dors"));
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

TEST(SearchFormStateTest, ACancelledPickerKeepsTheTypedTextAConfirmedEmptyOneTakesNoPart) {
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
  // Confirmed with no ticks, a field takes no part.
  SearchFormState marriages(2);
  const size_t ken = Index(marriages, "ken");
  marriages.SetText(ken, "Ek");
  marriages.BeginListMode(ken);
  marriages.EndListMode(ken, true, "");
  EXPECT_TRUE(marriages.Input().Empty());
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

  static inline OpenSet* set_ = nullptr;
};

TEST_F(RunSearchTest, DateRanges) {
  EXPECT_EQ(Found(1, {{"fod", "1780-1789"}}),
            (Names{"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria", "Persson, Erik"}));
  EXPECT_EQ(Found(1, {{"fod", "1780"}}), Names{"Andersson, Anna Maria"});
  EXPECT_EQ(Found(1, {{"fod", "178512"}}), Names{"Anders, Anna"});
  EXPECT_EQ(Found(1, {{"fod", "17851224"}}), Names{"Anders, Anna"});
  // The births' lower end when none is typed (the ends themselves: SplitDateField).
  EXPECT_EQ(Found(1, {{"fod", "-1785"}}),
            (Names{"Anders, Anna", "Andersson, Anna Maria", W("Berg, Hélène"), "Persson, Erik"}));
  // A blank date field finds every dated record.
  const Names found = Found(1, {{"fod", "  "}});
  EXPECT_EQ(found.size(), 8u);
  EXPECT_EQ(std::count(found.begin(), found.end(), "Olsson, Per"), 0);
  // The death form's birth dates start at 1800.
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

// A '*' in front of a free field's text, written as in the word-list
// fields, asks for a part of an entry: *Olsson* and *Olsson find what
// Olsson finds. The quoted and begins-with forms are unchanged.
TEST(FreeFieldStar, LeadingStarIsDropped) {
  const struct {
    const char* typed;
    const char* searched;
    FreeSearchMode mode;
  } cases[] = {
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
  for (const auto& c : cases) {
    const FreeFieldQuery query = ParseFreeFieldText(c.typed);
    EXPECT_EQ(query.text, c.searched) << c.typed;
    EXPECT_EQ(query.mode, c.mode) << c.typed;
  }
}

TEST_F(RunSearchTest, FreeFieldsByQuoteAndStar) {
  // Witnesses: Per Olsson; Per Olssons hustru; Anna Per.
  for (const char* olsson : {"olsson", "*olsson*", "*olsson", "per*"})
    EXPECT_EQ(Found(1, {{"fadder", olsson}}), (Names{"Anders, Anna", "Andersson, Anna Maria"}))
        << olsson;
  for (const char* per : {"per", "*per*"})
    EXPECT_EQ(Found(1, {{"fadder", per}}),
              (Names{"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria"}))
        << per;
  EXPECT_EQ(Found(1, {{"fadder", "\"per olsson\""}}), Names{"Andersson, Anna Maria"});
  EXPECT_EQ(Found(1, {{"ovrigt", "TVILL*"}}), Names{"Persson, Erik"});
  EXPECT_EQ(Found(2, {{"ovrigt", "zebulon"}}), Names{"Holm, Nils och Ros, Stina"});
  EXPECT_EQ(Found(3, {{"ovrigt", "stina"}}), Names{"Holm, Lars"});
  EXPECT_EQ(Found(3, {{"ovrigt", "*stina*"}}), Names{"Holm, Lars"});
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

TEST_F(RunSearchTest, LokalIdFoundReplacesTheResultAndMissingLeavesIt) {
  ASSERT_EQ(Found(1, {{"en", "Berg"}}), kBerg);
  for (const char* id : {"F99", "F", "V1"}) {
    const Status status = FindLokalId(evf(), 1, SearchForm(1).lokalid_slot, id);
    EXPECT_TRUE(status.IsNotFound());
    EXPECT_EQ(status.message(), std::string("Lokal-ID ") + id + " finns inte!");
    EXPECT_EQ(set_->Hits(1), kBerg);
  }
  const int slot = SearchForm(1).lokalid_slot;
  ASSERT_TRUE(FindLokalId(evf(), 1, slot, "F3").ok());
  EXPECT_EQ(set_->Hits(1), Names{"Aba, Maria"});
  EXPECT_EQ(ResultOf(evf(), 1).Count(), 1);
  ASSERT_TRUE(FindLokalId(evf(), 1, slot, "f9").ok());
  EXPECT_EQ(set_->Hits(1), Names{"von Post, Carl"});
  ASSERT_TRUE(FindLokalId(evf(), 3, SearchForm(3).lokalid_slot, "D2").ok());
  EXPECT_EQ(set_->Hits(3), Names{"Lund, Karin"});
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

// The word picker's decisions over the search lists of a small register
// set, and the arithmetic of the list grid it shares with the
// normalisation view.
constexpr int kFirstNameSlot = 6;

// The grid row (0-based) of the row whose text is `word`.
int GridRow(TVXstruktlista& list, const std::string& word) {
  return list.FindExact(word) - 1;
}

TEST(ListGrid, TheBarAppearsOnlyWhenARowDoesNotFit) {
  EXPECT_EQ(ListScrollBarFor(0), (ListScrollBar{false, 1}));
  EXPECT_EQ(ListScrollBarFor(18), (ListScrollBar{false, 1}));
  EXPECT_EQ(ListScrollBarFor(19), (ListScrollBar{true, 2}));
  EXPECT_EQ(ListScrollBarFor(1000), (ListScrollBar{true, 983}));
}

TEST(ListGrid, TheWheelMovesTenRowsANotchWithinTheRows) {
  EXPECT_EQ(WheelTopRow(0, -120, 100), 10);
  EXPECT_EQ(WheelTopRow(30, 120, 100), 20);
  EXPECT_EQ(WheelTopRow(5, 120, 100), 0);
  EXPECT_EQ(WheelTopRow(78, -240, 100), 82);  // the last full page
  EXPECT_EQ(WheelTopRow(0, -120, 18), 0);     // no bar, no scrolling
}

TEST(ListGrid, AVisibleRowIsOnlyMadeCurrentAnotherGetsHalfAPageAbove) {
  EXPECT_EQ(QuickSearchPlace({10, 12}, 27, 100), (GridPlace{10, 27}));
  EXPECT_EQ(QuickSearchPlace({10, 12}, 28, 100), (GridPlace{19, 28}));
  EXPECT_EQ(QuickSearchPlace({10, 12}, 9, 100), (GridPlace{0, 9}));
  EXPECT_EQ(QuickSearchPlace({0, 0}, 97, 100), (GridPlace{82, 97}));
  EXPECT_EQ(QuickSearchPlace({0, 0}, 3, 10), (GridPlace{0, 3}));
}

TEST(PickerPositions, KeptPerRegisterAndSlotUntilTheRegisterIsForgotten) {
  PickerPositions positions;
  positions.Set(1, 7, {40, 45});
  positions.Set(1, 8, {3, 4});
  positions.Set(2, 7, {9, 9});
  positions.Set(4, 7, {1, 1});   // no such register
  positions.Set(1, 21, {1, 1});  // no such slot
  EXPECT_EQ(positions.Get(1, 7), (GridPlace{40, 45}));
  EXPECT_EQ(positions.Get(1, 8), (GridPlace{3, 4}));
  EXPECT_EQ(positions.Get(4, 7), GridPlace{});
  positions.Forget(1);
  EXPECT_EQ(positions.Get(1, 7), GridPlace{});
  EXPECT_EQ(positions.Get(1, 8), GridPlace{});
  EXPECT_EQ(positions.Get(2, 7), (GridPlace{9, 9}));
}

class WordPickerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(set_.built()); }
  TVXstruktlista& List(int slot) { return *set_.evf().soklistor(1, slot); }

  OpenSet set_{testing::ParishTables()};
  WordPicker picker_;
};

TEST_F(WordPickerTest, ShowsTheSlotsListWithItsTicksCountedAndClearsThemOnly) {
  TickWords(List(kSurnameSlot), {"Berg", "Olsson"});
  List(kSurnameSlot).vald().SetBit(1, true);
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  ASSERT_TRUE(picker_.has_list());
  EXPECT_EQ(picker_.rows(), 9);
  EXPECT_EQ(picker_.CountText(), "Valda: 3 av 9");
  // Clearing unticks the shown list only.
  TickWords(List(kFirstNameSlot), {"Anna"});
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  picker_.ToggleTick(0);
  picker_.ClearTicks();
  EXPECT_EQ(List(kSurnameSlot).vald().Count(), 0);
  EXPECT_EQ(List(kFirstNameSlot).vald().Count(), 1);
}

TEST_F(WordPickerTest, NoListShowsNothingAndTicksNothing) {
  for (int slot : {0, 5, 21}) {  // 5 is no slot of the births
    picker_.Show(set_.evf(), 1, slot);
    EXPECT_FALSE(picker_.has_list()) << slot;
    EXPECT_EQ(picker_.rows(), 0);
    EXPECT_EQ(picker_.CountText(), "");
    picker_.ToggleTick(0);
    EXPECT_FALSE(picker_.Ticked(0));
    EXPECT_EQ(picker_.QuickSearch("A"), -1);
    EXPECT_EQ(picker_.Summary(), "");
  }
}

TEST_F(WordPickerTest, CellsShowTheWordAndItsRecordsAtLeastOne) {
  TVXstruktlista& names = List(kFirstNameSlot);
  picker_.Show(set_.evf(), 1, kFirstNameSlot);
  std::string text;
  const int anna = GridRow(names, "Anna") + 1;
  ASSERT_TRUE(picker_.CellText(anna, 1, text).ok());
  EXPECT_EQ(text, "Anna");
  ASSERT_TRUE(picker_.CellText(anna, 2, text).ok());
  EXPECT_EQ(text, "\t3");  // Anna Maria, Anna, Maria Anna
  ASSERT_TRUE(picker_.CellText(GridRow(names, "Carl") + 1, 2, text).ok());
  EXPECT_EQ(text, "\t1");  // one record: no postings, PostingCount 0
  EXPECT_FALSE(picker_.CellText(names.RowCount() + 1, 1, text).ok());
}

TEST_F(WordPickerTest, AttributeIsIndentedOnceAndMarkedWhenTicked) {
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  uint32_t word = 0;
  ASSERT_TRUE(picker_.CellAttribute(3, word).ok());
  EXPECT_EQ(DecodeCellAttribute(word).indent_level, 1);
  EXPECT_FALSE(DecodeCellAttribute(word).chosen);
  picker_.ToggleTick(2);
  ASSERT_TRUE(picker_.CellAttribute(3, word).ok());
  EXPECT_TRUE(DecodeCellAttribute(word).chosen);
  EXPECT_TRUE(List(kSurnameSlot).vald().IsSet(3));
}

TEST_F(WordPickerTest, ADragFromATickedRowUnticksEveryRowPassed) {
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  for (int row : {1, 2, 4, 6})
    picker_.ToggleTick(row);
  picker_.ToggleTick(1);  // the press on ticked row 1 unticks it
  for (int row = 2; row <= 6; ++row)
    picker_.CopyTick(1, row);
  picker_.CopyTick(1, 5);  // back over a row already passed
  for (int row = 0; row < 9; ++row)
    EXPECT_FALSE(picker_.Ticked(row)) << row;

  picker_.ToggleTick(7);  // a press on an unticked row ticks what follows
  picker_.CopyTick(7, 8);
  picker_.CopyTick(7, 6);
  EXPECT_TRUE(picker_.Ticked(6));
  EXPECT_TRUE(picker_.Ticked(8));
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  EXPECT_EQ(picker_.CountText(), "Valda: 3 av 9");
}

TEST_F(WordPickerTest, QuickSearchFindsTheFirstRowBeginningWithTheText) {
  TVXstruktlista& surnames = List(kSurnameSlot);
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  EXPECT_EQ(picker_.QuickSearch("berg"), GridRow(surnames, "Berg"));
  EXPECT_EQ(picker_.QuickSearch("Bergs"), GridRow(surnames, W("Bergström")));
  EXPECT_EQ(picker_.QuickSearch(""), 0);
  EXPECT_EQ(picker_.QuickSearch("Qx"), -1);
}

// The rows of the normalisation list as the normalisation view reads them,
// from texts and from a list the builder wrote.

TEST(NormalisationEntries, FieldsAreTrimmedAndAPlaceShowsItsAddition) {
  const NormFields surname = SplitNormRow(" 1 \rANDERSSON \r Andersson\r12 ");
  EXPECT_EQ(surname.kind, 1);
  EXPECT_EQ(surname.normalised, "ANDERSSON");
  EXPECT_EQ(surname.written, "Andersson");
  EXPECT_EQ(surname.addition, "");
  EXPECT_EQ(surname.count, 12);
  // Non-numbers and missing fields count as zero.
  EXPECT_EQ(SplitNormRow("x\rA\rB\r4").kind, 0);
  EXPECT_EQ(SplitNormRow("4\rPER\rPehr\r4a").count, 0);
  EXPECT_EQ(SplitNormRow("2\rTUNA\rThuna").count, 0);
  // A place shows its addition in brackets when it has one.
  EXPECT_EQ(EntryOf(SplitNormRow("2\rTUNA\rThuna\rHjo\r3")), (NormEntry{"TUNA", "Thuna (Hjo)", 3}));
  EXPECT_EQ(EntryOf(SplitNormRow("2\rTUNA\rTuhna\r\r1")), (NormEntry{"TUNA", "Tuhna", 1}));
  EXPECT_EQ(EntryOf(SplitNormRow("1\rBERG\rBergh\r7")), (NormEntry{"BERG", "Bergh", 7}));
}

TEST(NormalisationEntries, QuickSearchIgnoresCaseAsTheCodePageUpperCases) {
  const std::vector<NormEntry> entries = {
      {"ANDERS", "Anders", 1}, {W("ÅKE"), W("åke"), 1}, {W("ÖSTEN"), W("östen"), 2}};
  EXPECT_EQ(FindNormEntry(entries, "and"), 0);
  EXPECT_EQ(FindNormEntry(entries, W("ös")), 2);  // ö finds Ö
  EXPECT_EQ(FindNormEntry(entries, W("å")), 1);
  EXPECT_EQ(FindNormEntry(entries, "andersson"), -1);
  EXPECT_EQ(FindNormEntry(entries, ""), 0);
}

// Births whose written forms differ from the normalised ones.
testing::Tables NormalisedBirths(bool with_surnames) {
  std::vector<testing::SourceRecord> births = {
      testing::Fields("FNAMN=Per|FNAMNO=Pehr|GENUS=m|ORT=Tuna|ORTO=Thuna|FORSKX=Hjo"),
      testing::Fields("FNAMN=Per|FNAMNO=Pehr|GENUS=m|ORT=Tuna|ORTO=Tuhna"),
      testing::Fields("FNAMN=Maja|FNAMNO=Maija|GENUS=k"),
      testing::Fields("FNAMN=Olof|FNAMNO=Oluf|GENUS=m")};
  if (with_surnames) {
    births[0].insert({{"ENAMN", "Berg"}, {"ENAMNO", "Bergh"}});
    births[1].insert({{"ENAMN", "Ek"}, {"ENAMNO", "Eek"}});
  }
  return {{1, births}};
}

TEST(NormalisationEntries, EachKindIsReadUpToItsLastRow) {
  OpenSet set(NormalisedBirths(true));
  ASSERT_TRUE(set.built());
  TVXstruktlista& list = *set.evf().List(kNormalisationList);
  std::vector<NormEntry> surnames;
  ASSERT_TRUE(LoadNormKind(list, kNormSurnames, surnames).ok());
  EXPECT_EQ(surnames, (std::vector<NormEntry>{{"Berg", "Bergh", 1}, {"Ek", "Eek", 1}}));
  std::vector<NormEntry> places;
  ASSERT_TRUE(LoadNormKind(list, kNormPlaces, places).ok());
  EXPECT_EQ(places, (std::vector<NormEntry>{{"Tuna", "Thuna (Hjo)", 1}, {"Tuna", "Tuhna", 1}}));
  std::vector<NormEntry> men;  // the list's last kind, up to its last row
  ASSERT_TRUE(LoadNormKind(list, kNormMensNames, men).ok());
  EXPECT_EQ(men, (std::vector<NormEntry>{{"Olof", "Oluf", 1}, {"Per", "Pehr", 2}}));

  NormalisationKinds kinds;
  ASSERT_TRUE(kinds.Load(list).ok());
  EXPECT_EQ(kinds.Entries(kNormWomensNames), (std::vector<NormEntry>{{"Maja", "Maija", 1}}));
  EXPECT_EQ(kinds.Entries(kNormMensNames), men);
  EXPECT_TRUE(kinds.Entries(0).empty());
}

// The view opens on the first kind that has entries.
TEST(NormalisationEntries, TheFirstKindWithEntriesComesFirst) {
  const struct {
    testing::Tables tables;
    int first;
  } cases[] = {
      {NormalisedBirths(true), kNormSurnames},
      {NormalisedBirths(false), kNormMensNames},
      {{{1, {testing::Fields("FNAMN=Maja|FNAMNO=Maija|GENUS=k")}}}, kNormWomensNames},
      {{{1, {{{"FNAMN", "Maja"}}}}}, kNormPlaces},  // nothing normalised
  };
  for (const auto& c : cases) {
    OpenSet set(c.tables);
    ASSERT_TRUE(set.built());
    NormalisationKinds kinds;
    ASSERT_TRUE(kinds.Load(*set.evf().List(kNormalisationList)).ok());
    EXPECT_EQ(kinds.FirstKind(), c.first);
    EXPECT_EQ(kinds.HasEntries(c.first), c.first != kNormPlaces) << c.first;
  }
}

}  // namespace
}  // namespace vx
