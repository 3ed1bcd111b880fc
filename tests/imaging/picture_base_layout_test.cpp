// A picture base laid out byte by byte: each record's data holds only its
// fields, and the image (and, for shaped pictures, the region) follows the
// data in the file, before the next record's header. The base reads it
// through a record buffer of 1000 bytes, finds names without an index, and
// the writer lays out its files exactly so.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "imaging/picture_base.h"
#include "imaging/picture_base_writer.h"
#include "tests/support/files.h"

namespace vx {
namespace {

using vx::testing::ReadFileBytes;
using vx::testing::TempDir;
using vx::testing::WriteFileBytes;

struct ByteWriter {
  std::vector<uint8_t> bytes;

  void U16(uint16_t v) {
    bytes.push_back(static_cast<uint8_t>(v));
    bytes.push_back(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<uint8_t>(v >> shift));
  }
  void Raw(const std::vector<uint8_t>& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
  }
  void Text(const std::string& text) {
    bytes.push_back('1');
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
  }
  void Number(int32_t v) {
    bytes.push_back('2');
    U32(static_cast<uint32_t>(v));
  }
};

// The smallest header that passes for a PNG of 2 x 3 pixels.
const std::vector<uint8_t> kPng = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                   'I',  'H', 'D', 'R', 0,    0,    0,    2,    0, 0, 0, 3};

// A region of one 2 x 3 rectangle: the 32-byte header (size 32, type 1,
// count 1, byte size 16, bounds), then the rectangle.
std::vector<uint8_t> OneRectangle() {
  ByteWriter w;
  for (const uint32_t v : {32u, 1u, 1u, 16u, 0u, 0u, 2u, 3u, 0u, 0u, 2u, 3u})
    w.U32(v);
  return w.bytes;
}

// A picture record of these fields; the region is written for types 10
// and 11 only.
PictureRecord Hand(std::string name, std::string description, int32_t type, std::string placement,
                   std::vector<uint8_t> image, std::vector<uint8_t> region = {}) {
  return {.name = std::move(name),
          .description = std::move(description),
          .type = type,
          .short_text = "",
          .placement = std::move(placement),
          .image = std::move(image),
          .region = std::move(region)};
}

std::vector<PictureRecord> HandPictures() {
  return {Hand("d01", "Dopknapp", 10, "C2", kPng, OneRectangle()),
          Hand("f01", "F\xE4lt", 0, "", {1, 2, 3, 4, 5}),
          Hand("prebak", "Bakgrund", 120, "C6", kPng)};
}

// Record r's header holds its number, its data length and 0, as the writer
// leaves them; the reader interprets only the length.
struct HandBase {
  std::vector<uint8_t> record_file;
  std::vector<uint8_t> pointer_list;
};

HandBase LayOut(const std::vector<PictureRecord>& pictures) {
  ByteWriter file;
  file.U16(0);
  file.U32(static_cast<uint32_t>(pictures.size()));
  file.U32(0);  // first free byte, set below
  file.U32(0);
  file.U16(0);
  std::vector<uint32_t> offsets;
  for (size_t i = 0; i < pictures.size(); ++i) {
    const PictureRecord& p = pictures[i];
    ByteWriter data;
    data.Text(p.name);
    data.Text(p.description);
    data.Number(p.type);
    data.Text("");
    data.Text(p.placement);
    data.Number(0);
    data.Number(0);
    offsets.push_back(static_cast<uint32_t>(file.bytes.size()));
    file.U32(static_cast<uint32_t>(i + 1));
    file.U32(static_cast<uint32_t>(data.bytes.size()));
    file.U32(0);
    file.Raw(data.bytes);
    file.U32(static_cast<uint32_t>(p.image.size()));
    file.Raw(p.image);
    if (p.type == 10 || p.type == 11) {
      file.U32(0);
      file.U32(static_cast<uint32_t>(p.region.size()));
      file.Raw(p.region);
    }
  }
  const uint32_t end = static_cast<uint32_t>(file.bytes.size());
  for (int i = 0; i < 4; ++i)
    file.bytes[6 + i] = static_cast<uint8_t>(end >> (8 * i));
  ByteWriter list;
  list.U16(2);
  list.U16(0);
  list.U16(0);
  list.U32(static_cast<uint32_t>(offsets.size()));
  list.U32(static_cast<uint32_t>(offsets.size()));
  list.U16(0);
  for (const uint32_t offset : offsets)
    list.U32(offset);
  return {file.bytes, list.bytes};
}

class HandBuiltBase : public ::testing::Test {
 protected:
  void Write(const HandBase& hand) {
    WriteFileBytes(dir_ / "vaxor0001grfk.b", hand.record_file);
    WriteFileBytes(dir_ / "vaxor0001grfk.p", hand.pointer_list);
    base_.SetFiles(dir_.path().string() + "/", "vaxor0001grfk");
    ASSERT_TRUE(base_.Open());
  }

  TempDir dir_;
  TVXbildbas base_;
};

TEST_F(HandBuiltBase, ImagesAfterTheRecordDataReadBackWithoutAnIndex) {
  Write(LayOut(HandPictures()));
  EXPECT_FALSE(base_.IndexOpen());
  for (const PictureRecord& p : HandPictures()) {
    PictureRecord read;
    Status status;
    const int32_t recno = base_.GetPicture(p.name, read, &status);
    ASSERT_GT(recno, 0) << p.name << ": " << status.message();
    EXPECT_EQ(read.name, p.name);
    EXPECT_EQ(read.description, p.description);
    EXPECT_EQ(read.type, p.type);
    EXPECT_EQ(read.placement, p.placement);
    EXPECT_EQ(read.image, p.image) << p.name;
    EXPECT_EQ(read.region, p.region) << p.name;
  }
  EXPECT_EQ(base_.FindPicture("PREBAK"), 3);
  EXPECT_EQ(base_.FindPicture("e01"), 0);
}

TEST_F(HandBuiltBase, RecordDataLongerThanTheBufferIsRefusedNamingTheFile) {
  // A record that carries its image inside its data, as no base is laid
  // out: 1001 bytes of data.
  std::vector<PictureRecord> pictures = {Hand("logovaxor0001", "", 0, "", {})};
  HandBase hand = LayOut(pictures);
  const size_t fields = hand.record_file.size() - 16 - 12 - 4;
  const uint32_t data_length = static_cast<uint32_t>(kPictureRecordBuffer + 1);
  for (int i = 0; i < 4; ++i)
    hand.record_file[16 + 4 + i] = static_cast<uint8_t>(data_length >> (8 * i));
  hand.record_file.resize(16 + 12 + fields);
  ByteWriter image;
  image.U32(static_cast<uint32_t>(data_length - fields - 4));
  hand.record_file.insert(hand.record_file.end(), image.bytes.begin(), image.bytes.end());
  hand.record_file.resize(16 + 12 + data_length, 0x55);
  Write(hand);

  PictureRecord read;
  Status status = base_.ReadPicture(1, read);
  EXPECT_TRUE(status.IsCorruption());
  EXPECT_NE(status.message().find(base_.RecordFilePath()), std::string::npos) << status.message();
  EXPECT_NE(status.message().find("1000"), std::string::npos) << status.message();
  EXPECT_TRUE(read.name.empty() && read.image.empty());
  EXPECT_EQ(base_.GetPicture("logovaxor0001", read, &status), 0) << "nor is it found by name";
}

TEST_F(HandBuiltBase, ImageLengthPastTheNextRecordIsRefused) {
  HandBase hand = LayOut(HandPictures());
  // The second record's image length, one more than the room before the
  // third record's header (the file goes on after it).
  const uint32_t second = hand.pointer_list[16 + 4] | hand.pointer_list[16 + 5] << 8;
  const size_t length_at = second + 12 + hand.record_file[second + 4];
  ASSERT_EQ(hand.record_file[length_at], 5);
  hand.record_file[length_at] = 6;
  Write(hand);

  PictureRecord read;
  Status status = base_.ReadPicture(2, read);
  EXPECT_TRUE(status.IsCorruption());
  EXPECT_NE(status.message().find(base_.RecordFilePath()), std::string::npos) << status.message();
  EXPECT_TRUE(read.image.empty());
  EXPECT_EQ(base_.GetPicture("f01", read, &status), -1) << "found, but not read";
  EXPECT_TRUE(base_.ReadPicture(3, read).ok()) << "the next record is whole";
}

TEST_F(HandBuiltBase, ShapeLengthPastTheEndOfTheFileIsRefused) {
  std::vector<PictureRecord> pictures = {HandPictures()[0]};
  HandBase hand = LayOut(pictures);
  hand.record_file.pop_back();
  Write(hand);
  PictureRecord read;
  EXPECT_TRUE(base_.ReadPicture(1, read).IsCorruption());
  EXPECT_TRUE(read.region.empty() && read.image.empty());
}

// The writer's files are the hand-built ones, byte for byte.
TEST(PictureBaseWriter, LaysOutRecordsAsTheHandBuiltBase) {
  std::vector<PictureRecord> pictures = HandPictures();
  std::swap(pictures[0], pictures[2]);  // the writer sorts them
  TempDir dir;
  ASSERT_TRUE(WritePictureBase(dir.path(), "vaxor0001grfk", pictures, false).ok());
  const HandBase hand = LayOut(HandPictures());
  EXPECT_EQ(ReadFileBytes(dir / "vaxor0001grfk.b"), hand.record_file);
  EXPECT_EQ(ReadFileBytes(dir / "vaxor0001grfk.p"), hand.pointer_list);
}

}  // namespace
}  // namespace vx
