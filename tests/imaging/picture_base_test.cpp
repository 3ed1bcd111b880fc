// Picture bases written by the builder's writer read back byte for byte,
// found through the name index and without it; damage gives no picture.
#include "imaging/picture_base.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/picture_base_writer.h"
#include "tests/support/files.h"

namespace vx {
namespace {

using vx::testing::ReadFileBytes;
using vx::testing::TempDir;
using vx::testing::WriteFileBytes;

PictureRecord Picture(const std::string& name, uint8_t fill, size_t size) {
  PictureRecord p;
  p.name = name;
  p.description = "Bild " + name;
  p.placement = "C6";
  p.image.assign(size, fill);
  return p;
}

std::vector<PictureRecord> Pictures() {
  // Out of order, with letters that fold (\xC5 sorts after Z).
  return {Picture("prebak", 1, 70000), Picture("\xC5sa", 2, 10), Picture("f01", 3, 300),
          Picture("Hjelpl01", 4, 1), Picture("d02", 5, 0)};
}

class PictureBaseTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WritePictureBase(dir_.path(), "vaxorgrfk", Pictures(), GetParam()).ok());
    base_.SetFiles(dir_.path().string() + "/", "vaxorgrfk");
    base_.SetHasIndex(GetParam());
    ASSERT_TRUE(base_.Open());
  }

  TempDir dir_;
  TVXbildbas base_;
};

TEST_P(PictureBaseTest, EveryPictureReadsBackByteForByte) {
  EXPECT_EQ(base_.IndexOpen(), GetParam());
  for (const PictureRecord& written : Pictures()) {
    PictureRecord read;
    Status status;
    EXPECT_GT(base_.GetPicture(written.name, read, &status), 0) << written.name;
    EXPECT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(read.name, written.name);
    EXPECT_EQ(read.description, written.description);
    EXPECT_EQ(read.placement, "C6");
    EXPECT_EQ(read.image, written.image) << written.name;
  }
}

TEST_P(PictureBaseTest, NamesFoldCaseAndMissingOnesAreNotFound) {
  EXPECT_EQ(base_.FindPicture("PREBAK"), base_.FindPicture("prebak"));
  EXPECT_EQ(base_.FindPicture("\xE5sa"), 5) << "\xC5 sorts last";
  EXPECT_EQ(base_.FindPicture("f0"), 0) << "a prefix is not the name";
  EXPECT_EQ(base_.FindPicture(""), 0);
  PictureRecord read;
  Status status;
  EXPECT_EQ(base_.GetPicture("zzz", read, &status), 0);
  EXPECT_TRUE(status.IsNotFound());
  base_.Close();
  EXPECT_EQ(base_.FindPicture("prebak"), 0);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutIndex, PictureBaseTest, ::testing::Bool());

TEST(PictureBase, MissingFilesLeaveItClosedAndCreateNothing) {
  TempDir dir;
  TVXbildbas base;
  base.SetFiles(dir.path().string() + "/", "vaxor0001grfk");
  EXPECT_FALSE(base.Open());
  EXPECT_FALSE(base.IsOpen());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(PictureBase, DuplicateOrBadNamesAreNotWritten) {
  TempDir dir;
  EXPECT_TRUE(WritePictureBase(dir.path(), "b", {Picture("F01", 1, 1), Picture("f01", 1, 1)}, true)
                  .IsInvalidArgument());
  EXPECT_TRUE(WritePictureBase(dir.path(), "b", {Picture("", 1, 1)}, false).IsInvalidArgument());
  EXPECT_TRUE(WritePictureBase(dir.path(), "b", {Picture(std::string(21, 'x'), 1, 1)}, false)
                  .IsInvalidArgument());
}

// A record whose image length passes its end: a status naming the file, no
// picture, no read beyond the record.
TEST(PictureBase, DamagedRecordGivesNoPicture) {
  TempDir dir;
  ASSERT_TRUE(WritePictureBase(dir.path(), "b", {Picture("a", 7, 100)}, false).ok());
  std::vector<uint8_t> bytes = ReadFileBytes(dir / "b.b");
  // The image length word sits 100 bytes before the end of the only record.
  const size_t length_at = bytes.size() - 104;
  ASSERT_EQ(bytes[length_at], 100);
  bytes[length_at] = 200;
  WriteFileBytes(dir / "b.b", bytes);
  TVXbildbas base;
  base.SetFiles(dir.path().string() + "/", "b");
  ASSERT_TRUE(base.Open());
  PictureRecord read;
  Status status;
  EXPECT_EQ(base.GetPicture("a", read, &status), -1);
  EXPECT_TRUE(status.IsCorruption());
  EXPECT_NE(status.message().find("b.b"), std::string::npos) << status.message();
  EXPECT_TRUE(read.image.empty());
}

}  // namespace
}  // namespace vx
