#include "engine/selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <vector>

namespace vx {
namespace {

// Set bits of the storage above number `size`.
int BitsAbove(const Tvxsmalurval& s, int32_t size) {
  int bits = 0;
  const std::span<const uint8_t> bytes = s.Bytes();
  for (size_t bit = static_cast<size_t>(size); bit < bytes.size() * 8; ++bit)
    bits += (bytes[bit / 8] >> (bit % 8)) & 1;
  return bits;
}

std::vector<int32_t> Numbers(const Tvxsmalurval& s) {
  std::vector<int32_t> numbers;
  for (int32_t k = 0; s.Next(k);)
    numbers.push_back(k);
  return numbers;
}

// A selection whose storage is larger than its Size, so that writes beyond
// Size would show.
void MakeRoomy(Tvxsmalurval& s, int32_t size) {
  s.SetAllocationSize(size + 100);
  s.Allocate();
  s.SetSize(size);
}

TEST(Selection, StorageIsLittleEndian32BitWords) {
  Tvxsmalurval s;
  s.Resize(33);
  EXPECT_EQ(s.StorageBytes(), 8u);
  s.SetBit(1, true);
  s.SetBit(32, true);
  s.SetBit(33, true);
  const std::vector<uint8_t> expected = {0x01, 0, 0, 0x80, 0x01, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(s.Bytes().begin(), s.Bytes().end()), expected);
  s.Resize(64);
  EXPECT_EQ(s.StorageBytes(), 8u);
  s.Resize(65);
  EXPECT_EQ(s.StorageBytes(), 12u);
  s.Resize(0);
  EXPECT_EQ(s.StorageBytes(), 0u);
  EXPECT_FALSE(s.IsSet(1));
}

TEST(Selection, SetBitKeepsCountAndIgnoresNumbersOutsideSize) {
  Tvxsmalurval s;
  MakeRoomy(s, 40);
  s.SetBit(7, true);
  s.SetBit(7, true);
  s.SetBit(40, true);
  for (int32_t outside : {0, -1, 41, 140, 1 << 30})
    s.SetBit(outside, true);
  EXPECT_EQ(s.Count(), 2);
  EXPECT_TRUE(s.IsSet(40));
  EXPECT_FALSE(s.IsSet(41));
  EXPECT_EQ(BitsAbove(s, 40), 0);
  s.SetBit(7, false);
  s.SetBit(7, false);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.Recount(), 1);
}

class OddSizes : public ::testing::TestWithParam<int32_t> {};

TEST_P(OddSizes, WholeSetOperationsStayWithinSize) {
  const int32_t size = GetParam();
  Tvxsmalurval s, big, small;
  MakeRoomy(s, size);
  MakeRoomy(big, size + 70);
  small.Resize(size > 1 ? size / 2 : 1);
  big.SetAll();
  small.SetAll();

  s.SetAll();
  EXPECT_EQ(s.Count(), size);
  EXPECT_EQ(BitsAbove(s, size), 0);
  s.Clear();
  s.Or(big);
  EXPECT_EQ(BitsAbove(s, size), 0);
  EXPECT_EQ(s.Recount(), size);
  s.And(big);
  EXPECT_EQ(s.Recount(), size);
  s.And(small);
  EXPECT_EQ(s.Recount(), small.Size());
  s.Assign(big);
  EXPECT_EQ(BitsAbove(s, size), 0);
  EXPECT_EQ(s.Count(), size);  // recounted: big's numbers above size are dropped
  s.Assign(small);
  EXPECT_EQ(s.Count(), small.Size());
  EXPECT_EQ(s.Recount(), small.Size());

  s.Clear();
  int32_t k = 0;
  EXPECT_FALSE(s.Next(k));
  s.SetBit(size, true);
  ASSERT_TRUE(s.Next(k));
  EXPECT_EQ(k, size);
  EXPECT_FALSE(s.Next(k));
  EXPECT_EQ(k, size);
}

INSTANTIATE_TEST_SUITE_P(Selection, OddSizes, ::testing::Values(1, 31, 32, 33, 64, 65, 5000001));

TEST(Selection, AndKeepsCommonBitsAndLeavesCountUntilRecount) {
  Tvxsmalurval a, b;
  a.Resize(100);
  b.Resize(100);
  for (int32_t i : {1, 32, 33, 64, 99, 100})
    a.SetBit(i, true);
  for (int32_t i : {2, 33, 64, 65, 100})
    b.SetBit(i, true);
  a.And(b);
  EXPECT_EQ(Numbers(a), (std::vector<int32_t>{33, 64, 100}));
  EXPECT_EQ(a.Count(), 6);
  EXPECT_EQ(a.Recount(), 3);
  a.Or(b);
  EXPECT_EQ(Numbers(a), (std::vector<int32_t>{2, 33, 64, 65, 100}));
  EXPECT_EQ(a.Count(), 3);
}

TEST(Selection, NextFindsEveryNumberInOrder) {
  Tvxsmalurval s;
  s.Resize(1000);
  std::vector<int32_t> expected;
  for (int32_t i = 1; i <= 1000; i += i % 7 + 1) {
    s.SetBit(i, true);
    expected.push_back(i);
  }
  EXPECT_EQ(Numbers(s), expected);
  for (int32_t k : {-1, 1000, 5000}) {
    int32_t kept = k;
    EXPECT_FALSE(s.Next(kept));
    EXPECT_EQ(kept, k);
  }
  int32_t k = 63;  // the lowest set number above 63
  ASSERT_TRUE(s.Next(k));
  EXPECT_EQ(k, *std::upper_bound(expected.begin(), expected.end(), 63));
}

TEST(Selection, ShrinkingSizeOrStorageIsSafe) {
  Tvxsmalurval s;
  s.Resize(200);
  s.SetAll();
  s.SetSize(70);
  EXPECT_EQ(BitsAbove(s, 70), 0);
  EXPECT_EQ(s.Recount(), 70);
  s.SetSize(500);  // beyond the storage: only the stored numbers are valid
  s.SetAll();
  EXPECT_EQ(s.Count(), 224);
  s.Release();
  s.SetAll();
  s.SetBit(1, true);
  int32_t k = 0;
  EXPECT_FALSE(s.Next(k));
  EXPECT_EQ(s.Recount(), 0);
  EXPECT_EQ(s.StorageBytes(), 0u);
}

}  // namespace
}  // namespace vx
