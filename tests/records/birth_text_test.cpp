// The text of a birth record, whole and in its parts.
#include <gtest/gtest.h>

#include "records/record_text.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

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
  // The age rule itself is checked in field_rules_test.cpp.
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

}  // namespace
}  // namespace vx
