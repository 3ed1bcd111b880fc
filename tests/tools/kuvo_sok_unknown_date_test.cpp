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

// Three births of Johan Jakobsson in the sample: born 1877 and 1879, and
// one whose birth date is unknown.
const std::vector<std::string> kSearch = {"fodda", "--fn", "Johan", "--en", "Jakobsson"};
const std::string kName = "Jakobsson, Johan";

// The index of the first line that begins with `text`, or lines.size().
size_t LineStarting(const std::vector<std::string>& lines, const std::string& text) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(text, 0) == 0) return i;
  return lines.size();
}

TEST(KuvoSokUnknownDate, TablePrintLeavesTheBirthCellEmpty) {
  const std::vector<std::string> lines = PrintedLines(kSearch, "namn");
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines)
    EXPECT_EQ(line.find("9999"), std::string::npos) << line;
  EXPECT_LT(LineStarting(lines, kName), lines.size()) << "nothing before the name of the unknown";
  EXPECT_LT(LineStarting(lines, "1877-02-11"), lines.size()) << "a known date still leads its row";
  EXPECT_LT(LineStarting(lines, "1879-07-18"), lines.size()) << "a known date still leads its row";
}

TEST(KuvoSokUnknownDate, DateOrderPutsUnknownDatesLast) {
  const std::vector<std::string> lines = PrintedLines(kSearch, "datum");
  const size_t known = LineStarting(lines, "1879-07-18");
  const size_t unknown = LineStarting(lines, kName);
  ASSERT_LT(known, lines.size());
  ASSERT_LT(unknown, lines.size());
  EXPECT_LT(known, unknown);
}

}  // namespace
}  // namespace vx
