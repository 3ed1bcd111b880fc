// The builder in a small memory budget: what does not fit is sorted in
// temporary files, and the register set comes out byte for byte the same.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "builder/register_set_builder.h"
#include "sample/sample_source.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(BoundedBuild, ATinyBudgetAndOneThreadBuildTheSameFiles) {
  testing::TempDir dir;
  SampleSourceOptions sample;
  sample.births = 1500;
  sample.marriages = 600;
  sample.deaths = 1200;
  sample.seed = 11;
  std::string sample_error;
  ASSERT_TRUE(WriteSampleSource(dir / "kalla", sample, sample_error)) << sample_error;

  struct Build {
    const char* folder;
    size_t budget;
    int threads;
    BuildSummary summary;
  };
  Build builds[] = {{"stor", kDefaultBuildMemory, 2, {}},
                    {"liten", 64 << 10, 2, {}},
                    {"en-trad", kDefaultBuildMemory, 1, {}},
                    {"liten-en-trad", 64 << 10, 1, {}}};
  for (Build& build : builds) {
    BuildOptions options;
    options.source_dir = dir / "kalla";
    options.data_dir = dir / build.folder;
    options.memory_budget = build.budget;
    options.threads = build.threads;
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, build.summary, error)) << error.ToString();
    // With room enough only the first two registers wait on disc, one run each.
    if (build.budget == kDefaultBuildMemory) {
      EXPECT_EQ(build.summary.temporary_runs, 2u) << build.folder;
    } else {
      EXPECT_GT(build.summary.temporary_runs, 100u) << build.folder;
    }
  }
  const std::vector<std::string> names = testing::SortedFileNames(dir / "stor");
  EXPECT_GT(names.size(), 100u);
  for (const Build& build : std::span(builds).subspan(1)) {
    ASSERT_EQ(names, testing::SortedFileNames(dir / build.folder));
    for (const std::string& name : names) {
      EXPECT_EQ(testing::ReadFileBytes(dir / "stor" / name),
                testing::ReadFileBytes(dir / build.folder / name))
          << build.folder << "/" << name;
    }
  }
  // The work and sorting folders are gone.
  EXPECT_EQ(testing::SortedFileNames(dir.path()),
            (std::vector<std::string>{"en-trad", "kalla", "liten", "liten-en-trad", "stor"}));
}

}  // namespace
}  // namespace vx
