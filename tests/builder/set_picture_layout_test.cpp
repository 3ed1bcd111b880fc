// Both picture bases of a built set keep each record's data to its fields,
// which a record buffer of 1000 bytes reads, and store the image right
// after the data, however large the picture.
#include <gtest/gtest.h>

#include "builder/register_set_builder.h"
#include "engine/files/pointer_list.h"
#include "engine/files/record_file.h"
#include "engine/util/byte_order.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

// A PNG header of 2 x 3 pixels, padded to `size` bytes.
std::vector<uint8_t> Png(size_t size) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                              'I',  'H', 'D', 'R', 0,    0,    0,    2,    0, 0, 0, 3};
  png.resize(size, 0x42);
  return png;
}

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

TEST(SetPictureLayout, BothBasesStoreTheImageAfterTheRecordData) {
  testing::TempDir dir;
  testing::WriteText(dir / "kalla" / "fodda.csv",
                     testing::SourceTable(1, {{{"POSTNUMMER", "1"}, {"FNAMN", "Anna"}}}));
  std::filesystem::create_directories(dir / "kalla" / "bilder");
  testing::WriteFileBytes(dir / "kalla" / "bilder" / "logovaxor.png", Png(5882));
  PictureRecord button;
  button.name = "d01";
  button.image = Png(1056);
  BuildOptions options{dir / "kalla", dir / "data", 1, {}, {button}};
  BuildSummary summary;
  SourceError error;
  ASSERT_TRUE(BuildRegisterSet(options, summary, error)) << error.ToString();

  EXPECT_EQ(ImagesAfterData(dir / "data", "vaxorgrfk"),
            std::vector<std::vector<uint8_t>>{Png(1056)});
  EXPECT_EQ(ImagesAfterData(dir / "data", "vaxor0001grfk"),
            std::vector<std::vector<uint8_t>>{Png(5882)});
}

}  // namespace
}  // namespace vx
