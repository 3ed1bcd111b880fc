// kuvo-sok --format csv: the hits of a search as a source table that
// kuvo-data bygg builds into a register set again, record for record.
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

std::string Out(const testing::ProcessResult& result) {
  return {result.out.begin(), result.out.end()};
}

std::string Export(const fs::path& ini, std::vector<std::string> search) {
  search.insert(search.begin(), {VX_KUVO_SOK, "--ini", ini.string()});
  search.insert(search.end(), {"--format", "csv"});
  const testing::ProcessResult result = RunProcess(search);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  return Out(result);
}

TEST(KuvoSokCsv, AnExportBuiltAgainGivesTheSameRecords) {
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

TEST(KuvoSokCsv, OnlyOneRegisterAndNotWithTheRecordText) {
  EXPECT_EQ(RunProcess({VX_KUVO_SOK, "--ini", kIni.string(), "alla", "Husaby", "--format", "csv"})
                .exit_code,
            2);
  EXPECT_EQ(RunProcess({VX_KUVO_SOK, "--ini", kIni.string(), "fodda", "--fn", "Anna", "--format",
                        "csv", "--visa"})
                .exit_code,
            2);
  const std::string none = Export(kIni, {"fodda", "--en", "\"Zzzz\""});
  EXPECT_EQ(none.substr(0, 20), "POSTNUMMER;LOKALID;F");
  EXPECT_EQ(std::count(none.begin(), none.end(), '\n'), 1) << "the header alone";
}

}  // namespace
}  // namespace vx
