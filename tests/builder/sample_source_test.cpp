// The synthetic sample source as a whole: the folder it writes, read back
// with a strict CSV reader and checked against what the builder expects.
#include "sample/sample_source.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "engine/util/cp1252.h"
#include "records/register_labels.h"
#include "sample/sample_data.h"
#include "tests/support/csv_reference.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::CsvRows;
using testing::TempDir;

const char* const kTableFiles[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
const char* const kHelpCodes[] = {"HJ000", "HJ001",  "HJ002", "HJ003", "HJ004",
                                  "HJ005", "HJ005A", "HJ006", "HJ007", "HJ008"};

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

// Every file of a written folder, by its path below the folder.
std::map<std::string, std::string> FolderContents(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), folder).string()] = ReadText(entry.path());
    }
  }
  return files;
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

TEST_F(SampleSourceTest, WrittenFormsDifferFromTheirNormalisedFields) {
  size_t written = 0;
  for (int r = kBirths; r <= kDeaths; ++r) {
    const Table& table = TableOf(r);
    for (const std::string& name : table.header) {
      const std::string plain = name.substr(0, name.size() - 1);
      if (name.back() != 'O' || FieldIndex(RegisterLabels(r), plain) < 0) continue;
      for (const auto& record : table.records) {
        const std::string& o = table.Value(record, name);
        if (o.empty()) continue;
        ++written;
        ASSERT_NE(o, table.Value(record, plain)) << name;
        ASSERT_FALSE(table.Value(record, plain).empty()) << name << " without " << plain;
      }
    }
  }
  EXPECT_GT(written, 1000u) << "the sources should often spell otherwise";
}

// A stored date: YYYYMMDD with "00", "99" or "XX" for an unknown month or
// day, or 9999 alone.
bool IsSampleDate(const std::string& text) {
  static const std::regex kShape(
      "9999|1[5-9][0-9]{2}(0[1-9]|1[0-2]|00|99|XX)([0-2][0-9]|3[01]|99|XX)");
  return std::regex_match(text, kShape) && text.substr(4) != "00XX";
}

TEST_F(SampleSourceTest, BannsAreOneOrThreeDatesBeforeTheWedding) {
  const Table& table = TableOf(kMarriages);
  size_t three = 0;
  for (const auto& record : table.records) {
    const std::string& banns = table.Value(record, "LYSNDAT");
    const std::string& wedding = table.Value(record, "VIGDDAT");
    ASSERT_FALSE(banns.empty() && wedding.empty()) << "a record without any date";
    if (banns.empty()) continue;
    std::vector<std::string> dates;
    for (size_t start = 0; start <= banns.size();) {
      size_t end = banns.find(", ", start);
      if (end == std::string::npos) end = banns.size();
      dates.push_back(banns.substr(start, end - start));
      start = end + 2;
    }
    ASSERT_TRUE(dates.size() == 1 || dates.size() == 3) << banns;
    three += dates.size() == 3;
    for (const std::string& date : dates) {
      ASSERT_TRUE(IsSampleDate(date)) << banns;
      if (std::isdigit(static_cast<unsigned char>(wedding.back())) && date.size() == 8 &&
          wedding.size() == 8 && wedding.find('X') == std::string::npos &&
          date.find('X') == std::string::npos && wedding.substr(6) != "00" &&
          wedding.substr(6) != "99") {
        ASSERT_LT(date, wedding) << banns << " before " << wedding;
      }
    }
  }
  EXPECT_GT(three, 100u);
}

bool IsFullDate(const std::string& date) {
  return date.size() == 8 && date.find('X') == std::string::npos && date.substr(4, 2) != "00" &&
         date.substr(4, 2) != "99" && date.substr(6) != "00" && date.substr(6) != "99";
}

TEST_F(SampleSourceTest, BaptismFollowsBirthAndBurialFollowsDeath) {
  const Table& births = TableOf(kBirths);
  for (const auto& record : births.records) {
    const std::string& born = births.Value(record, "FODAT");
    const std::string& baptised = births.Value(record, "DOPDAT");
    ASSERT_FALSE(born.empty() && baptised.empty());
    if (IsFullDate(born) && IsFullDate(baptised)) {
      ASSERT_LE(born, baptised);
    }
  }
  const Table& deaths = TableOf(kDeaths);
  for (const auto& record : deaths.records) {
    const std::string& died = deaths.Value(record, "DODAT");
    const std::string& buried = deaths.Value(record, "BEGRDAT");
    const std::string& born = deaths.Value(record, "FODAT");
    ASSERT_FALSE(died.empty() && buried.empty());
    if (IsFullDate(died) && IsFullDate(buried)) {
      ASSERT_LT(died, buried);
    }
    if (IsFullDate(born) && IsFullDate(died)) {
      ASSERT_LE(born, died);
    }
  }
}

TEST_F(SampleSourceTest, CodedFieldsTakeOnlyTheirValues) {
  std::map<std::string, size_t> statuses;
  for (int r = kBirths; r <= kDeaths; ++r) {
    for (const auto& record : TableOf(r).records) {
      const std::string& status = TableOf(r).Value(record, "STATUS");
      ASSERT_TRUE(status.empty() || status == "E" || status == "K") << status;
      ++statuses[status];
      if (r == kMarriages) continue;
      const std::string& sex = TableOf(r).Value(record, "GENUS");
      ASSERT_TRUE(sex == "m" || sex == "k") << sex;
    }
  }
  EXPECT_GT(statuses[""], 50 * (statuses["E"] + statuses["K"])) << "status is mostly empty";
  EXPECT_GT(statuses["E"], 0u);
  EXPECT_GT(statuses["K"], 0u);
  for (const auto& record : TableOf(kDeaths).records) {
    for (const char* name : {"ANF1GENUS", "ANF2GENUS"}) {
      const std::string& sex = TableOf(kDeaths).Value(record, name);
      ASSERT_TRUE(sex.empty() || sex == "m" || sex == "k") << sex;
    }
  }
}

// The patronymic a child of a man called `father` (his given names) has.
std::string ExpectedPatronymic(const std::string& father, const std::string& sex) {
  const std::string first = father.substr(0, father.find(' '));
  for (const FirstName& name : SampleLists().men) {
    if (name.name == first) return name.stem + (sex == "k" ? "dotter" : "son");
  }
  return "(no such name " + first + ")";
}

TEST_F(SampleSourceTest, ChildrensPatronymicsFollowTheFathersFirstName) {
  size_t checked = 0;
  const Table& births = TableOf(kBirths);
  for (const auto& record : births.records) {
    const std::string& surname = births.Value(record, "ENAMN");
    const std::string& father = births.Value(record, "FARFNAMN");
    if (father.empty() || surname.empty() || surname == births.Value(record, "FARENAMN")) continue;
    ASSERT_EQ(surname, ExpectedPatronymic(father, births.Value(record, "GENUS")));
    ++checked;
  }
  const Table& deaths = TableOf(kDeaths);
  for (const auto& record : deaths.records) {
    const std::string& surname = deaths.Value(record, "ENAMN");
    const bool patronymic = surname.ends_with("son") || surname.ends_with("dotter");
    if (deaths.Value(record, "ANF1RELAT") != "fader" || !patronymic ||
        surname == deaths.Value(record, "ANF1ENAMN")) {
      continue;
    }
    ASSERT_EQ(surname,
              ExpectedPatronymic(deaths.Value(record, "ANF1FNAMN"), deaths.Value(record, "GENUS")));
    ++checked;
  }
  EXPECT_GT(checked, 1000u);
}

TEST_F(SampleSourceTest, LooksLikeATranscribedRegister) {
  const Table& births = TableOf(kBirths);
  size_t godparent_lists = 0, long_remarks = 0, unnamed = 0, ibid = 0;
  for (const auto& record : births.records) {
    const std::string& godparents = births.Value(record, "DOPVITTNEN");
    godparent_lists += godparents.find('\n') != std::string::npos;
    ibid += godparents.find(" ibid.") != std::string::npos;
    long_remarks += std::count(births.Value(record, "OVRIGT").begin(),
                               births.Value(record, "OVRIGT").end(), '\n') >= 2;
    unnamed += births.Value(record, "FNAMN").empty();
  }
  EXPECT_GT(godparent_lists, births.records.size() / 2);
  EXPECT_GT(ibid, 100u);
  EXPECT_GT(long_remarks, 20u);
  EXPECT_GT(unnamed, 10u);

  std::map<std::string, size_t> relations;
  for (const auto& record : TableOf(kDeaths).records) {
    ++relations[TableOf(kDeaths).Value(record, "ANF1RELAT")];
  }
  for (const char* relation : {"fader", "man", "hustru", "änka efter", "änkling efter"}) {
    EXPECT_GT(relations[relation], 10u) << relation;
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

TEST_F(SampleSourceTest, HelpTextsExistForEveryCodeWithWorkingLinks) {
  for (const char* code : kHelpCodes) {
    const fs::path path = Path("hjalp/" + std::string(code) + ".txt");
    ASSERT_TRUE(fs::exists(path)) << code;
    const std::string text = ReadText(path);
    EXPECT_TRUE(IsValidUtf8(text)) << code;
    std::string converted;
    EXPECT_TRUE(Utf8ToCp1252(text, converted)) << code;
    const size_t first_line_end = text.find('\n');
    ASSERT_NE(first_line_end, std::string::npos) << code;
    const std::string heading = text.substr(0, first_line_end);
    EXPECT_FALSE(heading.empty()) << code;
    EXPECT_EQ(heading.find('['), std::string::npos) << code << ": the heading is plain text";
    const std::string body = text.substr(first_line_end + 1);
    EXPECT_GT(body.size(), 500u) << code;
    EXPECT_NE(body.find("[4][b 4]"), std::string::npos) << code << ": a coloured heading";
    EXPECT_NE(body.find("[M HJ"), std::string::npos) << code << ": links to other texts";
    EXPECT_EQ(CodedTextProblems(body, HelpCodes()), std::vector<std::string>()) << code;
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

TEST(SampleSource, SameOptionsGiveTheSameBytesAndAnotherSeedOthers) {
  TempDir first, second, third;
  std::string error;
  ASSERT_TRUE(WriteSampleSource(first.path(), Counts(300, 120, 240, 5), error)) << error;
  ASSERT_TRUE(WriteSampleSource(second.path(), Counts(300, 120, 240, 5), error)) << error;
  ASSERT_TRUE(WriteSampleSource(third.path(), Counts(300, 120, 240, 6), error)) << error;
  const auto contents = FolderContents(first.path());
  EXPECT_EQ(contents.size(), 14u) << "three tables, register.txt and ten help texts";
  EXPECT_EQ(contents, FolderContents(second.path()));
  const auto other = FolderContents(third.path());
  for (const char* table : {"fodda.csv", "vigda.csv", "doda.csv"}) {
    EXPECT_NE(contents.at(table), other.at(table)) << table;
  }
  EXPECT_EQ(contents.at("register.txt"), other.at("register.txt"));
}

TEST(SampleSource, EachRegisterDependsOnlyOnItsOwnCount) {
  TempDir small, large;
  std::string error;
  ASSERT_TRUE(WriteSampleSource(small.path(), Counts(200, 50, 100, 3), error)) << error;
  ASSERT_TRUE(WriteSampleSource(large.path(), Counts(200, 400, 100, 3), error)) << error;
  EXPECT_EQ(ReadText(small / "fodda.csv"), ReadText(large / "fodda.csv"));
  EXPECT_EQ(ReadText(small / "doda.csv"), ReadText(large / "doda.csv"));
  EXPECT_NE(ReadText(small / "vigda.csv"), ReadText(large / "vigda.csv"));
}

TEST(SampleSource, ZeroRecordsGiveAHeaderRowOnly) {
  TempDir folder;
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder.path(), Counts(0, 0, 0, 1), error)) << error;
  for (const char* table : {"fodda.csv", "vigda.csv", "doda.csv"}) {
    const std::string text = ReadText(folder / table);
    EXPECT_TRUE(text.starts_with("POSTNUMMER;LOKALID;")) << table;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << table;
  }
}

TEST(SampleSource, ReplacesItsOwnFilesAndLeavesOthers) {
  TempDir folder;
  testing::WriteFileBytes(folder / "fodda.csv", std::vector<uint8_t>(100000, 'x'));
  testing::WriteFileBytes(folder / "mina_anteckningar.txt", std::vector<uint8_t>(3, 'y'));
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder.path(), Counts(10, 10, 10, 1), error)) << error;
  EXPECT_TRUE(ReadText(folder / "fodda.csv").starts_with("POSTNUMMER;"));
  EXPECT_LT(fs::file_size(folder / "fodda.csv"), 100000u);
  EXPECT_EQ(ReadText(folder / "mina_anteckningar.txt"), "yyy");
}

TEST(SampleSource, CreatesMissingFolders) {
  TempDir folder;
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder / "a/b/c", Counts(5, 5, 5, 1), error)) << error;
  EXPECT_TRUE(fs::exists(folder / "a/b/c/hjalp/HJ005A.txt"));
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

TEST(SampleSource, ReportsProgressPerTable) {
  TempDir folder;
  SampleSourceOptions options = Counts(12, 3, 4, 1);
  std::vector<std::string> messages;
  options.progress = [&messages](const std::string& message) { messages.push_back(message); };
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder.path(), options, error)) << error;
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Skriver fodda.csv: 12 poster", "Skriver vigda.csv: 3 poster",
                                      "Skriver doda.csv: 4 poster"}));
}

}  // namespace
}  // namespace vx
