// The builder in a small memory budget: what does not fit is sorted in
// temporary files, and the register set comes out byte for byte the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/register_set_builder.h"
#include "sample/sample_source.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(BoundedBuild, ATinyBudgetBuildsTheSameFiles) {
  testing::TempDir dir;
  SampleSourceOptions sample;
  sample.births = 1500;
  sample.marriages = 600;
  sample.deaths = 1200;
  sample.seed = 11;
  std::string sample_error;
  ASSERT_TRUE(WriteSampleSource(dir / "kalla", sample, sample_error)) << sample_error;

  BuildSummary summaries[2];
  const char* folders[2] = {"stor", "liten"};
  for (int i = 0; i < 2; ++i) {
    BuildOptions options;
    options.source_dir = dir / "kalla";
    options.data_dir = dir / folders[i];
    if (i == 1) options.memory_budget = 64 << 10;
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summaries[i], error)) << error.ToString();
  }
  // With room enough only the first two registers wait on disc, one run each.
  EXPECT_EQ(summaries[0].temporary_runs, 2u);
  EXPECT_GT(summaries[1].temporary_runs, 100u);
  const std::vector<std::string> names = testing::SortedFileNames(dir / "stor");
  ASSERT_EQ(names, testing::SortedFileNames(dir / "liten"));
  EXPECT_GT(names.size(), 100u);
  for (const std::string& name : names) {
    EXPECT_EQ(testing::ReadFileBytes(dir / "stor" / name),
              testing::ReadFileBytes(dir / "liten" / name))
        << name;
  }
  // The work and sorting folders are gone.
  EXPECT_EQ(testing::SortedFileNames(dir.path()),
            (std::vector<std::string>{"kalla", "liten", "stor"}));
}

}  // namespace
}  // namespace vx
