#include "engine/sort/sorter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/util/byte_order.h"
#include "engine/util/stream.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Pair = std::pair<std::string, uint32_t>;

std::vector<Pair> ReadAll(Tvxsortera& sorter) {
  std::vector<Pair> out;
  for (size_t i = 1; i <= sorter.Count(); ++i) {
    const SortEntry* entry = sorter.Entry(i);
    if (entry == nullptr) break;
    out.emplace_back(entry->key, entry->value);
  }
  return out;
}

size_t FileCount(const fs::path& dir) {
  return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

// The test's own folding of the letters RandomPairs uses: case folded,
// é to E, ü to Y, and Å, Ä, Ö as the three bytes after Z.
std::string FoldForTest(const std::string& key) {
  constexpr std::string_view kFrom = "\xE9\xC9\xFC\xDC\xE5\xC5\xE4\xC4\xF6\xD6";  // éÉüÜåÅäÄöÖ
  constexpr std::string_view kTo = "EEYY[[\\\\]]";
  std::string folded;
  for (char c : key) {
    const size_t at = kFrom.find(c);
    if (at != std::string_view::npos) {
      folded += kTo[at];
    } else {
      folded += static_cast<char>(c >= 'a' && c <= 'z' ? c - 0x20 : c);
    }
  }
  return folded;
}

std::vector<Pair> ExpectedOrder(std::vector<Pair> pairs) {
  std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
    const std::string fa = FoldForTest(a.first);
    const std::string fb = FoldForTest(b.first);
    return fa != fb ? fa < fb : a.second < b.second;
  });
  return pairs;
}

// Short keys, so that many fold to the same text; distinct values, so that
// the expected order is fully determined.
std::vector<Pair> RandomPairs(size_t n, unsigned seed) {
  static const std::string kLetters =
      "abcdeyzABCDEYZ\xE9\xC9\xFC\xDC\xE5\xC5\xE4\xC4\xF6\xD6";  // é É ü Ü å Å ä Ä ö Ö
  std::mt19937 random(seed);
  std::vector<uint32_t> values(n);
  std::iota(values.begin(), values.end(), 1000u);
  std::shuffle(values.begin(), values.end(), random);
  std::vector<Pair> pairs;
  for (size_t i = 0; i < n; ++i) {
    std::string key;
    for (size_t len = 1 + random() % 4; len > 0; --len) {
      key += kLetters[random() % kLetters.size()];
    }
    pairs.emplace_back(key, values[i]);
  }
  return pairs;
}

void AddAll(Tvxsortera& sorter, const std::vector<Pair>& pairs) {
  for (const Pair& p : pairs) {
    sorter.Add(p.first, p.second);
  }
}

TEST(Sorter, OrdersSwedishNamesAndTiesByValue) {
  Tvxsortera sorter;
  sorter.Init(100);
  // Östen Zorn Ärlig Åsa Berg BERG müller Myller
  AddAll(sorter, {{"\xD6sten", 1},
                  {"Zorn", 2},
                  {"\xC4rlig", 3},
                  {"\xC5sa", 4},
                  {"Berg", 7},
                  {"BERG", 3},
                  {"m\xFCller", 9},
                  {"Myller", 8}});
  EXPECT_EQ(sorter.Entry(1), nullptr);  // not sorted yet
  sorter.Sort();
  const std::vector<Pair> expected = {{"BERG", 3}, {"Berg", 7},   {"Myller", 8},   {"m\xFCller", 9},
                                      {"Zorn", 2}, {"\xC5sa", 4}, {"\xC4rlig", 3}, {"\xD6sten", 1}};
  EXPECT_EQ(ReadAll(sorter), expected);
  EXPECT_EQ(sorter.Entry(9), nullptr);
  EXPECT_TRUE(sorter.SpillPath().empty());
}

TEST(Sorter, CapacityZeroDropsEveryPair) {
  Tvxsortera sorter;
  sorter.Init(0);
  sorter.Add("A", 1);
  sorter.Sort();
  EXPECT_EQ(sorter.Count(), 0u);
  EXPECT_EQ(sorter.Entry(1), nullptr);
}

TEST(Sorter, SpillsAFullBatchBeforeTakingTheNextPair) {
  Tvxsortera sorter;
  sorter.Init(12000);
  const std::vector<Pair> pairs = RandomPairs(12001, 1);
  AddAll(sorter, std::vector<Pair>(pairs.begin(), pairs.end() - 1));
  EXPECT_EQ(sorter.RunCount(), 0u);
  sorter.Add(pairs.back().first, pairs.back().second);
  EXPECT_EQ(sorter.RunCount(), 1u);
  EXPECT_EQ(sorter.BufferedCount(), 1u);
  sorter.Sort();
  EXPECT_EQ(ReadAll(sorter), ExpectedOrder(pairs));
}

TEST(Sorter, MergesAllRunsAndRemovesItsFile) {
  const std::vector<Pair> pairs = RandomPairs(100000, 2);
  const std::vector<Pair> expected = ExpectedOrder(pairs);
  fs::path spill_path;
  {
    Tvxsortera sorter;
    sorter.Init(12000);
    AddAll(sorter, pairs);
    sorter.Sort();
    EXPECT_EQ(sorter.RunCount(), 8u);
    spill_path = sorter.SpillPath();
    EXPECT_TRUE(fs::exists(spill_path));
    EXPECT_EQ(spill_path.parent_path(), fs::temp_directory_path());
    EXPECT_EQ(spill_path.filename().string().substr(0, 3), "Kal");

    EXPECT_EQ(ReadAll(sorter), expected);
    // Going back restarts the merge.
    EXPECT_EQ(sorter.Entry(50000)->value, expected[49999].second);
    EXPECT_TRUE(sorter.Ok());
  }
  EXPECT_FALSE(fs::exists(spill_path));
}

TEST(Sorter, MergesRunsBeyondTheLimitWithoutLosingAny) {
  testing::TempDir dir;
  const std::vector<Pair> pairs = RandomPairs(2000, 3);
  {
    Tvxsortera sorter;
    sorter.SetTempDirectory(dir.path());
    sorter.Init(3);
    size_t most_runs = 0;
    for (const Pair& p : pairs) {
      sorter.Add(p.first, p.second);
      most_runs = std::max(most_runs, sorter.RunCount());
    }
    EXPECT_EQ(most_runs, Tvxsortera::kMaxRuns);
    sorter.Sort();
    EXPECT_EQ(ReadAll(sorter), ExpectedOrder(pairs));
    EXPECT_EQ(FileCount(dir.path()), 1u);
    sorter.Init(3);  // drops the file
    EXPECT_EQ(FileCount(dir.path()), 0u);
  }
}

TEST(Sorter, WritesSortedRunsInCompressedChunks) {
  testing::TempDir dir;
  Tvxsortera sorter;
  sorter.SetTempDirectory(dir.path());
  sorter.Init(2500);
  const std::vector<Pair> pairs = RandomPairs(2501, 4);
  AddAll(sorter, pairs);

  const std::vector<uint8_t> file = testing::ReadFileBytes(sorter.SpillPath());
  std::vector<Pair> spilled;
  std::vector<size_t> chunk_sizes;
  for (size_t pos = 0; pos < file.size();) {
    ASSERT_LE(pos + 4, file.size());
    const uint32_t length = LoadU32(file.data() + pos);
    ASSERT_LE(pos + 4 + length, file.size());
    TViewStream source(std::span<const uint8_t>(file).subspan(pos + 4, length));
    TMemoryStream chunk;
    SharedCodec().ExpandStream(chunk, source);
    const uint8_t* bytes = chunk.Bytes().data();
    ASSERT_GE(chunk.Size(), 4u);
    EXPECT_EQ(LoadU32(bytes), 0u);
    const size_t before = spilled.size();
    size_t at = 4;
    while (at < chunk.Size()) {
      const uint16_t k = LoadU16(bytes + at);
      spilled.emplace_back(std::string(reinterpret_cast<const char*>(bytes + at + 2), k),
                           LoadU32(bytes + at + 2 + k));
      at += 2 + k + 4;
    }
    ASSERT_EQ(at, chunk.Size());
    chunk_sizes.push_back(spilled.size() - before);
    pos += 4 + length;
  }
  EXPECT_EQ(chunk_sizes, (std::vector<size_t>{1000, 1000, 500}));
  EXPECT_EQ(spilled, ExpectedOrder(std::vector<Pair>(pairs.begin(), pairs.end() - 1)));
}

TEST(Sorter, KeepsEntriesInMemoryWhenItCannotSpill) {
  testing::TempDir dir;
  Tvxsortera sorter;
  sorter.SetTempDirectory(dir / "missing");
  sorter.Init(10);
  const std::vector<Pair> pairs = RandomPairs(100, 5);
  AddAll(sorter, pairs);
  EXPECT_EQ(sorter.BufferedCount(), 100u);
  sorter.Sort();
  EXPECT_EQ(ReadAll(sorter), ExpectedOrder(pairs));
}

}  // namespace
}  // namespace vx
