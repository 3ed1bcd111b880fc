// The external sorter: SpillSorter's byte order, stability and bounded
// memory, and Tvxsortera's folded order and spill file over it.
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
#include "engine/sort/spill_sorter.h"
#include "engine/util/byte_order.h"
#include "engine/util/cp1252.h"
#include "engine/util/stream.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::string Cp1252(std::string_view utf8) {
  std::string text;
  EXPECT_TRUE(Utf8ToCp1252(utf8, text));
  return text;
}

// ---- SpillSorter: items of bytes, stable, in a budget ----

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
// or prefixes of each other; the payload tells the order of adding. One
// item is larger than the smallest budget, one key and one payload empty.
std::vector<Item> RandomItems(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  const char alphabet[] = {'a', 'b', '\0', '\xC4', '\xFF'};
  std::vector<Item> items(count);
  for (size_t i = 0; i < count; ++i) {
    for (size_t n = random() % 12; n > 0; --n)
      items[i].key += alphabet[random() % sizeof alphabet];
    items[i].payload = std::to_string(i) + std::string(random() % 40, '.');
  }
  items[count / 2] = {"a", std::string(100000, 'x')};
  items[count / 3] = {"", "empty key"};
  items[count / 4].payload.clear();
  return items;
}

std::vector<Item> StableSorted(std::vector<Item> items) {
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    return std::string_view(a.key) < std::string_view(b.key);
  });
  return items;
}

struct BudgetCase {
  size_t budget;
  bool may_stay_in_memory;
  bool spills;
};

TEST(SpillSorter, SortsLikeAStableSortInMemoryAndSpilled) {
  const std::vector<Item> items = RandomItems(20000, 3);
  const std::vector<Item> expected = StableSorted(items);
  // A tiny budget spills hundreds of runs, merged sixteen at a time.
  for (const BudgetCase& c :
       {BudgetCase{size_t{1} << 24, true, false}, BudgetCase{size_t{1} << 24, false, true},
        BudgetCase{4096, true, true}}) {
    SCOPED_TRACE(::testing::Message() << c.budget << " " << c.may_stay_in_memory);
    testing::TempDir temp;
    {
      SpillSorter sorter(c.budget, temp.path());
      for (const Item& item : items)
        ASSERT_TRUE(sorter.Add(item.key, item.payload));
      ASSERT_TRUE(sorter.Finish(c.may_stay_in_memory));
      EXPECT_EQ(sorter.RunCount() > 0, c.spills);
      EXPECT_LE(sorter.RunCount(), 60u);
      EXPECT_EQ(sorter.BufferedCount(), c.spills ? 0u : items.size());
      EXPECT_EQ(sorter.Count(), items.size());
      EXPECT_EQ(ReadAll(sorter), expected);
      sorter.Rewind();
      EXPECT_EQ(ReadAll(sorter), expected);
    }
    // The spill file loses its name at once: nothing is ever left behind.
    EXPECT_TRUE(fs::is_empty(temp.path()));
  }
}

// ---- Tvxsortera: (text, value) pairs in folded order ----

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

void AddAll(Tvxsortera& sorter, const std::vector<Pair>& pairs) {
  for (const Pair& p : pairs)
    sorter.Add(p.first, p.second);
}

// The test's own folding of the letters RandomPairs uses: case folded,
// é to E, ü to Y, and Å, Ä, Ö as the three bytes after Z.
std::string FoldForTest(const std::string& key) {
  const std::string from = Cp1252("éÉüÜåÅäÄöÖ");
  constexpr std::string_view kTo = "EEYY[[\\\\]]";
  std::string folded;
  for (char c : key) {
    const size_t at = from.find(c);
    if (at != std::string::npos) {
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
  const std::string letters = Cp1252("abcdeyzABCDEYZéÉüÜåÅäÄöÖ");
  std::mt19937 random(seed);
  std::vector<uint32_t> values(n);
  std::iota(values.begin(), values.end(), 1000u);
  std::shuffle(values.begin(), values.end(), random);
  std::vector<Pair> pairs;
  for (size_t i = 0; i < n; ++i) {
    std::string key;
    for (size_t len = 1 + random() % 4; len > 0; --len)
      key += letters[random() % letters.size()];
    pairs.emplace_back(key, values[i]);
  }
  return pairs;
}

TEST(Sorter, OrdersSwedishNamesAndTiesByValue) {
  Tvxsortera sorter;
  sorter.Init(100);
  AddAll(sorter, {{Cp1252("Östen"), 1},
                  {"Zorn", 2},
                  {Cp1252("Ärlig"), 3},
                  {Cp1252("Åsa"), 4},
                  {"Berg", 7},
                  {"BERG", 3},
                  {Cp1252("müller"), 9},
                  {"Myller", 8},
                  {"", 5}});
  EXPECT_EQ(sorter.Entry(1), nullptr);  // not sorted yet
  sorter.Sort();
  const std::vector<Pair> expected = {{"", 5},
                                      {"BERG", 3},
                                      {"Berg", 7},
                                      {"Myller", 8},
                                      {Cp1252("müller"), 9},
                                      {"Zorn", 2},
                                      {Cp1252("Åsa"), 4},
                                      {Cp1252("Ärlig"), 3},
                                      {Cp1252("Östen"), 1}};
  EXPECT_EQ(ReadAll(sorter), expected);
  EXPECT_EQ(sorter.Entry(10), nullptr);
  EXPECT_EQ(sorter.Entry(2)->key, "BERG");  // going back
  EXPECT_TRUE(sorter.SpillPath().empty());

  sorter.Add("Aaron", 6);  // a new round of adding
  EXPECT_EQ(sorter.Entry(1), nullptr);
  sorter.Sort();
  EXPECT_EQ(sorter.Entry(2)->key, "Aaron");
  EXPECT_EQ(sorter.Count(), 10u);

  sorter.Init(0);  // capacity 0 drops every pair
  sorter.Add("A", 1);
  sorter.Sort();
  EXPECT_EQ(sorter.Count(), 0u);
  EXPECT_EQ(sorter.Entry(1), nullptr);
}

struct CapacityCase {
  size_t capacity;
  size_t pairs;
  size_t runs_before_sort;  // with the last pair added
  size_t buffered_before_sort;
};

TEST(Sorter, MergesItsSpilledRunsInOneOrder) {
  // The 12001st pair spills the first 12000 and stays in memory alone. 666
  // runs of 3 pile up no higher than fifteen a level: 2 + 9 + 10 runs.
  for (const CapacityCase& c :
       {CapacityCase{12000, 12001, 1, 1}, CapacityCase{12000, 100000, 8, 4000},
        CapacityCase{3, 2000, 21, 2}, CapacityCase{100, 99, 0, 99}}) {
    SCOPED_TRACE(::testing::Message() << c.capacity << " " << c.pairs);
    testing::TempDir dir;
    const std::vector<Pair> pairs = RandomPairs(c.pairs, static_cast<unsigned>(c.pairs));
    const std::vector<Pair> expected = ExpectedOrder(pairs);
    Tvxsortera sorter;
    sorter.SetTempDirectory(dir.path());
    sorter.Init(c.capacity);
    AddAll(sorter, pairs);
    EXPECT_EQ(sorter.RunCount(), c.runs_before_sort);
    EXPECT_EQ(sorter.BufferedCount(), c.buffered_before_sort);
    sorter.Sort();
    EXPECT_EQ(ReadAll(sorter), expected);
    EXPECT_EQ(sorter.Entry(c.pairs / 2)->value, expected[c.pairs / 2 - 1].second);
    EXPECT_TRUE(sorter.Ok());
    sorter.Init(3);  // drops the file
    EXPECT_TRUE(fs::is_empty(dir.path()));
  }
}

TEST(Sorter, WritesSortedRunsInCompressedChunksOfAKalFile) {
  const std::vector<Pair> pairs = RandomPairs(2501, 4);
  fs::path spill_path;
  {
    Tvxsortera sorter;
    sorter.Init(2500);
    AddAll(sorter, pairs);
    spill_path = sorter.SpillPath();
    EXPECT_EQ(spill_path.parent_path(), fs::temp_directory_path());
    EXPECT_EQ(spill_path.filename().string().substr(0, 3), "Kal");

    const std::vector<uint8_t> file = testing::ReadFileBytes(spill_path);
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

    // A run that cannot be read back is reported, not read.
    std::vector<uint8_t> damaged = file;
    StoreU32(damaged.data(), 0xFFFFFFFF);  // the first chunk's length
    testing::WriteFileBytes(spill_path, damaged);
    sorter.Sort();
    EXPECT_EQ(sorter.Entry(1), nullptr);
    EXPECT_FALSE(sorter.Ok());
  }
  EXPECT_FALSE(fs::exists(spill_path));
}

// ---- Both: a folder where no spill file can be made ----

TEST(Sorter, KeepsEverythingInMemoryWhenItCannotSpill) {
  testing::TempDir temp;
  testing::WriteFileBytes(temp / "file", std::vector<uint8_t>{'x'});
  const fs::path unwritable = temp / "file" / "below";

  const std::vector<Pair> pairs = RandomPairs(100, 5);
  Tvxsortera sorter;
  sorter.SetTempDirectory(unwritable);
  sorter.Init(10);
  AddAll(sorter, pairs);
  EXPECT_EQ(sorter.BufferedCount(), 100u);
  sorter.Sort();
  EXPECT_EQ(ReadAll(sorter), ExpectedOrder(pairs));
  EXPECT_TRUE(sorter.Ok());

  // The builder's use: the failure is reported, nothing is lost.
  const std::vector<Item> items = RandomItems(1000, 4);
  SpillSorter spill_sorter(4096, unwritable);
  size_t refused = 0;
  for (const Item& item : items)
    refused += spill_sorter.Add(item.key, item.payload) ? 0 : 1;
  EXPECT_EQ(refused, 1u);
  EXPECT_FALSE(spill_sorter.Ok());
  EXPECT_FALSE(spill_sorter.Finish());
  std::vector<Item> read;
  std::string_view key, payload;
  while (spill_sorter.Next(key, payload))
    read.push_back({std::string(key), std::string(payload)});
  EXPECT_EQ(read, StableSorted(items));
}

}  // namespace
}  // namespace vx
