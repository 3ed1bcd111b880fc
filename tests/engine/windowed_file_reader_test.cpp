#include "engine/files/windowed_file_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/files.h"

namespace vx {
namespace {

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

}  // namespace
}  // namespace vx
