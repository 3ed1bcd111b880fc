// The word picker's and the normalisation view's decisions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_declaration.h"
#include "imaging/cell_attribute.h"
#include "search/list_grid.h"
#include "search/normalisation_entries.h"
#include "search/picked_rows.h"
#include "search/picker_logic.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::W;

// The word picker's decisions over the search lists of a small register
// set, and the arithmetic of the list grid it shares with the
// normalisation view.
using testing::OpenSet;

constexpr int kFirstNameSlot = 6;
constexpr int kSurnameSlot = 7;

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

TEST_F(WordPickerTest, ShowsTheSlotsListWithItsTicksCounted) {
  TickWords(List(kSurnameSlot), {"Berg", "Olsson"});
  List(kSurnameSlot).vald().SetBit(1, true);
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  ASSERT_TRUE(picker_.has_list());
  EXPECT_EQ(picker_.rows(), 9);
  EXPECT_EQ(picker_.CountText(), "Valda: 3 av 9");
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

TEST_F(WordPickerTest, ClearingUnticksTheShownListOnly) {
  TickWords(List(kFirstNameSlot), {"Anna"});
  picker_.Show(set_.evf(), 1, kSurnameSlot);
  picker_.ToggleTick(0);
  picker_.ClearTicks();
  EXPECT_EQ(List(kSurnameSlot).vald().Count(), 0);
  EXPECT_EQ(List(kFirstNameSlot).vald().Count(), 1);
}

// The rows of the normalisation list as the normalisation view reads them,
// from texts and from a list the builder wrote.

TEST(NormalisationEntries, FieldsAreTrimmedAndNonNumbersCountAsZero) {
  const NormFields surname = SplitNormRow(" 1 \rANDERSSON \r Andersson\r12 ");
  EXPECT_EQ(surname.kind, 1);
  EXPECT_EQ(surname.normalised, "ANDERSSON");
  EXPECT_EQ(surname.written, "Andersson");
  EXPECT_EQ(surname.addition, "");
  EXPECT_EQ(surname.count, 12);

  const NormFields place = SplitNormRow("2\rTUNA\rThuna\rHjo\r3");
  EXPECT_EQ(place.addition, "Hjo");
  EXPECT_EQ(place.count, 3);

  EXPECT_EQ(SplitNormRow("x\rA\rB\r4").kind, 0);
  EXPECT_EQ(SplitNormRow("4\rPER\rPehr\r4a").count, 0);
  EXPECT_EQ(SplitNormRow("2\rTUNA\rThuna").count, 0);  // fields missing
}

TEST(NormalisationEntries, APlaceShowsItsAdditionInBracketsWhenItHasOne) {
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
    births[0]["ENAMN"] = "Berg";
    births[0]["ENAMNO"] = "Bergh";
    births[1]["ENAMN"] = "Ek";
    births[1]["ENAMNO"] = "Eek";
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
  EXPECT_EQ(kinds.FirstKind(), kNormSurnames);
  EXPECT_TRUE(kinds.Entries(0).empty());
}

TEST(NormalisationEntries, WithoutSurnamesMensNamesComeFirst) {
  OpenSet set(NormalisedBirths(false));
  ASSERT_TRUE(set.built());
  NormalisationKinds kinds;
  ASSERT_TRUE(kinds.Load(*set.evf().List(kNormalisationList)).ok());
  EXPECT_FALSE(kinds.HasEntries(kNormSurnames));
  EXPECT_EQ(kinds.FirstKind(), kNormMensNames);
}

TEST(NormalisationEntries, WithoutNamesWomensNamesThenPlacesComeFirst) {
  OpenSet women({{1, {testing::Fields("FNAMN=Maja|FNAMNO=Maija|GENUS=k")}}});
  ASSERT_TRUE(women.built());
  NormalisationKinds kinds;
  ASSERT_TRUE(kinds.Load(*women.evf().List(kNormalisationList)).ok());
  EXPECT_EQ(kinds.FirstKind(), kNormWomensNames);

  OpenSet none({{1, {{{"FNAMN", "Maja"}}}}});
  ASSERT_TRUE(none.built());
  NormalisationKinds nothing;
  ASSERT_TRUE(nothing.Load(*none.evf().List(kNormalisationList)).ok());
  EXPECT_EQ(nothing.FirstKind(), kNormPlaces);
  EXPECT_TRUE(nothing.Entries(kNormPlaces).empty());
}

}  // namespace
}  // namespace vx
