// kuvo-data bygg as a process: bad sources are reported as file:line and
// leave the data folder as it was; a good build replaces it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const std::string kProgram = VX_KUVO_DATA;

// Every file of a folder with its bytes.
std::map<std::string, std::vector<uint8_t>> Snapshot(const fs::path& dir) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    files[entry.path().filename()] = testing::ReadFileBytes(entry.path());
  }
  return files;
}

class KuvoDataBygg : public ::testing::Test {
 protected:
  void SetUp() override {
    // A small good set first, so that failed builds have something to spoil.
    testing::WriteText(source_ / "fodda.csv",
                       testing::SourceTable(1, {{{"ENAMN", "Berg"}, {"FODAT", "17450312"}}}));
    testing::WriteText(source_ / "doda.csv",
                       testing::SourceTable(3, {{{"ENAMN", "Ek"}, {"DODAT", "18000101"}}}));
    const auto built = Bygg();
    ASSERT_EQ(built.exit_code, 0) << built.err;
    before_ = Snapshot(data_);
  }

  testing::ProcessResult Bygg() {
    return RunProcess({kProgram, "bygg", source_.string(), data_.string()});
  }

  // Writes a broken births table and expects the given error line.
  void ExpectRefused(const std::string& table, const std::string& expected_start) {
    testing::WriteText(source_ / "fodda.csv", table);
    const auto result = Bygg();
    EXPECT_EQ(result.exit_code, 1) << expected_start;
    EXPECT_NE(result.err.find(expected_start), std::string::npos) << result.err;
    EXPECT_TRUE(Snapshot(data_) == before_) << "the data folder changed";
    // No work folder is left beside it.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir_.path()))
      ++entries;
    EXPECT_EQ(entries, 2u);
  }

  testing::TempDir dir_;
  fs::path source_ = dir_ / "kalla";
  fs::path data_ = dir_ / "data";
  std::map<std::string, std::vector<uint8_t>> before_;
};

TEST_F(KuvoDataBygg, BadSourcesAreReportedAndChangeNothing) {
  const std::string good = testing::SourceTable(1, {{{"ENAMN", "Berg"}}});
  const std::string header = good.substr(0, good.find('\n'));

  ExpectRefused(header.substr(header.find(';') + 1) + "\n",
                "fodda.csv:1: fältet POSTNUMMER saknas i rubrikraden");
  ExpectRefused("OKAND;" + good, "fodda.csv:1: okänt fält \"OKAND\"");
  std::string outside = testing::SourceTable(1, {{}, {{"ENAMN", "MARK"}}});
  outside.replace(outside.find("MARK"), 4, "\xC5\x81ukasz");  // U+0141 in UTF-8
  ExpectRefused(outside, "fodda.csv:3: tecknet U+0141");
  ExpectRefused(good + "1;2;3\n", "fodda.csv:3: posten har 3 fält, men rubrikraden har 40");
  ExpectRefused(header + "\n\"" + std::string(39, ';') + "\n",
                "fodda.csv:2: citattecknet som börjar här avslutas aldrig");
  ExpectRefused(testing::SourceTable(1, {{}, {}, {{"ENAMN", std::string(90, 'x')}}}),
                "fodda.csv:4: värdet");
}

TEST_F(KuvoDataBygg, ARegisterLeftOutLosesItsFiles) {
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001l3.i"));
  fs::remove(source_ / "doda.csv");
  const auto result = Bygg();
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001l1.i"));
  EXPECT_FALSE(fs::exists(data_ / "vaxor0001l3.i"));
  EXPECT_FALSE(fs::exists(data_ / "vaxor0001h3.b"));
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001s404.f1"));
}

TEST_F(KuvoDataBygg, TheSmallestMemoryBudgetBuildsTheSameFiles) {
  const auto small =
      RunProcess({kProgram, "bygg", source_.string(), data_.string(), "--minne", "1"});
  EXPECT_EQ(small.exit_code, 0) << small.err;
  EXPECT_TRUE(Snapshot(data_) == before_);
  // A source folder without tables leaves the data as it was.
  EXPECT_EQ(RunProcess({kProgram, "bygg", (dir_ / "saknas").string(), data_.string()}).exit_code,
            1);
  EXPECT_TRUE(Snapshot(data_) == before_);
}

TEST_F(KuvoDataBygg, RegisterSetNumberNamesTheFiles) {
  const auto result =
      RunProcess({kProgram, "bygg", source_.string(), data_.string(), "--registernr", "7"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(fs::exists(data_ / "vaxor0007h1.b"));
  EXPECT_TRUE(fs::exists(data_ / "vaxor0007text.b"));
  EXPECT_TRUE(fs::exists(data_ / "vaxor0001h1.b"));  // another set stays
}

}  // namespace
}  // namespace vx
