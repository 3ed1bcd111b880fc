// The rows of the normalisation list as the normalisation view reads them,
// from texts and from a list the builder wrote.
#include "search/normalisation_entries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_declaration.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::OpenSet;

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
      {"ANDERS", "Anders", 1}, {"\xC5KE", "\xE5ke", 1}, {"\xD6STEN", "\xF6sten", 2}};
  EXPECT_EQ(FindNormEntry(entries, "and"), 0);
  EXPECT_EQ(FindNormEntry(entries, "\xF6s"), 2);  // ö finds Ö
  EXPECT_EQ(FindNormEntry(entries, "\xE5"), 1);
  EXPECT_EQ(FindNormEntry(entries, "andersson"), -1);
  EXPECT_EQ(FindNormEntry(entries, ""), 0);
}

// Births whose written forms differ from the normalised ones.
testing::Tables NormalisedBirths(bool with_surnames) {
  std::vector<testing::SourceRecord> births = {
      {{"FNAMN", "Per"},
       {"FNAMNO", "Pehr"},
       {"GENUS", "m"},
       {"ORT", "Tuna"},
       {"ORTO", "Thuna"},
       {"FORSKX", "Hjo"}},
      {{"FNAMN", "Per"}, {"FNAMNO", "Pehr"}, {"GENUS", "m"}, {"ORT", "Tuna"}, {"ORTO", "Tuhna"}},
      {{"FNAMN", "Maja"}, {"FNAMNO", "Maija"}, {"GENUS", "k"}},
      {{"FNAMN", "Olof"}, {"FNAMNO", "Oluf"}, {"GENUS", "m"}}};
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
  OpenSet women({{1, {{{"FNAMN", "Maja"}, {"FNAMNO", "Maija"}, {"GENUS", "k"}}}}});
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
