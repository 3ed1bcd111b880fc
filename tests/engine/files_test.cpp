// The files under the lists and stores (names, data, record and row files,
// pointer lists, the key cache, windowed reads), and the record store over
// them: written, read back, found by key, and damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/files/data_file.h"
#include "engine/files/file.h"
#include "engine/files/key_cache.h"
#include "engine/files/pointer_list.h"
#include "engine/files/record_file.h"
#include "engine/files/row_file.h"
#include "engine/files/windowed_file_reader.h"
#include "engine/store/record_store.h"
#include "engine/store/record_store_writer.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/stream.h"
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
  Tvxindexblobfil& Configure(bool read_only) {
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
    return rows_;
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
  ASSERT_TRUE(Configure(true).Open(false));
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
  EXPECT_FALSE(Configure(true).Open(false));
  EXPECT_EQ(rows_.status(), Tvxindexblobfil::kCannotCreate);
  EXPECT_EQ(rows_.ReadRow(1), Tvxindexblobfil::kNotReady);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
  Write(25, 100);
  const std::vector<uint8_t> written = ReadFileBytes(dir_ / "l.i");
  PatchU32(dir_ / "l.i", 2, 0xFFFFFFFF);
  ASSERT_TRUE(Configure(false).Open(false));  // writable, but nothing added: nothing written
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

TEST_P(PointerListFile, MissingFullOrReadOnlyListsChangeNothingAndClosingWritesCountAndEntries) {
  {  // missing: closed read-only, created writable, refused when cut short
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

TEST(KeyCache, BracketsKeysBetweenCachedOnesIgnoresEqualKeysAndKeysBeyondCapacity) {
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
  // Equal keys, keys beyond the capacity and, when asked, accents.
  cache = Tvxhash();
  for (const auto& [key, row] : {std::pair{"M\xFCller", 10}, {"MYLLER", 20}, {"m\xFCller", 30}})
    cache.Add(key, row);  // Müller, MYLLER, müller
  EXPECT_EQ(cache.Count(), 1u);
  cache.Add("Nilsson", 40);
  EXPECT_EQ(BoundsOf(cache, "Myrberg"), Bounds(10, 40));

  cache.SetCapacity(2);
  EXPECT_EQ(cache.Count(), 0u);
  for (const auto& [key, row] : {std::pair{"A", 1}, {"C", 3}, {"B", 2}})
    cache.Add(key, row);
  EXPECT_EQ(cache.Count(), 2u);
  EXPECT_EQ(BoundsOf(cache, "B"), Bounds(1, 3));

  Tvxhash folded, accented(AccentOrderTable());
  for (Tvxhash* each : {&folded, &accented}) {
    each->Add("Ek", 1);
    each->Add("\xC9k", 2);  // Ék
    each->Add("EK", 3);
  }
  EXPECT_EQ(std::tuple(folded.Count(), accented.Count()), std::tuple(1u, 2u));
  EXPECT_EQ(BoundsOf(accented, "Ekl"), Bounds(1, 2));
}

// Whatever the insertion order, a bound belongs to a key on the right side
// of the search key, so a binary search between them cannot miss it.
TEST(KeyCache, BoundsAlwaysBracketTheKeyInSortedData) {
  std::mt19937 random(7);
  std::vector<std::string> rows;
  for (int i = 0; i < 400; ++i) {
    std::string key;
    for (int n = 1 + static_cast<int>(random() % 4); n > 0; --n)
      key.push_back(static_cast<char>('A' + random() % 6));
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

using testing::StoreProperties;
using testing::TextRecord;
using testing::WriteTextStore;
using Mode = TblobfilLZHmode;
const auto kBothModes = ::testing::Values(Mode::LZHpackainte, Mode::LZHblockpacka);
using Status = RecordStoreWriter::Status;

// --- The record store ------------------------------------------------------

const std::vector<std::string> kLabels = {"1KEY", "1NAMN", "5OVRIGT"};

TextRecord MakeRecord(int i) {
  return {"k" + std::to_string(100000 + i).substr(1),
          "M\xE4rta \xD6sterberg " + std::string(static_cast<size_t>(i % 17), 'x'),
          i % 5 == 0 ? "" : "Fadder: Per\rPiga " + std::to_string(i)};
}

std::vector<TextRecord> MakeRecords(int n) {
  std::vector<TextRecord> records;
  for (int i = 1; i <= n; ++i)
    records.push_back(MakeRecord(i));
  return records;
}

void OpenStore(TVXregtext& store, const RegtextProperties& properties) {
  store.properties() = properties;
  ASSERT_TRUE(store.Open());
}

void ExpectDecodes(TVXregtext& store, int recno, const TextRecord& expected) {
  ASSERT_TRUE(store.ReadRecord(recno).ok()) << "record " << recno;
  ASSERT_TRUE(store.DecodeFields()) << "record " << recno;
  ASSERT_EQ(store.ShortFieldCount(), 2u);
  EXPECT_EQ(store.ShortFields()[0], expected[0]);
  EXPECT_EQ(store.ShortFields()[1], expected[1]);
  EXPECT_EQ(store.LongTexts()[0], expected[2]);
}

class RecordStoreRoundTrip : public ::testing::TestWithParam<std::tuple<Mode, int>> {};

TEST_P(RecordStoreRoundTrip, ReadsBackAndFindsEveryRecordAndNothingOutside) {
  const auto [mode, count] = GetParam();
  TempDir dir;
  RegtextProperties properties = StoreProperties(dir.path(), mode, kLabels);
  const std::vector<TextRecord> records = MakeRecords(count);
  WriteTextStore(properties, records);
  TVXregtext store;
  OpenStore(store, properties);
  EXPECT_EQ(store.RecordCount(), static_cast<uint32_t>(count));
  for (int i = 1; i <= count; ++i)
    ExpectDecodes(store, i, records[i - 1]);
  for (int i = count; i >= 1; i -= 7)  // blocks left and entered again
    ExpectDecodes(store, i, records[i - 1]);
  for (const int hash : {0, 50}) {  // keys found with and without the key cache
    properties.hash = hash;
    TVXregtext keyed;
    OpenStore(keyed, properties);
    for (int i = 1; i <= count; i += 37)
      ASSERT_EQ(keyed.FindRecord(records[i - 1][0], false), i) << "hash " << hash;
    EXPECT_EQ(keyed.FindRecord(MakeRecord(count + 1)[0], false), -1);
  }

  const std::vector<uint8_t> before(store.Record().begin(), store.Record().end());
  for (const int64_t outside : {int64_t{0}, int64_t{-1}, int64_t{count} + 1}) {
    EXPECT_EQ(store.ReadRecord(outside).code(), vx::Status::Code::kNotFound) << outside;
    EXPECT_EQ(std::vector<uint8_t>(store.Record().begin(), store.Record().end()), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, RecordStoreRoundTrip,
                         ::testing::Combine(kBothModes,
                                            ::testing::Values(0, 1, 199, 200, 201, 5000)));

// Reading on within a block expands nothing more; each block crossed into
// is expanded once.
TEST(RecordStoreBlocks, OnlyCrossingIntoAnotherBlockExpandsIt) {
  TempDir dir;
  const RegtextProperties properties = StoreProperties(dir.path(), Mode::LZHblockpacka, kLabels);
  WriteTextStore(properties, MakeRecords(1000));
  TVXregtext store, jumping;
  OpenStore(store, properties);
  for (int i = 1; i <= 1000; ++i)
    ASSERT_TRUE(store.ReadRecord(i).ok());
  EXPECT_EQ(store.BlockExpansions(), 5u);
  OpenStore(jumping, properties);
  for (const int i : {1, 200, 201})
    ASSERT_TRUE(jumping.ReadRecord(i).ok());
  EXPECT_EQ(jumping.BlockExpansions(), 2u);  // 1 and 200 share a block
}

// Writes one record of `values` with the writer and reads it back decoded.
void WriteAndDecode(TVXregtext& store, const RegtextProperties& properties,
                    const std::vector<FieldValue>& values) {
  RecordStoreWriter writer(properties);
  ASSERT_EQ(writer.Create(), Status::kOk);
  ASSERT_EQ(writer.Append(values), Status::kOk);
  ASSERT_EQ(writer.Finish(), Status::kOk);
  OpenStore(store, properties);
  ASSERT_TRUE(store.ReadRecord(1).ok());
  ASSERT_TRUE(store.DecodeFields());
}

TEST(RecordStoreDecoding, EveryLabelKindGoesToItsPlace) {
  TempDir dir;
  TVXregtext store;
  const std::vector<std::string> labels = {"1FNAMN",  "2ANTAL", "3DAG",    "4LOPNR",
                                           "5OVRIGT", "XINGET", "5REGANM", "1ENAMN"};
  const std::vector<FieldValue> values = {
      {"Anna", 0},         {"", 123456789},  {"", -1234}, {"", -7},
      {"rad 1\rrad 2", 0}, {"ignoreras", 0}, {"anm", 0},  {"", 0},
  };
  WriteAndDecode(store, StoreProperties(dir.path(), Mode::LZHblockpacka, labels), values);
  EXPECT_EQ(std::vector<std::string>(store.ShortFields().begin(), store.ShortFields().end()),
            (std::vector<std::string>{"Anna", ""}));
  ASSERT_EQ(store.IntFieldCount(), 2u);
  EXPECT_EQ(store.IntFields()[0], 123456789);
  EXPECT_EQ(store.IntFields()[1], -7);
  ASSERT_EQ(store.WordFieldCount(), 1u);
  EXPECT_EQ(store.WordFields()[0], -1234);
  EXPECT_EQ(store.LongTexts(), (std::vector<std::string>{"rad 1\rrad 2", "anm", ""}));
  // The empty text at the end takes its tag and its zero: two bytes.
  size_t pos = store.Record().size() - 2;
  FieldValue value;
  ASSERT_TRUE(store.ReadField(pos, FieldKind::kShortText, value));
  EXPECT_EQ(pos, store.Record().size());
}

TEST(RecordStoreDecoding, FieldsBeyondTheirArraysAreSkippedNotOverrun) {
  TempDir dir;
  std::vector<std::string> labels;
  for (const auto& [kind, n] : {std::pair{'2', 16}, {'3', 15}, {'5', 3}})
    for (int i = 0; i < n; ++i)
      labels.push_back(std::string(1, kind) + "F" + std::to_string(i));
  labels.push_back("1SIST");
  RegtextProperties properties = StoreProperties(dir.path(), Mode::LZHpackainte, labels);
  properties.antpc = 2;
  std::vector<FieldValue> values(labels.size());
  for (size_t i = 0; i < values.size(); ++i)
    values[i] = {labels[i], static_cast<int32_t>(i)};
  TVXregtext store;
  WriteAndDecode(store, properties, values);
  EXPECT_EQ(store.IntFieldCount(), 15u);
  EXPECT_EQ(store.IntFields()[14], 14);
  EXPECT_EQ(store.WordFieldCount(), 14u);
  EXPECT_EQ(store.WordFields()[13], 29);
  EXPECT_EQ(store.LongTexts(), (std::vector<std::string>{"5F0", "5F1"}));
  ASSERT_EQ(store.ShortFieldCount(), 1u);
  EXPECT_EQ(store.ShortFields()[0], "1SIST");
}

TEST(RecordStoreDecoding, OverlongTextsAreCutToTheirPlace) {
  TempDir dir;
  RegtextProperties properties =
      StoreProperties(dir.path(), Mode::LZHblockpacka, {"5LANG", "5LANGRE"});
  const std::string text(7000, 'a');
  WriteTextStore(properties, {{text, text}});
  properties.labels = {"1LANG", "5LANGRE"};  // the same bytes read as a short field
  properties.pcsiz = 100;
  TVXregtext store;
  OpenStore(store, properties);
  ASSERT_TRUE(store.ReadRecord(1).ok());
  ASSERT_TRUE(store.DecodeFields());
  EXPECT_EQ(store.ShortFields()[0], std::string(6000, 'a'));
  EXPECT_EQ(store.LongTexts()[0], std::string(99, 'a'));
}

TEST(RecordStoreDecoding, RecordOfExactlyTheBufferSizeIsReadOneMoreIsNot) {
  for (const Mode mode : {Mode::LZHpackainte, Mode::LZHblockpacka}) {
    TempDir dir;
    RegtextProperties properties = StoreProperties(dir.path(), mode, {"1A"});
    properties.textmaxsiz = 101;
    // Tag, text and zero: 100 and 101 bytes of data.
    WriteTextStore(properties, {{std::string(98, 'x')}, {std::string(99, 'y')}});
    properties.textmaxsiz = properties.pcsiz = 100;
    TVXregtext store;
    OpenStore(store, properties);
    ASSERT_TRUE(store.ReadRecord(1).ok());
    EXPECT_EQ(store.ReadRecord(2).code(), vx::Status::Code::kCorruption);
    ASSERT_TRUE(store.DecodeFields());  // the previous record again
    EXPECT_EQ(store.ShortFields()[0], std::string(98, 'x'));
  }
}

TEST(RecordStoreWriter, RefusesValuesThatDoNotFit) {
  TempDir dir;
  RegtextProperties properties =
      StoreProperties(dir.path(), Mode::LZHblockpacka, {"1KORT", "3DAG", "5LANG"});
  properties.textmaxsiz = 6050;
  properties.pcsiz = 50;
  RecordStoreWriter writer(properties);
  ASSERT_EQ(writer.Create(), Status::kOk);
  const auto append = [&](std::string_view a, int32_t day, std::string_view b) {
    return writer.Append(std::vector<FieldValue>{{a, 0}, {"", day}, {b, 0}});
  };
  EXPECT_EQ(writer.Append(std::vector<FieldValue>(2)), Status::kWrongFieldCount);
  EXPECT_EQ(append(std::string("a\0b", 3), 1, ""), Status::kZeroByteInText);
  EXPECT_EQ(append(std::string(6001, 'a'), 1, ""), Status::kTextTooLong);
  EXPECT_EQ(append("a", 1, std::string(50, 'b')), Status::kTextTooLong);
  EXPECT_EQ(append("a", 40000, ""), Status::kNumberOutOfRange);
  EXPECT_EQ(append(std::string(6000, 'a'), 1, std::string(49, 'b')), Status::kRecordTooLong);
  EXPECT_EQ(append(std::string(6000, 'a'), -32768, ""), Status::kOk);
  EXPECT_EQ(writer.RecordCount(), 1u);
  EXPECT_EQ(writer.Finish(), Status::kOk);
  EXPECT_EQ(append("a", 1, ""), Status::kNotOpen);
}

// Sorted under FoldTable: case and accents folded (É = E), Å < Ä < Ö after Z.
const std::vector<std::string> kSwedishKeys = {"Abel",     "adam",   "Ekl\xF6v", "\xC9rik",
                                               "erikson",  "Zorn",   "\xE5s",    "\xC5sa",
                                               "\xC4rlig", "\xE4rt", "\xD6sten", "\xF6ver"};

class RecordStoreFind : public ::testing::TestWithParam<std::tuple<Mode, int>> {};

TEST_P(RecordStoreFind, FindsKeysAndPrefixesInAnyCaseAndAccent) {
  TempDir dir;
  RegtextProperties properties = StoreProperties(dir.path(), std::get<0>(GetParam()), {"1KOD"});
  properties.LZHposterperblock = 5;  // several blocks even for a few records
  std::vector<TextRecord> records;
  for (const std::string& key : kSwedishKeys)
    records.push_back({key});
  WriteTextStore(properties, records);
  properties.hash = std::get<1>(GetParam());
  TVXregtext store;
  OpenStore(store, properties);

  const std::tuple<const char*, bool, int32_t> cases[] = {
      {"ABEL", false, 1},     {"Adam", false, 2},       {"EKL\xD6V", false, 3},
      {"erik", false, 4},     {"ERIKSON", false, 5},    {"\xC5S", false, 7},
      {"\xE4RLIG", false, 9}, {"\xF6VER", false, 12},   {"arlig", false, -1},
      {"Ab", false, -1},      {"\xF6verst", false, -1}, {"AB", true, 1},
      {"E", true, 3},         {"\xC9R", true, 4},       {"erikso", true, 5},
      {"\xC5", true, 7},      {"\xC4R", true, 9},       {"\xD6", true, 11},
      {"", true, 1},          {"Q", true, -1},          {"\xD6verste", true, -1}};
  for (int round = 0; round < 2; ++round)  // the second round meets cached keys
    for (const auto& [key, prefix, expected] : cases)
      EXPECT_EQ(store.FindRecord(key, prefix), expected) << key << " " << prefix;
}

INSTANTIATE_TEST_SUITE_P(ModesAndKeyCache, RecordStoreFind,
                         ::testing::Combine(kBothModes, ::testing::Values(0, 50)));

TEST(RecordStoreFind, EmptySingleAndLongKeys) {
  TempDir dir;
  RegtextProperties properties = StoreProperties(dir.path(), Mode::LZHblockpacka, {"1KOD"});
  WriteTextStore(properties, {});
  TVXregtext store;
  OpenStore(store, properties);
  EXPECT_EQ(store.FindRecord("", true), -1);

  WriteTextStore(properties, {{"HJ005A"}});
  OpenStore(store, properties);
  EXPECT_EQ(store.FindRecord("hj005a", false), 1);
  EXPECT_EQ(store.FindRecord("HJ005", true), 1);
  EXPECT_EQ(store.FindRecord("HJ005", false), -1);

  WriteTextStore(properties, {{"a"}, {std::string(255, 'm')}, {"z"}});
  OpenStore(store, properties);
  EXPECT_EQ(store.FindRecord(std::string(300, 'M'), false), 2);  // only 255 characters count
  EXPECT_EQ(store.FindRecord(std::string(254, 'M'), false), -1);
}

TEST(RecordStoreFind, ReopeningOnAnotherFileForgetsCachedKeys) {
  TempDir first, second;
  RegtextProperties a = StoreProperties(first.path(), Mode::LZHblockpacka, {"1KOD"});
  RegtextProperties b = StoreProperties(second.path(), Mode::LZHblockpacka, {"1KOD"});
  a.hash = b.hash = 50;
  std::vector<TextRecord> records;
  for (int i = 1; i <= 300; ++i)
    records.push_back({MakeRecord(i)[0]});
  WriteTextStore(a, records);
  for (int i = 0; i < 200; ++i)  // b: 200 other keys before k00001 .. k00100
    records[static_cast<size_t>(i)] = {"a" + MakeRecord(i + 1)[0]};
  std::sort(records.begin(), records.end());
  for (int i = 200; i < 300; ++i)
    records[static_cast<size_t>(i)] = {MakeRecord(i - 199)[0]};
  WriteTextStore(b, records);

  TVXregtext store;
  OpenStore(store, a);
  ASSERT_EQ(store.FindRecord("k00100", false), 100);
  OpenStore(store, b);
  // Keys cached from a would bound the search to records 75..150.
  EXPECT_EQ(store.FindRecord("k00099", false), 299);
}

TEST(RecordStoreOpening, MissingFilesAreCreatedOnlyWritableAndMissingPointerListsLeaveNoRecords) {
  TempDir dir;
  TVXregtext store;
  store.properties() = StoreProperties(dir.path(), Mode::LZHblockpacka, kLabels);
  EXPECT_FALSE(store.Open());
  EXPECT_TRUE(testing::SortedFileNames(dir.path()).empty());
  EXPECT_EQ(store.ReadRecord(1).code(), vx::Status::Code::kIOError);
  EXPECT_FALSE(store.DecodeFields());
  EXPECT_EQ(store.FindRecord("a", true), -1);

  store.properties().RO = false;  // a writable store creates empty files
  ASSERT_TRUE(store.Open());
  store.Close();
  EXPECT_EQ(testing::SortedFileNames(dir.path()),
            (std::vector<std::string>{"reg.b", "reg.p", "reg.pz"}));
  const std::vector<uint8_t> header = testing::ReadFileBytes(dir / "reg.b");
  ASSERT_EQ(header.size(), 16u);
  EXPECT_EQ(LoadU32(header.data() + 2), 0u);
  EXPECT_EQ(LoadU32(header.data() + 6), 16u);
  // Missing pointer lists leave the store open without records.
  const RegtextProperties properties = StoreProperties(dir.path(), Mode::LZHblockpacka, kLabels);
  WriteTextStore(properties, MakeRecords(10));
  for (const char* name : {"reg.pz", "reg.p"}) {
    fs::remove(dir / name);
    TVXregtext reopened;
    OpenStore(reopened, properties);
    EXPECT_EQ(reopened.RecordCount(), 10u);
    EXPECT_EQ(reopened.ReadRecord(1).code(), vx::Status::Code::kNotFound) << name;
  }
  EXPECT_EQ(testing::SortedFileNames(dir.path()), std::vector<std::string>{"reg.b"});
}

TEST(RecordStoreOpening, ReadOnlyAndUnchangedRunsNeverWrite) {
  TempDir dir;
  RegtextProperties properties = StoreProperties(dir.path(), Mode::LZHblockpacka, kLabels);
  WriteTextStore(properties, MakeRecords(300));
  const auto snapshot = [&] {
    std::vector<std::pair<std::vector<uint8_t>, fs::file_time_type>> files;
    for (const std::string& name : testing::SortedFileNames(dir.path()))
      files.emplace_back(testing::ReadFileBytes(dir / name), fs::last_write_time(dir / name));
    return files;
  };
  const auto before = snapshot();
  properties.hash = 10;
  for (const bool read_only : {true, false})
    for (const int pltyp : {1, 2}) {
      properties.RO = read_only;
      properties.pltyp = pltyp;
      TVXregtext store;
      OpenStore(store, properties);
      ASSERT_TRUE(store.ReadRecord(250).ok());
      ASSERT_EQ(store.FindRecord("k00123", false), 123);
    }
  EXPECT_EQ(snapshot(), before);
}

// Damaged stores: every length, count and offset in the files is checked,
// and damage gives a status, a stopped decode or the codec's exception,
// never a read outside the files or buffers.
using testing::LoadU32At;
using Change = std::function<void(std::vector<uint8_t>& bytes, size_t record_offset)>;

constexpr int kRecords = 450;  // blocks 0 and 1 full, block 2 half

size_t EntryOffset(int i) {
  return 16 + 4 * static_cast<size_t>(i - 1);
}

class DamagedStore : public ::testing::TestWithParam<Mode> {
 protected:
  void SetUp() override {
    properties_ = testing::StoreProperties(dir_.path(), GetParam(), {"1KEY", "1NAMN", "5OVRIGT"});
    std::vector<testing::TextRecord> records;
    for (int i = 1; i <= kRecords; ++i)
      records.push_back({MakeRecord(i)[0], "Anna Andersdotter", i % 2 ? "Fadder: Per" : ""});
    testing::WriteTextStore(properties_, records);
  }

  bool Blocks() const { return GetParam() == Mode::LZHblockpacka; }
  fs::path RecordFile() const { return dir_ / "reg.b"; }
  fs::path PointerList() const { return dir_ / "reg.p"; }
  fs::path BlockList() const { return dir_ / "reg.pz"; }
  uint32_t BlockOffset(int b) const { return LoadU32At(BlockList(), EntryOffset(b + 1)); }

  void Open() {
    store_.properties() = properties_;
    ASSERT_TRUE(store_.Open());
  }

  std::vector<uint8_t> ExpandedBlock(int b) const {
    const std::vector<uint8_t> file = ReadFileBytes(RecordFile());
    const uint32_t at = BlockOffset(b);
    TViewStream coded(std::span<const uint8_t>(file).subspan(at + 4, LoadU32(file.data() + at)));
    TMemoryStream expanded;
    SharedCodec().ExpandStream(expanded, coded);
    return expanded.Take();
  }

  // Changes record r's bytes where they lie: in the record file, or in its
  // block's expansion, which is then compressed anew and appended.
  void PatchRecord(int r, const Change& change) {
    const uint32_t offset = LoadU32At(PointerList(), EntryOffset(r));
    std::vector<uint8_t> file = ReadFileBytes(RecordFile());
    if (!Blocks()) {
      change(file, offset);
      WriteFileBytes(RecordFile(), file);
      return;
    }
    const int b = (r - 1) / 200;
    std::vector<uint8_t> block = ExpandedBlock(b);
    change(block, offset);
    TViewStream source(block);
    TMemoryStream packed;
    SharedCodec().CompressStream(packed, source, CompressMethod::kLh5);
    const uint32_t at = static_cast<uint32_t>(file.size());
    file.resize(at + 4);
    StoreU32(file.data() + at, static_cast<uint32_t>(packed.Size()));
    file.insert(file.end(), packed.Bytes().begin(), packed.Bytes().end());
    WriteFileBytes(RecordFile(), file);
    PatchU32(BlockList(), EntryOffset(b + 1), at);
  }

  testing::TempDir dir_;
  RegtextProperties properties_;
  TVXregtext store_;
};

TEST_P(DamagedStore, TruncatedRecordFileLosesOnlyWhatWasCut) {
  const std::vector<uint8_t> bytes = ReadFileBytes(RecordFile());
  WriteFileBytes(RecordFile(), std::span(bytes).first(bytes.size() - 10));
  Open();
  ASSERT_TRUE(store_.ReadRecord(1).ok());
  EXPECT_EQ(store_.ReadRecord(kRecords).code(), vx::Status::Code::kNotFound);
  ASSERT_TRUE(store_.DecodeFields());
  EXPECT_EQ(store_.ShortFields()[0], "k00001");  // the buffer kept record 1
  EXPECT_TRUE(store_.ReadRecord(400).ok());

  WriteFileBytes(RecordFile(), std::span(bytes).first(10));  // the header cut
  EXPECT_FALSE(store_.Open());
  EXPECT_EQ(store_.ReadRecord(1).code(), vx::Status::Code::kIOError);
}

TEST_P(DamagedStore, PointersBeyondTheDataGiveNoSuchRecord) {
  const uint32_t end =
      static_cast<uint32_t>(Blocks() ? ExpandedBlock(0).size() : fs::file_size(RecordFile()));
  PatchU32(PointerList(), EntryOffset(5), end + 100);
  PatchU32(PointerList(), EntryOffset(6), 0xFFFFFFF0);
  PatchU32(PointerList(), EntryOffset(7), end - 6);  // the record header cut
  Open();
  for (const int r : {5, 6, 7})
    EXPECT_EQ(store_.ReadRecord(r).code(), vx::Status::Code::kNotFound) << r;
  EXPECT_TRUE(store_.ReadRecord(8).ok());
}

TEST_P(DamagedStore, RecordLengthBeyondTheBufferOrTheData) {
  PatchRecord(3, [](std::vector<uint8_t>& bytes, size_t at) {
    StoreU32(bytes.data() + at + 4, 20001);  // textmaxsiz is 20000
  });
  PatchRecord(448, [](std::vector<uint8_t>& bytes, size_t at) {
    StoreU32(bytes.data() + at + 4, 19999);  // fits the buffer, not the data
  });
  Open();
  ASSERT_TRUE(store_.ReadRecord(2).ok());
  EXPECT_EQ(store_.ReadRecord(3).code(), vx::Status::Code::kCorruption);
  EXPECT_EQ(store_.ReadRecord(448).code(), vx::Status::Code::kNotFound);
  ASSERT_TRUE(store_.DecodeFields());
  EXPECT_EQ(store_.ShortFields()[0], "k00002");
}

TEST_P(DamagedStore, FieldsRunningPastTheRecordStopTheDecode) {
  PatchRecord(1, [](std::vector<uint8_t>& bytes, size_t at) {
    bytes[at + 12 + LoadU32(bytes.data() + at + 4) - 1] = 'x';  // the long text's zero
  });
  PatchRecord(5, [](std::vector<uint8_t>& bytes, size_t at) {
    StoreU32(bytes.data() + at + 4, 3);  // tag and "k0": the first field unterminated
  });
  properties_.hash = 5;
  Open();
  ASSERT_TRUE(store_.ReadRecord(1).ok());
  EXPECT_FALSE(store_.DecodeFields());
  EXPECT_EQ(store_.ShortFieldCount(), 2u);
  EXPECT_EQ(store_.LongTexts()[0], "");
  EXPECT_EQ(store_.FindRecord("k00005", false), -1);
  EXPECT_EQ(store_.FindRecord("k00006", false), 6);

  properties_.labels.push_back("2EXTRA");  // more labels than the records have fields
  Open();
  ASSERT_TRUE(store_.ReadRecord(3).ok());
  EXPECT_FALSE(store_.DecodeFields());
  EXPECT_EQ(store_.LongTexts()[0], "Fadder: Per");
  EXPECT_EQ(store_.IntFieldCount(), 0u);
}

TEST_P(DamagedStore, CountsBeyondTheFilesAreHarmless) {
  PatchU32(PointerList(), 6, 0xFFFFFFFF);
  PatchU32(RecordFile(), 2, 0xFFFFFFFF);
  for (const int pltyp : {1, 2}) {
    properties_.pltyp = pltyp;
    Open();
    EXPECT_TRUE(store_.ReadRecord(kRecords).ok());
    EXPECT_EQ(store_.ReadRecord(kRecords + 1).code(), vx::Status::Code::kNotFound);
    EXPECT_EQ(store_.ReadRecord(0x7FFFFFFF).code(), vx::Status::Code::kNotFound);
    EXPECT_EQ(store_.FindRecord("k00001", false), -1);  // the probes meet missing records
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, DamagedStore, kBothModes);

class DamagedBlocks : public DamagedStore {};

TEST_P(DamagedBlocks, BlockLengthOrPointerOrRecordOffsetBeyondTheirEndGivesNoSuchRecord) {
  PatchU32(RecordFile(), BlockOffset(1), 0x7FFFFFFF);
  PatchU32(BlockList(), 6, 2);  // block 2 no longer listed
  Open();
  EXPECT_TRUE(store_.ReadRecord(200).ok());
  EXPECT_EQ(store_.ReadRecord(201).code(), vx::Status::Code::kNotFound);
  EXPECT_EQ(store_.ReadRecord(401).code(), vx::Status::Code::kNotFound);
  // A record offset beyond its block gives no such record.
  PatchU32(PointerList(), EntryOffset(10), 200 * 60);
  Open();
  EXPECT_EQ(store_.ReadRecord(10).code(), vx::Status::Code::kNotFound);
  EXPECT_TRUE(store_.ReadRecord(11).ok());
  PatchU32(BlockList(), EntryOffset(1), static_cast<uint32_t>(fs::file_size(RecordFile())) - 2);
  Open();
  EXPECT_EQ(store_.ReadRecord(1).code(), vx::Status::Code::kNotFound);
}

TEST_P(DamagedBlocks, CorruptedBlockRaisesTheCodecsErrorAndStaysUnloaded) {
  std::vector<uint8_t> bytes = ReadFileBytes(RecordFile());
  bytes[BlockOffset(0) + 4 + 30] ^= 0x55;
  WriteFileBytes(RecordFile(), bytes);
  properties_.hash = 5;  // seeding from record 112 in block 0 must not fail the opening
  Open();
  EXPECT_EQ(store_.FindRecord("k00300", false), 300);  // between seeds 225 and 337
  EXPECT_THROW(store_.ReadRecord(1), ECompressError);
  EXPECT_THROW(store_.ReadRecord(2), ECompressError);  // tried again, not taken as loaded
  EXPECT_EQ(store_.BlockExpansions(), 1u);
  ASSERT_TRUE(store_.DecodeFields());
  EXPECT_EQ(store_.ShortFields()[0], "k00300");
}

TEST_P(DamagedBlocks, HugeExpandedSizeIsRefusedBeforeAllocating) {
  PatchU32(RecordFile(), BlockOffset(0) + 4 + 8, 0xFFFFFF00);
  Open();
  EXPECT_THROW(store_.ReadRecord(1), EExpandedSizeTooLarge);
  EXPECT_TRUE(store_.ReadRecord(201).ok());
}

INSTANTIATE_TEST_SUITE_P(BlockMode, DamagedBlocks, ::testing::Values(Mode::LZHblockpacka));

}  // namespace
}  // namespace vx
