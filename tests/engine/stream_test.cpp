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

}  // namespace
}  // namespace vx
