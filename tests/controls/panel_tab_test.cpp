// A shaped panel's tab grows with what it holds: the frame picture's own
// tab is stretched in its middle to end at the column asked for, and the
// panel's outline follows.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "controls/picture_caches.h"
#include "controls/tlm_panel.h"
#include "tests/controls/test_pictures.h"

namespace vx {
namespace {

using test::Gradient;
using test::MakePicture;
using test::TestPictureBase;

const QRgb kGreen = qRgb(0, 255, 0);

// A 40 x 20 frame whose first row is key green but for a tab over columns
// 2..9; every other pixel tells where it came from.
QImage TabbedFrame() {
  QImage frame = Gradient(40, 20).convertToFormat(QImage::Format_RGB32);
  for (int x = 0; x < frame.width(); ++x) {
    if (x < 2 || x >= 10) frame.setPixel(x, 0, kGreen);
  }
  return frame;
}

// The columns of the composed image's first row that are not key green.
std::pair<int, int> TabColumns(const QImage& composed) {
  int first = -1, last = -1;
  for (int x = 0; x < composed.width(); ++x) {
    if ((composed.pixel(x, 0) & 0xFFFFFF) == (kGreen & 0xFFFFFF)) continue;
    if (first < 0) first = x;
    last = x;
  }
  return {first, last + 1};
}

class PanelTabTest : public ::testing::Test {
 protected:
  PanelTabTest()
      : pictures_({MakePicture("frame", TabbedFrame())}),
        tiler_(&pictures_.base(), 4, TileMode::tmHel) {
    panel_.setTiler(&tiler_);
    panel_.setRamtilekod("frame");
    panel_.resize(60, 20);
  }

  const QImage& Composed() {
    panel_.grab();
    return panel_.Composed();
  }

  TestPictureBase pictures_;
  TVXtiler tiler_;
  TLMpanel panel_;
};

TEST_F(PanelTabTest, WithoutAnEndTheTabIsAsDrawn) {
  EXPECT_EQ(TabColumns(Composed()), std::make_pair(2, 10));
}

TEST_F(PanelTabTest, TheTabEndsWhereAsked) {
  panel_.setFlikslutx(26);
  const QImage& composed = Composed();
  EXPECT_EQ(TabColumns(composed), std::make_pair(2, 26));
  // Left of the tab's middle (column 6) as drawn, its end moved along by 16.
  EXPECT_EQ(composed.pixel(5, 1), TabbedFrame().pixel(5, 1));
  EXPECT_EQ(composed.pixel(6 + 16 + 2, 1), TabbedFrame().pixel(6 + 2, 1));
  EXPECT_EQ(composed.pixel(25, 0), TabbedFrame().pixel(9, 0));
  // The rows of the bottom half are not touched.
  EXPECT_EQ(composed.pixel(24, 15), TabbedFrame().pixel(24, 15));
}

TEST_F(PanelTabTest, TheShapeFollowsTheStretchedTab) {
  panel_.setFlikslutx(26);
  Composed();
  EXPECT_TRUE(panel_.mask().contains(QPoint(25, 0)));
  EXPECT_FALSE(panel_.mask().contains(QPoint(26, 0)));
  EXPECT_FALSE(panel_.mask().contains(QPoint(1, 0)));
}

TEST_F(PanelTabTest, ANarrowerEndNeverShrinksTheTab) {
  panel_.setFlikslutx(5);
  EXPECT_EQ(TabColumns(Composed()), std::make_pair(2, 10));
}

}  // namespace
}  // namespace vx
