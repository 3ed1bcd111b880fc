// The columns of the result list and the print tables, and the keys they
// sort by.
#include "records/list_columns.h"

#include <gtest/gtest.h>

#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using testing::MakeRecord;
using testing::W;

TEST(Listrubrik, TitlesEachRegistersColumns) {
  const struct {
    int r;
    int column;
    const char* title;
  } cases[] = {{kBirths, 1, "Född"},     {kBirths, 7, "Döpt"}, {kMarriages, 3, "M, titel/ålder"},
               {kMarriages, 8, "Källa"}, {kDeaths, 3, "Född"}, {kDeaths, 7, "Begr."},
               {kBirths, 8, ""},         {kDeaths, 8, ""},     {kBirths, 0, ""},
               {kMarriages, 9, ""},      {0, 1, ""},           {4, 1, ""}};
  for (const auto& c : cases)
    EXPECT_EQ(listrubrik(c.r, c.column), W(c.title)) << c.r << " " << c.column;
}

// A key of several parts, as the lists join them.
std::string Key(std::initializer_list<std::string_view> parts) {
  std::string key;
  for (std::string_view part : parts)
    key.append(part).push_back('\xFF');
  key.pop_back();
  return key;
}

// The texts of columns 1, 2, ... of `record`, each followed by '|'.
template <typename Record>
std::string Columns(const Record& record, int count) {
  std::string texts;
  for (int column = 1; column <= count; ++column)
    texts += listtext(record, column) + "|";
  return texts;
}

constexpr char kBirth[] =
    "FODAT=17530403|DOPDAT=17530405|ENAMN=Andersdotter|FNAMN=Anna|ORT=Berga|FORSKX=Tuna|"
    "LAN=Kalmar|KAELLA=C:2|FARENAMN=Larsson|FARFNAMN=Per|FARTITEL=Dräng|FARALDER=40|"
    "FARORT=Berga";

TEST(BirthColumns, ShowDatesNamesPlacesAndParents) {
  Tenfodd r = MakeRecord<Tenfodd>(kBirth);
  EXPECT_EQ(Columns(r, 8), W("1753-04-03|Andersdotter, Anna|Berga, Tuna (Kalmar)|"
                             "Larsson, Per, Dräng, 40 år, Berga|(Ingen namnuppgift)|C:2|"
                             "1753-04-05||"));
  r.DFODD = "x";
  EXPECT_EQ(listtext(r, 1), "1753-04-03 (df)");
}

TEST(BirthColumns, WithoutNamesShowNoNameInColumnAndKey) {
  // Written forms do not count.
  Tenfodd r = MakeRecord<Tenfodd>(std::string(kBirth) + "|ENAMN=|FNAMN=|ENAMNO=Andersd:r");
  EXPECT_EQ(listtext(r, 2), "(Ingen namnuppgift)");
  EXPECT_EQ(listnyckel(r, 2), "(Ingen namnuppgift)");
  r.FNAMN = "Anna";
  EXPECT_EQ(listtext(r, 2), "Anna");
}

TEST(BirthColumns, PlaceRuleGivesTheCountyOnlyWithTheParish) {
  const char* cases[][2] = {
      {"FORSKX=", "Berga"}, {"ORT=", "Tuna (Kalmar)"}, {"ORT=|LAN=", "Tuna"}, {"ORT=|FORSKX=", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(listtext(MakeRecord<Tenfodd>(std::string(kBirth) + "|" + c[0]), 3), c[1]) << c[0];
  }
}

TEST(BirthColumns, ParentRuleDropsSaknasAndAppliesTheAgeRule) {
  const char* cases[][2] = {
      {"FARORT=|FARTITEL=saknas", "Larsson, Per, 40 år"},
      {"FARORT=|FARTITEL=SAKNAS", "Larsson, Per, 40 år"},
      {"FARORT=|FARTITEL=Saknas", "Larsson, Per, 40 år"},
      // The age rule itself is checked in field_rules_test.cpp.
      {"FARORT=|FARTITEL=Saknas|FARALDER=150", "Larsson, Per, 150"},
      {"FARORT=|FARTITEL=Saknas|FARALDER=saknas", "Larsson, Per"},
      {"FARTITEL=Saknas|FARALDER=saknas", "Larsson, Per, Berga"},  // no comma before the place
      {"FARTITEL=Saknas|FARALDER=saknas|FARENAMN=|FARFNAMN=", "(Ingen namnuppgift), Berga"}};
  for (const auto& c : cases) {
    EXPECT_EQ(listtext(MakeRecord<Tenfodd>(std::string(kBirth) + "|" + c[0]), 4), W(c[1])) << c[0];
  }
  EXPECT_EQ(listtext(MakeRecord<Tenfodd>("MORTITEL=Piga|MORALDER=32"), 5),
            W("(Ingen namnuppgift), Piga, 32 år"));
}

TEST(BirthKeys, UseTheBaptismWhenTheBirthDateIsMissing) {
  Tenfodd r = MakeRecord<Tenfodd>(kBirth);
  EXPECT_EQ(listnyckel(r, 1), "17530403");
  EXPECT_EQ(listnyckel(r, 2), "Andersdotter, Anna");
  EXPECT_EQ(listnyckel(r, 3), Key({"C:2", "17530403"}));
  r.FODAT.clear();
  EXPECT_EQ(listnyckel(r, 1), "17530405");
  EXPECT_EQ(listnyckel(r, 3), Key({"C:2", "17530405"}));
  EXPECT_EQ(listnyckel(r, 4), "");
}

constexpr char kMarriage[] =
    "VIGDDAT=17600420|LYSNDAT=17600301|KAELLA=EI:1|POSTNUMMER=12|MENAMN=Persson|MFNAMN=Lars|"
    "MTITEL=Bonde|MALDER=30|MORT=Berga|KENAMN=Olsdotter|KFNAMN=Kerstin|KTITEL=Piga|KALDER=30|"
    "KORT=Ekeby";

TEST(MarriageColumns, ShowTheWomansAgeAsStored) {
  Tenvigd r = MakeRecord<Tenvigd>(kMarriage);
  EXPECT_EQ(Columns(r, 8), W("1760-04-20|Persson, Lars|Bonde, 30 år|Berga|Olsdotter, Kerstin|"
                             "Piga, 30|Ekeby|EI:1|"));
  r.MTITEL.clear();
  r.KTITEL.clear();
  EXPECT_EQ(listtext(r, 3), W("30 år"));
  EXPECT_EQ(listtext(r, 6), "30");
  r.MALDER.clear();
  r.MTITEL = "saknas";  // no saknas rule outside the parents
  EXPECT_EQ(listtext(r, 3), "saknas");
}

TEST(MarriageKeys, JoinDateSourceAndNumber) {
  Tenvigd r = MakeRecord<Tenvigd>(kMarriage);
  EXPECT_EQ(listnyckel(r, 1), Key({"17600420", "EI:1", "12"}));
  EXPECT_EQ(listnyckel(r, 2), "Persson, Lars");
  EXPECT_EQ(listnyckel(r, 3), Key({"EI:1", "17600420", "12"}));
  EXPECT_EQ(listnyckel(r, 4), "Olsdotter, Kerstin");
  r.VIGDDAT.clear();
  EXPECT_EQ(listnyckel(r, 1), Key({"17600301", "EI:1", "12"}));
  r.LYSNDAT.clear();
  r.KENAMN.clear();
  r.KFNAMN.clear();
  EXPECT_EQ(listnyckel(r, 3), Key({"EI:1", "", "12"}));
  EXPECT_EQ(listnyckel(r, 4), "(Ingen namnuppgift)");
  EXPECT_EQ(listnyckel(r, 5), "");
}

TEST(DeathColumns, ShowDatesTitleAgeAndPlace) {
  Tendod r = MakeRecord<Tendod>(
      "DODAT=17800112|BEGRDAT=17800119|FODAT=17200500|ENAMN=Nilsdotter|FNAMN=Brita|TITEL=Änka|"
      "ALDER=59|ORT=Berga|FORSKX=Tuna|LAN=Kalmar|KAELLA=F:1");
  EXPECT_EQ(Columns(r, 7), W("1780-01-12|Nilsdotter, Brita|1720-05-00|Änka, 59 år|"
                             "Berga, Tuna (Kalmar)|F:1|1780-01-19|"));
  EXPECT_EQ(listnyckel(r, 1), "17800112");
  EXPECT_EQ(listnyckel(r, 3), Key({"F:1", "17800112"}));
  r.FORSKX.clear();
  EXPECT_EQ(listtext(r, 5), "Berga") << "no county without the parish";
  r.TITEL.clear();
  r.ALDER = "121";
  EXPECT_EQ(listtext(r, 4), "121");
  // Keys use the burial when the death date is missing.
  r.DODAT.clear();
  EXPECT_EQ(listnyckel(r, 1), "17800119");
  EXPECT_EQ(listnyckel(r, 3), Key({"F:1", "17800119"}));
  r.ENAMN.clear();
  EXPECT_EQ(listnyckel(r, 2), "Brita");
  EXPECT_EQ(listnyckel(r, 4), "");
}

}  // namespace
}  // namespace vx
