#include "engine/lists/selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <vector>

#include "engine/lists/postings_writer.h"
#include "engine/util/byte_reader.h"

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

// The order of Next is checked against plain flags below; here its limits.
TEST(Selection, NextStartsOnlyWithinTheSelection) {
  Tvxsmalurval s;
  s.Resize(1000);
  for (const int32_t i : {5, 70, 1000})
    s.SetBit(i, true);
  for (int32_t k : {-1, 1000, 5000}) {
    int32_t kept = k;
    EXPECT_FALSE(s.Next(kept));
    EXPECT_EQ(kept, k);
  }
  int32_t k = 63;  // the lowest set number above 63
  ASSERT_TRUE(s.Next(k));
  EXPECT_EQ(k, 70);
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

// A selection checked against a plain vector of flags.
class Modelled {
 public:
  explicit Modelled(int32_t size) : flags_(static_cast<size_t>(size) + 1, false) {
    selection_.Resize(size);
  }

  Tvxsmalurval& selection() { return selection_; }
  std::vector<bool>& flags() { return flags_; }

  void Expect(const char* step) {
    std::vector<int32_t> expected;
    for (size_t i = 1; i < flags_.size(); ++i) {
      if (flags_[i]) expected.push_back(static_cast<int32_t>(i));
    }
    ASSERT_EQ(Numbers(selection_), expected) << step;
    ASSERT_EQ(selection_.Recount(), static_cast<int32_t>(expected.size())) << step;
    for (int32_t k : {1, 64, 65, 1000, static_cast<int32_t>(flags_.size()) - 1}) {
      ASSERT_EQ(selection_.IsSet(k), k < static_cast<int32_t>(flags_.size()) && flags_[k]) << step;
    }
  }

 private:
  Tvxsmalurval selection_;
  std::vector<bool> flags_;
};

// Ascending numbers in 1..size: close together, or scattered over the
// whole selection, in fewer or more words than a selection lists.
std::vector<uint32_t> Cluster(std::mt19937& random, int32_t size) {
  const uint32_t start = 1 + random() % static_cast<uint32_t>(size);
  const uint32_t gap = random() % 2 ? 300 : static_cast<uint32_t>(size) / 50 + 1;
  const size_t count = 1 + random() % 120;
  std::vector<uint32_t> numbers;
  for (uint32_t n = start; n <= static_cast<uint32_t>(size) && numbers.size() < count;
       n += 1 + random() % gap) {
    numbers.push_back(n);
  }
  return numbers;
}

// Sparse and full selections through every whole-set operation, in random
// order: the kept range of non-zero words must never lose a bit.
TEST(Selection, SparseOperationsAgreeWithPlainFlags) {
  std::mt19937 random(2026);
  for (const int32_t size : {1, 63, 64, 65, 4000, 100001}) {
    Modelled a(size);
    Modelled b(size + static_cast<int32_t>(random() % 3) * 700);
    for (int step = 0; step < 1500; ++step) {
      Modelled& x = random() % 2 ? a : b;
      Modelled& y = &x == &a ? b : a;
      const int32_t shared = std::min(x.selection().Size(), y.selection().Size());
      switch (random() % 8) {
        case 0: {
          const bool on = random() % 4 != 0;
          for (int i = static_cast<int>(random() % 90); i >= 0; --i) {
            const int32_t k = 1 + static_cast<int32_t>(random() % x.selection().Size());
            x.selection().SetBit(k, on);
            x.flags()[k] = on;
          }
          break;
        }
        case 1: {
          const std::vector<uint32_t> numbers = Cluster(random, x.selection().Size());
          std::vector<uint8_t> run;
          ASSERT_TRUE(AppendPostings(numbers, run));
          SpanByteReader reader(run);
          const bool on = random() % 3 != 0;
          x.selection().LoadPostings(reader, static_cast<int64_t>(numbers.size()), on);
          for (uint32_t n : numbers)
            x.flags()[n] = on;
          break;
        }
        case 2:
          x.selection().Clear();
          std::fill(x.flags().begin(), x.flags().end(), false);
          break;
        case 3:
          if (random() % 4 != 0) break;  // rarely: it makes everything dense
          x.selection().SetAll();
          std::fill(x.flags().begin() + 1, x.flags().end(), true);
          break;
        case 4:
          x.selection().And(y.selection());
          for (size_t i = 1; i < x.flags().size(); ++i)
            x.flags()[i] = x.flags()[i] && static_cast<int32_t>(i) <= shared && y.flags()[i];
          break;
        case 5:
          x.selection().Or(y.selection());
          for (int32_t i = 1; i <= shared; ++i)
            x.flags()[i] = x.flags()[i] || y.flags()[i];
          break;
        case 6:
          x.selection().Assign(y.selection());
          for (size_t i = 1; i < x.flags().size(); ++i)
            x.flags()[i] = static_cast<int32_t>(i) <= shared && y.flags()[i];
          break;
        default:
          break;
      }
      x.Expect("after a step");
    }
  }
}

}  // namespace
}  // namespace vx
