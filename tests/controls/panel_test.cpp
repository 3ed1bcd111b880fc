// Panels and their pictures: tiles, borders, ornaments and frames on the
// offscreen platform, the picture caches that feed them, a shaped panel's
// tab that grows with what it holds, and the message boxes of the desktop
// program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <QImage>
#include "controls/message_boxes.h"
#include "controls/picture_caches.h"
#include "controls/tlm_panel.h"
#include "controls/tvx_panel.h"
#include "engine/util/message_sink.h"
#include "tests/controls/test_pictures.h"
#include "tests/support/text.h"

namespace vx {
namespace {

using testing::W;

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

const QPoint kCutCorners[] = {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(11, 9),
                              QPoint(10, 9)};

// A 12 x 10 frame: green outside its cut corners, a black ring, red inside.
QImage FramePicture() {
  QImage frame = Filled(12, 10, QColor::fromRgb(kInk));
  QPainter(&frame).fillRect(1, 1, 10, 8, QColor::fromRgb(kRed));
  for (QPoint p : kCutCorners)
    frame.setPixel(p, kGreen);
  return frame;
}

TEST(TLMpanel, GreenIsCutFromTheShapeRedShowsTheTileAndItIsComposedOnce) {
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
  for (QPoint p : kCutCorners)
    cut |= QRect(p, QSize(1, 1));
  EXPECT_EQ(panel.mask(), QRegion(0, 0, 12, 10) - cut);
  const QImage image = panel.grab().toImage();
  EXPECT_EQ(image.pixel(1, 1), qRgb(6, 4, 0));  // the tile at the panel's place in its parent
  EXPECT_EQ(image.pixel(10, 8), qRgb(15, 11, 0));
  EXPECT_EQ(image.pixel(0, 5), kInk);
  EXPECT_EQ(image.pixel(6, 9), kInk);
  EXPECT_EQ(window.Grab().pixel(5, 3), qRgb(255, 255, 255));  // cut: the window shows
  // Composed once until a code or the size changes.
  for (int i = 0; i < 3; ++i)
    panel.repaint();
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
  for (int y = 0; y < composed.height(); ++y)
    for (int x = 0; x < composed.width(); ++x)
      ASSERT_EQ(composed.pixel(x, y), source.pixel(fx(x), fy(y))) << x << "," << y;
}

// The frame's corners are anchored to the panel's; with a tab picture the
// tab fills the top and the frame's bottom the rest.
TEST(TLMpanel, FrameCornersAreAnchoredToThePanelCornersAndATabFillsTheTop) {
  const QImage frame = Gradient(12, 10);
  const QImage tab = Gradient(12, 3, 100);
  TestPictureBase pictures({MakePicture("frame", frame), MakePicture("tab", tab)});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  TLMpanel plain, tabbed;
  for (TLMpanel* panel : {&plain, &tabbed}) {
    panel->setTiler(&tiler);
    panel->setRamtilekod("frame");
    panel->setTopptileslutx(3);
  }
  tabbed.setTopptilekod("tab");
  plain.resize(8, 6);
  tabbed.resize(8, 8);
  plain.grab();
  tabbed.grab();
  const auto corner = [](int at) { return at < 3 ? at : at + 4; };
  ExpectComposedFrom(plain.Composed(), frame, corner, corner);
  ExpectComposedFrom(tabbed.Composed().copy(0, 0, 8, 3), tab, corner, [](int y) { return y; });
  ExpectComposedFrom(
      tabbed.Composed().copy(0, 3, 8, 5), frame, [](int x) { return x < 4 ? x : x + 4; },
      [](int y) { return y + 5; });
}

// "name:rank" of every entry, in the cache's order.
std::vector<std::string> Ranking(const PictureCache& cache) {
  std::vector<std::string> out;
  for (const auto& e : cache.Ranking().Entries())
    out.push_back(e.name + ":" + std::to_string(e.rank));
  return out;
}

QRgb PixelOf(const PictureCache& cache, int index) {
  const CachedPicture* p = cache.At(index);
  return p ? p->image.pixel(0, 0) : 0;
}

// The ranking itself is the cache's own (imaging); here the tiler keeps
// as many pictures as asked, loads the right one and skips missing ones.
TEST(PictureCache, KeepsItsNumberOfPicturesAndSkipsMissingOnes) {
  TestPictureBase pictures(
      {MakePicture("A", Filled(2, 2, Qt::red)), MakePicture("B", Filled(2, 2, Qt::green)),
       MakePicture("C", Filled(2, 2, Qt::blue))},
      false);
  ASSERT_TRUE(pictures.written());
  TVXtiler tiler(&pictures.base(), 2, TileMode::tmHel);
  ASSERT_GE(tiler.GetTile("A"), 0);
  EXPECT_EQ(tiler.GetTile("nope"), -1);
  tiler.GetTile("B");
  const int c = tiler.GetTile("c");  // names are found whatever their case
  EXPECT_EQ(PixelOf(tiler, c), QColor(Qt::blue).rgb());
  EXPECT_EQ(Ranking(tiler), (std::vector<std::string>{"B:2", "c:1"}));
  EXPECT_EQ(tiler.At(-1), nullptr);
  EXPECT_FALSE(tiler.Size(-1).isValid());
  EXPECT_FALSE(pictures.base().IsOpen()) << "the base is closed again between look-ups";
}

TEST(PictureCache, CachedPicturesNeedNoBase) {
  TestPictureBase pictures(
      {MakePicture("A", Filled(2, 2, Qt::red)), MakePicture("B", Filled(2, 2, Qt::green))});
  TVXfigurer figures(&pictures.base(), 5);
  ASSERT_GE(figures.GetFigure("A"), 0);
  std::filesystem::remove_all(pictures.dir());
  EXPECT_EQ(PixelOf(figures, figures.GetFigure("A")), QColor(Qt::red).rgb());
  EXPECT_EQ(figures.GetFigure("B"), -1);
}

TEST(PictureCache, FigureCacheNamesAMissingPictureOnce) {
  TestPictureBase pictures({MakePicture("A", Filled(2, 2, Qt::red))}, true);
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
  TVXfigurer figures(&pictures.base(), 5);
  EXPECT_EQ(figures.GetFigure("f01"), -1);
  EXPECT_EQ(figures.GetFigure("f01"), -1);
  EXPECT_GE(figures.GetFigure("A"), 0);
  EXPECT_EQ(messages, (std::vector<std::string>{"f01"}));
  EXPECT_FALSE(pictures.base().IsOpen()) << "the base is closed again between look-ups";
  TNRfigurer logos(&pictures.base(), 5);
  EXPECT_EQ(logos.GetFigure("logovaxor0001"), -1);
  EXPECT_EQ(messages.size(), 1u) << "a set without its own logo is no fault";
}

TEST(PictureCache, BaseThatCannotOpenGivesNoPictures) {
  TVXbildbas base;
  base.SetFiles("/nonexistent-folder/", "vaxorgrfk");
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
  TVXfigurer figures(&base, 5);
  EXPECT_EQ(figures.GetFigure("A"), -1);
  EXPECT_TRUE(figures.Ranking().Entries().empty());
  EXPECT_TRUE(messages.empty()) << "no picture at all is reported by whoever opens the set";
}

TEST(PictureCache, DenseScreenPrefersTheDoubleSizePicture) {
  TestPictureBase pictures({MakePicture("logo", Filled(4, 3, Qt::red)),
                            MakePicture("logo@2x", Filled(8, 6, Qt::blue)),
                            MakePicture("plain", Filled(5, 5, Qt::green))});
  TVXfigurer figures(&pictures.base(), 5);
  int i = figures.GetFigure("logo");
  EXPECT_EQ(PixelOf(figures, i), QColor(Qt::red).rgb());
  figures.SetDevicePixelRatio(2);
  i = figures.GetFigure("logo");
  EXPECT_EQ(PixelOf(figures, i), QColor(Qt::blue).rgb());
  EXPECT_EQ(figures.At(i)->image.devicePixelRatio(), 2.0);
  EXPECT_EQ(figures.FigureSize(i), QSize(4, 3));
  i = figures.GetFigure("plain");  // no large form: the plain one
  EXPECT_EQ(figures.FigureSize(i), QSize(5, 5));
  EXPECT_EQ(figures.At(i)->image.devicePixelRatio(), 1.0);
}

TEST(PictureCache, ShapeIsReadAndADamagedOneRefused) {
  const Rect shape[] = {{0, 0, 2, 1}, {2, 2, 2, 2}};
  PictureRecord damaged = test::MakeShapedPicture("bad", Filled(4, 4, Qt::red), shape);
  damaged.region.resize(damaged.region.size() - 4);
  TestPictureBase pictures({test::MakeShapedPicture("good", Filled(4, 4, Qt::red), shape),
                            test::MakeShapedPicture("good@2x", Filled(8, 8, Qt::red), shape),
                            std::move(damaged)});
  TVXtiler tiler(&pictures.base(), 5, TileMode::tmHel);
  const int good = tiler.GetTile("good");
  ASSERT_GE(good, 0);
  EXPECT_EQ(tiler.At(good)->shape, QRegion(0, 0, 2, 1) | QRegion(2, 2, 2, 2));
  EXPECT_EQ(tiler.GetTile("bad"), -1);
  tiler.SetDevicePixelRatio(2);  // the same rectangles, in halves
  EXPECT_EQ(tiler.At(tiler.GetTile("good"))->shape, QRegion(0, 0, 1, 1) | QRegion(1, 1, 1, 1));
}

// The painting tests paint onto white and look at what changed.
template <typename Paint>
QImage OnWhite(int w, int h, Paint paint) {
  QImage canvas = Filled(w, h, Qt::white);
  QPainter painter(&canvas);
  paint(painter);
  painter.end();
  return canvas;
}

TEST(TilePainting, CopiesFromTheSourcePointThroughTheShape) {
  const Rect shape[] = {{0, 0, 30, 10}};  // the tile's top ten rows only
  TestPictureBase pictures({MakePicture("tile", Gradient(30, 20)),
                            test::MakeShapedPicture("cut", Gradient(30, 20), shape)});
  TVXtiler tiler(&pictures.base(), 5, TileMode::tmHel);
  QImage canvas = OnWhite(
      10, 10, [&](QPainter& p) { tiler.PaintTile(tiler.GetTile("tile"), p, 7, 4, 5, 5, 1, 2); });
  EXPECT_EQ(canvas.pixel(1, 2), qRgb(7, 4, 0));
  EXPECT_EQ(canvas.pixel(5, 6), qRgb(11, 8, 0));
  EXPECT_EQ(canvas.pixel(6, 6), qRgb(255, 255, 255));
  EXPECT_EQ(canvas.pixel(0, 2), qRgb(255, 255, 255));
  canvas = OnWhite(
      10, 10, [&](QPainter& p) { tiler.PaintTile(tiler.GetTile("cut"), p, 0, 5, 10, 10, 0, 0); });
  EXPECT_EQ(canvas.pixel(3, 4), qRgb(3, 9, 0));  // tile row 9: inside the shape
  EXPECT_EQ(canvas.pixel(3, 5), qRgb(255, 255, 255));
}

TEST(TilePainting, WholeTileModeAlwaysStartsAtTheCorner) {
  TestPictureBase pictures({MakePicture("tile", Gradient(30, 20))});
  TVXtiler tiler(&pictures.base(), 5, TileMode::tmHel00);
  QImage canvas = OnWhite(
      10, 10, [&](QPainter& p) { tiler.PaintTile(tiler.GetTile("tile"), p, 7, 4, 5, 5, 2, 3); });
  EXPECT_EQ(canvas.pixel(2, 3), qRgb(0, 0, 0));
  EXPECT_EQ(canvas.pixel(6, 7), qRgb(4, 4, 0));
}

// Where DrawPlaced puts a 3 x 2 figure with `code` in the 20 x 10 area at
// (5, 5) of a white canvas: the box of the pixels it changed.
QRect Placed(const std::string& code) {
  TestPictureBase pictures({MakePicture("f", Filled(3, 2, Qt::black), code)});
  TVXfigurer figures(&pictures.base(), 5);
  QImage canvas = OnWhite(30, 20, [&](QPainter& p) {
    figures.DrawPlaced(figures.GetFigure("f"), p, QRect(5, 5, 20, 10));
  });
  QRect box;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(FigurePainting, PlacementCodesPositionTheFigure) {
  // Every code's place is the imaging tests'; here the area and the
  // figure's size reach it.
  EXPECT_EQ(Placed("C5"), QRect(22, 13, 3, 2));  // bottom right
  EXPECT_EQ(Placed("C6"), QRect(13, 13, 3, 2));  // bottom centre
  EXPECT_EQ(Placed(""), QRect(5, 5, 3, 2));
}

TEST(FigurePainting, TransparentPixelsLeaveTheCanvas) {
  QImage figure(4, 1, QImage::Format_ARGB32);
  figure.fill(Qt::transparent);
  figure.setPixel(1, 0, qRgba(0, 0, 255, 255));
  TestPictureBase pictures({MakePicture("f", figure)});
  TVXfigurer figures(&pictures.base(), 5);
  QImage canvas =
      OnWhite(6, 3, [&](QPainter& p) { figures.DrawFigure(figures.GetFigure("f"), p, 1, 1); });
  EXPECT_EQ(canvas.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(canvas.pixel(2, 1), qRgb(0, 0, 255));
}

// The message sink of the desktop program: what one action reports comes
// in one message box, after the action, without repeats.
TEST(MessageBoxesTest, OneActionsMessagesShareOneBoxShownAfterIt) {
  const MessageSink previous = SetMessageSink({});
  InstallMessageBoxSink("Valdrisen");
  ReportMessage("Skadad lista i vaxor0001l1.i");
  ReportMessage(W("Postnummer 7 ligger\rutanför urvalet."));
  ReportMessage("Skadad lista i vaxor0001l1.i");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no box inside the action";
  std::vector<QString> shown;
  // Closes each box as it opens, noting its text.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown.push_back(box->text());
      EXPECT_EQ(box->windowTitle(), "Valdrisen");
      box->accept();
    }
  });
  closer.start(0);
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();
  closer.stop();
  SetMessageSink(previous);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], QString::fromUtf8(
                          "Skadad lista i vaxor0001l1.i\n\nPostnummer 7 ligger\nutanför urvalet."));
}

// A shaped panel's tab grows with what it holds: the frame picture's own
// tab is stretched in its middle to end at the column asked for, and the
// panel's outline follows.

// A 40 x 20 frame whose first row is key green but for a tab over columns
// 2..9; every other pixel tells where it came from.
QImage TabbedFrame() {
  QImage frame = Gradient(40, 20).convertToFormat(QImage::Format_RGB32);
  for (int x = 0; x < frame.width(); ++x)
    if (x < 2 || x >= 10) frame.setPixel(x, 0, kGreen);
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

TEST_F(PanelTabTest, WithoutAnEndOrANarrowerOneTheTabIsAsDrawn) {
  EXPECT_EQ(TabColumns(Composed()), std::make_pair(2, 10));
  panel_.setFlikslutx(5);
  EXPECT_EQ(TabColumns(Composed()), std::make_pair(2, 10));
}

TEST_F(PanelTabTest, TheTabAndItsShapeEndWhereAsked) {
  panel_.setFlikslutx(26);
  const QImage& composed = Composed();
  EXPECT_EQ(TabColumns(composed), std::make_pair(2, 26));
  // Left of the tab's middle (column 6) as drawn, its end moved along by 16.
  EXPECT_EQ(composed.pixel(5, 1), TabbedFrame().pixel(5, 1));
  EXPECT_EQ(composed.pixel(6 + 16 + 2, 1), TabbedFrame().pixel(6 + 2, 1));
  EXPECT_EQ(composed.pixel(25, 0), TabbedFrame().pixel(9, 0));
  // The rows of the bottom half are not touched.
  EXPECT_EQ(composed.pixel(24, 15), TabbedFrame().pixel(24, 15));
  EXPECT_TRUE(panel_.mask().contains(QPoint(25, 0)));
  EXPECT_FALSE(panel_.mask().contains(QPoint(26, 0)));
  EXPECT_FALSE(panel_.mask().contains(QPoint(1, 0)));
}

}  // namespace
}  // namespace vx
