// The files under the lists and stores: names in any case, whole reads,
// data files opened or created, record files, row files, pointer lists, the
// key cache and windowed reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/files/data_file.h"
#include "engine/files/file.h"
#include "engine/files/key_cache.h"
#include "engine/files/pointer_list.h"
#include "engine/files/record_file.h"
#include "engine/files/row_file.h"
#include "engine/files/windowed_file_reader.h"
#include "engine/util/byte_order.h"
#include "tests/support/files.h"
#include "tests/support/record_store_test_util.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::TempDir;
using testing::WriteFileBytes;

// The exact name wins, then any case of it.
TEST(Files, NamesReadsAndOpenings) {
  TempDir dir;
  const auto resolve = [&](const char* name) {
    return ResolveCaseInsensitive((dir / name).string());
  };
  WriteFileBytes(dir / "VAXOR0001.B", Bytes("upper"));
  EXPECT_EQ(resolve("vaxor0001.b"), (dir / "VAXOR0001.B").string());
  WriteFileBytes(dir / "vaxor0001.b", Bytes("lower"));
  WriteFileBytes(dir / "Vaxor0001.b", Bytes("mixed"));
  EXPECT_EQ(resolve("vaxor0001.b"), (dir / "vaxor0001.b").string());
  // Among several, the choice does not depend on directory order.
  EXPECT_EQ(resolve("vaxor0001.B"), (dir / "VAXOR0001.B").string());
  EXPECT_FALSE(resolve("vaxor0001.b_"));
  EXPECT_FALSE(resolve("nowhere/x.b"));
  // Reads are whole or nothing, and read-only files refuse writes.
  WriteFileBytes(dir / "f", Bytes("0123456789"));
  File file;
  ASSERT_EQ(file.OpenExisting((dir / "f").string(), FileAccess::kReadOnly), OpenResult::kOpened);
  char buffer[5] = "----";
  ASSERT_TRUE(file.ReadAt(6, buffer, 4));
  EXPECT_EQ(std::string(buffer), "6789");
  EXPECT_FALSE(file.ReadAt(7, buffer, 4));
  EXPECT_FALSE(file.ReadAt(UINT64_MAX - 1, buffer, 4));
  EXPECT_EQ(std::string(buffer), "6789");
  EXPECT_FALSE(file.WriteAt(0, "x", 1) || file.Truncate(0));
  EXPECT_EQ(file.Size(), 10u);
  // Opening a data file read-only never creates it; writable does.
  File data;
  const std::string path = (dir / "x.p").string();
  for (const bool create : {false, true})
    EXPECT_EQ(OpenDataFile(data, path, true, create), DataFileOpening::kNotCreated);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(OpenDataFile(data, path, false, false), DataFileOpening::kCreated);
  ASSERT_TRUE(data.WriteAt(0, "abc", 3));
  EXPECT_EQ(OpenDataFile(data, path, true, false), DataFileOpening::kOpened);
  EXPECT_FALSE(data.IsWritable());
  EXPECT_EQ(OpenDataFile(data, path, false, true), DataFileOpening::kCreated);
  EXPECT_EQ(data.Size(), 0u);
  fs::create_directory(dir / "d");
  EXPECT_EQ(OpenDataFile(data, (dir / "d").string(), false, false), DataFileOpening::kUnopenable);
}

// A block-mode record file of blocks of 4 with its pointer lists.
struct BlockFile {
  BlockFile(const testing::TempDir& dir, bool read_only) {
    const std::string directory = dir.path().string() + "/";
    for (auto [list, name] : {std::pair{&records, "r.p"}, std::pair{&blocks, "r.pz"}}) {
      list->SetFileNames(directory, name);
      list->SetReadOnly(read_only);
      list->SetCapacity(1000);
      list->Open(false);
    }
    file.SetFileNames(directory, "r.b");
    file.SetReadOnly(read_only);
    file.SetPacking(TblobfilLZHmode::LZHblockpacka, 4);
    file.SetPointerLists(&records, &blocks);
    file.SetBufferSize(64);
    file.Open(false);
  }

  Tvxpeklista records{PointerListType::kOnDisk};
  Tvxpeklista blocks{PointerListType::kOnDisk};
  Tvxblobfil file;
};

// Records are found by number, so appending continues only after a whole block.
TEST(RecordFileWriting, BlockFileContinuesOnlyAfterAWholeBlock) {
  testing::TempDir dir;
  for (const int n : {4, 1}) {
    BlockFile set(dir, false);
    for (int i = 0; i < n; ++i)
      ASSERT_GT(set.file.AppendRecord(Bytes('r' + std::to_string(set.file.RecordCount() + 1))), 0);
  }
  {
    BlockFile set(dir, false);
    EXPECT_EQ(set.file.AppendRecord(Bytes("r6")), -1);
    EXPECT_EQ(set.file.AppendRecord(std::vector<uint8_t>(65)), -1);
  }
  BlockFile set(dir, true);
  EXPECT_EQ(set.file.RecordCount(), 5u);
  EXPECT_EQ(set.file.AppendRecord(Bytes("r6")), -1);
  for (const int i : {5, 1, 4}) {
    ASSERT_EQ(set.file.ReadRecord(i), 0);
    EXPECT_EQ(std::string(set.file.Record().begin(), set.file.Record().end()),
              'r' + std::to_string(i));
  }
  EXPECT_EQ(set.file.BlockExpansions(), 2u);
  EXPECT_EQ(set.file.LastRecordHeader()[0], 4);  // the writer numbers its records
}

using testing::PatchU32;
using testing::ReadFileBytes;

constexpr uint32_t kRowLength = 28;  // a text area of 20, as the date lists have

std::vector<uint8_t> MakeRow(uint32_t value1, const std::string& text) {
  std::vector<uint8_t> row(8 + text.size() + 1, 0);
  StoreU32(row.data(), value1);
  StoreU32(row.data() + 4, value1 * 2);
  std::copy(text.begin(), text.end(), row.begin() + 8);
  return row;
}

// A row file and, in block mode, its block list of blocks of 10 rows.
class RowFile : public ::testing::TestWithParam<bool> {
 protected:
  void Configure(bool read_only) {
    const std::string directory = dir_.path().string() + "/";
    rows_.SetFileNames(directory, "l.i");
    rows_.SetReadOnly(read_only);
    if (GetParam()) {
      blocks_.SetFileNames(directory, "l.iz");
      blocks_.SetReadOnly(read_only);
      blocks_.SetCapacity(1000000);
      blocks_.Open(false);
      rows_.SetBlocks(&blocks_, 10);
    }
  }

  void Write(uint32_t n, uint32_t capacity) {
    Configure(false);
    ASSERT_TRUE(rows_.CreateNew(capacity, kRowLength));
    EXPECT_FALSE(rows_.AppendRow(std::vector<uint8_t>(kRowLength + 1)));
    for (uint32_t i = 1; i <= n; ++i)
      ASSERT_TRUE(rows_.AppendRow(MakeRow(i, "rad " + std::to_string(i))));
    if (n == capacity) {
      EXPECT_FALSE(rows_.AppendRow(MakeRow(0, "")));
    }
    rows_.Close();
    blocks_.Close();
  }

  testing::TempDir dir_;
  Tvxpeklista blocks_{PointerListType::kOnDisk};
  Tvxindexblobfil rows_;
};

TEST_P(RowFile, RowsReadBackByNumberAndNothingOutside) {
  Write(25, 25);
  Configure(true);
  ASSERT_TRUE(rows_.Open(false));
  EXPECT_EQ(rows_.RowCount(), 25u);
  EXPECT_EQ(rows_.RowLength(), kRowLength);
  for (const uint32_t i : {1u, 10u, 11u, 25u, 2u}) {
    ASSERT_EQ(rows_.ReadRow(i), Tvxindexblobfil::kRowRead);
    EXPECT_EQ(rows_.RowValue1(), i);
    EXPECT_EQ(rows_.RowValue2(), 2 * i);
    EXPECT_STREQ(reinterpret_cast<const char*>(rows_.RowTextArea().data()),
                 ("rad " + std::to_string(i)).c_str());
  }
  EXPECT_EQ(rows_.BlockExpansions(), GetParam() ? 4u : 0u);
  for (const int64_t outside : {int64_t{0}, int64_t{-1}, int64_t{26}})
    EXPECT_EQ(rows_.ReadRow(outside), Tvxindexblobfil::kNoSuchRow);
  EXPECT_EQ(rows_.RowValue1(), 2u);  // the last row read stays
}

TEST_P(RowFile, MissingOrDamagedFilesAreRefusedAndCountsBeyondTheFileReadNothing) {
  Configure(true);
  EXPECT_FALSE(rows_.Open(false));
  EXPECT_EQ(rows_.status(), Tvxindexblobfil::kCannotCreate);
  EXPECT_EQ(rows_.ReadRow(1), Tvxindexblobfil::kNotReady);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  Write(25, 100);
  const std::vector<uint8_t> written = ReadFileBytes(dir_ / "l.i");
  PatchU32(dir_ / "l.i", 2, 0xFFFFFFFF);
  Configure(false);  // writable, but nothing is added: nothing is written
  ASSERT_TRUE(rows_.Open(false));
  EXPECT_EQ(rows_.ReadRow(25), 0);
  EXPECT_EQ(rows_.ReadRow(31), Tvxindexblobfil::kNoSuchRow);
  EXPECT_EQ(rows_.ReadRow(0xFFFFFFFF), Tvxindexblobfil::kNoSuchRow);
  rows_.Close();
  EXPECT_EQ(ReadFileBytes(dir_ / "l.i").size(), written.size());
  for (const auto& [offset, value] :
       {std::pair{14, 0u}, std::pair{14, 7u}, std::pair{14, 0x7FFFFFFFu}, std::pair{10, 21u}}) {
    testing::WriteFileBytes(dir_ / "l.i", written);
    PatchU32(dir_ / "l.i", offset, value);
    EXPECT_FALSE(rows_.Open(false)) << offset << " " << value;
    EXPECT_EQ(rows_.status(), Tvxindexblobfil::kCannotOpen);
  }
}

INSTANTIATE_TEST_SUITE_P(PlainAndBlocks, RowFile, ::testing::Bool());

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
  EXPECT_TRUE(list.CutShort());
  // Read-only, a list loaded whole is read where it is mapped.
  EXPECT_EQ(list.Mapped(), GetParam() == Type::kLoaded);
  EXPECT_EQ(std::tuple(list.Count(), list.Get(1), list.Get(3)), std::tuple(3u, 7u, 9u));
  for (const int64_t i : {int64_t{0}, int64_t{-1}, int64_t{4}, int64_t{1} << 40})
    EXPECT_EQ(list.Get(i), kNone) << i;
}

TEST_P(PointerListFile, FullOrReadOnlyListsChangeNothingAndClosingWritesCountAndEntries) {
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
  // Closing after two appends writes the count and the entries.
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
  EXPECT_EQ(
      std::tuple(LoadU32(bytes.data() + 6), LoadU32(bytes.data() + 10), LoadU32(bytes.data() + 20)),
      std::tuple(2u, 4u, 80u));  // count, capacity, second entry

  Tvxpeklista again(GetParam());
  ASSERT_TRUE(Open(again, false));
  EXPECT_EQ(again.Append(90), 3);
  EXPECT_EQ(std::tuple(again.Get(1), again.Get(3)), std::tuple(70u, 90u));
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
  for (const auto& [entry, number] : {std::pair{5u, 1}, {6u, 2}})
    EXPECT_EQ(list.Append(entry), number);
  list.SetCapacity(3);
  EXPECT_EQ(list.Get(2), 6u);
  list.SetCapacity(4);
  EXPECT_EQ(std::tuple(list.Count(), list.Get(2)), std::tuple(2u, 0u));
  for (const auto& [entry, number] : {std::pair{8u, 3}, {9u, 4}, {10u, -1}})
    EXPECT_EQ(list.Append(entry), number) << entry;
}

using Bounds = std::pair<int32_t, int32_t>;

Bounds BoundsOf(const Tvxhash& cache, const char* key) {
  const Tvxhash::Range range = cache.Bounds(key);
  return {range.lo, range.hi};
}

TEST(KeyCache, BracketsKeysBetweenCachedOnes) {
  Tvxhash cache;
  EXPECT_EQ(BoundsOf(cache, "Berg"), Bounds(0, 0));
  cache.Add("B", 10);
  cache.Add("D", 30);
  // Ö sorts after D.
  for (const auto& [key, bounds] : {std::pair{"c", Bounds(10, 30)},
                                    {"B", Bounds(0, 30)},
                                    {"D", Bounds(10, 0)},
                                    {"A", Bounds(0, 0)},
                                    {"\xD6", Bounds(0, 0)}})
    EXPECT_EQ(BoundsOf(cache, key), bounds) << key;
}

TEST(KeyCache, IgnoresEqualKeysAndKeysBeyondCapacityAndKeepsAccentsApartWhenAsked) {
  Tvxhash cache;
  cache.Add("M\xFCller", 10);  // Müller
  cache.Add("MYLLER", 20);
  cache.Add("m\xFCller", 30);
  EXPECT_EQ(cache.Count(), 1u);
  cache.Add("Nilsson", 40);
  EXPECT_EQ(BoundsOf(cache, "Myrberg"), Bounds(10, 40));

  cache.SetCapacity(2);
  EXPECT_EQ(cache.Count(), 0u);
  cache.Add("A", 1);
  cache.Add("C", 3);
  cache.Add("B", 2);
  EXPECT_EQ(cache.Count(), 2u);
  EXPECT_EQ(BoundsOf(cache, "B"), Bounds(1, 3));

  Tvxhash folded;
  Tvxhash accented(AccentOrderTable());
  for (Tvxhash* each : {&folded, &accented}) {
    each->Add("Ek", 1);
    each->Add("\xC9k", 2);  // Ék
    each->Add("EK", 3);
  }
  EXPECT_EQ(folded.Count(), 1u);
  EXPECT_EQ(accented.Count(), 2u);
  EXPECT_EQ(BoundsOf(accented, "Ekl"), Bounds(1, 2));
}

// Whatever the insertion order, a bound belongs to a key on the right side
// of the search key, so a binary search between them cannot miss it.
TEST(KeyCache, BoundsAlwaysBracketTheKeyInSortedData) {
  std::mt19937 random(7);
  std::vector<std::string> rows;
  for (int i = 0; i < 400; ++i) {
    std::string key;
    for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n) {
      key.push_back(static_cast<char>('A' + random() % 6));
    }
    rows.push_back(key);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

  Tvxhash cache;
  for (int i = 0; i < 30; ++i) {
    const int row = static_cast<int>(random() % rows.size());
    cache.Add(rows[row].c_str(), row + 1);
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    const Tvxhash::Range range = cache.Bounds(rows[i].c_str());
    const int row = static_cast<int>(i) + 1;
    EXPECT_TRUE(range.lo == 0 || range.lo < row) << rows[i];
    EXPECT_TRUE(range.hi == 0 || range.hi > row) << rows[i];
  }
}

TEST(WindowedFileReader, ReadsAcrossWindowsFromAnyOffsetUpToTheEnd) {
  testing::TempDir dir;
  std::vector<uint8_t> bytes(1000);
  for (size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = static_cast<uint8_t>(i * 7);
  testing::WriteFileBytes(dir / "x.f2", bytes);
  File file;
  ASSERT_EQ(file.OpenExisting((dir / "x.f2").string(), FileAccess::kReadOnly), OpenResult::kOpened);
  WindowedFileReader reader(file, 64);

  // Reads spanning several windows, forwards and backwards.
  for (const uint64_t offset : {uint64_t{0}, uint64_t{60}, uint64_t{900}, uint64_t{10}}) {
    reader.Seek(offset);
    std::vector<uint8_t> got(90);
    ASSERT_EQ(reader.Read(got.data(), got.size()), got.size()) << offset;
    EXPECT_TRUE(std::equal(got.begin(), got.end(), bytes.begin() + static_cast<ptrdiff_t>(offset)))
        << offset;
    EXPECT_EQ(reader.Position(), offset + got.size());
  }
  // At the end only what is there, then nothing.
  std::vector<uint8_t> tail(50);
  reader.Seek(980);
  EXPECT_EQ(reader.Read(tail.data(), tail.size()), 20u);
  EXPECT_EQ(tail[19], bytes[999]);
  EXPECT_EQ(reader.Read(tail.data(), tail.size()), 0u);
  reader.Seek(5000);
  EXPECT_EQ(reader.Read(tail.data(), tail.size()), 0u);
  EXPECT_EQ(reader.SourceName(), "x.f2");
}

}  // namespace
}  // namespace vx
