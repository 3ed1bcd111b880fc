// The synthetic sample source: its pieces (the CSV writer it shares with the
// export, the embedded lists) and the folders it writes. What it writes is
// checked in register_set_roundtrip_test.cpp; what the sample holds record
// by record (its dates, names and quoting) by kuvo-sok's stored answers on
// the bundled sample, and that a seed chooses the content by kuvo-data's
// (tools/).
#include <gtest/gtest.h>

#include "engine/util/cp1252.h"
#include "export/csv_writer.h"
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
using testing::TempDir;

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
