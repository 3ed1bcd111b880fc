// Damaged stores: every length, count and offset in the files is checked,
// and damage gives a status, a stopped decode or the codec's exception,
// never a read outside the files or buffers.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/store/record_store.h"
#include "engine/util/stream.h"
#include "tests/support/files.h"
#include "tests/support/record_store_test_util.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::LoadU32At;
using testing::PatchU32;
using testing::ReadFileBytes;
using testing::WriteFileBytes;
using Mode = TblobfilLZHmode;
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
    for (int i = 1; i <= kRecords; ++i) {
      char key[16];
      std::snprintf(key, sizeof key, "k%05d", i);
      records.push_back({key, "Anna Andersdotter", i % 2 ? "Fadder: Per" : ""});
    }
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
  EXPECT_EQ(store_.ReadRecord(5).code(), vx::Status::Code::kNotFound);
  EXPECT_EQ(store_.ReadRecord(6).code(), vx::Status::Code::kNotFound);
  EXPECT_EQ(store_.ReadRecord(7).code(), vx::Status::Code::kNotFound);
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

INSTANTIATE_TEST_SUITE_P(Modes, DamagedStore,
                         ::testing::Values(Mode::LZHpackainte, Mode::LZHblockpacka));

class DamagedBlocks : public DamagedStore {};

TEST_P(DamagedBlocks, BlockLengthOrPointerBeyondTheFileGivesNoSuchRecord) {
  PatchU32(RecordFile(), BlockOffset(1), 0x7FFFFFFF);
  PatchU32(BlockList(), 6, 2);  // block 2 no longer listed
  Open();
  EXPECT_TRUE(store_.ReadRecord(200).ok());
  EXPECT_EQ(store_.ReadRecord(201).code(), vx::Status::Code::kNotFound);
  EXPECT_EQ(store_.ReadRecord(401).code(), vx::Status::Code::kNotFound);
  PatchU32(BlockList(), EntryOffset(1), static_cast<uint32_t>(fs::file_size(RecordFile())) - 2);
  Open();
  EXPECT_EQ(store_.ReadRecord(1).code(), vx::Status::Code::kNotFound);
}

TEST_P(DamagedBlocks, RecordOffsetBeyondItsBlockGivesNoSuchRecord) {
  PatchU32(PointerList(), EntryOffset(10), 200 * 60);
  Open();
  EXPECT_EQ(store_.ReadRecord(10).code(), vx::Status::Code::kNotFound);
  EXPECT_TRUE(store_.ReadRecord(11).ok());
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
