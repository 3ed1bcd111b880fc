#include "engine/files/record_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/files/pointer_list.h"
#include "tests/support/files.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

using testing::Bytes;

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

}  // namespace
}  // namespace vx
