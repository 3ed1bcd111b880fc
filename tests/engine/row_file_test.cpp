#include "engine/files/row_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/files/pointer_list.h"
#include "engine/util/byte_order.h"
#include "tests/support/files.h"
#include "tests/support/record_store_test_util.h"

namespace vx {
namespace {

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

TEST_P(RowFile, ReadOnlyMissingFileStaysClosed) {
  Configure(true);
  EXPECT_FALSE(rows_.Open(false));
  EXPECT_EQ(rows_.status(), Tvxindexblobfil::kCannotCreate);
  EXPECT_EQ(rows_.ReadRow(1), Tvxindexblobfil::kNotReady);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));
}

TEST_P(RowFile, DamagedHeaderIsRefusedAndCountsBeyondTheFileReadNothing) {
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

}  // namespace
}  // namespace vx
