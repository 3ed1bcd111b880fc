// The text of a death record, whole and in its parts.
#include <gtest/gtest.h>

#include "records/record_text.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using testing::ExpectPlainMatchesCoded;
using testing::Holds;
using testing::W;

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

}  // namespace
}  // namespace vx
