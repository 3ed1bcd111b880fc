// The texts of birth, marriage and death records, whole and in their parts.
#include <gtest/gtest.h>

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
Tenfodd Birth(std::string_view fields) {
  return testing::MakeRecord<Tenfodd>(fields);
}

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

TEST(BirthText, EmptyRecordKeepsNameRuleAndSource) {
  const Tenfodd empty;
  EXPECT_EQ(Plain(empty), W("(Ingen namnuppgift)\r--------------\rKälla: \r\r"));
  EXPECT_EQ(ComposeBirthText(empty, true),
            W("[5][f](Ingen namnuppgift)[\\f]\r--------------\rKälla: \r\r"));
}

TEST(BirthText, EventLinesJoinOnlyWhatIsThere) {
  EXPECT_EQ(Plain(Birth("DFODD=X")),
            W("(Ingen namnuppgift)\rDödfödd\r--------------\rKälla: \r\r"));
  EXPECT_EQ(Plain(Birth("DFODD=trolig|BORD=äkta")),
            W("(Ingen namnuppgift)\rDödfödd: trolig\rBörd: äkta\r--------------\rKälla: \r\r"));
  EXPECT_TRUE(Holds(Plain(Birth("DFODD=x")), W("\rDödfödd\r"))) << "x in any case";
}

TEST(BirthText, PlaceWithoutDateAndDateWithoutPlace) {
  const struct {
    const char* fields;
    const char* line;
  } cases[] = {{"ORT=Berga|LAN=Kalmar", "\rFödd ?  i Berga\r"},  // no county without the parish
               {"ORT=Berga|LAN=Kalmar|FORSKX=Tuna", "\rFödd ?  i Berga, Tuna (Kalmar)\r"},
               {"LAN=Kalmar|FORSKX=Tuna", "\rFödd ?  i Tuna (Kalmar)\r"},
               {"FODAT=17531200", "\rFödd ?/12 1753\r"},
               {"FODAT=17539999", "\rFödd 1753\r"},
               {"FODAT=9999|DOPDAT=17530403", "\rFödd \rDöpt 3/4 1753\r"}};  // an empty date
  for (const auto& c : cases)
    EXPECT_TRUE(Holds(Plain(Birth(c.fields)), W(c.line)));
}

TEST(BirthText, MotherWhoseTitleIsSaknas) {
  for (const char* saknas : {"SAKNAS", "saknas", "SakNas"}) {
    EXPECT_TRUE(Holds(Plain(Birth(std::string("MORFNAMN=Kerstin|MORALDER=32|MORTITEL=") + saknas)),
                      W("\rMor\rKerstin\r32 år\r-")));
  }
  // The age rule itself is checked in field_text_test.cpp.
  EXPECT_TRUE(Holds(Plain(Birth("MORFNAMN=Kerstin|MORALDER=121|MORTITEL=saknas")),
                    "\rMor\rKerstin\r121\r-"));
  EXPECT_TRUE(
      Holds(Plain(Birth("MORFNAMN=Kerstin|MORALDER=Saknas|MORTITEL=saknas")), "\rMor\rKerstin\r-"));
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

TEST(BirthText, FamilyLine) {
  EXPECT_TRUE(Holds(Plain(Birth("PARITET=4")), "\rBarn nr 4 i familjen\r-"));
  EXPECT_TRUE(Holds(Plain(Birth("ANTFOD=3")), W("\rAntal samtidigt födda: 3\r-")));
}

TEST(BirthText, SectionsRestartAfterTrimming) {
  // Witnesses are written as they stand; the next section trims after them.
  EXPECT_EQ(Plain(Birth("FNAMN=Anna|DOPVITTNEN=\r Nils  \r\r  |FORSKOD=0882")),
            W("Anna\r\rDopvittnen\r\r Nils\r\rÖvriga uppgifter\rFörsamlingskod: 0882\r"
              "--------------\rKälla: \r\r"));
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
Tenvigd Marriage(std::string_view fields) {
  return testing::MakeRecord<Tenvigd>(fields);
}

TEST(MarriageText, FullRecordCodedAndPlain) {
  const Tenvigd full = Marriage(
      "FORSKX=Tuna|LAN=Kalmar län|KAELLA=Tuna EI:1|VIGDDAT=17600420|"
      "LYSNDAT=17600301,17600308, 17600315|MENAMN=Persson|MENAMNO=Pehrsson|MFNAMN=Lars|"
      "MTITEL=Bonde|MALDER=30|MORT=Berga|KENAMN=Olsdotter|KFNAMN=Kerstin|KFNAMNO=Kjerstin|"
      "KALDER=25|KORT=Ekeby|KORTO=Eekeby|OVRIGT=Med tillstånd|REGANM=Dubbelnoterad");
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

TEST(MarriageText, NamelessSpousesAndPlacesAlone) {
  EXPECT_EQ(Plain(Marriage("")),
            W("(Man utan namn)\r\r(Kvinna utan namn)\r--------------\rKälla: \r\r"));
  const Tenvigd places = Marriage("KORT=Ekeby|MTITEL=Bonde");
  EXPECT_EQ(Plain(places),
            W("(Man utan namn)\rBonde\r\r(Kvinna utan namn)\rEkeby\r--------------\rKälla: \r\r"));
  EXPECT_TRUE(Holds(ComposeMarriageText(places, true), "[5][f](Man utan namn)[\\f]\r", true));
}

TEST(MarriageText, SpouseAgesFollowTheAgeRuleWithoutSaknas) {
  EXPECT_TRUE(Holds(Plain(Marriage("MALDER=121|KALDER=ca 30|KTITEL=saknas")),
                    "(Man utan namn)\r121\r\r(Kvinna utan namn)\rsaknas, ca 30\r", true));
}

TEST(MarriageText, BannsDatesWithOrWithoutBlanks) {
  for (const char* banns : {"17600301,17600308,17600315", "17600301, 17600308, 17600315",
                            " 17600301 ,17600308,  17600315 ", "17600301,,17600308,17600315,"}) {
    EXPECT_TRUE(Holds(Plain(Marriage(std::string("LYSNDAT=") + banns)),
                      "\r\rLysning 1/3 1760, 8/3 1760, 15/3 1760\r-"));
  }
}

TEST(MarriageText, ParishOnlyAfterAWeddingDate) {
  EXPECT_EQ(Plain(Marriage("FORSKX=Tuna|LAN=Kalmar")).find("Tuna"), std::string::npos);
  const std::string banns = Plain(Marriage("FORSKX=Tuna|LAN=Kalmar|LYSNDAT=17600301"));
  EXPECT_EQ(banns.find(" i "), std::string::npos);
  EXPECT_TRUE(Holds(banns, "\r\rLysning 1/3 1760\r-")) << "no CR before";
  EXPECT_TRUE(Holds(Plain(Marriage("FORSKX=Tuna|LAN=Kalmar|LYSNDAT=17600301|VIGDDAT=1760XX00")),
                    "\r\rVigda 1760 i Tuna (Kalmar)\rLysning 1/3 1760\r-"));
  EXPECT_TRUE(Holds(Plain(Marriage("FORSKX=Tuna|VIGDDAT=1760XX00")), "\r\rVigda 1760 i Tuna\r-"));
}

TEST(MarriageText, OtherInformationAndParishCode) {
  EXPECT_TRUE(Holds(Plain(Marriage("FORSKOD=0882|OVRIGT=Rad 1\rRad 2\r\r")),
                    W("(Kvinna utan namn)\r\rÖvriga uppgifter\rFörsamlingskod: 0882\r"
                      "Rad 1\rRad 2\r--------------\r")));
}

// The text of a death record, whole and in its parts.

std::string Plain(const Tendod& r) {
  return ComposeDeathText(r, false);
}
Tendod Death(std::string_view fields) {
  return testing::MakeRecord<Tendod>(fields);
}

// The whole coded text; the plain one is the same without its codes and
// ends with the register remark, which the coded one here has not.
TEST(DeathText, FullRecordCodedAndPlain) {
  const std::string fields =
      "FORSKX=Tuna|LAN=Kalmar län|FORSKOD=0882|KAELLA=Tuna F:1|SIDA=7|DODAT=17800112|"
      "BEGRDAT=17800119|FODAT=17200500|ALDER=59|TITEL=Änka|GENUS=k|FNAMN=Brita|"
      "ENAMN=Nilsdotter|ENAMNO=Nilsd.|ORT=Berga|DORSAK=Bröstfeber|ANF1TITEL=Bonde|"
      "ANF1FNAMN=Olof|ANF1FNAMNO=Olle|ANF1ENAMN=Persson|ANF1ENAMNO=Pehrsson|ANF1ORT=Berga|"
      "ANF1RELAT=son|ANF1GENUS=m|ANF2FNAMN=Karin|ANF2RELAT=dotter";
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

TEST(DeathText, NamelessByTheRecordedSex) {
  const char* cases[][2] = {{"k", "(Kvinna utan namn)"}, {"K", "(Kvinna utan namn)"},
                            {"m", "(Man utan namn)"},    {"M", "(Man utan namn)"},
                            {"", "(Ingen namnuppgift)"}, {"x", "(Ingen namnuppgift)"}};
  for (const auto& c : cases) {
    EXPECT_EQ(Plain(Death(std::string("GENUS=") + c[0])), c[1] + W("\r--------------\rKälla: \r\r"))
        << c[0];
  }
  EXPECT_TRUE(
      Holds(ComposeDeathText(Death("GENUS=k"), true), "[5][f](Kvinna utan namn)[\\f]\r", true));
}

// Each record's plain text starts with these lines.
TEST(DeathText, TitleAgeBirthAndPlaceLines) {
  const char* cases[][2] = {
      {"FNAMN=Brita|ALDER=59", "Brita\rÅlder: 59\r-"},  // no age rule here
      {"FNAMN=Brita|TITEL=Piga", "Brita\rPiga\r-"},
      {"FNAMN=Brita|FODAT=17200203", "Brita\rFödd 3/2 1720\r-"},  // its own line break
      {"FNAMN=Brita|FODAT=17200203|TITEL=Piga|ORTO=Bergha|ORT=Berga",
       "Brita\rFödd 3/2 1720\rPiga\rBergha\r-"},
      // Without a title or age the place comes after an empty line.
      {"FNAMN=Brita|FODAT=17200203|ORTO=Bergha|ORT=Berga", "Brita\rFödd 3/2 1720\r\rBergha\r-"},
      {"FNAMN=Brita|ORTO=Bergha|ORT=Berga", "Brita\rBergha\r-"},
      // A lone birth line is followed by two empty lines before the events.
      {"FNAMN=Brita|FODAT=9999|DODAT=17800112", "Brita\rFödd \r\r\rDöd 12/1 1780\r-"}};
  for (const auto& c : cases)
    EXPECT_TRUE(Holds(Plain(Death(c[0])), W(c[1]), true));
}

TEST(DeathText, EventsAndCause) {
  EXPECT_TRUE(Holds(Plain(Death("FORSKX=Tuna|BEGRDAT=17800119")), "\r\rBegravd 19/1 1780\r-"))
      << "no parish without a death date";
  EXPECT_TRUE(Holds(Plain(Death("FORSKX=Tuna|DORSAK=Kopporna")),
                    W("(Ingen namnuppgift)\r\rDödsorsak: Kopporna\r-")));
  EXPECT_TRUE(Holds(Plain(Death("FORSKX=Tuna|DORSAK=Kopporna|DODAT=17800100")),
                    W("\r\rDöd ?/1 1780 i Tuna\r\rDödsorsak: Kopporna\r-")));
}

TEST(DeathText, RelativesInEveryShape) {
  const char* cases[][2] = {
      {"ANF1TITEL=Bonde|ANF1RELAT=man", "Bonde, man"},
      {"ANF1RELAT=man", "man"},
      {"ANF1RELAT=man|ANF1FNAMN=Olof", "Olof (man)"},
      {"ANF1TITEL=Bonde|ANF1FNAMN=Olof", "Olof (Bonde)"},
      {"ANF1ORT=Berga", "Berga"},
      // The written first name and the sex are not shown.
      {"ANF1ORT=Berga|ANF1ENAMN=Persson|ANF1ENAMNO=Pehrsson|ANF1FNAMNO=Olle|ANF1GENUS=m",
       "Pehrsson\rBerga"},
      // The second always follows an empty line; the first alone has none.
      {"ANF1ORT=Berga|ANF2ENAMN=Persson|ANF2FNAMN=Karin|ANF2TITEL=Piga",
       "Berga\r\rPersson, Karin (Piga)"}};
  for (const auto& c : cases)
    EXPECT_TRUE(Holds(Plain(Death(c[0])), W(std::string("\rAnförvanter\r") + c[1] + "\r-")));
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

}  // namespace
}  // namespace vx
