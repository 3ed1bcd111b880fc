#include "engine/lists/sort_order.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/util/byte_order.h"
#include "tests/support/files.h"

namespace vx {
namespace {

using testing::ReadFileBytes;

class SortOrder : public ::testing::TestWithParam<int32_t> {
 protected:
  void Configure(TVXsortordning& order, int32_t pltyp, bool read_only) const {
    SortOrderProperties& p = order.properties();
    p.pfilkat = dir_.path().string() + "/";
    p.pfilnamn = "vaxor0001o1";
    p.pltyp = pltyp;
    p.RO = read_only;
  }

  // Rows 3, 1, 2 at positions 1..3, written with type `pltyp`.
  void WriteOrder(int32_t pltyp, int32_t capacity = 10) {
    TVXsortordning order;
    Configure(order, pltyp, false);
    order.properties().maxrader = capacity;
    ASSERT_TRUE(order.CreateNew());
    for (const int32_t row : {3, 1, 2})
      EXPECT_GT(order.Append(row), 0);
  }

  std::filesystem::path File() const { return dir_ / "vaxor0001o1.o"; }

  testing::TempDir dir_;
};

TEST_P(SortOrder, GetGivesTheRowAtAPositionAndMinusOneOutside) {
  WriteOrder(GetParam());
  for (const int32_t pltyp : {1, 2}) {
    TVXsortordning order;
    Configure(order, pltyp, true);
    ASSERT_TRUE(order.Open());
    EXPECT_EQ(order.Count(), 3);
    EXPECT_EQ(order.Get(1), 3);
    EXPECT_EQ(order.Get(2), 1);
    EXPECT_EQ(order.Get(3), 2);
    for (const int32_t outside : {0, -1, 4, 2000000})
      EXPECT_EQ(order.Get(outside), -1) << outside;
    // The capacity comes from the file: loaded whole read-only, it is the count.
    EXPECT_EQ(order.properties().maxrader, pltyp == 1 ? 3 : 10);
  }
}

TEST_P(SortOrder, ReadOnlyOrderNeverWritesOrCreates) {
  TVXsortordning order;
  Configure(order, GetParam(), true);
  EXPECT_FALSE(order.Open());
  EXPECT_FALSE(order.CreateNew());
  EXPECT_FALSE(order.Opened());
  EXPECT_EQ(order.Count(), 0);
  EXPECT_EQ(order.Get(1), -1);
  EXPECT_TRUE(std::filesystem::is_empty(dir_.path()));

  WriteOrder(GetParam());
  const std::vector<uint8_t> before = ReadFileBytes(File());
  ASSERT_TRUE(order.Open());
  EXPECT_EQ(order.Append(4), -1);
  order.Close();
  EXPECT_EQ(ReadFileBytes(File()), before);
}

TEST_P(SortOrder, AppendingStopsAtCapacityAndRefusesNonRows) {
  WriteOrder(GetParam(), 4);
  TVXsortordning order;
  Configure(order, GetParam(), false);
  ASSERT_TRUE(order.Open());
  EXPECT_EQ(order.Append(0), -1);
  EXPECT_EQ(order.Append(-5), -1);
  EXPECT_EQ(order.Append(9), 4);
  EXPECT_EQ(order.Append(10), -1);
  order.Close();
  const std::vector<uint8_t> file = ReadFileBytes(File());
  ASSERT_EQ(file.size(), 32u);
  EXPECT_EQ(LoadU32(file.data() + 6), 4u);
  EXPECT_EQ(LoadU32(file.data() + 28), 9u);
}

TEST_P(SortOrder, StoredValuesThatAreNoRowsReadAsMinusOne) {
  WriteOrder(GetParam());
  std::vector<uint8_t> file = ReadFileBytes(File());
  StoreU32(file.data() + 16, 0);
  StoreU32(file.data() + 20, 0x80000000);
  testing::WriteFileBytes(File(), file);
  TVXsortordning order;
  Configure(order, GetParam(), true);
  ASSERT_TRUE(order.Open());
  EXPECT_EQ(order.Get(1), -1);
  EXPECT_EQ(order.Get(2), -1);
  EXPECT_EQ(order.Get(3), 2);
}

INSTANTIATE_TEST_SUITE_P(Types, SortOrder, ::testing::Values(1, 2));

TEST(SortOrderInMemory, TypeZeroHoldsMaxraderRowsWithoutAFile) {
  TVXsortordning order;
  order.properties().pltyp = 0;
  order.properties().maxrader = 2;
  order.properties().RO = false;
  ASSERT_TRUE(order.Open());
  EXPECT_EQ(order.Count(), 0);
  EXPECT_EQ(order.Append(5), 1);
  EXPECT_EQ(order.Append(6), 2);
  EXPECT_EQ(order.Append(7), -1);
  EXPECT_EQ(order.Get(2), 6);
  order.Close();
  EXPECT_FALSE(order.Opened());
  EXPECT_EQ(order.Get(1), -1);

  order.properties().pltyp = 3;
  EXPECT_FALSE(order.Open());
}

}  // namespace
}  // namespace vx
