// Pictures: bases written by the builder's writer read back byte for byte,
// found through the name index and without it; records and their regions read
// from untrusted bytes; the ranking of the picture caches.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "engine/util/byte_order.h"
#include "imaging/mru_cache.h"
#include "imaging/picture_base.h"
#include "imaging/picture_base_writer.h"
#include "imaging/picture_record.h"
#include "imaging/region_data.h"
#include "tests/support/files.h"
#include "tests/support/text.h"

namespace vx {
namespace {

using testing::W;

using vx::testing::TempDir;

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
  return {Picture("prebak", 1, 70000), Picture(W("Åsa"), 2, 10), Picture("f01", 3, 300),
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
  EXPECT_EQ(base_.FindPicture(W("åsa")), 5) << W("Å sorts last");
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

TEST(PictureBase, MissingFilesLeaveItClosedAndBadPicturesAreNotWritten) {
  TempDir dir;
  TVXbildbas base;
  base.SetFiles(dir.path().string() + "/", "vaxor0001grfk");
  EXPECT_FALSE(base.Open());
  EXPECT_FALSE(base.IsOpen());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  // Duplicate or bad names and overlong fields are not written.
  EXPECT_TRUE(WritePictureBase(dir.path(), "b", {Picture("F01", 1, 1), Picture("f01", 1, 1)}, true)
                  .IsInvalidArgument());
  EXPECT_TRUE(WritePictureBase(dir.path(), "b", {Picture("", 1, 1)}, false).IsInvalidArgument());
  EXPECT_TRUE(WritePictureBase(dir.path(), "b", {Picture(std::string(21, 'x'), 1, 1)}, false)
                  .IsInvalidArgument());
  PictureRecord too_long = Picture("lang", 1, 1);  // fields longer than the record buffer
  too_long.description = std::string(kPictureRecordBuffer, 'x');
  EXPECT_TRUE(WritePictureBase(dir.path(), "b", {too_long}, false).IsInvalidArgument());
}

// Picture records and their regions read from untrusted bytes: what is
// written reads back; anything cut short, overlong or absurd gives no
// picture.
PictureRecord Shaped() {
  const Rect rects[] = {{0, 0, 4, 1}, {1, 1, 2, 2}};
  return {.name = "storkryssl01",
          .description = W("Stäng"),
          .type = kShapedPictureType,
          .short_text = "kort",
          .placement = "C3",
          .kept1 = 7,
          .kept2 = -2,
          .image = {1, 2, 3, 4, 5},
          .region_kept = 9,
          .region = EncodeRegionData(rects)};
}

// The fields, then the image and region that follow them.
Status ParseBoth(const PictureRecord& written, PictureRecord& read) {
  Status status = ParsePictureFields(EncodePictureFields(written), read);
  return status.ok() ? ParsePictureImage(EncodePictureImage(written), read) : status;
}

TEST(PictureRecord, RoundTripsEveryFieldAndTheFieldsEndWhereTheImageBegins) {
  const PictureRecord written = Shaped();
  PictureRecord read;
  ASSERT_TRUE(ParseBoth(written, read).ok());
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
  // The fields end where the image begins.
  std::vector<uint8_t> bytes = EncodePictureFields(Shaped());
  const size_t fields = bytes.size();
  bytes.push_back(0xAA);
  PictureRecord fields_only;
  size_t end = 0;
  ASSERT_TRUE(ParsePictureFields(bytes, fields_only, &end).ok());
  EXPECT_EQ(end, fields);
  EXPECT_TRUE(fields_only.image.empty());
}

TEST(PictureRecord, KeepsOnlyTheDescribedLengths) {
  PictureRecord p;
  p.name = "ettmycketlangtbildnamn_x";  // 24 characters
  p.short_text = "elva tecken";
  p.placement = "C2345678";
  p.type = 120;
  PictureRecord read;
  ASSERT_TRUE(ParseBoth(p, read).ok());
  EXPECT_EQ(read.name, "ettmycketlangtbildna");
  EXPECT_EQ(read.short_text, "elva tecke");
  EXPECT_EQ(read.placement, "C2345");
  EXPECT_EQ(read.LoadDepth(), 8);
  EXPECT_TRUE(read.region.empty()) << "only types 10 and 11 carry a region";
}

TEST(PictureRecord, EveryCutIsRefused) {
  const std::vector<uint8_t> fields = EncodePictureFields(Shaped());
  for (size_t size = 0; size < fields.size(); ++size) {
    PictureRecord read;
    read.name = "gammal";
    EXPECT_FALSE(ParsePictureFields({fields.data(), size}, read).ok()) << size;
    EXPECT_TRUE(read.name.empty()) << size;
  }
  const std::vector<uint8_t> image = EncodePictureImage(Shaped());
  for (size_t size = 0; size < image.size(); ++size) {
    PictureRecord read = Shaped();
    EXPECT_TRUE(ParsePictureImage({image.data(), size}, read).IsCorruption()) << size;
    EXPECT_TRUE(read.image.empty() && read.region.empty()) << size;
  }
}

TEST(PictureRecord, ImageLengthBeyondTheRoomIsRefused) {
  PictureRecord p;
  p.name = "a";
  p.image = {1, 2, 3};
  std::vector<uint8_t> bytes = EncodePictureImage(p);
  StoreU32(bytes.data(), 0xFFFFFFF0u);  // the image length word
  PictureRecord read;
  EXPECT_TRUE(ParsePictureImage(bytes, read).IsCorruption());
  StoreU32(bytes.data(), 4);  // one byte more than there is
  EXPECT_TRUE(ParsePictureImage(bytes, read).IsCorruption());
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

TEST(RegionData, ParsesWhatIsWrittenWhenCountsAndSizesAgreeWithTheBlock) {
  RegionData region;
  const Rect rects[] = {{-3, 2, 13, 2}, {0, 4, 1, 96}};
  ASSERT_TRUE(ParseRegionData(EncodeRegionData(rects), region).ok());
  ASSERT_EQ(region.rects.size(), 2u);
  EXPECT_EQ(region.rects[0], rects[0]);
  EXPECT_EQ(region.bounds, Rect::FromEdges(-3, 2, 10, 100));
  ASSERT_TRUE(ParseRegionData(EncodeRegionData({}), region).ok());
  EXPECT_TRUE(region.rects.empty());
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

// The ranking of the picture caches: hits move to rank 1, a full cache drops
// its least recently used entry, entries stay sorted by name.
class RankingTest : public ::testing::Test {
 protected:
  int Get(const std::string& name) {
    return cache_.Get(name, [&]() -> std::optional<int> {
      ++loads_[name];
      if (name == "saknas") return std::nullopt;
      return static_cast<int>(name.size());
    });
  }

  // "name:rank" for each entry, in list order.
  std::string Ranks() const {
    std::string out;
    for (const auto& e : cache_.Entries())
      out += (out.empty() ? "" : " ") + e.name + ":" + std::to_string(e.rank);
    return out;
  }

  MruCache<int> cache_{3};
  std::map<std::string, int> loads_;
};

TEST_F(RankingTest, NewEntriesTakeRankOneInNameOrderAndHitsPromoteThoseAbove) {
  Get("prebak");
  Get("f01");
  Get("Litenflik");
  EXPECT_EQ(Ranks(), "f01:2 Litenflik:1 prebak:3");
  const int index = Get("F01");  // case is ignored
  EXPECT_EQ(index, 0);
  EXPECT_EQ(Ranks(), "f01:1 Litenflik:2 prebak:3");
  EXPECT_EQ(loads_["F01"], 0) << "a hit must not load again";
  Get("f01");  // already rank 1: nothing moves
  EXPECT_EQ(Ranks(), "f01:1 Litenflik:2 prebak:3");
}

TEST_F(RankingTest, AFullCacheDropsTheHighestRankAndAMissingPictureChangesNothing) {
  Get("a");
  Get("b");
  EXPECT_EQ(Get("saknas"), -1);
  EXPECT_EQ(Ranks(), "a:2 b:1");
  EXPECT_EQ(cache_.At(-1), nullptr);
  EXPECT_EQ(cache_.At(2), nullptr);
  Get("c");
  Get("a");  // a:1 b:3 c:2
  Get("d");  // drops b
  EXPECT_EQ(Ranks(), "a:2 c:3 d:1");
  Get("b");  // loaded again, drops c
  EXPECT_EQ(loads_["b"], 2);
  EXPECT_EQ(Ranks(), "a:3 b:1 d:2");
  EXPECT_EQ(cache_.At(Get("b"))->picture, 1);
}

}  // namespace
}  // namespace vx
