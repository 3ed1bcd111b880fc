// The texts of birth, marriage and death records, whole and in their parts,
// in Swedish and in English.
#include <gtest/gtest.h>

#include "records/date_text.h"
#include "records/record_text.h"
#include "records/record_text_blocks.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

// The text of a birth record, whole and in its parts.
using testing::ExpectPlainMatchesCoded;
using testing::Holds;
using testing::W;

std::string Plain(const Tenfodd& r) {
  return ComposeBirthText(r, false);
}
constexpr auto Birth = testing::MakeRecord<Tenfodd>;

TEST(BirthText, FullRecordCodedAndPlain) {
  const Tenfodd full = Birth(
      "FORSKX=Tuna|LAN=Kalmar län|FORSKOD=0882|KAELLA=Tuna C:2|SIDA=45|FODAT=17530403|"
      "DOPDAT=17530405|ENAMN=Andersdotter|ENAMNO=Andersd:r|FNAMN=Anna|ORT=Berga|ORTO=Bergha|"
      "BORD=oäkta|FARTITEL=Dräng|FARALDER=40|FARFNAMN=Per|FARENAMN=Larsson|FARORT=Berga|"
      "MORTITEL=Piga|MORALDER=32|MORFNAMN=Maria|MORFNAMNO=Maja|MORENAMN=Jönsdotter|"
      "MORORT=Ekeby|ANTFOD=2|PARITET=3|DOPVITTNEN=Nils Persson\rKarin Olsdotter|"
      "OVRIGT=Tvilling|REGANM=Sidan skadad");
  EXPECT_EQ(ComposeBirthText(full, true),
            W("[5][f]Andersd:r, Anna[\\f]\rFödd 3/4 1753 i Bergha, Tuna (Kalmar län)\r"
              "Döpt 5/4 1753\rBörd: oäkta\r\r"
              "[b 3]Far[b 1]\rLarsson, Per\rDräng, 40 år\rBerga\r\r"
              "[b 3]Mor[b 1]\rJönsdotter, Maja\rPiga, 32 år\rEkeby\r\r"
              "Antal samtidigt födda: 2 (barn nr 3 i familjen)\r\r"
              "[b 3]Dopvittnen[b 1]\rNils Persson\rKarin Olsdotter\r\r"
              "[b 3]Övriga uppgifter[b 1]\rFörsamlingskod: 0882\rTvilling\r"
              "--------------\rKälla: Tuna C:2, s. 45\r\r"
              "[b 3]Normerade begrepp[b 1]\rEfternamn: Andersdotter\rOrt: Berga\r"
              "Moderns förnamn: Maria\r\r"
              "[b 3]Registeranmärkning[b 1]\rSidan skadad\r"));
  // The plain text is the same without its codes.
  ExpectPlainMatchesCoded(Plain(full), ComposeBirthText(full, true));
}

TEST(BirthText, ParentBlocksShowOnlyParentsTheRecordNames) {
  const std::string father = Plain(Birth("FARORTO=Bergha"));
  EXPECT_TRUE(Holds(father, "\rFar\r(Ingen namnuppgift)\rBergha\r-"));
  EXPECT_EQ(father.find("\rMor\r"), std::string::npos);
  const Tenfodd both = Birth("FARORTO=Bergha|MORENAMNO=Jönsd.");
  const std::string text = Plain(both);
  EXPECT_LT(text.find("\rFar\r"), text.find(W("\rMor\rJönsd.\r-"))) << "the father comes first";
  // Parents' names are never bold.
  EXPECT_TRUE(Holds(ComposeBirthText(both, true), W("[b 1]\rJönsd.\r")));
}

TEST(BirthText, NormalisedTermsInTheRegistersOrder) {
  const Tenfodd r = Birth(
      "ENAMN=E|ENAMNO=e|FNAMN=F|FNAMNO=f|ORT=O|ORTO=o|MORENAMN=ME|MORENAMNO=me|MORFNAMN=MF|"
      "MORFNAMNO=mf|MORORT=MO|MORORTO=mo|FARENAMN=FE|FARENAMNO=fe|FARFNAMN=FF|FARFNAMNO=ff|"
      "FARORT=FO|FARORTO=fo");
  const std::string text = Plain(r);
  EXPECT_TRUE(text.ends_with(
      W("\rNormerade begrepp\rEfternamn: E\rFörnamn: F\rOrt: O\rModerns efternamn: ME\r"
        "Moderns förnamn: MF\rModerns ort: MO\rFaderns efternamn: FE\r"
        "Faderns förnamn: FF\rFaderns ort: FO\r\r")))
      << text;
  EXPECT_EQ(text.rfind("e, f\r", 0), 0u) << "the written forms are shown";
  ExpectPlainMatchesCoded(text, ComposeBirthText(r, true));
}

// The text of a marriage record, whole and in its parts.

std::string Plain(const Tenvigd& r) {
  return ComposeMarriageText(r, false);
}
constexpr auto Marriage = testing::MakeRecord<Tenvigd>;

// A marriage and a death with every part, in either language.
constexpr char kFullMarriage[] =
    "FORSKX=Tuna|LAN=Kalmar län|KAELLA=Tuna EI:1|VIGDDAT=17600420|"
    "LYSNDAT=17600301,17600308, 17600315|MENAMN=Persson|MENAMNO=Pehrsson|MFNAMN=Lars|"
    "MTITEL=Bonde|MALDER=30|MORT=Berga|KENAMN=Olsdotter|KFNAMN=Kerstin|KFNAMNO=Kjerstin|"
    "KALDER=25|KORT=Ekeby|KORTO=Eekeby|OVRIGT=Med tillstånd|REGANM=Dubbelnoterad";
constexpr char kFullDeath[] =
    "FORSKX=Tuna|LAN=Kalmar län|FORSKOD=0882|KAELLA=Tuna F:1|SIDA=7|DODAT=17800112|"
    "BEGRDAT=17800119|FODAT=17200500|ALDER=59|TITEL=Änka|GENUS=k|FNAMN=Brita|"
    "ENAMN=Nilsdotter|ENAMNO=Nilsd.|ORT=Berga|DORSAK=Bröstfeber|ANF1TITEL=Bonde|"
    "ANF1FNAMN=Olof|ANF1FNAMNO=Olle|ANF1ENAMN=Persson|ANF1ENAMNO=Pehrsson|ANF1ORT=Berga|"
    "ANF1RELAT=son|ANF1GENUS=m|ANF2FNAMN=Karin|ANF2RELAT=dotter";

TEST(MarriageText, FullRecordCodedAndPlain) {
  const Tenvigd full = Marriage(kFullMarriage);
  EXPECT_EQ(ComposeMarriageText(full, true),
            W("[5][f]Pehrsson, Lars[\\f]\rBonde, 30 år\rBerga\r\r"
              "[f]Olsdotter, Kjerstin[\\f]\r25 år\rEekeby\r\r"
              "Vigda 20/4 1760 i Tuna (Kalmar län)\rLysning 1/3 1760, 8/3 1760, 15/3 1760\r\r"
              "[b 3]Övriga uppgifter[b 1]\rMed tillstånd\r--------------\rKälla: Tuna EI:1\r\r"
              "[b 3]Normerade begrepp:[b 1]\rKvinnans förnamn: Kerstin\r"
              "Kvinnans hemort: Ekeby\rMannens efternamn: Persson\r\r"
              "[k]Registeranmärkning:[\\k]Dubbelnoterad\r"));
  // The plain text is the same without its codes.
  ExpectPlainMatchesCoded(Plain(full), ComposeMarriageText(full, true));
}

// The text of a death record, whole and in its parts.

std::string Plain(const Tendod& r) {
  return ComposeDeathText(r, false);
}
constexpr auto Death = testing::MakeRecord<Tendod>;

// The whole coded text; the plain one is the same without its codes and
// ends with the register remark, which the coded one here has not.
TEST(DeathText, FullRecordCodedAndPlain) {
  const std::string fields = kFullDeath;
  const std::string coded =
      W("[5][f]Nilsd., Brita[\\f]\rFödd ?/5 1720\rÄnka (ålder: 59)\rBerga\r\r"
        "Död 12/1 1780 i Tuna (Kalmar län)\rBegravd 19/1 1780\r\rDödsorsak: Bröstfeber\r\r"
        "[b 3]Anförvanter[b 1]\rPehrsson, Olof (Bonde, son)\rBerga\r\rKarin (dotter)\r\r"
        "[b 3]Övriga uppgifter[b 1]\rFörsamlingskod: 0882\r"
        "--------------\rKälla: Tuna F:1, s. 7\r\r"
        "[b 3]Normerade begrepp[b 1]\rEfternamn: Nilsdotter\rAnförvants efternamn: Persson\r\r");
  EXPECT_EQ(ComposeDeathText(Death(fields), true), coded);
  const Tendod remarked = Death(fields + "|REGANM=Anmärkning");
  EXPECT_EQ(Plain(remarked), testing::WithoutCodes(coded) + W("Registeranmärkning\rAnmärkning\r"));
  ExpectPlainMatchesCoded(Plain(remarked), ComposeDeathText(remarked, true));
}

TEST(DeathText, TheSecondRelativeAloneCodedAndPlain) {
  const Tendod second = Death("ANF2ENAMN=Persson|ANF2FNAMN=Karin|ANF2TITEL=Piga");
  EXPECT_EQ(ComposeDeathText(second, true),
            W("[5][f](Ingen namnuppgift)[\\f]\r\r[b 3]Anförvanter[b 1]\r\r\r"
              "Persson, Karin (Piga)\r--------------\rKälla: \r\r"));
  ExpectPlainMatchesCoded(Plain(second), ComposeDeathText(second, true));
}

TEST(DeathText, NormalisedTermsShowThePlainFields) {
  const Tendod r = Death(
      "ENAMN=E|ENAMNO=e|FNAMN=F|FNAMNO=f|ORT=O|ORTO=o|ANF1ENAMN=A1|ANF1ENAMNO=a1|ANF2ENAMN=A2|"
      "ANF2ENAMNO=a2|ANF2FNAMNO=not listed");
  const std::string text = Plain(r);
  EXPECT_TRUE(
      text.ends_with(W("\rNormerade begrepp\rEfternamn: E\rFörnamn: F\rOrt: O\r"
                       "Anförvants efternamn: A1\rAnförvants efternamn: A2\r\r")))
      << text;
  ExpectPlainMatchesCoded(text, ComposeDeathText(r, true));
}

TEST(RestartTrimmed, EndsWithExactlyTheGivenLineEnds) {
  std::string text = "\r \tNamn\r\r \x01";
  RestartTrimmed(text, 2);
  EXPECT_EQ(text, "Namn\r\r");
  RestartTrimmed(text, 1);
  EXPECT_EQ(text, "Namn\r");
  text = "\xC5sa \xA0";  // bytes above 127 are letters, not controls
  RestartTrimmed(text, 0);
  EXPECT_EQ(text, "\xC5sa \xA0");
  text = " \r ";
  RestartTrimmed(text, 2);
  EXPECT_EQ(text, "\r\r");
}

// The other blocks show in the whole texts of the birth, marriage and death
// tests; a written form without its normalised one shows only here.
TEST(AddNormalised, ListsAWrittenFormsEmptyNormalisedForm) {
  std::string list;
  AddNormalised(list, "Ort: ", "Berga", "");
  EXPECT_EQ(list, "");
  AddNormalised(list, "Ort: ", "", "Bergha");
  EXPECT_EQ(list, "Ort: \r");
}

// The record texts in English: the words the program puts around a
// record's values, the dates ("17 Jan 1866"), the age unit; the values
// themselves stay as stored.
constexpr Language kEn = Language::kEnglish;

TEST(EnglishDateText, DayMonthNameAndYear) {
  const char* cases[][2] = {
      {"18660117", "17 Jan 1866"},
      {"17530403", "3 Apr 1753"},
      {"17531200", "Dec 1753"},
      {"175312XX", "Dec 1753"},
      {"17530000", "1753"},
      {"1753XX12", "1753"},
      {"17539999", "1753"},
      {"9999", ""},
      {"", ""},
      {"17531231", "31 Dec 1753"},
      {"17531331", "31 13 1753"},  // no such month: as stored
  };
  for (const auto& c : cases)
    EXPECT_EQ(EnglishDateText(c[0]), c[1]) << c[0];
  EXPECT_EQ(EventDate("17530403", Language::kSwedish), "3/4 1753");
  EXPECT_EQ(EventDate("17530403", kEn), "3 Apr 1753");
}

TEST(EnglishBirthText, FullRecordCodedAndPlain) {
  const Tenfodd full = Birth(
      "FORSKX=Medelplana|LAN=Skaraborgs län|FORSKOD=1604|KAELLA=Medelplana C:5|SIDA=45|"
      "FODAT=18660117|DOPDAT=18660121|ENAMN=Andersdotter|ENAMNO=Andersd:r|FNAMN=Anna|"
      "ORT=Trolmen|BORD=oäkta|FARTITEL=Dräng|FARALDER=40|FARFNAMN=Per|FARENAMN=Larsson|"
      "FARORT=Berga|MORTITEL=Piga|MORALDER=32|MORFNAMN=Maria|MORFNAMNO=Maja|"
      "MORENAMN=Jönsdotter|MORORT=Ekeby|ANTFOD=2|PARITET=3|"
      "DOPVITTNEN=Nils Persson\rKarin Olsdotter|OVRIGT=Tvilling|REGANM=Sidan skadad");
  const std::string coded = ComposeBirthText(full, true, kEn);
  EXPECT_EQ(coded, W("[5][f]Andersd:r, Anna[\\f]\r"
                     "Born 17 Jan 1866 in Trolmen, Medelplana (Skaraborgs län)\r"
                     "Baptised 21 Jan 1866\rLegitimacy: oäkta\r\r"
                     "[b 3]Father[b 1]\rLarsson, Per\rDräng, 40 years\rBerga\r\r"
                     "[b 3]Mother[b 1]\rJönsdotter, Maja\rPiga, 32 years\rEkeby\r\r"
                     "Born at the same time: 2 (child no. 3 in the family)\r\r"
                     "[b 3]Godparents[b 1]\rNils Persson\rKarin Olsdotter\r\r"
                     "[b 3]Other information[b 1]\rParish code: 1604\rTvilling\r"
                     "--------------\rSource: Medelplana C:5, p. 45\r\r"
                     "[b 3]Normalised terms[b 1]\rSurname: Andersdotter\r"
                     "Mother's first name: Maria\r\r"
                     "[b 3]Register remark[b 1]\rSidan skadad\r"));
  ExpectPlainMatchesCoded(ComposeBirthText(full, false, kEn), coded);
}

TEST(EnglishMarriageText, FullRecordCodedAndPlain) {
  const Tenvigd full = Marriage(kFullMarriage);
  const std::string coded = ComposeMarriageText(full, true, kEn);
  EXPECT_EQ(coded,
            W("[5][f]Pehrsson, Lars[\\f]\rBonde, 30 years\rBerga\r\r"
              "[f]Olsdotter, Kjerstin[\\f]\r25 years\rEekeby\r\r"
              "Married 20 Apr 1760 in Tuna (Kalmar län)\r"
              "Banns 1 Mar 1760, 8 Mar 1760, 15 Mar 1760\r\r"
              "[b 3]Other information[b 1]\rMed tillstånd\r--------------\rSource: Tuna EI:1\r\r"
              "[b 3]Normalised terms:[b 1]\rThe woman's first name: Kerstin\r"
              "The woman's home: Ekeby\rThe man's surname: Persson\r\r"
              "[k]Register remark:[\\k]Dubbelnoterad\r"));
  ExpectPlainMatchesCoded(ComposeMarriageText(full, false, kEn), coded);
}

TEST(EnglishDeathText, FullRecordCodedAndPlain) {
  const Tendod full = Death(std::string(kFullDeath) + "|REGANM=Anmärkning");
  const std::string coded = ComposeDeathText(full, true, kEn);
  EXPECT_EQ(coded,
            W("[5][f]Nilsd., Brita[\\f]\rBorn May 1720\rÄnka (age: 59)\rBerga\r\r"
              "Died 12 Jan 1780 in Tuna (Kalmar län)\rBuried 19 Jan 1780\r\r"
              "Cause of death: Bröstfeber\r\r"
              "[b 3]Relatives[b 1]\rPehrsson, Olof (Bonde, son)\rBerga\r\rKarin (dotter)\r\r"
              "[b 3]Other information[b 1]\rParish code: 0882\r"
              "--------------\rSource: Tuna F:1, p. 7\r\r"
              "[b 3]Normalised terms[b 1]\rSurname: Nilsdotter\rRelative's surname: Persson\r\r"
              "[b 3]Register remark[b 1]\rAnmärkning\r"));
  ExpectPlainMatchesCoded(ComposeDeathText(full, false, kEn), coded);
}

// One record each, given as its fields, and what its plain text holds, starts
// with, is, or has not.
enum class Match { kIn, kStart, kWhole, kNot };

std::string PlainText(int r, std::string_view fields, Language language) {
  if (r == kBirths) return ComposeBirthText(Birth(fields), false, language);
  if (r == kMarriages) return ComposeMarriageText(Marriage(fields), false, language);
  return ComposeDeathText(Death(fields), false, language);
}

TEST(RecordText, LinesOfEachPartAndTheCodedNameAtTheStart) {
  constexpr Language kSv = Language::kSwedish;
  const struct {
    int r;
    Language language;
    std::string fields;
    const char* text;
    Match match = Match::kIn;
  } cases[] = {
      // Births: the name rule and the source when empty, the event lines
      // joining only what is there ("x" in any case).
      {kBirths, kSv, "", "(Ingen namnuppgift)\r--------------\rKälla: \r\r", Match::kWhole},
      {kBirths, kSv, "DFODD=X", "(Ingen namnuppgift)\rDödfödd\r--------------\rKälla: \r\r",
       Match::kWhole},
      {kBirths, kSv, "DFODD=trolig|BORD=äkta",
       "(Ingen namnuppgift)\rDödfödd: trolig\rBörd: äkta\r--------------\rKälla: \r\r",
       Match::kWhole},
      {kBirths, kSv, "DFODD=x", "\rDödfödd\r"},
      // A place without a date, no county without the parish, and a date
      // without a place, an empty date too.
      {kBirths, kSv, "ORT=Berga|LAN=Kalmar", "\rFödd ?  i Berga\r"},
      {kBirths, kSv, "ORT=Berga|LAN=Kalmar|FORSKX=Tuna", "\rFödd ?  i Berga, Tuna (Kalmar)\r"},
      {kBirths, kSv, "LAN=Kalmar|FORSKX=Tuna", "\rFödd ?  i Tuna (Kalmar)\r"},
      {kBirths, kSv, "FODAT=17531200", "\rFödd ?/12 1753\r"},
      {kBirths, kSv, "FODAT=17539999", "\rFödd 1753\r"},
      {kBirths, kSv, "FODAT=9999|DOPDAT=17530403", "\rFödd \rDöpt 3/4 1753\r"},
      // A mother whose title is saknas; the age rule and saknas in any case
      // are checked in field_text_test.cpp.
      {kBirths, kSv, "MORFNAMN=Kerstin|MORALDER=32|MORTITEL=saknas", "\rMor\rKerstin\r32 år\r-"},
      {kBirths, kSv, "MORFNAMN=Kerstin|MORALDER=121|MORTITEL=saknas", "\rMor\rKerstin\r121\r-"},
      {kBirths, kSv, "MORFNAMN=Kerstin|MORALDER=Saknas|MORTITEL=saknas", "\rMor\rKerstin\r-"},
      {kBirths, kSv, "PARITET=4", "\rBarn nr 4 i familjen\r-"},
      {kBirths, kSv, "ANTFOD=3", "\rAntal samtidigt födda: 3\r-"},
      // Witnesses are written as they stand; the next section trims after
      // them.
      {kBirths, kSv, "FNAMN=Anna|DOPVITTNEN=\r Nils  \r\r  |FORSKOD=0882",
       "Anna\r\rDopvittnen\r\r Nils\r\rÖvriga uppgifter\rFörsamlingskod: 0882\r"
       "--------------\rKälla: \r\r",
       Match::kWhole},
      // Marriages: nameless spouses and places alone; spouses' ages follow
      // the age rule without saknas.
      {kMarriages, kSv, "", "(Man utan namn)\r\r(Kvinna utan namn)\r--------------\rKälla: \r\r",
       Match::kWhole},
      {kMarriages, kSv, "KORT=Ekeby|MTITEL=Bonde",
       "(Man utan namn)\rBonde\r\r(Kvinna utan namn)\rEkeby\r--------------\rKälla: \r\r",
       Match::kWhole},
      {kMarriages, kSv, "MALDER=121|KALDER=ca 30|KTITEL=saknas",
       "(Man utan namn)\r121\r\r(Kvinna utan namn)\rsaknas, ca 30\r", Match::kStart},
      // Banns dates with or without blanks.
      {kMarriages, kSv, "LYSNDAT=17600301,17600308,17600315",
       "\r\rLysning 1/3 1760, 8/3 1760, 15/3 1760\r-"},
      {kMarriages, kSv, "LYSNDAT=17600301, 17600308, 17600315",
       "\r\rLysning 1/3 1760, 8/3 1760, 15/3 1760\r-"},
      {kMarriages, kSv, "LYSNDAT= 17600301 ,17600308,  17600315 ",
       "\r\rLysning 1/3 1760, 8/3 1760, 15/3 1760\r-"},
      {kMarriages, kSv, "LYSNDAT=17600301,,17600308,17600315,",
       "\r\rLysning 1/3 1760, 8/3 1760, 15/3 1760\r-"},
      // The parish only after a wedding date, with no CR before the banns.
      {kMarriages, kSv, "FORSKX=Tuna|LAN=Kalmar", "Tuna", Match::kNot},
      {kMarriages, kSv, "FORSKX=Tuna|LAN=Kalmar|LYSNDAT=17600301", " i ", Match::kNot},
      {kMarriages, kSv, "FORSKX=Tuna|LAN=Kalmar|LYSNDAT=17600301", "\r\rLysning 1/3 1760\r-"},
      {kMarriages, kSv, "FORSKX=Tuna|LAN=Kalmar|LYSNDAT=17600301|VIGDDAT=1760XX00",
       "\r\rVigda 1760 i Tuna (Kalmar)\rLysning 1/3 1760\r-"},
      {kMarriages, kSv, "FORSKX=Tuna|VIGDDAT=1760XX00", "\r\rVigda 1760 i Tuna\r-"},
      {kMarriages, kSv, "FORSKOD=0882|OVRIGT=Rad 1\rRad 2\r\r",
       "(Kvinna utan namn)\r\rÖvriga uppgifter\rFörsamlingskod: 0882\rRad 1\rRad 2\r"
       "--------------\r"},
      // Deaths: nameless by the recorded sex.
      {kDeaths, kSv, "GENUS=k", "(Kvinna utan namn)\r--------------\rKälla: \r\r", Match::kWhole},
      {kDeaths, kSv, "GENUS=K", "(Kvinna utan namn)\r--------------\rKälla: \r\r", Match::kWhole},
      {kDeaths, kSv, "GENUS=m", "(Man utan namn)\r--------------\rKälla: \r\r", Match::kWhole},
      {kDeaths, kSv, "GENUS=M", "(Man utan namn)\r--------------\rKälla: \r\r", Match::kWhole},
      {kDeaths, kSv, "GENUS=", "(Ingen namnuppgift)\r--------------\rKälla: \r\r", Match::kWhole},
      {kDeaths, kSv, "GENUS=x", "(Ingen namnuppgift)\r--------------\rKälla: \r\r", Match::kWhole},
      // The title, age, birth and place lines (no age rule here); a birth
      // date on its own line; without a title or age the place comes after
      // an empty line; a lone birth line has two empty lines after it.
      {kDeaths, kSv, "FNAMN=Brita|ALDER=59", "Brita\rÅlder: 59\r-", Match::kStart},
      {kDeaths, kSv, "FNAMN=Brita|TITEL=Piga", "Brita\rPiga\r-", Match::kStart},
      {kDeaths, kSv, "FNAMN=Brita|FODAT=17200203", "Brita\rFödd 3/2 1720\r-", Match::kStart},
      {kDeaths, kSv, "FNAMN=Brita|FODAT=17200203|TITEL=Piga|ORTO=Bergha|ORT=Berga",
       "Brita\rFödd 3/2 1720\rPiga\rBergha\r-", Match::kStart},
      {kDeaths, kSv, "FNAMN=Brita|FODAT=17200203|ORTO=Bergha|ORT=Berga",
       "Brita\rFödd 3/2 1720\r\rBergha\r-", Match::kStart},
      {kDeaths, kSv, "FNAMN=Brita|ORTO=Bergha|ORT=Berga", "Brita\rBergha\r-", Match::kStart},
      {kDeaths, kSv, "FNAMN=Brita|FODAT=9999|DODAT=17800112", "Brita\rFödd \r\r\rDöd 12/1 1780\r-",
       Match::kStart},
      // Events and the cause; no parish without a death date.
      {kDeaths, kSv, "FORSKX=Tuna|BEGRDAT=17800119", "\r\rBegravd 19/1 1780\r-"},
      {kDeaths, kSv, "FORSKX=Tuna|DORSAK=Kopporna",
       "(Ingen namnuppgift)\r\rDödsorsak: Kopporna\r-"},
      {kDeaths, kSv, "FORSKX=Tuna|DORSAK=Kopporna|DODAT=17800100",
       "\r\rDöd ?/1 1780 i Tuna\r\rDödsorsak: Kopporna\r-"},
      // Relatives in every shape; the written first name and the sex are not
      // shown; the second always follows an empty line, the first alone has
      // none.
      {kDeaths, kSv, "ANF1TITEL=Bonde|ANF1RELAT=man", "\rAnförvanter\rBonde, man\r-"},
      {kDeaths, kSv, "ANF1RELAT=man", "\rAnförvanter\rman\r-"},
      {kDeaths, kSv, "ANF1RELAT=man|ANF1FNAMN=Olof", "\rAnförvanter\rOlof (man)\r-"},
      {kDeaths, kSv, "ANF1TITEL=Bonde|ANF1FNAMN=Olof", "\rAnförvanter\rOlof (Bonde)\r-"},
      {kDeaths, kSv, "ANF1ORT=Berga", "\rAnförvanter\rBerga\r-"},
      {kDeaths, kSv,
       "ANF1ORT=Berga|ANF1ENAMN=Persson|ANF1ENAMNO=Pehrsson|ANF1FNAMNO=Olle|ANF1GENUS=m",
       "\rAnförvanter\rPehrsson\rBerga\r-"},
      {kDeaths, kSv, "ANF1ORT=Berga|ANF2ENAMN=Persson|ANF2FNAMN=Karin|ANF2TITEL=Piga",
       "\rAnförvanter\rBerga\r\rPersson, Karin (Piga)\r-"},
      // In English: the words around the values, the dates and the age unit.
      {kBirths, kEn, "", "(No name given)\r--------------\rSource: \r\r"},
      {kBirths, kEn, "DFODD=X", "\rStillborn\r"},
      {kBirths, kEn, "DFODD=trolig", "\rStillborn: trolig\r"},
      {kBirths, kEn, "ORT=Berga|LAN=Kalmar|FORSKX=Tuna", "\rBorn ?  in Berga, Tuna (Kalmar)\r"},
      {kBirths, kEn, "FODAT=17531200", "\rBorn Dec 1753\r"},
      {kBirths, kEn, "PARITET=3", "\r\rChild no. 3 in the family\r"},
      {kBirths, kEn, "MORFNAMN=Kerstin|MORALDER=32|MORTITEL=saknas",
       "\rMother\rKerstin\r32 years\r-"},
      {kBirths, kEn, "FARALDER=ca 40", "\rFather\r(No name given)\rca 40\r-"},
      {kBirths, kEn,
       "FNAMN=Anna|FNAMNO=Annika|FARENAMN=Larsson|FARENAMNO=Larsson d.y.|FARORT=B|FARORTO=b",
       "\rNormalised terms\rFirst name: Anna\rFather's surname: Larsson\rFather's place: B\r"},
      {kBirths, kEn, "MORENAMN=J|MORENAMNO=j|MORORT=E|MORORTO=e|ORT=O|ORTO=o|ENAMN=E|ENAMNO=e",
       "\rSurname: E\rPlace: O\rMother's surname: J\rMother's place: E\r"},
      {kBirths, kEn, "KAELLA=Tuna C:2", "\rSource: Tuna C:2\r"},
      {kMarriages, kEn, "",
       "(Man without a name)\r\r(Woman without a name)\r--------------\rSource: \r\r"},
      {kMarriages, kEn, "MALDER=121|KALDER=ca 30",
       "(Man without a name)\r121\r\r(Woman without a name)\rca 30\r"},
      {kMarriages, kEn, "FORSKX=Tuna|VIGDDAT=1760XX00", "\r\rMarried 1760 in Tuna\r-"},
      {kMarriages, kEn, "FORSKX=Tuna|LYSNDAT=17600301", "\r\rBanns 1 Mar 1760\r-"},
      {kMarriages, kEn, "FORSKOD=0882|OVRIGT=Rad 1",
       "\r\rOther information\rParish code: 0882\rRad 1\r-"},
      {kMarriages, kEn, "KENAMN=O|KENAMNO=o|MFNAMN=L|MFNAMNO=l|MORT=B|MORTO=b",
       "\rThe woman's surname: O\rThe man's first name: L\rThe man's home: B\r"},
      {kMarriages, kEn, "KAELLA=Tuna EI:1|SIDA=3", "\rSource: Tuna EI:1, p. 3\r"},
      {kDeaths, kEn, "GENUS=k", "(Woman without a name)\r--------------\rSource: \r\r"},
      {kDeaths, kEn, "GENUS=M", "(Man without a name)\r--------------\rSource: \r\r"},
      {kDeaths, kEn, "GENUS=x", "(No name given)\r--------------\rSource: \r\r"},
      {kDeaths, kEn, "FNAMN=Brita|ALDER=59", "Brita\rAge: 59\r-"},
      {kDeaths, kEn, "FNAMN=Brita|FODAT=17200203|ORT=Berga", "Brita\rBorn 3 Feb 1720\r\rBerga\r-"},
      {kDeaths, kEn, "FORSKX=Tuna|DORSAK=Kopporna|DODAT=17800100",
       "\r\rDied Jan 1780 in Tuna\r\rCause of death: Kopporna\r-"},
      {kDeaths, kEn, "ANF1RELAT=man|ANF1FNAMN=Olof", "\rRelatives\rOlof (man)\r-"},
      {kDeaths, kEn, "ENAMN=E|ENAMNO=e|FNAMN=F|FNAMNO=f|ORT=O|ORTO=o|ANF2ENAMN=A2|ANF2ENAMNO=a2",
       "\rNormalised terms\rSurname: E\rFirst name: F\rPlace: O\rRelative's surname: A2\r\r"},
  };
  for (const auto& c : cases) {
    const std::string text = PlainText(c.r, c.fields, c.language);
    const std::string part = W(c.text);
    SCOPED_TRACE(c.fields);
    if (c.match == Match::kWhole) {
      EXPECT_EQ(text, part);
    } else if (c.match == Match::kNot) {
      EXPECT_EQ(text.find(part), std::string::npos) << text;
    } else {
      EXPECT_TRUE(Holds(text, part, c.match == Match::kStart));
    }
  }
  // The name at the start of the coded text, in its font.
  EXPECT_EQ(ComposeBirthText(Tenfodd{}, true),
            W("[5][f](Ingen namnuppgift)[\\f]\r--------------\rKälla: \r\r"));
  EXPECT_TRUE(Holds(ComposeMarriageText(Marriage("KORT=Ekeby|MTITEL=Bonde"), true),
                    "[5][f](Man utan namn)[\\f]\r", true));
  EXPECT_TRUE(
      Holds(ComposeDeathText(Death("GENUS=k"), true), "[5][f](Kvinna utan namn)[\\f]\r", true));
}

}  // namespace
}  // namespace vx
