// kuvo-sok --pdf --tabell on the sample set: a birth whose date is unknown
// (stored 9999) prints an empty "Född" cell, not "9999--", and the date
// order keeps it after every known date.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";

// The lines of the table print of `search`, as pdftotext -layout reads
// them, leading blanks dropped.
std::vector<std::string> PrintedLines(std::vector<std::string> search, const std::string& order) {
  testing::TempDir dir;
  const std::string pdf = (dir.path() / "tabell.pdf").string();
  search.insert(search.begin(), {VX_KUVO_SOK, "--ini", kIni.string()});
  search.insert(search.end(), {"--pdf", pdf, "--tabell", "--ordning", order});
  const testing::ProcessResult printed = RunProcess(search);
  EXPECT_EQ(printed.exit_code, 0) << printed.err;
  const testing::ProcessResult text = RunProcess({"pdftotext", "-layout", pdf, "-"});
  EXPECT_EQ(text.exit_code, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
  std::vector<std::string> lines;
  std::istringstream in(std::string(text.out.begin(), text.out.end()));
  for (std::string line; std::getline(in, line);) {
    const size_t start = line.find_first_not_of(" \f");
    if (start != std::string::npos) lines.push_back(line.substr(start));
  }
  return lines;
}

// The first line that holds `text`, or "".
std::string LineWith(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& line : lines)
    if (line.find(text) != std::string::npos) return line;
  return {};
}

// Two of the sample's births have an unknown birth date and a baptism
// date; the third hit of the search has a known birth date.
const std::vector<std::string> kSearch = {"fodda", "--fod", "9999"};

TEST(KuvoSokUnknownDate, TablePrintLeavesTheBirthCellEmpty) {
  const std::vector<std::string> lines = PrintedLines(kSearch, "namn");
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines)
    EXPECT_EQ(line.find("9999"), std::string::npos) << line;
  EXPECT_EQ(LineWith(lines, "Lindberg, Anders").rfind("Lindberg, Anders", 0), 0u)
      << "nothing before the name: " << LineWith(lines, "Lindberg, Anders");
  EXPECT_EQ(LineWith(lines, "Persson, Erik").rfind("Persson, Erik", 0), 0u)
      << LineWith(lines, "Persson, Erik");
  EXPECT_EQ(LineWith(lines, "1877-11-29").rfind("1877-11-29", 0), 0u)
      << "a known date still leads its row: " << LineWith(lines, "1877-11-29");
}

TEST(KuvoSokUnknownDate, DateOrderPutsUnknownDatesLast) {
  const std::vector<std::string> lines = PrintedLines(kSearch, "datum");
  size_t known = lines.size();
  size_t first_unknown = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("1877-11-29", 0) == 0) known = i;
    const bool unknown = lines[i].find("Lindberg, Anders") != std::string::npos ||
                         lines[i].find("Persson, Erik") != std::string::npos;
    if (unknown && first_unknown == lines.size()) first_unknown = i;
  }
  ASSERT_LT(known, lines.size());
  ASSERT_LT(first_unknown, lines.size());
  EXPECT_LT(known, first_unknown);
}

}  // namespace
}  // namespace vx
