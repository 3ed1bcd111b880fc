// kuvo-sok --format gedcom on the sample set: each register's hits as the
// people and families a family-tree program expects.
#include <gtest/gtest.h>

#include <algorithm>
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

struct Counts {
  int hits = 0;
  int people = 0;
  int families = 0;
  int refn = 0;
};

Counts Export(std::vector<std::string> search, std::string* file = nullptr) {
  std::vector<std::string> args = {VX_KUVO_SOK, "--ini", kIni.string()};
  args.insert(args.end(), search.begin(), search.end());
  const testing::ProcessResult listed = RunProcess(args);
  args.insert(args.end(), {"--format", "gedcom"});
  const testing::ProcessResult result = RunProcess(args);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  Counts counts;
  counts.hits = static_cast<int>(std::count(listed.out.begin(), listed.out.end(), '\n'));
  std::istringstream lines(std::string(result.out.begin(), result.out.end()));
  for (std::string line; std::getline(lines, line);) {
    counts.people += line.starts_with("0 @I") && line.ends_with(" INDI");
    counts.families += line.starts_with("0 @F") && line.ends_with(" FAM");
    counts.refn += line.starts_with("1 REFN ");
  }
  if (file != nullptr) *file = std::string(result.out.begin(), result.out.end());
  return counts;
}

TEST(KuvoSokGedcom, EachRegisterGivesItsPeopleAndFamilies) {
  const Counts births = Export({"fodda", "--fod", "1780-1789"});
  ASSERT_GT(births.hits, 20);
  EXPECT_EQ(births.refn, births.hits) << "one Lokal-ID per record";
  EXPECT_GT(births.people, births.hits) << "the children and their parents";
  EXPECT_LE(births.families, births.hits);
  EXPECT_GT(births.families, births.hits / 2);

  const Counts marriages = Export({"vigda", "--vigd", "1800-1820"});
  ASSERT_GT(marriages.hits, 10);
  EXPECT_EQ(marriages.families, marriages.hits);
  EXPECT_EQ(marriages.refn, marriages.hits);
  EXPECT_LE(marriages.people, 2 * marriages.hits);

  std::string file;
  const Counts deaths = Export({"doda", "--dod", "1850-1860"}, &file);
  ASSERT_GT(deaths.hits, 10);
  EXPECT_EQ(deaths.people, deaths.hits);
  EXPECT_EQ(deaths.families, 0);
  EXPECT_TRUE(file.ends_with("0 TRLR\n"));
  EXPECT_NE(file.find("1 DEAT\n"), std::string::npos);
}

TEST(KuvoSokGedcom, OnlyForOneRegister) {
  EXPECT_EQ(
      RunProcess({VX_KUVO_SOK, "--ini", kIni.string(), "alla", "Husaby", "--format", "gedcom"})
          .exit_code,
      2);
}

}  // namespace
}  // namespace vx
