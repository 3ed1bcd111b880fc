#include "records/list_columns.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(Listrubrik, TitlesEachRegistersColumns) {
  EXPECT_EQ(listrubrik(kBirths, 1),
            "F\xF6"
            "dd");
  EXPECT_EQ(listrubrik(kBirths, 7), "D\xF6pt");
  EXPECT_EQ(listrubrik(kMarriages, 3), "M, titel/\xE5lder");
  EXPECT_EQ(listrubrik(kMarriages, 8), "K\xE4lla");
  EXPECT_EQ(listrubrik(kDeaths, 3),
            "F\xF6"
            "dd");
  EXPECT_EQ(listrubrik(kDeaths, 7), "Begr.");
  EXPECT_EQ(listrubrik(kBirths, 8), "");
  EXPECT_EQ(listrubrik(kDeaths, 8), "");
  EXPECT_EQ(listrubrik(kBirths, 0), "");
  EXPECT_EQ(listrubrik(kMarriages, 9), "");
  EXPECT_EQ(listrubrik(0, 1), "");
  EXPECT_EQ(listrubrik(4, 1), "");
}

Tenfodd Birth() {
  Tenfodd r;
  r.FODAT = "17530403";
  r.DOPDAT = "17530405";
  r.ENAMN = "Andersdotter";
  r.FNAMN = "Anna";
  r.ORT = "Berga";
  r.FORSKX = "Tuna";
  r.LAN = "Kalmar";
  r.KAELLA = "C:2";
  r.FARENAMN = "Larsson";
  r.FARFNAMN = "Per";
  r.FARTITEL = "Dr\xE4ng";
  r.FARALDER = "40";
  r.FARORT = "Berga";
  return r;
}

TEST(BirthColumns, ShowDatesNamesPlacesAndParents) {
  Tenfodd r = Birth();
  EXPECT_EQ(listtext(r, 1), "1753-04-03");
  EXPECT_EQ(listtext(r, 2), "Andersdotter, Anna");
  EXPECT_EQ(listtext(r, 3), "Berga, Tuna (Kalmar)");
  EXPECT_EQ(listtext(r, 4), "Larsson, Per, Dr\xE4ng, 40 \xE5r, Berga");
  EXPECT_EQ(listtext(r, 5), "(Ingen namnuppgift)");
  EXPECT_EQ(listtext(r, 6), "C:2");
  EXPECT_EQ(listtext(r, 7), "1753-04-05");
  EXPECT_EQ(listtext(r, 8), "");
  r.DFODD = "x";
  EXPECT_EQ(listtext(r, 1), "1753-04-03 (df)");
}

TEST(BirthColumns, WithoutNamesShowNoNameInColumnAndKey) {
  Tenfodd r = Birth();
  r.ENAMN.clear();
  r.FNAMN.clear();
  r.ENAMNO = "Andersd:r";  // written forms do not count
  EXPECT_EQ(listtext(r, 2), "(Ingen namnuppgift)");
  EXPECT_EQ(listnyckel(r, 2), "(Ingen namnuppgift)");
  r.FNAMN = "Anna";
  EXPECT_EQ(listtext(r, 2), "Anna");
}

TEST(BirthColumns, PlaceRuleGivesTheCountyOnlyWithTheParish) {
  Tenfodd r = Birth();
  r.FORSKX.clear();
  EXPECT_EQ(listtext(r, 3), "Berga");
  r.ORT.clear();
  r.FORSKX = "Tuna";
  EXPECT_EQ(listtext(r, 3), "Tuna (Kalmar)");
  r.LAN.clear();
  EXPECT_EQ(listtext(r, 3), "Tuna");
  r.FORSKX.clear();
  EXPECT_EQ(listtext(r, 3), "");
}

TEST(BirthColumns, ParentRuleDropsSaknasAndAppliesTheAgeRule) {
  Tenfodd r = Birth();
  r.FARORT.clear();
  for (const char* saknas : {"saknas", "SAKNAS", "Saknas"}) {
    r.FARTITEL = saknas;
    EXPECT_EQ(listtext(r, 4), "Larsson, Per, 40 \xE5r") << saknas;
  }
  r.FARALDER = "150";  // the age rule itself is checked in field_rules_test.cpp
  EXPECT_EQ(listtext(r, 4), "Larsson, Per, 150");
  r.FARALDER = "saknas";
  EXPECT_EQ(listtext(r, 4), "Larsson, Per");
  r.FARORT = "Berga";
  EXPECT_EQ(listtext(r, 4), "Larsson, Per, Berga") << "the place without a comma before it";
  r.FARENAMN.clear();
  r.FARFNAMN.clear();
  EXPECT_EQ(listtext(r, 4), "(Ingen namnuppgift), Berga");
  r.MORTITEL = "Piga";
  r.MORALDER = "32";
  EXPECT_EQ(listtext(r, 5), "(Ingen namnuppgift), Piga, 32 \xE5r");
}

TEST(BirthKeys, UseTheBaptismWhenTheBirthDateIsMissing) {
  Tenfodd r = Birth();
  EXPECT_EQ(listnyckel(r, 1), "17530403");
  EXPECT_EQ(listnyckel(r, 2), "Andersdotter, Anna");
  EXPECT_EQ(listnyckel(r, 3),
            "C:2\xFF"
            "17530403");
  r.FODAT.clear();
  EXPECT_EQ(listnyckel(r, 1), "17530405");
  EXPECT_EQ(listnyckel(r, 3),
            "C:2\xFF"
            "17530405");
  EXPECT_EQ(listnyckel(r, 4), "");
}

Tenvigd Marriage() {
  Tenvigd r;
  r.VIGDDAT = "17600420";
  r.LYSNDAT = "17600301";
  r.KAELLA = "EI:1";
  r.POSTNUMMER = "12";
  r.MENAMN = "Persson";
  r.MFNAMN = "Lars";
  r.MTITEL = "Bonde";
  r.MALDER = "30";
  r.MORT = "Berga";
  r.KENAMN = "Olsdotter";
  r.KFNAMN = "Kerstin";
  r.KTITEL = "Piga";
  r.KALDER = "30";
  r.KORT = "Ekeby";
  return r;
}

TEST(MarriageColumns, ShowTheWomansAgeAsStored) {
  Tenvigd r = Marriage();
  EXPECT_EQ(listtext(r, 1), "1760-04-20");
  EXPECT_EQ(listtext(r, 2), "Persson, Lars");
  EXPECT_EQ(listtext(r, 3), "Bonde, 30 \xE5r");
  EXPECT_EQ(listtext(r, 4), "Berga");
  EXPECT_EQ(listtext(r, 5), "Olsdotter, Kerstin");
  EXPECT_EQ(listtext(r, 6), "Piga, 30");
  EXPECT_EQ(listtext(r, 7), "Ekeby");
  EXPECT_EQ(listtext(r, 8), "EI:1");
  r.MTITEL.clear();
  r.KTITEL.clear();
  EXPECT_EQ(listtext(r, 3), "30 \xE5r");
  EXPECT_EQ(listtext(r, 6), "30");
  r.MALDER.clear();
  r.MTITEL = "saknas";  // no saknas rule outside the parents
  EXPECT_EQ(listtext(r, 3), "saknas");
}

TEST(MarriageKeys, JoinDateSourceAndNumber) {
  Tenvigd r = Marriage();
  EXPECT_EQ(listnyckel(r, 1),
            "17600420\xFF"
            "EI:1\xFF"
            "12");
  EXPECT_EQ(listnyckel(r, 2), "Persson, Lars");
  EXPECT_EQ(listnyckel(r, 3),
            "EI:1\xFF"
            "17600420\xFF"
            "12");
  EXPECT_EQ(listnyckel(r, 4), "Olsdotter, Kerstin");
  r.VIGDDAT.clear();
  EXPECT_EQ(listnyckel(r, 1),
            "17600301\xFF"
            "EI:1\xFF"
            "12");
  r.LYSNDAT.clear();
  r.KENAMN.clear();
  r.KFNAMN.clear();
  EXPECT_EQ(listnyckel(r, 3),
            "EI:1\xFF\xFF"
            "12");
  EXPECT_EQ(listnyckel(r, 4), "(Ingen namnuppgift)");
  EXPECT_EQ(listnyckel(r, 5), "");
}

Tendod Death() {
  Tendod r;
  r.DODAT = "17800112";
  r.BEGRDAT = "17800119";
  r.FODAT = "17200500";
  r.ENAMN = "Nilsdotter";
  r.FNAMN = "Brita";
  r.TITEL = "\xC4nka";
  r.ALDER = "59";
  r.ORT = "Berga";
  r.FORSKX = "Tuna";
  r.LAN = "Kalmar";
  r.KAELLA = "F:1";
  return r;
}

TEST(DeathColumns, ShowDatesTitleAgeAndPlace) {
  Tendod r = Death();
  EXPECT_EQ(listtext(r, 1), "1780-01-12");
  EXPECT_EQ(listtext(r, 2), "Nilsdotter, Brita");
  EXPECT_EQ(listtext(r, 3), "1720-05-00");
  EXPECT_EQ(listtext(r, 4), "\xC4nka, 59 \xE5r");
  EXPECT_EQ(listtext(r, 5), "Berga, Tuna (Kalmar)");
  EXPECT_EQ(listtext(r, 6), "F:1");
  EXPECT_EQ(listtext(r, 7), "1780-01-19");
  r.FORSKX.clear();
  EXPECT_EQ(listtext(r, 5), "Berga") << "no county without the parish";
  r.TITEL.clear();
  r.ALDER = "121";
  EXPECT_EQ(listtext(r, 4), "121");
}

TEST(DeathKeys, UseTheBurialWhenTheDeathDateIsMissing) {
  Tendod r = Death();
  EXPECT_EQ(listnyckel(r, 1), "17800112");
  EXPECT_EQ(listnyckel(r, 3),
            "F:1\xFF"
            "17800112");
  r.DODAT.clear();
  EXPECT_EQ(listnyckel(r, 1), "17800119");
  EXPECT_EQ(listnyckel(r, 3),
            "F:1\xFF"
            "17800119");
  r.ENAMN.clear();
  EXPECT_EQ(listnyckel(r, 2), "Brita");
  EXPECT_EQ(listnyckel(r, 4), "");
}

}  // namespace
}  // namespace vx
