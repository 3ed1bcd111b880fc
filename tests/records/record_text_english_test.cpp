// The record texts in English: the words the program puts around a
// record's values, the dates ("17 Jan 1866"), the age unit; the values
// themselves stay as stored. The same records as the Swedish texts' tests.
#include <gtest/gtest.h>

#include "records/date_text.h"
#include "records/record_text.h"
#include "records/record_text_blocks.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using testing::ExpectPlainMatchesCoded;
using testing::Holds;
using testing::W;

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
  const Tenfodd full = testing::MakeRecord<Tenfodd>(
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

// One record each, and a line its English text holds.
TEST(EnglishBirthText, LinesOfEachPart) {
  const struct {
    const char* fields;
    const char* line;
  } cases[] = {
      {"", "(No name given)\r--------------\rSource: \r\r"},
      {"DFODD=X", "\rStillborn\r"},
      {"DFODD=trolig", "\rStillborn: trolig\r"},
      {"ORT=Berga|LAN=Kalmar|FORSKX=Tuna", "\rBorn ?  in Berga, Tuna (Kalmar)\r"},
      {"FODAT=17531200", "\rBorn Dec 1753\r"},
      {"PARITET=3", "\r\rChild no. 3 in the family\r"},
      {"MORFNAMN=Kerstin|MORALDER=32|MORTITEL=saknas", "\rMother\rKerstin\r32 years\r-"},
      {"FARALDER=ca 40", "\rFather\r(No name given)\rca 40\r-"},
      {"FNAMN=Anna|FNAMNO=Annika|FARENAMN=Larsson|FARENAMNO=Larsson d.y.|FARORT=B|FARORTO=b",
       "\rNormalised terms\rFirst name: Anna\rFather's surname: Larsson\rFather's place: B\r"},
      {"MORENAMN=J|MORENAMNO=j|MORORT=E|MORORTO=e|ORT=O|ORTO=o|ENAMN=E|ENAMNO=e",
       "\rSurname: E\rPlace: O\rMother's surname: J\rMother's place: E\r"},
      {"KAELLA=Tuna C:2", "\rSource: Tuna C:2\r"},
  };
  for (const auto& c : cases) {
    const std::string text = ComposeBirthText(testing::MakeRecord<Tenfodd>(c.fields), false, kEn);
    EXPECT_TRUE(Holds(text, W(c.line))) << c.fields << "\n" << text;
  }
}

TEST(EnglishMarriageText, FullRecordCodedAndPlain) {
  const Tenvigd full = testing::MakeRecord<Tenvigd>(
      "FORSKX=Tuna|LAN=Kalmar län|KAELLA=Tuna EI:1|VIGDDAT=17600420|"
      "LYSNDAT=17600301,17600308, 17600315|MENAMN=Persson|MENAMNO=Pehrsson|MFNAMN=Lars|"
      "MTITEL=Bonde|MALDER=30|MORT=Berga|KENAMN=Olsdotter|KFNAMN=Kerstin|KFNAMNO=Kjerstin|"
      "KALDER=25|KORT=Ekeby|KORTO=Eekeby|OVRIGT=Med tillstånd|REGANM=Dubbelnoterad");
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

TEST(EnglishMarriageText, LinesOfEachPart) {
  const struct {
    const char* fields;
    const char* line;
  } cases[] = {
      {"", "(Man without a name)\r\r(Woman without a name)\r--------------\rSource: \r\r"},
      {"MALDER=121|KALDER=ca 30", "(Man without a name)\r121\r\r(Woman without a name)\rca 30\r"},
      {"FORSKX=Tuna|VIGDDAT=1760XX00", "\r\rMarried 1760 in Tuna\r-"},
      {"FORSKX=Tuna|LYSNDAT=17600301", "\r\rBanns 1 Mar 1760\r-"},
      {"FORSKOD=0882|OVRIGT=Rad 1", "\r\rOther information\rParish code: 0882\rRad 1\r-"},
      {"KENAMN=O|KENAMNO=o|MFNAMN=L|MFNAMNO=l|MORT=B|MORTO=b",
       "\rThe woman's surname: O\rThe man's first name: L\rThe man's home: B\r"},
      {"KAELLA=Tuna EI:1|SIDA=3", "\rSource: Tuna EI:1, p. 3\r"},
  };
  for (const auto& c : cases) {
    const std::string text =
        ComposeMarriageText(testing::MakeRecord<Tenvigd>(c.fields), false, kEn);
    EXPECT_TRUE(Holds(text, W(c.line))) << c.fields << "\n" << text;
  }
}

TEST(EnglishDeathText, FullRecordCodedAndPlain) {
  const Tendod full = testing::MakeRecord<Tendod>(
      "FORSKX=Tuna|LAN=Kalmar län|FORSKOD=0882|KAELLA=Tuna F:1|SIDA=7|DODAT=17800112|"
      "BEGRDAT=17800119|FODAT=17200500|ALDER=59|TITEL=Änka|GENUS=k|FNAMN=Brita|"
      "ENAMN=Nilsdotter|ENAMNO=Nilsd.|ORT=Berga|DORSAK=Bröstfeber|ANF1TITEL=Bonde|"
      "ANF1FNAMN=Olof|ANF1FNAMNO=Olle|ANF1ENAMN=Persson|ANF1ENAMNO=Pehrsson|ANF1ORT=Berga|"
      "ANF1RELAT=son|ANF1GENUS=m|ANF2FNAMN=Karin|ANF2RELAT=dotter|REGANM=Anmärkning");
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

TEST(EnglishDeathText, LinesOfEachPart) {
  const struct {
    const char* fields;
    const char* line;
  } cases[] = {
      {"GENUS=k", "(Woman without a name)\r--------------\rSource: \r\r"},
      {"GENUS=M", "(Man without a name)\r--------------\rSource: \r\r"},
      {"GENUS=x", "(No name given)\r--------------\rSource: \r\r"},
      {"FNAMN=Brita|ALDER=59", "Brita\rAge: 59\r-"},
      {"FNAMN=Brita|FODAT=17200203|ORT=Berga", "Brita\rBorn 3 Feb 1720\r\rBerga\r-"},
      {"FORSKX=Tuna|DORSAK=Kopporna|DODAT=17800100",
       "\r\rDied Jan 1780 in Tuna\r\rCause of death: Kopporna\r-"},
      {"ANF1RELAT=man|ANF1FNAMN=Olof", "\rRelatives\rOlof (man)\r-"},
      {"ENAMN=E|ENAMNO=e|FNAMN=F|FNAMNO=f|ORT=O|ORTO=o|ANF2ENAMN=A2|ANF2ENAMNO=a2",
       "\rNormalised terms\rSurname: E\rFirst name: F\rPlace: O\rRelative's surname: A2\r\r"},
  };
  for (const auto& c : cases) {
    const std::string text = ComposeDeathText(testing::MakeRecord<Tendod>(c.fields), false, kEn);
    EXPECT_TRUE(Holds(text, W(c.line))) << c.fields << "\n" << text;
  }
}

}  // namespace
}  // namespace vx
