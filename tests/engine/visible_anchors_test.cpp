#include "engine/lists/visible_anchors.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/lists/selection.h"

namespace vx {
namespace {

// A selection of `size` bits with `numbers` set, recounted.
void Fill(Tvxsmalurval& bits, int32_t size, const std::vector<int32_t>& numbers) {
  bits.Resize(size);
  for (const int32_t n : numbers)
    bits.SetBit(n, true);
}

TEST(VisibleAnchors, StepGrowsPastAHundredVisible) {
  struct Case {
    int32_t visible;
    int32_t step;
    size_t anchors;
  };
  for (const Case c : {Case{1, 1, 1}, Case{100, 1, 100}, Case{101, 2, 51}, Case{200, 2, 100},
                       Case{201, 3, 67}, Case{10001, 101, 100}}) {
    Tvxsmalurval bits;
    bits.Resize(c.visible + 5);
    for (int32_t n = 3; n < 3 + c.visible; ++n)
      bits.SetBit(n, true);
    VisibleAnchors anchors;
    anchors.Rebuild(bits);
    EXPECT_EQ(anchors.step(), c.step) << c.visible;
    ASSERT_EQ(anchors.size(), c.anchors) << c.visible;
    for (size_t i = 0; i < anchors.size(); ++i)
      ASSERT_EQ(anchors[i], 3 + static_cast<int32_t>(i) * c.step);
  }
}

TEST(VisibleAnchors, FindAndPositionAgreeWithCountingFromTheStart) {
  std::mt19937 random(11);
  for (const int32_t size : {31, 32, 33, 64, 65, 1000, 5000}) {
    std::vector<int32_t> set;
    for (int32_t n = 1; n <= size; ++n) {
      if (random() % 3 == 0) set.push_back(n);
    }
    set.push_back(size);  // the last bit, at the end of the storage
    Tvxsmalurval bits;
    Fill(bits, size, set);
    VisibleAnchors anchors;
    anchors.Rebuild(bits);
    int32_t k = 0;
    for (int32_t n = 1; n <= size; ++n) {
      if (!bits.IsSet(n)) {
        ASSERT_EQ(anchors.Position(bits, n), -1) << size << " " << n;
        continue;
      }
      ++k;
      ASSERT_EQ(anchors.Find(bits, k), n) << size << " " << k;
      ASSERT_EQ(anchors.Position(bits, n), k) << size << " " << n;
    }
    EXPECT_EQ(anchors.Find(bits, k + 1), -1);
    EXPECT_EQ(anchors.Find(bits, 0), -1);
  }
}

TEST(VisibleAnchors, EmptyAndChangedSelectionsAreSafe) {
  Tvxsmalurval bits;
  VisibleAnchors anchors;
  anchors.Rebuild(bits);  // no storage at all
  EXPECT_TRUE(anchors.empty());
  EXPECT_EQ(anchors.Find(bits, 1), -1);
  EXPECT_EQ(anchors.Position(bits, 1), -1);

  Fill(bits, 300, {10, 20, 30});
  anchors.Rebuild(bits);
  bits.Clear();  // the selection changed after the rebuild
  bits.SetBit(5, true);
  EXPECT_EQ(anchors.Find(bits, 1), -1);  // nothing at or after anchor 10
  EXPECT_EQ(anchors.Position(bits, 5), 1);
  bits.Release();
  EXPECT_EQ(anchors.Find(bits, 2), -1);
}

}  // namespace
}  // namespace vx
