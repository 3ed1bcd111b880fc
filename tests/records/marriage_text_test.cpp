// The text of a marriage record, whole and in its parts.
#include <gtest/gtest.h>

#include "records/record_text.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using testing::ExpectPlainMatchesCoded;

std::string Plain(const Tenvigd& r) {
  return ComposeMarriageText(r, false);
}

Tenvigd FullMarriage() {
  Tenvigd r;
  r.FORSKX = "Tuna";
  r.LAN = "Kalmar l\xE4n";
  r.KAELLA = "Tuna EI:1";
  r.VIGDDAT = "17600420";
  r.LYSNDAT = "17600301,17600308, 17600315";
  r.MENAMN = "Persson";
  r.MENAMNO = "Pehrsson";
  r.MFNAMN = "Lars";
  r.MTITEL = "Bonde";
  r.MALDER = "30";
  r.MORT = "Berga";
  r.KENAMN = "Olsdotter";
  r.KFNAMN = "Kerstin";
  r.KFNAMNO = "Kjerstin";
  r.KALDER = "25";
  r.KORT = "Ekeby";
  r.KORTO = "Eekeby";
  r.OVRIGT = "Med tillst\xE5nd";
  r.REGANM = "Dubbelnoterad";
  return r;
}

TEST(MarriageText, FullRecordCodedAndPlain) {
  EXPECT_EQ(ComposeMarriageText(FullMarriage(), true),
            "[5][f]Pehrsson, Lars[\\f]\r"
            "Bonde, 30 \xE5r\r"
            "Berga\r"
            "\r"
            "[f]Olsdotter, Kjerstin[\\f]\r"
            "25 \xE5r\r"
            "Eekeby\r"
            "\r"
            "Vigda 20/4 1760 i Tuna (Kalmar l\xE4n)\r"
            "Lysning 1/3 1760, 8/3 1760, 15/3 1760\r"
            "\r"
            "[b 3]\xD6vriga uppgifter[b 1]\r"
            "Med tillst\xE5nd\r"
            "--------------\r"
            "K\xE4lla: Tuna EI:1\r"
            "\r"
            "[b 3]Normerade begrepp:[b 1]\r"
            "Kvinnans f\xF6rnamn: Kerstin\r"
            "Kvinnans hemort: Ekeby\r"
            "Mannens efternamn: Persson\r"
            "\r"
            "[k]Registeranm\xE4rkning:[\\k]Dubbelnoterad\r");
  // The plain text is the same without its codes.
  ExpectPlainMatchesCoded(Plain(FullMarriage()), ComposeMarriageText(FullMarriage(), true));
}

TEST(MarriageText, NamelessSpousesAndPlacesAlone) {
  Tenvigd r;
  EXPECT_EQ(Plain(r), "(Man utan namn)\r\r(Kvinna utan namn)\r--------------\rK\xE4lla: \r\r");
  r.KORT = "Ekeby";
  r.MTITEL = "Bonde";
  EXPECT_EQ(Plain(r),
            "(Man utan namn)\rBonde\r\r(Kvinna utan namn)\rEkeby\r--------------\rK\xE4lla: \r\r");
  EXPECT_EQ(ComposeMarriageText(r, true).rfind("[5][f](Man utan namn)[\\f]\r", 0), 0u);
}

TEST(MarriageText, SpouseAgesFollowTheAgeRuleWithoutSaknas) {
  Tenvigd r;
  r.MALDER = "121";
  r.KALDER = "ca 30";
  r.KTITEL = "saknas";
  EXPECT_EQ(Plain(r).rfind("(Man utan namn)\r121\r\r(Kvinna utan namn)\rsaknas, ca 30\r", 0), 0u);
}

TEST(MarriageText, BannsDatesWithOrWithoutBlanks) {
  Tenvigd r;
  for (const char* banns : {"17600301,17600308,17600315", "17600301, 17600308, 17600315",
                            " 17600301 ,17600308,  17600315 ", "17600301,,17600308,17600315,"}) {
    r.LYSNDAT = banns;
    EXPECT_NE(Plain(r).find("\r\rLysning 1/3 1760, 8/3 1760, 15/3 1760\r-"), std::string::npos)
        << banns;
  }
}

TEST(MarriageText, ParishOnlyAfterAWeddingDate) {
  Tenvigd r;
  r.FORSKX = "Tuna";
  r.LAN = "Kalmar";
  EXPECT_EQ(Plain(r).find("Tuna"), std::string::npos);
  r.LYSNDAT = "17600301";
  EXPECT_EQ(Plain(r).find(" i "), std::string::npos);
  EXPECT_NE(Plain(r).find("\r\rLysning 1/3 1760\r-"), std::string::npos) << "no CR before";
  r.VIGDDAT = "1760XX00";
  EXPECT_NE(Plain(r).find("\r\rVigda 1760 i Tuna (Kalmar)\rLysning 1/3 1760\r-"),
            std::string::npos);
  r.LAN.clear();
  r.LYSNDAT.clear();
  EXPECT_NE(Plain(r).find("\r\rVigda 1760 i Tuna\r-"), std::string::npos);
}

TEST(MarriageText, OtherInformationAndParishCode) {
  Tenvigd r;
  r.FORSKOD = "0882";
  r.OVRIGT = "Rad 1\rRad 2\r\r";
  EXPECT_NE(Plain(r).find("(Kvinna utan namn)\r\r\xD6vriga uppgifter\rF\xF6rsamlingskod: 0882\r"
                          "Rad 1\rRad 2\r--------------\r"),
            std::string::npos);
}

}  // namespace
}  // namespace vx
