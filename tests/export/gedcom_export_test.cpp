// GEDCOM export: dates in GEDCOM form, and files whose structure holds
// (levels, lengths, pointers) for each register's records.
#include "export/gedcom_export.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/source_fixture.h"

namespace vx {
namespace {

TEST(GedcomDate, KnownAndUnknownParts) {
  EXPECT_EQ(GedcomDate("17450312"), "12 MAR 1745");
  EXPECT_EQ(GedcomDate("17450300"), "MAR 1745");
  EXPECT_EQ(GedcomDate("17459999"), "1745");
  EXPECT_EQ(GedcomDate("1745"), "1745");
  EXPECT_EQ(GedcomDate("174503"), "MAR 1745");
  EXPECT_EQ(GedcomDate("174X0312"), "BET 1740 AND 1749");
  EXPECT_EQ(GedcomDate("17XX"), "BET 1700 AND 1799");
  EXPECT_EQ(GedcomDate("17451332"), "1745");
  EXPECT_EQ(GedcomDate("X7450312"), "");
  EXPECT_EQ(GedcomDate("0000"), "");
  EXPECT_EQ(GedcomDate(""), "");
}

// Checks what every GEDCOM reader relies on: each line "level [@X@] TAG
// [value]" at most one level deeper than the one before and at most 255
// characters, every pointer naming a record of the file, and the header
// and trailer.
void ExpectWellFormed(const std::string& file) {
  std::istringstream lines(file);
  std::set<std::string> defined, used;
  int previous = -1;
  std::string line, last;
  while (std::getline(lines, line)) {
    ASSERT_LE(line.size(), 255u) << line;
    std::istringstream words(line);
    int level = -1;
    std::string first, second;
    words >> level >> first >> second;
    ASSERT_GE(level, 0) << line;
    ASSERT_LE(level, previous + 1) << line;
    previous = level;
    if (first.front() == '@') defined.insert(first);
    if (second.size() > 2 && second.front() == '@' && second.back() == '@') used.insert(second);
    last = line;
  }
  EXPECT_TRUE(file.starts_with("0 HEAD\n"));
  EXPECT_NE(file.find("2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n"), std::string::npos);
  EXPECT_EQ(last, "0 TRLR");
  for (const std::string& pointer : used)
    EXPECT_TRUE(defined.count(pointer)) << pointer;
}

TEST(GedcomWriter, ABirthIsAChildWithItsParentsAsAFamily) {
  GedcomWriter writer(1);
  writer.Add(testing::Fields<RecordFields>(
      "FNAMN=Anna Greta|ENAMN=Andersdotter|GENUS=k|FODAT=17810701|DOPDAT=17810705|"
      "ORT=Husaby by|FORSKX=Husaby|LAN=Skaraborgs län|FARFNAMN=Anders|FARENAMN=Hjälm|"
      "FARTITEL=soldat|MORFNAMN=Kerstin|MORENAMN=Henriksdotter|KAELLA=Husaby C:3|SIDA=88|"
      "LOKALID=F1781-000108|DOPVITTNEN=Bondesonen Arvid\rHustru Gunnel"));
  writer.Add(testing::Fields<RecordFields>("FNAMN=Per|GENUS=m|FODAT=1790|KAELLA=Husaby C:3"));
  const std::string file = writer.Finish();
  ExpectWellFormed(file);
  EXPECT_EQ(writer.people(), 4);
  EXPECT_EQ(writer.families(), 1);
  EXPECT_NE(file.find("1 NAME Anna Greta /Andersdotter/\n2 GIVN Anna Greta\n2 SURN Andersdotter\n"
                      "1 SEX F\n1 BIRT\n2 DATE 1 JUL 1781\n"
                      "2 PLAC Husaby by, Husaby, Skaraborgs län\n"
                      "1 CHR\n2 DATE 5 JUL 1781\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("1 NOTE Dopvittnen:\n2 CONT Bondesonen Arvid\n2 CONT Hustru Gunnel\n"),
            std::string::npos);
  EXPECT_NE(file.find("1 SOUR @S1@\n2 PAGE 88\n1 REFN F1781-000108\n"), std::string::npos);
  EXPECT_NE(file.find("1 NAME Anders /Hjälm/"), std::string::npos) << "UTF-8";
  EXPECT_NE(file.find("1 OCCU soldat\n"), std::string::npos);
  EXPECT_NE(file.find("1 HUSB @I2@\n1 WIFE @I3@\n1 CHIL @I1@\n"), std::string::npos);
  EXPECT_EQ(file.find("@S2@"), std::string::npos) << "one source record per source";
}

TEST(GedcomWriter, AMarriageIsAFamilyWithItsBanns) {
  GedcomWriter writer(2);
  RecordFields marriage = testing::Fields<RecordFields>(
      "MFNAMN=Lars|MENAMN=Ahlberg|KFNAMN=Katarina|KENAMN=Johansdotter|VIGDDAT=18010614|"
      "LYSNDAT=18010503, 18010510|FORSKX=Kinne-Kleva");
  marriage["OVRIGT"] = std::string(450, 'x');
  writer.Add(marriage);
  const std::string file = writer.Finish();
  ExpectWellFormed(file);
  EXPECT_EQ(writer.people(), 2);
  EXPECT_EQ(writer.families(), 1);
  EXPECT_NE(file.find("1 MARR\n2 DATE 14 JUN 1801\n2 PLAC Kinne-Kleva\n"
                      "1 MARB\n2 DATE 3 MAY 1801\n2 PLAC Kinne-Kleva\n"
                      "1 MARB\n2 DATE 10 MAY 1801\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("1 SEX M\n1 FAMS @F1@\n"), std::string::npos);
  EXPECT_NE(file.find("\n2 CONC x"), std::string::npos) << "a long note goes on in CONC lines";
}

// The note of `file` that begins with `start`, its CONC lines joined; each
// of its lines must neither begin nor end with a blank.
std::string JoinedNote(const std::string& file, const std::string& start) {
  const size_t begin = file.find("1 NOTE " + start);
  if (begin == std::string::npos) return "(no note)";
  std::istringstream lines(file.substr(begin));
  std::string line, text;
  for (bool first = true; std::getline(lines, line); first = false) {
    const std::string prefix = first ? "1 NOTE " : "2 CONC ";
    if (!line.starts_with(prefix)) break;
    const std::string value = line.substr(prefix.size());
    EXPECT_FALSE(value.starts_with(' ') || value.ends_with(' ')) << line;
    text += value;
  }
  return text;
}

TEST(GedcomWriter, LongNotesAreCutBetweenLettersAndAtSignsDoubled) {
  GedcomWriter writer(2);
  const std::string words = std::string(199, 'a') + " " + std::string(150, 'b') + " c";
  writer.Add({{"MFNAMN", "Lars"}, {"OVRIGT", words}, {"REGANM", "Se brev @ Husaby, @N1@"}});
  const std::string file = writer.Finish();
  ExpectWellFormed(file);
  EXPECT_EQ(JoinedNote(file, "aaa"), words);
  EXPECT_NE(file.find("1 NOTE Se brev @@ Husaby, @@N1@@\n"), std::string::npos) << file;
}

TEST(GedcomWriter, ADeathIsAPersonWithDeathBurialAndCause) {
  GedcomWriter writer(3);
  writer.Add(
      testing::Fields<RecordFields>("FNAMN=Nils|ENAMN=Börjesson|GENUS=m|DODAT=18070200|BEGRDAT="
                                    "18070215|DORSAK=Bröstfeber|ANF1RELAT=hustru|ANF1FNAMN=Brita"));
  const std::string file = writer.Finish();
  ExpectWellFormed(file);
  EXPECT_EQ(writer.people(), 1);
  EXPECT_EQ(writer.families(), 0);
  EXPECT_NE(file.find("1 DEAT\n2 DATE FEB 1807\n2 CAUS Bröstfeber\n1 BURI\n2 DATE 15 FEB 1807\n"),
            std::string::npos)
      << file;
  EXPECT_NE(file.find("1 NOTE Anförvant: Brita, hustru\n"), std::string::npos);
}

}  // namespace
}  // namespace vx
