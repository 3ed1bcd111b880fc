#include "engine/files/file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/files/data_file.h"
#include "tests/support/files.h"
#include "tests/support/sample_inputs.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(FileNames, ExactNameWinsThenAnyCaseOfIt) {
  TempDir dir;
  const auto resolve = [&](const char* name) {
    return ResolveCaseInsensitive((dir / name).string());
  };
  WriteFileBytes(dir / "VAXOR0001.B", Bytes("upper"));
  EXPECT_EQ(resolve("vaxor0001.b"), (dir / "VAXOR0001.B").string());
  WriteFileBytes(dir / "vaxor0001.b", Bytes("lower"));
  WriteFileBytes(dir / "Vaxor0001.b", Bytes("mixed"));
  EXPECT_EQ(resolve("vaxor0001.b"), (dir / "vaxor0001.b").string());
  // Among several, the choice does not depend on directory order.
  EXPECT_EQ(resolve("vaxor0001.B"), (dir / "VAXOR0001.B").string());
  EXPECT_FALSE(resolve("vaxor0001.b_"));
  EXPECT_FALSE(resolve("nowhere/x.b"));
}

TEST(FileAccess, ReadsAreWholeOrNothingAndReadOnlyFilesRefuseWrites) {
  TempDir dir;
  WriteFileBytes(dir / "f", Bytes("0123456789"));
  File file;
  ASSERT_EQ(file.OpenExisting((dir / "f").string(), FileAccess::kReadOnly), OpenResult::kOpened);
  char buffer[5] = "----";
  ASSERT_TRUE(file.ReadAt(6, buffer, 4));
  EXPECT_EQ(std::string(buffer), "6789");
  EXPECT_FALSE(file.ReadAt(7, buffer, 4));
  EXPECT_FALSE(file.ReadAt(UINT64_MAX - 1, buffer, 4));
  EXPECT_EQ(std::string(buffer), "6789");
  EXPECT_FALSE(file.WriteAt(0, "x", 1));
  EXPECT_FALSE(file.Truncate(0));
  EXPECT_EQ(file.Size(), 10u);
}

TEST(DataFileOpening, ReadOnlyNeverCreatesWritableDoes) {
  TempDir dir;
  File file;
  const std::string path = (dir / "x.p").string();
  EXPECT_EQ(OpenDataFile(file, path, true, false), DataFileOpening::kNotCreated);
  EXPECT_EQ(OpenDataFile(file, path, true, true), DataFileOpening::kNotCreated);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(OpenDataFile(file, path, false, false), DataFileOpening::kCreated);
  ASSERT_TRUE(file.WriteAt(0, "abc", 3));
  EXPECT_EQ(OpenDataFile(file, path, true, false), DataFileOpening::kOpened);
  EXPECT_FALSE(file.IsWritable());
  EXPECT_EQ(OpenDataFile(file, path, false, true), DataFileOpening::kCreated);
  EXPECT_EQ(file.Size(), 0u);
  fs::create_directory(dir / "d");
  EXPECT_EQ(OpenDataFile(file, (dir / "d").string(), false, false), DataFileOpening::kUnopenable);
}

}  // namespace
}  // namespace vx
