// A build packs the program's pictures into "vaxorgrfk" with its name index
// and the source's bilder/ into the set's own base, the logo under the
// set's number; a picture that is not a PNG stops the build. Both bases keep
// each record's data to its fields, which a record buffer of 1000 bytes
// reads, and store the image right after the data, however large the
// picture.
#include <gtest/gtest.h>

#include "builder/register_set_builder.h"
#include "engine/files/pointer_list.h"
#include "engine/files/record_file.h"
#include "engine/util/byte_order.h"
#include "imaging/picture_base.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

// The smallest header that passes for a PNG of 2 x 3 pixels, padded to
// `size` bytes.
std::vector<uint8_t> Png(size_t size = 24) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                              'I',  'H', 'D', 'R', 0,    0,    0,    2,    0, 0, 0, 3};
  png.resize(size, 0x42);
  return png;
}

const std::vector<uint8_t> kPng = Png();

// The image of every record of base `name`, read with a buffer of 1000
// bytes from the position after the record's data.
std::vector<std::vector<uint8_t>> ImagesAfterData(const std::filesystem::path& dir,
                                                  const std::string& name) {
  Tvxpeklista list(PointerListType::kOnDisk);
  list.SetFileNames(dir.string() + "/", name + ".p");
  list.SetReadOnly(true);
  EXPECT_TRUE(list.Open(false)) << name;
  Tvxblobfil file;
  file.SetFileNames(dir.string() + "/", name + ".b");
  file.SetReadOnly(true);
  file.SetPointerLists(&list, nullptr);
  file.SetBufferSize(1000);
  EXPECT_TRUE(file.Open(false)) << name;
  std::vector<std::vector<uint8_t>> images;
  for (uint32_t recno = 1; recno <= file.RecordCount(); ++recno) {
    EXPECT_EQ(file.ReadRecord(recno), Tvxblobfil::kOk) << name << " " << recno;
    uint8_t length[4] = {};
    EXPECT_TRUE(file.ReadBytesAt(file.PositionAfterRecord(), length));
    std::vector<uint8_t> image(LoadU32(length));
    EXPECT_TRUE(file.ReadBytesAt(file.PositionAfterRecord() + 4, image));
    images.push_back(image);
  }
  return images;
}

class SetPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteText(dir_ / "kalla" / "fodda.csv",
                       testing::SourceTable(1, {{{"POSTNUMMER", "1"}, {"FNAMN", "Anna"}}}));
    std::filesystem::create_directories(dir_ / "kalla" / "bilder");
  }

  bool Build(int number, SourceError& error, const std::vector<uint8_t>& button_image = kPng) {
    PictureRecord button;
    button.name = "tomknapp73_23";
    button.image = button_image;
    BuildOptions options{dir_ / "kalla", dir_ / "data", number, {}, {button}};
    BuildSummary summary;
    return BuildRegisterSet(options, summary, error);
  }

  testing::TempDir dir_;
};

TEST_F(SetPicturesTest, ProgramAndSetPicturesAreFoundByName) {
  testing::WriteFileBytes(dir_ / "kalla" / "bilder" / "logovaxor.png", kPng);
  testing::WriteFileBytes(dir_ / "kalla" / "bilder" / "karta.png", kPng);
  SourceError error;
  ASSERT_TRUE(Build(7, error)) << error.ToString();

  TVXbildbas program;
  program.SetFiles((dir_ / "data").string() + "/", "vaxorgrfk");
  program.SetHasIndex(true);
  ASSERT_TRUE(program.Open());
  EXPECT_TRUE(program.IndexOpen());
  PictureRecord read;
  EXPECT_EQ(program.GetPicture("tomknapp73_23", read), 1);
  EXPECT_EQ(read.image, kPng);

  TVXbildbas set;
  set.SetFiles((dir_ / "data").string() + "/", "vaxor0007grfk");
  ASSERT_TRUE(set.Open());
  EXPECT_GT(set.GetPicture("logovaxor0007", read), 0);
  EXPECT_EQ(read.image, kPng);
  EXPECT_GT(set.GetPicture("karta", read), 0);
  EXPECT_EQ(set.FindPicture("logovaxor"), 0) << "the logo carries the set's number";
}

TEST_F(SetPicturesTest, AnImageThatIsNotPngStopsTheBuild) {
  const std::vector<uint8_t> bmp = {'B', 'M', 0, 0};
  testing::WriteFileBytes(dir_ / "kalla" / "bilder" / "logovaxor.bmp", bmp);
  SourceError error;
  EXPECT_FALSE(Build(1, error));
  EXPECT_EQ(error.file, "bilder/logovaxor.bmp");
  EXPECT_NE(error.message.find("PNG"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "data"));
}

TEST_F(SetPicturesTest, WithoutBilderThereIsNoSetBase) {
  std::filesystem::remove(dir_ / "kalla" / "bilder");
  SourceError error;
  ASSERT_TRUE(Build(1, error)) << error.ToString();
  EXPECT_TRUE(std::filesystem::exists(dir_ / "data" / "vaxorgrfk.bi"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "data" / "vaxor0001grfk.b"));
}

TEST_F(SetPicturesTest, BothBasesStoreTheImageAfterTheRecordData) {
  testing::WriteFileBytes(dir_ / "kalla" / "bilder" / "logovaxor.png", Png(5882));
  SourceError error;
  ASSERT_TRUE(Build(1, error, Png(1056))) << error.ToString();
  EXPECT_EQ(ImagesAfterData(dir_ / "data", "vaxorgrfk"),
            std::vector<std::vector<uint8_t>>{Png(1056)});
  EXPECT_EQ(ImagesAfterData(dir_ / "data", "vaxor0001grfk"),
            std::vector<std::vector<uint8_t>>{Png(5882)});
}

}  // namespace
}  // namespace vx
