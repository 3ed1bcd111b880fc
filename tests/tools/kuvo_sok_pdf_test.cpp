// kuvo-sok --pdf: the print engine's pages on the sample set, read back as
// text with poppler's pdftotext: headers on every page, the three orders,
// ranges, the table layouts and their source groups.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "engine/text/collation.h"
#include "engine/util/cp1252.h"
#include "tests/support/csv_reference.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";
constexpr const char* kTitle = "Exempelregister Kinne härad";

// The pages of a print of `search` with `options`, as pdftotext -layout
// reads them.
std::vector<std::string> PrintedPages(std::vector<std::string> search,
                                      const std::vector<std::string>& options,
                                      const fs::path& ini = kIni) {
  testing::TempDir dir;
  const std::string pdf = (dir.path() / "utskrift.pdf").string();
  search.insert(search.begin(), {VX_KUVO_SOK, "--ini", ini.string()});
  search.insert(search.end(), {"--pdf", pdf});
  search.insert(search.end(), options.begin(), options.end());
  const testing::ProcessResult printed = RunProcess(search);
  EXPECT_EQ(printed.exit_code, 0) << printed.err;
  const testing::ProcessResult text = RunProcess({"pdftotext", "-layout", pdf, "-"});
  EXPECT_EQ(text.exit_code, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
  std::vector<std::string> pages;
  std::istringstream in(std::string(text.out.begin(), text.out.end()));
  for (std::string page; std::getline(in, page, '\f');)
    pages.push_back(page);
  return pages;
}

std::vector<std::string> Lines(const std::string& page) {
  std::vector<std::string> lines;
  std::istringstream in(page);
  for (std::string line; std::getline(in, line);) {
    const size_t start = line.find_first_not_of(' ');
    if (start != std::string::npos) lines.push_back(line.substr(start));
  }
  return lines;
}

// What follows `prefix` on every line that starts with it, page by page.
std::vector<std::string> After(const std::vector<std::string>& pages, const std::string& prefix) {
  std::vector<std::string> found;
  for (const std::string& page : pages)
    for (const std::string& line : Lines(page))
      if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
  return found;
}

bool FoldedNotAfter(const std::string& a, const std::string& b) {
  std::string da, db;
  Utf8ToCp1252(a, da);
  Utf8ToCp1252(b, db);
  return CompareTexts(da.c_str(), db.c_str(), FoldTable()) <= 0;
}

// The number of hits kuvo-sok lists.
size_t Hits(std::vector<std::string> search) {
  search.insert(search.begin(), {VX_KUVO_SOK, "--ini", kIni.string()});
  const testing::ProcessResult listed = RunProcess(search);
  return static_cast<size_t>(std::count(listed.out.begin(), listed.out.end(), '\n'));
}

void ExpectHeaders(const std::vector<std::string>& pages, const std::string& header_line,
                   const std::string& page_word = "Sida ") {
  ASSERT_FALSE(pages.empty());
  for (size_t p = 0; p < pages.size(); ++p) {
    const std::vector<std::string> lines = Lines(pages[p]);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind(kTitle, 0), 0u) << "page " << p + 1;
    EXPECT_NE(lines[0].find(page_word + std::to_string(p + 1)), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], header_line) << "page " << p + 1;
  }
}

// The year in a Lokal-ID such as F1707-002298, which the sample numbers by
// the event's year.
int YearOf(const std::string& lokalid) {
  return std::stoi(lokalid.substr(1, 4));
}

TEST(KuvoSokPdf, RecordsInDateOrderWithHeadersOnEveryPageAndARangeOfThem) {
  const std::vector<std::string> search = {"fodda", "--fod", "1750-1769"};
  const std::vector<std::string> pages = PrintedPages(search, {"--ordning", "datum"});
  ExpectHeaders(pages, "Födda, i datumordning, " + testing::TodayIso());
  ASSERT_GT(pages.size(), 2u);
  const std::vector<std::string> labels = After(pages, "Post: ");
  EXPECT_EQ(labels.size(), Hits(search));
  for (size_t i = 1; i < labels.size(); ++i)
    EXPECT_LE(YearOf(labels[i - 1]), YearOf(labels[i])) << labels[i - 1] << " " << labels[i];
  // A range counts positions in that order.
  ASSERT_GT(labels.size(), 5u);
  EXPECT_EQ(
      After(PrintedPages(search, {"--ordning", "datum", "--fran", "3", "--till", "5"}), "Post: "),
      std::vector<std::string>(labels.begin() + 2, labels.begin() + 5));
}

// The Lokal-IDs (second column) of a CSV export, in its order.
std::vector<std::string> ExportedLokalIds(std::vector<std::string> search) {
  search.insert(search.begin(), {VX_KUVO_SOK, "--ini", kIni.string()});
  search.insert(search.end(), {"--format", "csv"});
  const testing::ProcessResult exported = RunProcess(search);
  testing::CsvRows rows;
  const std::string csv(exported.out.begin(), exported.out.end());
  EXPECT_TRUE(testing::ParseCsvStrictly(csv, ';', rows));
  std::vector<std::string> ids;
  for (size_t i = 1; i < rows.size(); ++i)  // after the header
    ids.push_back(rows[i].at(1));
  return ids;
}

// By name, records follow the normalised names, as the result table lists
// them (and exports them).
TEST(KuvoSokPdf, RecordsByNameFollowTheTablesNameOrder) {
  const std::vector<std::string> search = {"doda", "--dod", "1790-1799"};
  const std::vector<std::string> printed =
      After(PrintedPages(search, {"--ordning", "namn"}), "Post: ");
  ASSERT_GT(printed.size(), 50u);
  EXPECT_EQ(printed, ExportedLokalIds(search));
}

// By source, in English (--sprak en): source headings in folded order,
// each once; the header line, the page number and the column headings in
// English, the register set's own texts as stored. (Every word in both
// languages is the print layout's and the engine's tests'; this is the
// language reaching them.)
TEST(KuvoSokPdf, SourceOrderGroupsUnderSourceHeadingsInTheChosenLanguage) {
  const std::vector<std::string> pages = PrintedPages(
      {"fodda", "--fod", "1700-1799"}, {"--ordning", "kalla", "--tabell", "--sprak", "en"});
  ExpectHeaders(pages, "Births, in source order, " + testing::TodayIso(), "Page ");
  const std::vector<std::string> sources = After(pages, "Source: ");
  ASSERT_GT(sources.size(), 3u);
  for (size_t i = 1; i < sources.size(); ++i) {
    EXPECT_TRUE(FoldedNotAfter(sources[i - 1], sources[i])) << sources[i - 1] << " " << sources[i];
    EXPECT_NE(sources[i - 1], sources[i]);
  }
  // The headings line of every page: its words, blanks collapsed.
  for (const std::string& page : pages) {
    std::istringstream words(Lines(page).at(2));
    std::string joined;
    for (std::string word; words >> word;)
      joined += (joined.empty() ? "" : " ") + word;
    EXPECT_EQ(joined, "Born Baptised Name Place Father Mother");
  }
  // Records in full by source: each record's "Källa: BOOK, s. PAGE" line.
  std::vector<std::string> books =
      After(PrintedPages({"doda", "--dod", "1780-1789"}, {"--ordning", "kalla"}), "Källa: ");
  ASSERT_GT(books.size(), 20u);
  for (std::string& book : books)
    book = book.substr(0, book.find(", s."));
  for (size_t i = 1; i < books.size(); ++i)
    EXPECT_TRUE(FoldedNotAfter(books[i - 1], books[i])) << books[i - 1] << " " << books[i];
}

// A marriage transcribed twice from the same entry of the same book (the
// same POSTNUMMER and source, two Lokal-IDs): one row in the table, both
// records in the full print.
TEST(KuvoSokPdf, AnEntrySelectedTwicePrintsOnceInTheTableTwiceInFull) {
  testing::TempDir dir;
  const testing::SourceRecord entry = testing::Fields(
      "POSTNUMMER=12|LOKALID=V1800-000012|KAELLA=Kinne C:1|VIGDDAT=18000312|MENAMN=Persson|"
      "MFNAMN=Nils|KENAMN=Olsdotter|KFNAMN=Kerstin");
  testing::SourceRecord twice = entry;
  twice["LOKALID"] = "V1800-000112";
  const testing::SourceRecord other = testing::Fields(
      "POSTNUMMER=13|LOKALID=V1800-000013|KAELLA=Kinne C:1|VIGDDAT=18000401|MENAMN=Jonsson|"
      "MFNAMN=Per");
  testing::WriteText(dir.path() / "kalla" / "vigda.csv",
                     testing::SourceTable(2, {entry, twice, other}));
  const testing::ProcessResult built = RunProcess(
      {VX_KUVO_DATA, "bygg", (dir.path() / "kalla").string(), (dir.path() / "data").string()});
  ASSERT_EQ(built.exit_code, 0) << built.err;
  const fs::path ini = dir.path() / "kuvo.ini";
  testing::WriteText(ini, "[hdbaser]\nhdbasen=" + (dir.path() / "data").string() + "/\n");
  const std::vector<std::string> search = {"vigda", "--vigd", "1800"};

  const std::vector<std::string> full = After(PrintedPages(search, {}, ini), "Post: ");
  EXPECT_EQ(full, (std::vector<std::string>{"V1800-000013", "V1800-000012", "V1800-000112"}));
  size_t rows = 0;
  const std::regex row("^1800-\\d\\d-\\d\\d ");
  for (const std::string& page : PrintedPages(search, {"--tabell"}, ini))
    for (const std::string& line : Lines(page))
      rows += std::regex_search(line, row);
  EXPECT_EQ(rows, 2u);
}

// Tables, 10.5 inches wide, turn the page; records stay upright.
TEST(KuvoSokPdf, TablesAreLandscapeAndRecordsPortrait) {
  testing::TempDir dir;
  for (const bool table : {true, false}) {
    const std::string pdf = (dir.path() / (table ? "t.pdf" : "p.pdf")).string();
    std::vector<std::string> argv = {VX_KUVO_SOK, "--ini", kIni.string(), "vigda",
                                     "--vigd",    "1800",  "--pdf",       pdf};
    if (table) argv.push_back("--tabell");
    ASSERT_EQ(RunProcess(argv).exit_code, 0);
    const testing::ProcessResult info = RunProcess({"pdfinfo", pdf});
    const std::string text(info.out.begin(), info.out.end());
    std::smatch size;
    ASSERT_TRUE(std::regex_search(text, size, std::regex("Page size: +([0-9.]+) x ([0-9.]+)")))
        << text;
    EXPECT_EQ(std::stod(size[1]) > std::stod(size[2]), table) << size[0];
  }
}

}  // namespace
}  // namespace vx
