// The synthetic sample source: its pieces (the CSV writer it shares with the
// export, the embedded lists), and the folder it writes, read back with a
// strict CSV reader and checked against what the builder expects, with the
// truth of which records belong together. What the
// sample holds record by record (its dates, names and quoting) is checked by
// kuvo-sok's stored answers on the bundled sample, and that a seed chooses
// the content by kuvo-data's (tools/).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "engine/util/cp1252.h"
#include "export/csv_writer.h"
#include "records/register_labels.h"
#include "sample/embedded_data.h"
#include "sample/sample_data.h"
#include "sample/sample_source.h"
#include "sample/tsv_table.h"
#include "tests/support/csv_reference.h"
#include "tests/support/files.h"

namespace vx {
namespace {

TEST(CsvWriter, RowsReadBackUnchanged) {
  const std::vector<std::vector<std::string>> rows = {
      {"1", "", "Bonden Per i Berg\nHustru Anna ibid.", "\"citat\"; och semikolon", ""},
      {"", "", "", "", ""},
      {"ä;ö", "x\"y", "sista\n", "\n", ";"}};
  std::string text;
  for (const auto& row : rows)
    AppendCsvRow(row, ';', text);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6) << "three row ends, three inside values";
  testing::CsvRows parsed;
  ASSERT_TRUE(testing::ParseCsvStrictly(text, ';', parsed));
  EXPECT_EQ(parsed, rows);
}

TEST(TsvTable, ReadsRowsAfterCommentsAndHeaderAndReportsTheLineOfAMalformedRow) {
  std::vector<TsvRow> rows;
  std::string error;
  ASSERT_TRUE(ReadTsvTable("t.tsv", "# kommentar\n\nnamn\tvikt\nPer\t3\n# mer\nOlof \t 2\r\n",
                           {"namn", "vikt"}, rows, error))
      << error;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"Per", "3"}));
  EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"Olof", "2"}));
  EXPECT_EQ(rows[1].line, 6u);
  EXPECT_FALSE(ReadTsvTable("t.tsv", "namn\tvikt\nPer\t3\nOlof\n", {"namn", "vikt"}, rows, error));
  EXPECT_EQ(error.rfind("t.tsv:3: ", 0), 0u) << error;
  EXPECT_FALSE(ReadTsvTable("t.tsv", "namn\tantal\n", {"namn", "vikt"}, rows, error));
  EXPECT_EQ(error.rfind("t.tsv:1: ", 0), 0u) << error;
  EXPECT_FALSE(ReadTsvTable("t.tsv", "# bara kommentar\n", {"namn"}, rows, error));
  EXPECT_EQ(SplitList(" Pehr, Pär,,Peer "), (std::vector<std::string>{"Pehr", "Pär", "Peer"}));
  EXPECT_TRUE(SplitList("").empty());
}

// The embedded files with `name` replaced by `content`.
std::vector<EmbeddedFile> WithFile(std::string_view name, std::string_view content) {
  std::vector<EmbeddedFile> files;
  for (const EmbeddedFile& file : EmbeddedDataFiles()) {
    if (file.name != name) files.push_back(file);
  }
  if (!content.empty()) files.push_back({name, content});
  return files;
}

TEST(SampleData, EmbeddedListsParseAndFitWindows1252AndMalformedOnesAreReported) {
  SampleData data;
  std::string error;
  ASSERT_TRUE(ParseSampleData(EmbeddedDataFiles(), data, error)) << error;
  EXPECT_GT(data.women.size(), 30u);
  EXPECT_GT(data.men.size(), 40u);
  EXPECT_GT(data.parishes.size(), 10u);
  EXPECT_GT(data.places.size(), 80u);
  EXPECT_EQ(data.help_files.size(), 22u);  // Swedish and English
  for (const EmbeddedFile& file : EmbeddedDataFiles()) {
    std::string converted;
    EXPECT_TRUE(Utf8ToCp1252(file.content, converted)) << file.name;
    EXPECT_EQ(file.content.find('\r'), std::string_view::npos) << file.name;
  }
  for (const FirstName& man : data.men) {
    EXPECT_TRUE((man.stem + "son").ends_with("sson")) << man.name << ": " << man.stem;
  }
  // Malformed lists are reported with file and line.
  EXPECT_FALSE(ParseSampleData(WithFile("orter.tsv",
                                        "socken\tort\tvikt\tskrivformer\n"
                                        "Uppsala\tBerg\t3\t\n"),
                               data, error));
  EXPECT_EQ(error, "orter.tsv:2: okänd socken Uppsala");
  EXPECT_FALSE(ParseSampleData(WithFile("efternamn.tsv",
                                        "namn\tslag\tvikt\tskrivformer\n"
                                        "Modig\tsoldat\tmånga\t\n"),
                               data, error));
  EXPECT_EQ(error.rfind("efternamn.tsv:2: ", 0), 0u) << error;
  EXPECT_FALSE(ParseSampleData(WithFile("efternamn.tsv",
                                        "namn\tslag\tvikt\tskrivformer\n"
                                        "Modig\tsoldat\t3\tMådig,Modig\n"),
                               data, error));
  EXPECT_NE(error.find("skrivformen"), std::string::npos) << error;
  EXPECT_FALSE(ParseSampleData(WithFile("titlar.tsv", ""), data, error));
  EXPECT_EQ(error, "titlar.tsv: filen saknas");
  EXPECT_FALSE(ParseSampleData(WithFile("titlar.tsv",
                                        "titel\tbestamd\tkon\tvikt\troller\n"
                                        "bonde\tBonden\tm\t1\tfader,brudgum\n"),
                               data, error));
  EXPECT_NE(error.find("saknar titlar"), std::string::npos) << error;
}

namespace fs = std::filesystem;
using testing::CsvRows;
using testing::TempDir;

const char* const kTableFiles[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
const char* const kHelpCodes[] = {"HJ000",  "HJ001", "HJ002", "HJ003", "HJ004", "HJ005",
                                  "HJ005A", "HJ006", "HJ007", "HJ008", "HJ009"};

std::string ReadText(const fs::path& path) {
  const std::vector<uint8_t> bytes = testing::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

SampleSourceOptions Counts(int64_t births, int64_t marriages, int64_t deaths, uint64_t seed) {
  SampleSourceOptions options;
  options.births = births;
  options.marriages = marriages;
  options.deaths = deaths;
  options.seed = seed;
  return options;
}

// One register's table read back: its rows as values by field name.
struct Table {
  std::vector<std::string> header;
  CsvRows records;

  const std::string& Value(const std::vector<std::string>& record, std::string_view name) const {
    for (size_t i = 0; i < header.size(); ++i) {
      if (header[i] == name) return record.at(i);
    }
    throw std::out_of_range(std::string(name));
  }
};

// A sample source of a few thousand records, written once for all tests.
class SampleSourceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempDir;
    std::string error;
    ASSERT_TRUE(WriteSampleSource(folder_->path(), Counts(3000, 1200, 2400, 7), error)) << error;
    for (int r = kBirths; r <= kDeaths; ++r) {
      const std::string text = ReadText(folder_->path() / kTableFiles[r]);
      CsvRows rows;
      ASSERT_TRUE(testing::ParseCsvStrictly(text, ';', rows)) << kTableFiles[r];
      ASSERT_FALSE(rows.empty());
      tables_[r].header = rows.front();
      tables_[r].records.assign(rows.begin() + 1, rows.end());
    }
  }
  static void TearDownTestSuite() { delete folder_; }

  static const Table& TableOf(int register_number) { return tables_[register_number]; }
  static fs::path Path(const std::string& name) { return folder_->path() / name; }

 private:
  static TempDir* folder_;
  static Table tables_[4];
};

TempDir* SampleSourceTest::folder_ = nullptr;
Table SampleSourceTest::tables_[4];

TEST_F(SampleSourceTest, HoldsTheRequestedRecordsInLabelOrderWithRunningNumbers) {
  const int64_t counts[] = {0, 3000, 1200, 2400};
  for (int r = kBirths; r <= kDeaths; ++r) {
    const Table& table = TableOf(r);
    std::vector<std::string> header;
    for (const std::string& label : RegisterLabels(r))
      header.emplace_back(FieldName(label));
    EXPECT_EQ(table.header, header) << kTableFiles[r] << ": every field, in label order";
    ASSERT_EQ(static_cast<int64_t>(table.records.size()), counts[r]) << kTableFiles[r];
    for (size_t i = 0; i < table.records.size(); ++i) {
      ASSERT_EQ(table.records[i].size(), table.header.size()) << kTableFiles[r] << " record " << i;
      ASSERT_EQ(table.Value(table.records[i], "POSTNUMMER"), std::to_string(i + 1));
    }
  }
}

// Whether every value fits Windows-1252 and the builder's limits is checked
// by the build in register_set_roundtrip_test.cpp.
TEST_F(SampleSourceTest, FilesAreUtf8WithLfAndNoByteOrderMark) {
  for (int r = kBirths; r <= kDeaths; ++r) {
    const std::string text = ReadText(Path(kTableFiles[r]));
    EXPECT_TRUE(IsValidUtf8(text)) << kTableFiles[r];
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_EQ(text.find('\r'), std::string::npos) << "LF line ends";
  }
}

// Checks coded text: brackets closed, link tags paired, every link target
// one of `codes`. Returns the problems found.
std::vector<std::string> CodedTextProblems(const std::string& text,
                                           const std::set<std::string>& codes) {
  std::vector<std::string> problems;
  bool in_link = false;
  for (size_t open = text.find('['); open != std::string::npos; open = text.find('[', open + 1)) {
    const size_t close = text.find(']', open);
    if (close == std::string::npos) return {"a tag without ]"};
    const std::string tag = text.substr(open + 1, close - open - 1);
    if (tag.find('[') != std::string::npos) problems.push_back("[ inside a tag");
    if (tag == "\\M" || tag == "\\m") {
      if (!in_link) problems.push_back("a link closed twice");
      in_link = false;
    } else if (tag[0] == 'M' || tag[0] == 'm') {
      if (in_link) problems.push_back("a link inside a link");
      in_link = true;
      const size_t target_start = tag.find_first_not_of(' ', 1);
      const std::string target = target_start == std::string::npos ? "" : tag.substr(target_start);
      if (codes.count(target) == 0) problems.push_back("no text " + target);
    }
  }
  if (in_link) problems.push_back("an open link at the end");
  return problems;
}

std::set<std::string> HelpCodes() {
  return {std::begin(kHelpCodes), std::end(kHelpCodes)};
}

// A help text's heading and body, checked as every help text must be: UTF-8
// that fits Windows-1252, a plain heading line, and a long body whose tags
// are sound and whose links lead to texts of the folder.
std::pair<std::string, std::string> HelpText(const fs::path& path) {
  SCOPED_TRACE(path.string());
  const std::string text = ReadText(path);
  EXPECT_TRUE(IsValidUtf8(text));
  std::string converted;
  EXPECT_TRUE(Utf8ToCp1252(text, converted));
  const size_t heading_end = text.find('\n');
  EXPECT_NE(heading_end, std::string::npos);
  if (heading_end == std::string::npos) return {};
  const std::string heading = text.substr(0, heading_end);
  EXPECT_FALSE(heading.empty());
  EXPECT_EQ(heading.find('['), std::string::npos) << "the heading is plain text";
  const std::string body = text.substr(heading_end + 1);
  EXPECT_GT(body.size(), 500u);
  EXPECT_EQ(CodedTextProblems(body, HelpCodes()), std::vector<std::string>());
  return {heading, body};
}

TEST_F(SampleSourceTest, HelpTextsExistForEveryCodeWithWorkingLinks) {
  for (const char* code : kHelpCodes) {
    const auto [heading, body] = HelpText(Path("hjalp/" + std::string(code) + ".txt"));
    EXPECT_FALSE(body.starts_with("[4]"))
        << code << ": the window shows the heading above the text";
    EXPECT_NE(body.find("[6][b 3]"), std::string::npos) << code << ": coloured sub-headings";
    EXPECT_NE(body.find("[M HJ"), std::string::npos) << code << ": links to other texts";
  }
}

// The link targets of a coded text, in order.
std::vector<std::string> LinkTargets(const std::string& text) {
  std::vector<std::string> targets;
  for (size_t at = text.find("[M "); at != std::string::npos; at = text.find("[M ", at + 1))
    targets.push_back(text.substr(at + 3, text.find(']', at) - at - 3));
  return targets;
}

// Every Swedish help text of the folder has an English one in hjalp/en/,
// with a plain English heading, without the heading repeated as its first
// line, and with the same links in the same order.
TEST_F(SampleSourceTest, EveryHelpTextHasAnEnglishOne) {
  std::set<std::string> swedish_codes;
  for (const auto& entry : fs::directory_iterator(Path("hjalp"))) {
    if (entry.is_regular_file()) swedish_codes.insert(entry.path().stem().string());
  }
  EXPECT_EQ(swedish_codes, HelpCodes());
  std::set<std::string> english_codes;
  for (const auto& entry : fs::directory_iterator(Path("hjalp/en")))
    english_codes.insert(entry.path().stem().string());
  EXPECT_EQ(english_codes, swedish_codes);
  for (const std::string& code : swedish_codes) {
    const auto [heading, body] = HelpText(Path("hjalp/en/" + code + ".txt"));
    const std::string swedish = ReadText(Path("hjalp/" + code + ".txt"));
    EXPECT_NE(heading, swedish.substr(0, swedish.find('\n'))) << code;
    EXPECT_FALSE(body.starts_with("[4][b 4]")) << code << ": the heading is not repeated";
    EXPECT_EQ(LinkTargets(body), LinkTargets(swedish)) << code;
  }
}

TEST_F(SampleSourceTest, RegisterTextHasHeadingSubHeadingAndAboutText) {
  const std::string text = ReadText(Path("register.txt"));
  EXPECT_TRUE(IsValidUtf8(text));
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  ASSERT_GT(lines.size(), 5u);
  EXPECT_FALSE(lines[0].empty());
  EXPECT_FALSE(lines[1].empty());
  EXPECT_EQ(lines[0].find('['), std::string::npos);
  const std::string about = text.substr(lines[0].size() + lines[1].size() + 2);
  EXPECT_NE(about.find("påhittade"), std::string::npos) << "says that the persons are invented";
  EXPECT_EQ(CodedTextProblems(about, HelpCodes()), std::vector<std::string>());
}

// The truth beside the tables links records of one life and one family:
// every kind is there, and the records of each pair agree as the lives
// make them (names through their normalised forms, a bride under her own
// surname, the child's parents named as the couple).
TEST_F(SampleSourceTest, TheTruthLinksRecordsThatAgree) {
  std::map<std::string, std::pair<int, size_t>> records;  // Lokal-ID -> register, row
  for (int r = kBirths; r <= kDeaths; ++r) {
    const Table& table = TableOf(r);
    for (size_t i = 0; i < table.records.size(); ++i)
      records[table.Value(table.records[i], "LOKALID")] = {r, i};
  }
  auto value = [&](const std::string& id, std::string_view field) {
    const auto [r, i] = records.at(id);
    return TableOf(r).Value(TableOf(r).records[i], field);
  };
  // Two values that agree where both are given.
  auto agree = [](const std::string& a, const std::string& b) {
    return a.empty() || b.empty() || a == b;
  };
  const std::string text = ReadText(Path("samband.tsv"));
  ASSERT_TRUE(text.starts_with("fran\ttill\tsamband\n"));
  std::map<std::string, int> kinds;
  std::istringstream lines(text.substr(text.find('\n') + 1));
  for (std::string from, to, kind; std::getline(lines, from, '\t') &&
                                   std::getline(lines, to, '\t') && std::getline(lines, kind);) {
    SCOPED_TRACE(from + " " + to + " " + kind);
    ASSERT_EQ(records.count(from), 1u);
    ASSERT_EQ(records.count(to), 1u);
    ++kinds[kind];
    if (kind == "dod") {
      EXPECT_TRUE(agree(value(from, "FNAMN"), value(to, "FNAMN")));
      EXPECT_TRUE(agree(value(from, "ENAMN"), value(to, "ENAMN")));
    } else if (kind == "barn") {
      EXPECT_TRUE(agree(value(from, "MFNAMN"), value(to, "FARFNAMN")));
      EXPECT_TRUE(agree(value(from, "KFNAMN"), value(to, "MORFNAMN")));
      EXPECT_TRUE(agree(value(from, "KENAMN"), value(to, "MORENAMN")));
    } else if (kind == "hustruns-fodelse") {
      EXPECT_TRUE(agree(value(from, "KENAMN"), value(to, "ENAMN")));
    } else if (kind == "syskon") {
      EXPECT_EQ(value(from, "MORFNAMN"), value(to, "MORFNAMN"));
      EXPECT_EQ(value(from, "FORSKX"), value(to, "FORSKX"));
    }
  }
  for (const char* kind : {"dod", "barn", "mannens-fodelse", "hustruns-fodelse", "mannens-dod",
                           "hustruns-dod", "syskon"}) {
    EXPECT_GT(kinds[kind], 100) << kind;
  }
}

TEST(SampleSource, ZeroRecordsGiveAHeaderRowOnlyReplacingItsOwnFilesAndLeavingOthers) {
  TempDir folder;
  testing::WriteFileBytes(folder / "fodda.csv", std::vector<uint8_t>(100000, 'x'));
  testing::WriteFileBytes(folder / "mina_anteckningar.txt", std::vector<uint8_t>(3, 'y'));
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder.path(), Counts(0, 0, 0, 1), error)) << error;
  for (const char* table : {"fodda.csv", "vigda.csv", "doda.csv"}) {
    const std::string text = ReadText(folder / table);
    EXPECT_TRUE(text.starts_with("POSTNUMMER;LOKALID;")) << table;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << table;
  }
  EXPECT_LT(fs::file_size(folder / "fodda.csv"), 100000u);
  EXPECT_EQ(ReadText(folder / "mina_anteckningar.txt"), "yyy");
}

TEST(SampleSource, CreatesMissingFoldersAndReportsProgressPerTable) {
  TempDir folder;
  SampleSourceOptions options = Counts(12, 3, 4, 1);
  std::vector<std::string> messages;
  options.progress = [&messages](const std::string& message) { messages.push_back(message); };
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder / "a/b/c", options, error)) << error;
  EXPECT_TRUE(fs::exists(folder / "a/b/c/hjalp/HJ005A.txt"));
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Skriver fodda.csv: 12 poster", "Skriver vigda.csv: 3 poster",
                                      "Skriver doda.csv: 4 poster"}));
}

TEST(SampleSource, AFolderThatCannotBeMadeIsReportedInSwedish) {
  TempDir folder;
  testing::WriteFileBytes(folder / "fil", std::vector<uint8_t>(1, 'x'));
  std::string error;
  EXPECT_FALSE(WriteSampleSource(folder / "fil", Counts(5, 5, 5, 1), error));
  EXPECT_NE(error.find("Kan inte skapa mappen"), std::string::npos) << error;
  EXPECT_NE(error.find((folder / "fil").string()), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(WriteSampleSource(folder / "fil/under", Counts(5, 5, 5, 1), error));
  EXPECT_NE(error.find("Kan inte skapa mappen"), std::string::npos) << error;
}

}  // namespace
}  // namespace vx
