#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "controls/picture_caches.h"
#include "controls/tlm_panel.h"
#include "controls/tvx_panel.h"
#include "tests/controls/test_pictures.h"

namespace vx {
namespace {

using test::Filled;
using test::Gradient;
using test::MakePicture;
using test::TestPictureBase;

const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kInk = qRgb(0, 0, 0);

// A shown window of `size` at (100, 60) painted plain white, for panels.
class Window {
 public:
  explicit Window(QSize size) {
    widget.setGeometry(QRect(QPoint(100, 60), size));
    widget.setAutoFillBackground(true);
    widget.setPalette(QPalette(Qt::white));
  }
  bool Show() {
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
  }
  QImage Grab() { return widget.grab().toImage(); }
  QWidget widget;
};

TEST(TVXpanel, NeighboursShowAdjacentPartsOfOneTile) {
  TestPictureBase pictures({MakePicture("bg", Gradient(80, 40))});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  Window window(QSize(40, 20));
  TVXpanel left(&window.widget), right(&window.widget);
  for (TVXpanel* p : {&left, &right}) {
    p->setTiler(&tiler);
    p->setTilekod("bg");
  }
  left.setGeometry(0, 0, 20, 20);
  right.setGeometry(20, 0, 20, 20);
  ASSERT_TRUE(window.Show());
  tiler.SetOrigin(window.widget.mapToGlobal(QPoint(0, 0)) - QPoint(5, 3));
  const QImage image = window.Grab();
  EXPECT_EQ(image.pixel(0, 0), qRgb(5, 3, 0));
  EXPECT_EQ(image.pixel(19, 7), qRgb(24, 10, 0));
  EXPECT_EQ(image.pixel(20, 7), qRgb(25, 10, 0));
  EXPECT_EQ(image.pixel(39, 19), qRgb(44, 22, 0));
}

TEST(TVXpanel, OwnBorderInsetsTheTileAndFixedOriginPinsIt) {
  TestPictureBase pictures({MakePicture("bg", Gradient(80, 40))});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  Window window(QSize(20, 10));
  TVXpanel panel(&window.widget);
  panel.setTiler(&tiler);
  panel.setTilekod("bg");
  panel.setNbstyle(true);
  panel.setBackgroundOrigin(QPoint(30, 10));
  panel.setGeometry(0, 0, 20, 10);
  ASSERT_TRUE(window.Show());
  const QImage image = window.Grab();
  EXPECT_EQ(image.pixel(0, 5), qRgb(192, 192, 192));
  EXPECT_EQ(image.pixel(5, 0), qRgb(192, 192, 192));
  EXPECT_EQ(image.pixel(19, 5), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(5, 9), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(1, 1), qRgb(31, 11, 0));
  EXPECT_EQ(image.pixel(18, 8), qRgb(48, 18, 0));
}

TEST(TVXpanel, OrnamentsArePlacedInsideTheBorder) {
  TestPictureBase pictures({MakePicture("o1", Filled(2, 2, Qt::blue), "C5"),
                            MakePicture("o2", Filled(2, 2, Qt::black), "C1")});
  TVXfigurer figures(&pictures.base(), 4);
  Window window(QSize(20, 12));
  TVXpanel panel(&window.widget);
  panel.setFigurer(&figures);
  panel.setHorn("o1;o2");
  panel.setNbstyle(true);  // inset 1, ornaments from pixel 2
  panel.setGeometry(0, 0, 20, 12);
  ASSERT_TRUE(window.Show());
  const QImage image = window.Grab();
  EXPECT_EQ(image.pixel(2, 2), kInk);
  EXPECT_NE(image.pixel(1, 1), kInk);
  EXPECT_EQ(image.pixel(17, 9), qRgb(0, 0, 255));
  EXPECT_NE(image.pixel(18, 10), qRgb(0, 0, 255));
}

// A 12 x 10 frame: green outside its cut corners, a black ring, red inside.
QImage FramePicture() {
  QImage frame = Filled(12, 10, QColor::fromRgb(kRed));
  for (int x = 0; x < 12; ++x) {
    frame.setPixel(x, 0, kInk);
    frame.setPixel(x, 9, kInk);
  }
  for (int y = 0; y < 10; ++y) {
    frame.setPixel(0, y, kInk);
    frame.setPixel(11, y, kInk);
  }
  for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(11, 9), QPoint(10, 9)})
    frame.setPixel(p, kGreen);
  return frame;
}

TEST(TLMpanel, GreenIsCutFromTheShapeAndRedShowsTheTile) {
  TestPictureBase pictures(
      {MakePicture("frame", FramePicture()), MakePicture("bg", Gradient(60, 40))});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  Window window(QSize(30, 20));
  TLMpanel panel(&window.widget);
  panel.setTiler(&tiler);
  panel.setRamtilekod("frame");
  panel.setTilekod("bg");
  panel.setParenttiler(true);
  panel.setGeometry(5, 3, 12, 10);
  ASSERT_TRUE(window.Show());
  QRegion cut;
  for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(11, 9), QPoint(10, 9)})
    cut |= QRect(p, QSize(1, 1));
  EXPECT_EQ(panel.mask(), QRegion(0, 0, 12, 10) - cut);
  const QImage image = panel.grab().toImage();
  EXPECT_EQ(image.pixel(1, 1), qRgb(6, 4, 0));  // the tile at the panel's place in its parent
  EXPECT_EQ(image.pixel(10, 8), qRgb(15, 11, 0));
  EXPECT_EQ(image.pixel(0, 5), kInk);
  EXPECT_EQ(image.pixel(6, 9), kInk);
  EXPECT_EQ(window.Grab().pixel(5, 3), qRgb(255, 255, 255));  // cut: the window shows
}

TEST(TLMpanel, RedAreaWithoutTileTakesThePanelColour) {
  TestPictureBase pictures({MakePicture("frame", FramePicture())});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  TLMpanel panel;
  panel.setPalette(QPalette(QColor(10, 20, 30)));
  panel.setTiler(&tiler);
  panel.setRamtilekod("frame");
  panel.setTilekod("missing");
  panel.resize(12, 10);
  EXPECT_EQ(panel.grab().toImage().pixel(5, 5), qRgb(10, 20, 30));
}

// The composed frame's pixel (x, y) must be the frame's (fx(x), fy(y)).
template <typename FromX, typename FromY>
void ExpectComposedFrom(const QImage& composed, const QImage& source, FromX fx, FromY fy) {
  for (int y = 0; y < composed.height(); ++y) {
    for (int x = 0; x < composed.width(); ++x)
      ASSERT_EQ(composed.pixel(x, y), source.pixel(fx(x), fy(y))) << x << "," << y;
  }
}

TEST(TLMpanel, FrameCornersAreAnchoredToThePanelCorners) {
  const QImage frame = Gradient(12, 10);
  TestPictureBase pictures({MakePicture("frame", frame)});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  TLMpanel panel;
  panel.setTiler(&tiler);
  panel.setRamtilekod("frame");
  panel.setTopptileslutx(3);
  panel.resize(8, 6);
  panel.grab();
  ExpectComposedFrom(
      panel.Composed(), frame, [](int x) { return x < 3 ? x : x + 4; },
      [](int y) { return y < 3 ? y : y + 4; });
}

TEST(TLMpanel, TabFillsTheTopAndTheFrameBottomTheRest) {
  const QImage frame = Gradient(12, 10);
  const QImage tab = Gradient(12, 3, 100);
  TestPictureBase pictures({MakePicture("frame", frame), MakePicture("tab", tab)});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  TLMpanel panel;
  panel.setTiler(&tiler);
  panel.setRamtilekod("frame");
  panel.setTopptilekod("tab");
  panel.setTopptileslutx(3);
  panel.resize(8, 8);
  panel.grab();
  const QImage top = panel.Composed().copy(0, 0, 8, 3);
  ExpectComposedFrom(
      top, tab, [](int x) { return x < 3 ? x : x + 4; }, [](int y) { return y; });
  const QImage rest = panel.Composed().copy(0, 3, 8, 5);
  ExpectComposedFrom(
      rest, frame, [](int x) { return x < 4 ? x : x + 4; }, [](int y) { return y + 5; });
}

TEST(TLMpanel, ComposesOnceUntilACodeOrTheSizeChanges) {
  TestPictureBase pictures(
      {MakePicture("frame", FramePicture()), MakePicture("bg", Gradient(60, 40))});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  Window window(QSize(30, 20));
  TLMpanel panel(&window.widget);
  panel.setTiler(&tiler);
  panel.setRamtilekod("frame");
  panel.setTilekod("bg");
  panel.setGeometry(0, 0, 12, 10);
  ASSERT_TRUE(window.Show());
  for (int i = 0; i < 3; ++i)
    panel.repaint();
  window.Grab();
  EXPECT_EQ(panel.Compositions(), 1);
  panel.setTilekod("bg");  // unchanged
  EXPECT_EQ(panel.Compositions(), 1);
  panel.setTilekod("other");
  panel.repaint();
  EXPECT_EQ(panel.Compositions(), 2);
  panel.resize(12, 9);
  panel.repaint();
  EXPECT_EQ(panel.Compositions(), 3);
}

}  // namespace
}  // namespace vx
