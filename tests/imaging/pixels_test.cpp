// Pixel rules without a window: the blend formula, key-colour and alpha
// regions, placement codes, image headers.
#include <gtest/gtest.h>

#include <vector>

#include "imaging/blend.h"
#include "imaging/colour_region.h"
#include "imaging/image_info.h"
#include "imaging/placement.h"
#include "theme/theme.h"

namespace vx {
namespace {

TEST(Blend, FollowsTheFormulaOnKnownPixels) {
  std::vector<uint32_t> pixels = {0xFF000000, 0xFFFFFFFF, 0x80123456, 0xFF804020};
  BlendPixels(pixels.data(), pixels.size(), kDisabledBlendColour, kDisabledBlendLevel);
  // black: 240*155/256 = 145 (0x91); white: (255*100+240*155)/256 = 244 (0xF4)
  EXPECT_EQ(pixels[0], 0xFF919191u);
  EXPECT_EQ(pixels[1], 0xFFF4F4F4u);
  // alpha kept; 0x12: (18*100+37200)/256 = 152 (0x98); 0x34: 165 (0xA5); 0x56: 178 (0xB2)
  EXPECT_EQ(pixels[2], 0x8098A5B2u);
  EXPECT_EQ(pixels[3], 0xFFC3AA9Du);  // 195, 170, 157
}

TEST(Blend, LevelsAtTheEnds) {
  uint32_t white = 0xFFFFFFFF;
  BlendPixels(&white, 1, 0x000000, 255);
  EXPECT_EQ(white, 0xFFFEFEFEu) << "255 keeps 255/256 of the picture";
  uint32_t black = 0xFF000000;
  BlendPixels(&black, 1, 0xFFFFFF, 0);
  EXPECT_EQ(black, 0xFFFEFEFEu) << "0 paints the colour at 255/256";
  uint32_t clamped = 0xFF000000;
  BlendPixels(&clamped, 1, 0xFFFFFF, -5);
  EXPECT_EQ(clamped, 0xFFFEFEFEu);
}

// A 6 x 4 frame: green outside the rounded corners, red inside.
constexpr uint32_t G = 0xFF00FF00, R = 0xFFFF0000, I = 0xFF000000 | theme::kInk.Packed();
const std::vector<uint32_t> kFrame = {G, I, I, I, I, G,  //
                                      I, R, R, R, R, I,  //
                                      I, R, R, R, R, I,  //
                                      G, I, I, I, I, G};

size_t Area(const std::vector<Rect>& rects) {
  size_t area = 0;
  for (const Rect& r : rects)
    area += static_cast<size_t>(r.width * r.height);
  return area;
}

TEST(ColourRegion, CoversExactlyTheKeyPixels) {
  const PixelView view{kFrame.data(), 6, 4, 6};
  const std::vector<Rect> green = RectsOfColour(view, kKeyGreen);
  EXPECT_EQ(green, (std::vector<Rect>{{0, 0, 1, 1}, {5, 0, 1, 1}, {0, 3, 1, 1}, {5, 3, 1, 1}}));
  const std::vector<Rect> red = RectsOfColour(view, kKeyRed);
  EXPECT_EQ(red, (std::vector<Rect>{{1, 1, 4, 2}})) << "equal runs merge downwards";
  EXPECT_EQ(Area(RectsOfColour(view, I)), 24u - 4 - 8);
}

TEST(ColourRegion, OpaquePixelsByAlpha) {
  const std::vector<uint32_t> pixels = {0x7F000000, 0x80000000, 0xFF123456, 0x00FFFFFF};
  EXPECT_EQ(RectsOfOpaque({pixels.data(), 2, 2, 2}),
            (std::vector<Rect>{{1, 0, 1, 1}, {0, 1, 1, 1}}));
}

TEST(Placement, CodesPlaceInsideTheArea) {
  // A 10 x 4 figure in a 100 x 50 area at (5, 7).
  const auto at = [](const char* code) { return PlaceFigure(code, 5, 7, 100, 50, 10, 4); };
  EXPECT_EQ(at("C2"), (PlacedPoint{50, 7}));
  EXPECT_EQ(at("C3"), (PlacedPoint{95, 7}));
  EXPECT_EQ(at("C5"), (PlacedPoint{95, 53}));
  EXPECT_EQ(at("C6"), (PlacedPoint{50, 53}));
  EXPECT_EQ(at("C7"), (PlacedPoint{5, 53}));
  EXPECT_EQ(at("C4"), (PlacedPoint{5, 7}));
  EXPECT_EQ(at(""), (PlacedPoint{5, 7}));
  EXPECT_EQ(at("C22"), (PlacedPoint{5, 7}));
}

TEST(ImageInfo, ReadsSizesFromHeaders) {
  const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                    'I',  'H', 'D', 'R', 0,    0,    3,    0x20, 0, 0, 0, 23};
  ImageInfo info;
  ASSERT_TRUE(ReadImageInfo(png, info));
  EXPECT_EQ(info.format, "PNG");
  EXPECT_EQ(info.width, 800);
  EXPECT_EQ(info.height, 23);
  EXPECT_STREQ(ImageExtension(info), "png");
  std::vector<uint8_t> bmp(54, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[18] = 73;
  bmp[22] = 0xE9;  // -23: stored top-down
  bmp[23] = bmp[24] = bmp[25] = 0xFF;
  ASSERT_TRUE(ReadImageInfo(bmp, info));
  EXPECT_EQ(info.width, 73);
  EXPECT_EQ(info.height, 23);
  EXPECT_FALSE(ReadImageInfo({png.data(), 20}, info)) << "cut short";
  std::vector<uint8_t> huge = png;
  huge[16] = 0x7F;
  EXPECT_FALSE(ReadImageInfo(huge, info)) << "absurd size";
  const std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4,  0, 0,    0xFF,
                                     0xC0, 0,    11,   8,    0, 50, 1, 0x90, 3};
  ASSERT_TRUE(ReadImageInfo(jpeg, info));
  EXPECT_EQ(info.format, "JPEG");
  EXPECT_EQ(info.width, 400);
  EXPECT_EQ(info.height, 50);
}

}  // namespace
}  // namespace vx
