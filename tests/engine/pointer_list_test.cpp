#include "engine/files/pointer_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/util/byte_order.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempDir;
using Type = PointerListType;

constexpr uint32_t kNone = Tvxpeklista::kNone;

class PointerListFile : public ::testing::TestWithParam<Type> {
 protected:
  // A list file with the given header count and capacity, and entries.
  void WriteList(uint32_t count, uint32_t capacity, const std::vector<uint32_t>& entries) {
    std::vector<uint8_t> bytes(16 + 4 * entries.size());
    StoreU32(bytes.data() + 6, count);
    StoreU32(bytes.data() + 10, capacity);
    for (size_t i = 0; i < entries.size(); ++i)
      StoreU32(bytes.data() + 16 + 4 * i, entries[i]);
    testing::WriteFileBytes(path(), bytes);
  }

  bool Open(Tvxpeklista& list, bool read_only, bool create = false) {
    list.SetFileNames(dir_.path().string() + "/", "x.p");
    list.SetReadOnly(read_only);
    return list.Open(create);
  }

  fs::path path() const { return dir_ / "x.p"; }

  TempDir dir_;
};

TEST_P(PointerListFile, EntriesOutsideTheCountOrTheFileAreNone) {
  WriteList(0xFFFFFFFF, 0xFFFFFFFF, {7, 8, 9});  // the count claims 16 GB of entries
  Tvxpeklista list(GetParam());
  ASSERT_TRUE(Open(list, true));
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.Get(1), 7u);
  EXPECT_EQ(list.Get(3), 9u);
  for (const int64_t i : {int64_t{0}, int64_t{-1}, int64_t{4}, int64_t{1} << 40})
    EXPECT_EQ(list.Get(i), kNone) << i;
}

TEST_P(PointerListFile, FullOrReadOnlyListsChangeNothing) {
  WriteList(2, 2, {7, 8});
  const std::vector<uint8_t> before = ReadFileBytes(path());
  for (const bool read_only : {false, true}) {
    Tvxpeklista list(GetParam());
    ASSERT_TRUE(Open(list, read_only));
    if (read_only) list.SetCapacity(9);
    EXPECT_EQ(list.Append(9), -1);
    EXPECT_EQ(list.Count(), 2u);
  }
  EXPECT_EQ(ReadFileBytes(path()), before);
}

TEST_P(PointerListFile, ClosingAfterTwoAppendsWritesCountAndEntries) {
  {
    Tvxpeklista list(GetParam());
    list.SetCapacity(4);
    ASSERT_TRUE(Open(list, false, true));
    EXPECT_EQ(list.Append(70), 1);
    EXPECT_EQ(list.Append(80), 2);
  }
  const std::vector<uint8_t> bytes = ReadFileBytes(path());
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(LoadU16(bytes.data()), static_cast<uint16_t>(GetParam()));
  EXPECT_EQ(LoadU32(bytes.data() + 6), 2u);
  EXPECT_EQ(LoadU32(bytes.data() + 10), 4u);
  EXPECT_EQ(LoadU32(bytes.data() + 20), 80u);

  Tvxpeklista again(GetParam());
  ASSERT_TRUE(Open(again, false));
  EXPECT_EQ(again.Append(90), 3);
  EXPECT_EQ(again.Get(1), 70u);
  EXPECT_EQ(again.Get(3), 90u);
}

TEST_P(PointerListFile, MissingFileStaysClosedReadOnlyAndIsCreatedWritable) {
  Tvxpeklista list(GetParam());
  EXPECT_FALSE(Open(list, true));
  EXPECT_EQ(list.status(), Tvxpeklista::kCannotCreate);
  EXPECT_FALSE(fs::exists(path()));
  EXPECT_EQ(list.Get(1), kNone);
  list.SetCapacity(100);
  ASSERT_TRUE(Open(list, false));
  list.Close();
  const std::vector<uint8_t> bytes = ReadFileBytes(path());
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_EQ(LoadU32(bytes.data() + 10), 100u);

  testing::WriteFileBytes(path(), std::vector<uint8_t>(15));  // a header cut short
  EXPECT_FALSE(Open(list, false));
  EXPECT_EQ(list.status(), Tvxpeklista::kCannotOpen);
  EXPECT_EQ(ReadFileBytes(path()).size(), 15u);
}

INSTANTIATE_TEST_SUITE_P(FileTypes, PointerListFile,
                         ::testing::Values(Type::kLoaded, Type::kOnDisk));

TEST(PointerListMemory, SetCapacityKeepsEntriesOnlyWhenUnchanged) {
  Tvxpeklista list(Type::kInMemory);
  list.SetCapacity(3);
  EXPECT_EQ(list.Append(5), 1);
  EXPECT_EQ(list.Append(6), 2);
  list.SetCapacity(3);
  EXPECT_EQ(list.Get(2), 6u);
  list.SetCapacity(4);
  EXPECT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.Get(2), 0u);
  EXPECT_EQ(list.Append(8), 3);
  EXPECT_EQ(list.Append(9), 4);
  EXPECT_EQ(list.Append(10), -1);
}

}  // namespace
}  // namespace vx
