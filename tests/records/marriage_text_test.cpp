// The text of a marriage record, whole and in its parts.
#include <gtest/gtest.h>

#include "records/record_text.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using testing::ExpectPlainMatchesCoded;
using testing::Holds;
using testing::W;

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

}  // namespace
}  // namespace vx
