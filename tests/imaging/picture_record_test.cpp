// Picture records and their regions read from untrusted bytes: what is
// written reads back; anything cut short, overlong or absurd gives no
// picture.
#include "imaging/picture_record.h"

#include <gtest/gtest.h>

#include "engine/util/byte_order.h"
#include "imaging/region_data.h"

namespace vx {
namespace {

PictureRecord Shaped() {
  PictureRecord p;
  p.name = "storkryssl01";
  p.description = "St\xE4ng";
  p.type = kShapedPictureType;
  p.short_text = "kort";
  p.placement = "C3";
  p.kept1 = 7;
  p.kept2 = -2;
  p.image = {1, 2, 3, 4, 5};
  p.region_kept = 9;
  const Rect rects[] = {{0, 0, 4, 1}, {1, 1, 2, 2}};
  p.region = EncodeRegionData(rects);
  return p;
}

TEST(PictureRecord, RoundTripsEveryField) {
  const PictureRecord written = Shaped();
  PictureRecord read;
  ASSERT_TRUE(ParsePictureRecord(EncodePictureRecord(written), read).ok());
  EXPECT_EQ(read.name, written.name);
  EXPECT_EQ(read.description, written.description);
  EXPECT_EQ(read.type, 10);
  EXPECT_EQ(read.short_text, "kort");
  EXPECT_EQ(read.placement, "C3");
  EXPECT_EQ(read.kept1, 7);
  EXPECT_EQ(read.kept2, -2);
  EXPECT_EQ(read.image, written.image);
  EXPECT_EQ(read.region_kept, 9u);
  EXPECT_EQ(read.region, written.region);
  EXPECT_EQ(read.LoadDepth(), 24);
}

TEST(PictureRecord, KeepsOnlyTheDescribedLengths) {
  PictureRecord p;
  p.name = "ettmycketlangtbildnamn_x";  // 24 characters
  p.short_text = "elva tecken";
  p.placement = "C2345678";
  p.type = 120;
  PictureRecord read;
  ASSERT_TRUE(ParsePictureRecord(EncodePictureRecord(p), read).ok());
  EXPECT_EQ(read.name, "ettmycketlangtbildna");
  EXPECT_EQ(read.short_text, "elva tecke");
  EXPECT_EQ(read.placement, "C2345");
  EXPECT_EQ(read.LoadDepth(), 8);
  EXPECT_TRUE(read.region.empty()) << "only types 10 and 11 carry a region";
}

TEST(PictureRecord, EveryCutIsRefused) {
  const std::vector<uint8_t> whole = EncodePictureRecord(Shaped());
  for (size_t size = 0; size < whole.size(); ++size) {
    PictureRecord read;
    read.name = "gammal";
    EXPECT_FALSE(ParsePictureRecord({whole.data(), size}, read).ok()) << size;
    EXPECT_TRUE(read.name.empty() && read.image.empty()) << size;
  }
}

TEST(PictureRecord, ImageLengthBeyondTheRecordIsRefused) {
  PictureRecord p;
  p.name = "a";
  p.image = {1, 2, 3};
  std::vector<uint8_t> bytes = EncodePictureRecord(p);
  StoreU32(bytes.data() + bytes.size() - 7, 0xFFFFFFF0u);  // the image length word
  PictureRecord read;
  const Status status = ParsePictureRecord(bytes, read);
  EXPECT_TRUE(status.IsCorruption());
}

std::vector<uint8_t> RegionBlock(uint32_t count, uint32_t byte_size, size_t rect_bytes) {
  std::vector<uint8_t> block(kRegionHeaderSize + rect_bytes, 0);
  StoreU32(block.data(), 32);
  StoreU32(block.data() + 4, 1);
  StoreU32(block.data() + 8, count);
  StoreU32(block.data() + 12, byte_size);
  for (size_t i = 0; i + 16 <= rect_bytes; i += 16) {
    StoreU32(block.data() + 32 + i + 8, 5);  // a 5 x 5 rectangle at 0,0
    StoreU32(block.data() + 32 + i + 12, 5);
  }
  return block;
}

TEST(RegionData, ParsesWhatIsWritten) {
  const Rect rects[] = {{-3, 2, 13, 2}, {0, 4, 1, 96}};
  RegionData region;
  ASSERT_TRUE(ParseRegionData(EncodeRegionData(rects), region).ok());
  ASSERT_EQ(region.rects.size(), 2u);
  EXPECT_EQ(region.rects[0], rects[0]);
  EXPECT_EQ(region.bounds, Rect::FromEdges(-3, 2, 10, 100));
  ASSERT_TRUE(ParseRegionData(EncodeRegionData({}), region).ok());
  EXPECT_TRUE(region.rects.empty());
}

TEST(RegionData, CountsAndSizesMustAgreeWithTheBlock) {
  RegionData region;
  EXPECT_TRUE(ParseRegionData(RegionBlock(2, 32, 32), region).ok());
  EXPECT_FALSE(ParseRegionData(RegionBlock(3, 48, 32), region).ok()) << "more than the block";
  EXPECT_FALSE(ParseRegionData(RegionBlock(0x10000001u, 16, 16), region).ok())
      << "a count whose size wraps around 32 bits";
  EXPECT_FALSE(ParseRegionData(RegionBlock(1, 32, 32), region).ok()) << "byte size vs count";
  EXPECT_FALSE(ParseRegionData(RegionBlock(1, 16, 32), region).ok()) << "trailing bytes";
  std::vector<uint8_t> wrong_header = RegionBlock(1, 16, 16);
  StoreU32(wrong_header.data(), 40);
  EXPECT_FALSE(ParseRegionData(wrong_header, region).ok());
  EXPECT_FALSE(ParseRegionData({wrong_header.data(), 31}, region).ok());
  EXPECT_TRUE(region.rects.empty());
}

TEST(RegionData, AbsurdRectanglesAreRefused) {
  const Rect absurd[][1] = {{{0, 0, 0, 5}},      // empty
                            {{5, 0, -4, 5}},     // inverted
                            {{0, 0, 40000, 5}},  // beyond any picture
                            {{-40000, 0, 40001, 5}}};
  for (const auto& rects : absurd) {
    RegionData region;
    EXPECT_TRUE(ParseRegionData(EncodeRegionData(rects), region).IsCorruption());
  }
  const Rect square[] = {{0, 0, 5, 5}};
  std::vector<uint8_t> wild_bounds = EncodeRegionData(square);
  StoreU32(wild_bounds.data() + 24, 0x7FFFFFFF);  // the bounds' right edge
  RegionData region;
  EXPECT_TRUE(ParseRegionData(wild_bounds, region).IsCorruption()) << "bounds beyond any picture";
}

}  // namespace
}  // namespace vx
