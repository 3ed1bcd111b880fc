// The text of a birth record, whole and in its parts.
#include <gtest/gtest.h>

#include "records/record_text.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using testing::ExpectPlainMatchesCoded;

std::string Plain(const Tenfodd& r) {
  return ComposeBirthText(r, false);
}

Tenfodd FullBirth() {
  Tenfodd r;
  r.FORSKX = "Tuna";
  r.LAN = "Kalmar l\xE4n";
  r.FORSKOD = "0882";
  r.KAELLA = "Tuna C:2";
  r.SIDA = "45";
  r.FODAT = "17530403";
  r.DOPDAT = "17530405";
  r.ENAMN = "Andersdotter";
  r.ENAMNO = "Andersd:r";
  r.FNAMN = "Anna";
  r.ORT = "Berga";
  r.ORTO = "Bergha";
  r.BORD = "o\xE4kta";
  r.FARTITEL = "Dr\xE4ng";
  r.FARALDER = "40";
  r.FARFNAMN = "Per";
  r.FARENAMN = "Larsson";
  r.FARORT = "Berga";
  r.MORTITEL = "Piga";
  r.MORALDER = "32";
  r.MORFNAMN = "Maria";
  r.MORFNAMNO = "Maja";
  r.MORENAMN = "J\xF6nsdotter";
  r.MORORT = "Ekeby";
  r.ANTFOD = "2";
  r.PARITET = "3";
  r.DOPVITTNEN = "Nils Persson\rKarin Olsdotter";
  r.OVRIGT = "Tvilling";
  r.REGANM = "Sidan skadad";
  return r;
}

TEST(BirthText, FullRecordCodedAndPlain) {
  EXPECT_EQ(ComposeBirthText(FullBirth(), true),
            "[5][f]Andersd:r, Anna[\\f]\r"
            "F\xF6"
            "dd 3/4 1753 i Bergha, Tuna (Kalmar l\xE4n)\r"
            "D\xF6pt 5/4 1753\r"
            "B\xF6rd: o\xE4kta\r"
            "\r"
            "[b 3]Far[b 1]\r"
            "Larsson, Per\r"
            "Dr\xE4ng, 40 \xE5r\r"
            "Berga\r"
            "\r"
            "[b 3]Mor[b 1]\r"
            "J\xF6nsdotter, Maja\r"
            "Piga, 32 \xE5r\r"
            "Ekeby\r"
            "\r"
            "Antal samtidigt f\xF6"
            "dda: 2 (barn nr 3 i familjen)\r"
            "\r"
            "[b 3]Dopvittnen[b 1]\r"
            "Nils Persson\r"
            "Karin Olsdotter\r"
            "\r"
            "[b 3]\xD6vriga uppgifter[b 1]\r"
            "F\xF6rsamlingskod: 0882\r"
            "Tvilling\r"
            "--------------\r"
            "K\xE4lla: Tuna C:2, s. 45\r"
            "\r"
            "[b 3]Normerade begrepp[b 1]\r"
            "Efternamn: Andersdotter\r"
            "Ort: Berga\r"
            "Moderns f\xF6rnamn: Maria\r"
            "\r"
            "[b 3]Registeranm\xE4rkning[b 1]\r"
            "Sidan skadad\r");
  // The plain text is the same without its codes.
  ExpectPlainMatchesCoded(Plain(FullBirth()), ComposeBirthText(FullBirth(), true));
}

TEST(BirthText, EmptyRecordKeepsNameRuleAndSource) {
  const Tenfodd empty;
  EXPECT_EQ(Plain(empty), "(Ingen namnuppgift)\r--------------\rK\xE4lla: \r\r");
  EXPECT_EQ(ComposeBirthText(empty, true),
            "[5][f](Ingen namnuppgift)[\\f]\r--------------\rK\xE4lla: \r\r");
}

TEST(BirthText, EventLinesJoinOnlyWhatIsThere) {
  Tenfodd r;
  r.DFODD = "X";
  EXPECT_EQ(Plain(r),
            "(Ingen namnuppgift)\rD\xF6"
            "df\xF6"
            "dd\r--------------\rK\xE4lla: \r\r");
  r.DFODD = "trolig";
  r.BORD = "\xE4kta";
  EXPECT_EQ(Plain(r),
            "(Ingen namnuppgift)\rD\xF6"
            "df\xF6"
            "dd: trolig\rB\xF6rd: \xE4kta\r"
            "--------------\rK\xE4lla: \r\r");
  r = Tenfodd();
  r.DFODD = "x";
  EXPECT_NE(Plain(r).find("\rD\xF6"
                          "df\xF6"
                          "dd\r"),
            std::string::npos)
      << "x in any case";
}

TEST(BirthText, PlaceWithoutDateAndDateWithoutPlace) {
  Tenfodd r;
  r.ORT = "Berga";
  r.LAN = "Kalmar";
  EXPECT_NE(Plain(r).find("\rF\xF6"
                          "dd ?  i Berga\r"),
            std::string::npos)
      << "no county without the parish";
  r.FORSKX = "Tuna";
  EXPECT_NE(Plain(r).find("\rF\xF6"
                          "dd ?  i Berga, Tuna (Kalmar)\r"),
            std::string::npos);
  r.ORT.clear();
  EXPECT_NE(Plain(r).find("\rF\xF6"
                          "dd ?  i Tuna (Kalmar)\r"),
            std::string::npos);
  r = Tenfodd();
  r.FODAT = "17531200";
  EXPECT_NE(Plain(r).find("\rF\xF6"
                          "dd ?/12 1753\r"),
            std::string::npos);
  r.FODAT = "17539999";
  EXPECT_NE(Plain(r).find("\rF\xF6"
                          "dd 1753\r"),
            std::string::npos);
  r.FODAT = "9999";
  r.DOPDAT = "17530403";
  EXPECT_NE(Plain(r).find("\rF\xF6"
                          "dd \rD\xF6pt 3/4 1753\r"),
            std::string::npos)
      << "an empty date after F\xF6"
         "dd";
}

TEST(BirthText, MotherWhoseTitleIsSaknas) {
  Tenfodd r;
  r.MORFNAMN = "Kerstin";
  r.MORALDER = "32";
  for (const char* saknas : {"SAKNAS", "saknas", "SakNas"}) {
    r.MORTITEL = saknas;
    EXPECT_NE(Plain(r).find("\rMor\rKerstin\r32 \xE5r\r-"), std::string::npos) << saknas;
  }
  r.MORALDER = "121";  // the age rule itself is checked in field_rules_test.cpp
  EXPECT_NE(Plain(r).find("\rMor\rKerstin\r121\r-"), std::string::npos);
  r.MORALDER = "Saknas";
  EXPECT_NE(Plain(r).find("\rMor\rKerstin\r-"), std::string::npos);
}

TEST(BirthText, ParentBlocksShowOnlyParentsTheRecordNames) {
  Tenfodd r;
  r.FARORTO = "Bergha";
  std::string text = Plain(r);
  EXPECT_NE(text.find("\rFar\r(Ingen namnuppgift)\rBergha\r-"), std::string::npos) << text;
  EXPECT_EQ(text.find("\rMor\r"), std::string::npos);
  r.MORENAMNO = "J\xF6nsd.";
  text = Plain(r);
  EXPECT_LT(text.find("\rFar\r"), text.find("\rMor\rJ\xF6nsd.\r-")) << "the father comes first";
  // Parents' names are never bold.
  EXPECT_NE(ComposeBirthText(r, true).find("[b 1]\rJ\xF6nsd.\r"), std::string::npos);
}

TEST(BirthText, FamilyLine) {
  Tenfodd r;
  r.PARITET = "4";
  EXPECT_NE(Plain(r).find("\rBarn nr 4 i familjen\r-"), std::string::npos);
  r.PARITET.clear();
  r.ANTFOD = '3';
  EXPECT_NE(Plain(r).find("\rAntal samtidigt f\xF6"
                          "dda: 3\r-"),
            std::string::npos);
}

TEST(BirthText, SectionsRestartAfterTrimming) {
  Tenfodd r;
  r.FNAMN = "Anna";
  r.DOPVITTNEN = "\r Nils  \r\r  ";
  r.FORSKOD = "0882";
  // Witnesses are written as they stand; the next section trims after them.
  EXPECT_EQ(Plain(r),
            "Anna\r\rDopvittnen\r\r Nils\r\r\xD6vriga uppgifter\rF\xF6rsamlingskod: 0882\r"
            "--------------\rK\xE4lla: \r\r");
}

TEST(BirthText, NormalisedTermsInTheRegistersOrder) {
  Tenfodd r;
  r.ENAMN = "E";
  r.ENAMNO = "e";
  r.FNAMN = "F";
  r.FNAMNO = "f";
  r.ORT = "O";
  r.ORTO = "o";
  r.MORENAMN = "ME";
  r.MORENAMNO = "me";
  r.MORFNAMN = "MF";
  r.MORFNAMNO = "mf";
  r.MORORT = "MO";
  r.MORORTO = "mo";
  r.FARENAMN = "FE";
  r.FARENAMNO = "fe";
  r.FARFNAMN = "FF";
  r.FARFNAMNO = "ff";
  r.FARORT = "FO";
  r.FARORTO = "fo";
  const std::string text = Plain(r);
  const std::string expected =
      "\rNormerade begrepp\rEfternamn: E\rF\xF6rnamn: F\rOrt: O\rModerns efternamn: ME\r"
      "Moderns f\xF6rnamn: MF\rModerns ort: MO\rFaderns efternamn: FE\r"
      "Faderns f\xF6rnamn: FF\rFaderns ort: FO\r\r";
  ASSERT_GE(text.size(), expected.size());
  EXPECT_EQ(text.substr(text.size() - expected.size()), expected);
  EXPECT_EQ(text.rfind("e, f\r", 0), 0u) << "the written forms are shown";
  ExpectPlainMatchesCoded(text, ComposeBirthText(r, true));
}

}  // namespace
}  // namespace vx
