// GEDCOM export: dates in GEDCOM form, and long notes in a file whose
// structure holds (levels, lengths, pointers). What each register's records
// become is checked by kuvo-sok's stored GEDCOM answers and by the import
// into Gramps (tools/).
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

}  // namespace
}  // namespace vx
