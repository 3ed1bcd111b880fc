// Field values as texts: dates, ages and saknas, and the columns of the
// result list and the print tables with the keys they sort by.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "records/date_text.h"
#include "records/field_rules.h"
#include "records/list_columns.h"
#include "tests/support/record_text_test_util.h"
#include "tests/support/text.h"

namespace vx {
namespace {

TEST(Datumtext, ShowsKnownPartsAsDayMonthYearAndLeavesOutEveryFormOfUnknownPart) {
  // A stored YYYYMM reads as a date; unknown months give the year alone, a
  // following day or not; unknown days give "?"; only the fill after the
  // year is dropped, even when the year itself ends in 00 or 99.
  const char* cases[][2] = {{"17530403", "3/4 1753"},   {"17531231", "31/12 1753"},
                            {"17531010", "10/10 1753"}, {"175304", "?/4 1753"},
                            {"17531200", "?/12 1753"},  {"17539999", "1753"},
                            {"17530000", "1753"},       {"9999", ""},
                            {"99999999", ""},           {"99990403", ""},
                            {"1753", "1753"},           {"", ""},
                            {"17530X12", "1753"},       {"1753X012", "1753"},
                            {"17539912", "1753"},       {"17530012", "1753"},
                            {"1753XX12", "1753"},       {"1753XX", "1753"},
                            {"17530x12", "1753"},       {"175312XX", "?/12 1753"},
                            {"1753120X", "?/12 1753"},  {"175312X0", "?/12 1753"},
                            {"17531299", "?/12 1753"},  {"175312xx", "?/12 1753"},
                            {"17000000", "1700"},       {"170000", "1700"},
                            {"179999", "1799"},         {"18000103", "3/1 1800"}};
  for (const auto& c : cases)
    EXPECT_EQ(datumtext(c[0]), c[1]) << c[0];
}

TEST(DashedDate, InsertsHyphensAfterYearAndMonth) {
  EXPECT_EQ(DashedDate("17530403"), "1753-04-03");
  EXPECT_EQ(DashedDate("1753XX00"), "1753-XX-00");
  EXPECT_EQ(DashedDate("175312"), "1753-12-");
  EXPECT_EQ(DashedDate("1753"), "1753--");
  EXPECT_EQ(DashedDate(""), "");
  // A date of which nothing is known is stored as 9999: an empty cell.
  EXPECT_EQ(DashedDate("9999"), "");
  EXPECT_EQ(DashedDate("99999999"), "");
  EXPECT_EQ(DashedDate("17539999"), "1753-99-99") << "a known year is shown as stored";
}

TEST(UnknownDate, OnlyTheYear9999IsUnknown) {
  for (const char* unknown : {"9999", "99999999", "9999XX12", "99990403"})
    EXPECT_TRUE(IsUnknownDate(unknown)) << unknown;
  for (const char* known : {"", "17539999", "1999", "19990000", "999"})
    EXPECT_FALSE(IsUnknownDate(known)) << known;
}

using testing::W;

TEST(ReadWholeNumber, AcceptsASignAndDigitsOnly) {
  EXPECT_EQ(ReadWholeNumber("40", 200), 40);
  EXPECT_EQ(ReadWholeNumber("+7", 200), 7);
  EXPECT_EQ(ReadWholeNumber("-3", 200), -3);
  EXPECT_EQ(ReadWholeNumber("007", 200), 7);
  for (const char* text :
       {"", "+", "-", "+-3", "4 0", " 40", "40 ", "ca 40", "40\xE5r", "3.5", "99999999999"})
    EXPECT_EQ(ReadWholeNumber(text, 200), 200) << text;
}

TEST(WithAgeUnit, AddsYearsToWholeNumbersUpTo120) {
  const char* const cases[][2] = {{"40", "40 år"}, {"0", "0 år"},  {"120", "120 år"},
                                  {"121", "121"},  {"150", "150"}, {"ca 40", "ca 40"},
                                  {"1/2", "1/2"},  {"", ""}};
  for (const auto& [age, shown] : cases)
    EXPECT_EQ(WithAgeUnit(age), W(shown)) << age;
}

TEST(IsSaknas, MatchesTheWordInAnyCase) {
  for (const char* saknas : {"saknas", "SAKNAS", "SaKnAs"})
    EXPECT_TRUE(IsSaknas(saknas)) << saknas;
  for (const char* other : {"saknas ", "saknad", ""})
    EXPECT_FALSE(IsSaknas(other)) << other;
}

// The columns of the result list and the print tables, and the keys they
// sort by.
using testing::MakeRecord;

TEST(UnknownDate, ColumnsLeaveTheCellEmptyAndTheKeyKeepsItLast) {
  const Tenfodd birth = MakeRecord<Tenfodd>("FODAT=9999|DOPDAT=17530405");
  EXPECT_EQ(listtext(birth, 1), "");
  EXPECT_EQ(listtext(birth, 7), "1753-04-05") << "the dates the record has are shown";
  EXPECT_EQ(listtext(MakeRecord<Tenvigd>("VIGDDAT=9999"), 1), "");
  const Tendod death = MakeRecord<Tendod>("DODAT=9999|FODAT=99999999|BEGRDAT=17800102");
  EXPECT_EQ(listtext(death, 1), "");
  EXPECT_EQ(listtext(death, 3), "");
  EXPECT_EQ(listtext(death, 7), "1780-01-02");
  std::vector<std::string> keys;
  for (const char* date : {"9999", "18991231", "17530000", "17539999"})
    keys.push_back(listnyckel(MakeRecord<Tenfodd>(std::string("FODAT=") + date), 1));
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, (std::vector<std::string>{"17530000", "17539999", "18991231", "9999"}));
}

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

TEST(BirthColumns, ShowDatesNamesPlacesAndParentsOrNoName) {
  Tenfodd r = MakeRecord<Tenfodd>(kBirth);
  EXPECT_EQ(Columns(r, 8), W("1753-04-03|Andersdotter, Anna|Berga, Tuna (Kalmar)|"
                             "Larsson, Per, Dräng, 40 år, Berga|(Ingen namnuppgift)|C:2|"
                             "1753-04-05||"));
  r.DFODD = "x";
  EXPECT_EQ(listtext(r, 1), "1753-04-03 (df)");
  // Written forms do not count.
  r = MakeRecord<Tenfodd>(std::string(kBirth) + "|ENAMN=|FNAMN=|ENAMNO=Andersd:r");
  EXPECT_EQ(listtext(r, 2), "(Ingen namnuppgift)");
  EXPECT_EQ(listnyckel(r, 2), "(Ingen namnuppgift)");
  r.FNAMN = "Anna";
  EXPECT_EQ(listtext(r, 2), "Anna");
}

TEST(BirthColumns, PlaceRuleGivesTheCountyOnlyWithTheParish) {
  const char* cases[][2] = {
      {"FORSKX=", "Berga"}, {"ORT=", "Tuna (Kalmar)"}, {"ORT=|LAN=", "Tuna"}, {"ORT=|FORSKX=", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(listtext(MakeRecord<Tenfodd>(std::string(kBirth) + "|" + c[0]), 3), c[1]) << c[0];
}

TEST(BirthColumns, ParentRuleDropsSaknasAndAppliesTheAgeRule) {
  const char* cases[][2] = {
      {"FARORT=|FARTITEL=saknas", "Larsson, Per, 40 år"},
      {"FARORT=|FARTITEL=SAKNAS", "Larsson, Per, 40 år"},
      {"FARORT=|FARTITEL=Saknas", "Larsson, Per, 40 år"},
      // The age rule itself is checked in field_text_test.cpp.
      {"FARORT=|FARTITEL=Saknas|FARALDER=150", "Larsson, Per, 150"},
      {"FARORT=|FARTITEL=Saknas|FARALDER=saknas", "Larsson, Per"},
      {"FARTITEL=Saknas|FARALDER=saknas", "Larsson, Per, Berga"},  // no comma before the place
      {"FARTITEL=Saknas|FARALDER=saknas|FARENAMN=|FARFNAMN=", "(Ingen namnuppgift), Berga"}};
  for (const auto& c : cases)
    EXPECT_EQ(listtext(MakeRecord<Tenfodd>(std::string(kBirth) + "|" + c[0]), 4), W(c[1])) << c[0];
  EXPECT_EQ(listtext(MakeRecord<Tenfodd>("MORTITEL=Piga|MORALDER=32"), 5),
            W("(Ingen namnuppgift), Piga, 32 år"));
}

// The columns' own words in English; what the record holds as stored, and
// the sort keys the same in both languages.
TEST(ColumnTexts, OwnWordsInEnglish) {
  Tenfodd birth = MakeRecord<Tenfodd>(kBirth);
  birth.DFODD = "x";
  Tenfodd unnamed = MakeRecord<Tenfodd>(std::string(kBirth) + "|ENAMN=|FNAMN=");
  const struct {
    std::string english;
    const char* swedish;
    const char* expected;
  } cases[] = {
      {listtext(birth, 1, Language::kEnglish), "1753-04-03 (df)", "1753-04-03 (stillborn)"},
      {listtext(birth, 4, Language::kEnglish), "Larsson, Per, Dräng, 40 år, Berga",
       "Larsson, Per, Dräng, 40 years, Berga"},
      {listtext(birth, 5, Language::kEnglish), "(Ingen namnuppgift)", "(No name given)"},
      {listtext(unnamed, 2, Language::kEnglish), "(Ingen namnuppgift)", "(No name given)"},
      {listtext(MakeRecord<Tenvigd>("MTITEL=Bonde|MALDER=30"), 3, Language::kEnglish),
       "Bonde, 30 år", "Bonde, 30 years"},
      {listtext(MakeRecord<Tendod>("TITEL=Bonde|ALDER=70"), 4, Language::kEnglish), "Bonde, 70 år",
       "Bonde, 70 years"},
      {listtext(birth, 3, Language::kEnglish), "Berga, Tuna (Kalmar)", "Berga, Tuna (Kalmar)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.english, W(c.expected)) << c.swedish;
  EXPECT_EQ(listtext(birth, 1, Language::kSwedish), "1753-04-03 (df)");
  EXPECT_EQ(listtext(unnamed, 2, Language::kSwedish), "(Ingen namnuppgift)");
  EXPECT_EQ(listnyckel(unnamed, 2), "(Ingen namnuppgift)");
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
