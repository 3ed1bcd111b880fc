// The builder in a small memory budget: what does not fit is sorted in
// temporary files, and the register set comes out byte for byte the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "builder/register_set_builder.h"
#include "builder/spill_sorter.h"
#include "sample/sample_source.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

struct Item {
  std::string key;
  std::string payload;
  bool operator==(const Item&) const = default;
};

std::vector<Item> ReadAll(SpillSorter& sorter) {
  std::vector<Item> items;
  std::string_view key, payload;
  while (sorter.Next(key, payload))
    items.push_back({std::string(key), std::string(payload)});
  EXPECT_TRUE(sorter.Ok());
  return items;
}

// Keys from a few bytes, high ones and zero included, many of them equal
// or prefixes of each other; the payload tells the order of adding.
std::vector<Item> RandomItems(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  const char alphabet[] = {'a', 'b', '\0', '\xC4', '\xFF'};
  std::vector<Item> items(count);
  for (size_t i = 0; i < count; ++i) {
    for (size_t n = random() % 12; n > 0; --n)
      items[i].key += alphabet[random() % sizeof alphabet];
    items[i].payload = std::to_string(i) + std::string(random() % 40, '.');
  }
  return items;
}

std::vector<Item> StableSorted(std::vector<Item> items) {
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return std::string_view(a.key) < std::string_view(b.key);
  });
  return items;
}

TEST(SpillSorter, KeepsTheOrderOfEqualKeysAcrossManyRuns) {
  testing::TempDir temp;
  const std::vector<Item> items = RandomItems(20000, 3);
  for (size_t budget : {size_t{1} << 24, size_t{4096}}) {
    SCOPED_TRACE(budget);
    SpillSorter sorter(budget, temp.path());
    for (const Item& item : items)
      ASSERT_TRUE(sorter.Add(item.key, item.payload));
    ASSERT_TRUE(sorter.Finish());
    // A tiny budget spills hundreds of runs, merged sixteen at a time.
    EXPECT_EQ(sorter.RunCount() > 0, budget == 4096);
    EXPECT_LE(sorter.RunCount(), 60u);
    EXPECT_EQ(sorter.Count(), items.size());
    const std::vector<Item> expected = StableSorted(items);
    EXPECT_EQ(ReadAll(sorter), expected);
    sorter.Rewind();
    EXPECT_EQ(ReadAll(sorter), expected);
  }
  // Nothing is left in the temporary folder.
  EXPECT_TRUE(fs::is_empty(temp.path()));
}

TEST(SpillSorter, ItemsLargerThanTheBudgetAndWrittenOutOnFinish) {
  testing::TempDir temp;
  SpillSorter sorter(4096, temp.path());
  const std::vector<Item> items = {
      {"m", std::string(100000, 'x')}, {"", "empty key"}, {"m", "second m"}, {"a", ""}};
  for (const Item& item : items)
    ASSERT_TRUE(sorter.Add(item.key, item.payload));
  ASSERT_TRUE(sorter.Finish(false));
  EXPECT_GT(sorter.RunCount(), 0u);
  EXPECT_EQ(ReadAll(sorter), StableSorted(items));
}

TEST(SpillSorter, ReportsAFolderItCannotWriteTo) {
  testing::TempDir temp;
  testing::WriteText(temp / "file", "not a folder");
  SpillSorter sorter(4096, temp / "file" / "below");
  bool added = true;
  for (const Item& item : RandomItems(1000, 4))
    added = added && sorter.Add(item.key, item.payload);
  EXPECT_FALSE(added);
  EXPECT_FALSE(sorter.Ok());
}

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
