// kuvo-data exempel, run as a process.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;
using testing::TempDir;

const std::string kProgram = VX_KUVO_DATA;

size_t LineCount(const fs::path& path) {
  const std::vector<uint8_t> bytes = testing::ReadFileBytes(path);
  return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

TEST(KuvoDataExempel, WritesTheDefaultSampleFromAnyDirectory) {
  TempDir dir;
  const auto result = RunProcess({kProgram, "exempel", "kalla"}, {}, dir.path());
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(result.err.find("Skriver fodda.csv: 3000 poster"), std::string::npos) << result.err;
  const fs::path source = dir / "kalla";
  for (const char* name :
       {"register.txt", "hjalp/HJ000.txt", "hjalp/HJ005A.txt", "hjalp/HJ008.txt"}) {
    EXPECT_TRUE(fs::is_regular_file(source / name)) << name;
  }
  // Records may span lines (long texts), so there are at least as many
  // lines as records plus the header.
  EXPECT_GE(LineCount(source / "fodda.csv"), 3001u);
  EXPECT_GE(LineCount(source / "vigda.csv"), 1201u);
  EXPECT_GE(LineCount(source / "doda.csv"), 2401u);
}

TEST(KuvoDataExempel, CountsAndSeedChooseTheContent) {
  TempDir dir;
  const std::vector<std::string> args = {
      kProgram, "exempel", (dir / "a").string(), "--fodda", "20", "--vigda", "0", "--doda", "5",
      "--fro",  "99"};
  ASSERT_EQ(RunProcess(args).exit_code, 0);
  std::vector<std::string> again = args;
  again[2] = (dir / "b").string();
  ASSERT_EQ(RunProcess(again).exit_code, 0);
  std::vector<std::string> other_seed = again;
  other_seed[2] = (dir / "c").string();
  other_seed.back() = "100";
  ASSERT_EQ(RunProcess(other_seed).exit_code, 0);
  for (const char* name : {"fodda.csv", "vigda.csv", "doda.csv"}) {
    EXPECT_EQ(testing::ReadFileBytes(dir / ("a/" + std::string(name))),
              testing::ReadFileBytes(dir / ("b/" + std::string(name))))
        << name;
  }
  EXPECT_NE(testing::ReadFileBytes(dir / "a/fodda.csv"),
            testing::ReadFileBytes(dir / "c/fodda.csv"));
  EXPECT_EQ(LineCount(dir / "a/vigda.csv"), 1u);
  EXPECT_GE(LineCount(dir / "a/doda.csv"), 6u);
}

}  // namespace
}  // namespace vx
