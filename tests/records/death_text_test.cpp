// The text of a death record, whole and in its parts.
#include <gtest/gtest.h>

#include "records/record_text.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using testing::ExpectPlainMatchesCoded;

std::string Plain(const Tendod& r) {
  return ComposeDeathText(r, false);
}

Tendod FullDeath() {
  Tendod r;
  r.FORSKX = "Tuna";
  r.LAN = "Kalmar l\xE4n";
  r.FORSKOD = "0882";
  r.KAELLA = "Tuna F:1";
  r.SIDA = '7';
  r.DODAT = "17800112";
  r.BEGRDAT = "17800119";
  r.FODAT = "17200500";
  r.ALDER = "59";
  r.TITEL = "\xC4nka";
  r.GENUS = 'k';
  r.FNAMN = "Brita";
  r.ENAMN = "Nilsdotter";
  r.ENAMNO = "Nilsd.";
  r.ORT = "Berga";
  r.DORSAK = "Br\xF6stfeber";
  r.ANF1TITEL = "Bonde";
  r.ANF1FNAMN = "Olof";
  r.ANF1FNAMNO = "Olle";
  r.ANF1ENAMN = "Persson";
  r.ANF1ENAMNO = "Pehrsson";
  r.ANF1ORT = "Berga";
  r.ANF1RELAT = "son";
  r.ANF1GENUS = 'm';
  r.ANF2FNAMN = "Karin";
  r.ANF2RELAT = "dotter";
  return r;
}

TEST(DeathText, FullRecordCoded) {
  EXPECT_EQ(ComposeDeathText(FullDeath(), true),
            "[5][f]Nilsd., Brita[\\f]\r"
            "F\xF6"
            "dd ?/5 1720\r"
            "\xC4nka (\xE5lder: 59)\r"
            "Berga\r"
            "\r"
            "D\xF6"
            "d 12/1 1780 i Tuna (Kalmar l\xE4n)\r"
            "Begravd 19/1 1780\r"
            "\r"
            "D\xF6"
            "dsorsak: Br\xF6stfeber\r"
            "\r"
            "[b 3]Anf\xF6rvanter[b 1]\r"
            "Pehrsson, Olof (Bonde, son)\r"
            "Berga\r"
            "\r"
            "Karin (dotter)\r"
            "\r"
            "[b 3]\xD6vriga uppgifter[b 1]\r"
            "F\xF6rsamlingskod: 0882\r"
            "--------------\r"
            "K\xE4lla: Tuna F:1, s. 7\r"
            "\r"
            "[b 3]Normerade begrepp[b 1]\r"
            "Efternamn: Nilsdotter\r"
            "Anf\xF6rvants efternamn: Persson\r"
            "\r");
}

TEST(DeathText, FullRecordPlain) {
  Tendod r = FullDeath();
  r.REGANM = "Anm\xE4rkning";
  EXPECT_EQ(Plain(r),
            "Nilsd., Brita\r"
            "F\xF6"
            "dd ?/5 1720\r"
            "\xC4nka (\xE5lder: 59)\r"
            "Berga\r"
            "\r"
            "D\xF6"
            "d 12/1 1780 i Tuna (Kalmar l\xE4n)\r"
            "Begravd 19/1 1780\r"
            "\r"
            "D\xF6"
            "dsorsak: Br\xF6stfeber\r"
            "\r"
            "Anf\xF6rvanter\r"
            "Pehrsson, Olof (Bonde, son)\r"
            "Berga\r"
            "\r"
            "Karin (dotter)\r"
            "\r"
            "\xD6vriga uppgifter\r"
            "F\xF6rsamlingskod: 0882\r"
            "--------------\r"
            "K\xE4lla: Tuna F:1, s. 7\r"
            "\r"
            "Normerade begrepp\r"
            "Efternamn: Nilsdotter\r"
            "Anf\xF6rvants efternamn: Persson\r"
            "\r"
            "Registeranm\xE4rkning\r"
            "Anm\xE4rkning\r");
  ExpectPlainMatchesCoded(Plain(r), ComposeDeathText(r, true));
}

TEST(DeathText, NamelessByTheRecordedSex) {
  Tendod r;
  const char* cases[][2] = {{"k", "(Kvinna utan namn)"}, {"K", "(Kvinna utan namn)"},
                            {"m", "(Man utan namn)"},    {"M", "(Man utan namn)"},
                            {"", "(Ingen namnuppgift)"}, {"x", "(Ingen namnuppgift)"}};
  for (const auto& c : cases) {
    r.GENUS = c[0];
    EXPECT_EQ(Plain(r), std::string(c[1]) + "\r--------------\rK\xE4lla: \r\r") << c[0];
  }
  r.GENUS = 'k';
  EXPECT_EQ(ComposeDeathText(r, true).rfind("[5][f](Kvinna utan namn)[\\f]\r", 0), 0u);
}

TEST(DeathText, TitleAndAgeAsStated) {
  Tendod r;
  r.FNAMN = "Brita";
  r.ALDER = "59";
  EXPECT_EQ(Plain(r).rfind("Brita\r\xC5lder: 59\r-", 0), 0u) << "no age rule here";
  r.ALDER.clear();
  r.TITEL = "Piga";
  EXPECT_EQ(Plain(r).rfind("Brita\rPiga\r-", 0), 0u);
}

TEST(DeathText, BirthLineEndsInItsOwnLineBreak) {
  Tendod r;
  r.FNAMN = "Brita";
  r.FODAT = "17200203";
  EXPECT_EQ(Plain(r).rfind("Brita\rF\xF6"
                           "dd 3/2 1720\r-",
                           0),
            0u);
  r.TITEL = "Piga";
  r.ORTO = "Bergha";
  r.ORT = "Berga";
  EXPECT_EQ(Plain(r).rfind("Brita\rF\xF6"
                           "dd 3/2 1720\rPiga\rBergha\r-",
                           0),
            0u);
  // Without a title or age the place comes after an empty line.
  r.TITEL.clear();
  EXPECT_EQ(Plain(r).rfind("Brita\rF\xF6"
                           "dd 3/2 1720\r\rBergha\r-",
                           0),
            0u);
  r.FODAT.clear();
  EXPECT_EQ(Plain(r).rfind("Brita\rBergha\r-", 0), 0u);
  // A lone birth line is followed by two empty lines before the events.
  r.ORTO.clear();
  r.ORT.clear();
  r.FODAT = "9999";
  r.DODAT = "17800112";
  EXPECT_EQ(Plain(r).rfind("Brita\rF\xF6"
                           "dd \r\r\rD\xF6"
                           "d 12/1 1780\r-",
                           0),
            0u);
}

TEST(DeathText, EventsAndCause) {
  Tendod r;
  r.FORSKX = "Tuna";
  r.BEGRDAT = "17800119";
  EXPECT_NE(Plain(r).find("\r\rBegravd 19/1 1780\r-"), std::string::npos)
      << "no parish without a death date";
  r.BEGRDAT.clear();
  r.DORSAK = "Kopporna";
  EXPECT_NE(Plain(r).find("(Ingen namnuppgift)\r\rD\xF6"
                          "dsorsak: Kopporna\r-"),
            std::string::npos);
  r.DODAT = "17800100";
  EXPECT_NE(Plain(r).find("\r\rD\xF6"
                          "d ?/1 1780 i Tuna\r\rD\xF6"
                          "dsorsak: Kopporna\r-"),
            std::string::npos);
}

TEST(DeathText, RelativesInEveryShape) {
  Tendod r;
  r.ANF1TITEL = "Bonde";
  r.ANF1RELAT = "man";
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rBonde, man\r-"), std::string::npos);
  r.ANF1TITEL.clear();
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rman\r-"), std::string::npos);
  r.ANF1FNAMN = "Olof";
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rOlof (man)\r-"), std::string::npos);
  r.ANF1TITEL = "Bonde";
  r.ANF1RELAT.clear();
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rOlof (Bonde)\r-"), std::string::npos);
  r = Tendod();
  r.ANF1ORT = "Berga";
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rBerga\r-"), std::string::npos);
  r.ANF1ENAMN = "Persson";
  r.ANF1ENAMNO = "Pehrsson";
  r.ANF1FNAMNO = "Olle";  // not shown
  r.ANF1GENUS = 'm';      // not shown
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rPehrsson\rBerga\r-"), std::string::npos);
}

TEST(DeathText, SecondRelativeAlwaysFollowsAnEmptyLine) {
  Tendod r;
  r.ANF2ENAMN = "Persson";
  r.ANF2FNAMN = "Karin";
  r.ANF2TITEL = "Piga";
  EXPECT_EQ(Plain(r),
            "(Ingen namnuppgift)\r\rAnf\xF6rvanter\r\r\rPersson, Karin (Piga)\r--------------\r"
            "K\xE4lla: \r\r");
  EXPECT_EQ(ComposeDeathText(r, true),
            "[5][f](Ingen namnuppgift)[\\f]\r\r[b 3]Anf\xF6rvanter[b 1]\r\r\r"
            "Persson, Karin (Piga)\r--------------\rK\xE4lla: \r\r");
  r.ANF1ORT = "Berga";
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rBerga\r\rPersson, Karin (Piga)\r-"),
            std::string::npos);
  // Only the first: no empty line after it.
  r.ANF2ENAMN.clear();
  r.ANF2FNAMN.clear();
  r.ANF2TITEL.clear();
  EXPECT_NE(Plain(r).find("\rAnf\xF6rvanter\rBerga\r-"), std::string::npos);
}

TEST(DeathText, NormalisedTermsShowThePlainFields) {
  Tendod r;
  r.ENAMN = 'E';
  r.ENAMNO = 'e';
  r.FNAMN = 'F';
  r.FNAMNO = 'f';
  r.ORT = 'O';
  r.ORTO = 'o';
  r.ANF1ENAMN = "A1";
  r.ANF1ENAMNO = "a1";
  r.ANF2ENAMN = "A2";
  r.ANF2ENAMNO = "a2";
  r.ANF2FNAMNO = "not listed";
  const std::string text = Plain(r);
  const std::string expected =
      "\rNormerade begrepp\rEfternamn: E\rF\xF6rnamn: F\rOrt: O\r"
      "Anf\xF6rvants efternamn: A1\rAnf\xF6rvants efternamn: A2\r\r";
  ASSERT_GE(text.size(), expected.size());
  EXPECT_EQ(text.substr(text.size() - expected.size()), expected);
  ExpectPlainMatchesCoded(text, ComposeDeathText(r, true));
}

}  // namespace
}  // namespace vx
