// kuvo-sok as a process beyond its stored answers (kuvo_sok_answers_test):
// a CSV export that kuvo-data bygg builds into a register set again, record
// for record, and damaged files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";

std::string Export(const fs::path& ini, std::vector<std::string> search) {
  search.insert(search.begin(), {VX_KUVO_SOK, "--ini", ini.string()});
  search.insert(search.end(), {"--format", "csv"});
  const testing::ProcessResult result = RunProcess(search);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  return {result.out.begin(), result.out.end()};
}

TEST(KuvoSok, ACsvExportBuiltAgainGivesTheSameRecords) {
  struct Search {
    const char* file;
    std::vector<std::string> args;
  };
  // Each search finds records with long texts (line breaks, quotes,
  // semicolons) and Swedish letters.
  const Search searches[] = {{"fodda.csv", {"fodda", "--fod", "1750-1800"}},
                             {"vigda.csv", {"vigda", "--vigd", "1800-1850"}},
                             {"doda.csv", {"doda", "--dod", "1780-1820"}}};
  testing::TempDir dir;
  std::vector<std::string> exports;
  for (const Search& search : searches) {
    exports.push_back(Export(kIni, search.args));
    testing::WriteText(dir.path() / "kalla" / search.file, exports.back());
  }
  const testing::ProcessResult built = RunProcess(
      {VX_KUVO_DATA, "bygg", (dir.path() / "kalla").string(), (dir.path() / "data").string()});
  ASSERT_EQ(built.exit_code, 0) << built.err;
  testing::WriteText(dir.path() / "kuvo.ini",
                     "[hdbaser]\nhdbasen=" + (dir.path() / "data").string() + "/\n");
  for (size_t i = 0; i < exports.size(); ++i) {
    SCOPED_TRACE(searches[i].file);
    EXPECT_GT(std::count(exports[i].begin(), exports[i].end(), '\n'), 50);
    EXPECT_NE(exports[i].find('"'), std::string::npos) << "quoted long texts";
    // The same search on the rebuilt set exports every field alike.
    EXPECT_EQ(Export(dir.path() / "kuvo.ini", searches[i].args), exports[i]);
  }
}

TEST(KuvoSok, DamagedRecordStoreIsNamed) {
  testing::TempDir dir;
  const fs::path sample = kIni.parent_path() / "exempel";
  for (const auto& entry : fs::directory_iterator(sample)) {
    fs::copy_file(entry.path(), dir / entry.path().filename().string());
  }
  // Spoil a byte in every kilobyte of the births' record blocks.
  std::vector<uint8_t> records = testing::ReadFileBytes(dir / "vaxor0001h1.b");
  for (size_t at = 100; at < records.size(); at += 1000)
    records[at] ^= 0x5A;
  testing::WriteFileBytes(dir / "vaxor0001h1.b", records);
  testing::WriteText(dir / "kuvo.ini", "[hdbaser]\nhdbasen=" + dir.path().string() + "/\n");

  const testing::ProcessResult result = RunProcess(
      {VX_KUVO_SOK, "--ini", (dir / "kuvo.ini").string(), "fodda", "--fod", "1700-1900", "--visa"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(
      result.err.starts_with("Skadad registerfil " + (dir / "vaxor0001h1.b").string() + ": "))
      << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line";
}

}  // namespace
}  // namespace vx
