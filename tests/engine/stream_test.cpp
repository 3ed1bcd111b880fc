#include "engine/util/stream.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(MemoryStream, WritesGrowAndReadsStopAtTheEnd) {
  TMemoryStream s;
  EXPECT_EQ(s.Write("abc", 3), 3u);
  s.Seek(1);
  EXPECT_EQ(s.Write("XYZ", 3), 3u);  // overwrites "bc" and grows by one
  EXPECT_EQ(s.Size(), 4u);
  s.Seek(0);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "aXYZ");
  EXPECT_EQ(s.Read(buffer, 1), 0u);
  s.Seek(100);
  EXPECT_EQ(s.Position(), 4u);
}

TEST(ViewStream, IsReadOnlyAndShowsItsRemainder) {
  const uint8_t bytes[] = {1, 2, 3};
  TViewStream s(bytes);
  s.Seek(1);
  EXPECT_EQ(s.RemainingView().size(), 2u);
  EXPECT_EQ(s.Write("x", 1), 0u);
  uint8_t b = 0;
  EXPECT_EQ(s.Read(&b, 1), 1u);
  EXPECT_EQ(b, 2);
}

}  // namespace
}  // namespace vx
