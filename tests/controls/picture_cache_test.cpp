#include <gtest/gtest.h>

#include <QPainter>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "controls/picture_caches.h"
#include "engine/util/message_sink.h"
#include "tests/controls/test_pictures.h"

namespace vx {
namespace {

using test::Filled;
using test::Gradient;
using test::MakePicture;
using test::TestPictureBase;

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

TEST(PictureCache, RanksByUseAndDropsTheLeastRecent) {
  TestPictureBase pictures(
      {MakePicture("A", Filled(2, 2, Qt::red)), MakePicture("B", Filled(2, 2, Qt::green)),
       MakePicture("C", Filled(2, 2, Qt::blue)), MakePicture("D", Filled(2, 2, Qt::yellow))});
  ASSERT_TRUE(pictures.written());
  TVXtiler tiler(&pictures.base(), 3, TileMode::tmHel);
  tiler.GetTile("c");  // names are found whatever their case
  tiler.GetTile("A");
  tiler.GetTile("B");
  EXPECT_EQ(Ranking(tiler), (std::vector<std::string>{"A:2", "B:1", "c:3"}));
  const int a = tiler.GetTile("a");
  EXPECT_EQ(PixelOf(tiler, a), QColor(Qt::red).rgb());
  EXPECT_EQ(Ranking(tiler), (std::vector<std::string>{"A:1", "B:2", "c:3"}));
  const int d = tiler.GetTile("D");
  EXPECT_EQ(PixelOf(tiler, d), QColor(Qt::yellow).rgb());
  EXPECT_EQ(Ranking(tiler), (std::vector<std::string>{"A:2", "B:3", "D:1"}));
  // The base is closed again between look-ups.
  EXPECT_FALSE(pictures.base().IsOpen());
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

TEST(PictureCache, MissingPictureGivesMinusOneAndLeavesTheRanking) {
  TestPictureBase pictures({MakePicture("A", Filled(2, 2, Qt::red))}, false);
  TVXtiler tiler(&pictures.base(), 2, TileMode::tmHel);
  ASSERT_GE(tiler.GetTile("A"), 0);
  EXPECT_EQ(tiler.GetTile("nope"), -1);
  EXPECT_EQ(Ranking(tiler), (std::vector<std::string>{"A:1"}));
  EXPECT_EQ(tiler.At(-1), nullptr);
  EXPECT_FALSE(tiler.Size(-1).isValid());
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
QImage White(int w, int h) {
  return Filled(w, h, Qt::white);
}

TEST(TilePainting, CopiesFromTheSourcePointThroughTheShape) {
  const Rect shape[] = {{0, 0, 30, 10}};  // the tile's top ten rows only
  TestPictureBase pictures({MakePicture("tile", Gradient(30, 20)),
                            test::MakeShapedPicture("cut", Gradient(30, 20), shape)});
  TVXtiler tiler(&pictures.base(), 5, TileMode::tmHel);
  QImage canvas = White(10, 10);
  {
    QPainter painter(&canvas);
    tiler.PaintTile(tiler.GetTile("tile"), painter, 7, 4, 5, 5, 1, 2);
  }
  EXPECT_EQ(canvas.pixel(1, 2), qRgb(7, 4, 0));
  EXPECT_EQ(canvas.pixel(5, 6), qRgb(11, 8, 0));
  EXPECT_EQ(canvas.pixel(6, 6), qRgb(255, 255, 255));
  EXPECT_EQ(canvas.pixel(0, 2), qRgb(255, 255, 255));
  canvas = White(10, 10);
  {
    QPainter painter(&canvas);
    tiler.PaintTile(tiler.GetTile("cut"), painter, 0, 5, 10, 10, 0, 0);
  }
  EXPECT_EQ(canvas.pixel(3, 4), qRgb(3, 9, 0));  // tile row 9: inside the shape
  EXPECT_EQ(canvas.pixel(3, 5), qRgb(255, 255, 255));
}

TEST(TilePainting, WholeTileModeAlwaysStartsAtTheCorner) {
  TestPictureBase pictures({MakePicture("tile", Gradient(30, 20))});
  TVXtiler tiler(&pictures.base(), 5, TileMode::tmHel00);
  QImage canvas = White(10, 10);
  {
    QPainter painter(&canvas);
    tiler.PaintTile(tiler.GetTile("tile"), painter, 7, 4, 5, 5, 2, 3);
  }
  EXPECT_EQ(canvas.pixel(2, 3), qRgb(0, 0, 0));
  EXPECT_EQ(canvas.pixel(6, 7), qRgb(4, 4, 0));
}

// Where DrawPlaced puts a 3 x 2 figure with `code` in the 20 x 10 area at
// (5, 5) of a white canvas: the box of the pixels it changed.
QRect Placed(const std::string& code) {
  TestPictureBase pictures({MakePicture("f", Filled(3, 2, Qt::black), code)});
  TVXfigurer figures(&pictures.base(), 5);
  QImage canvas = White(30, 20);
  {
    QPainter painter(&canvas);
    figures.DrawPlaced(figures.GetFigure("f"), painter, QRect(5, 5, 20, 10));
  }
  QRect box;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST(FigurePainting, PlacementCodesPositionTheFigure) {
  EXPECT_EQ(Placed("C2"), QRect(13, 5, 3, 2));   // top centre
  EXPECT_EQ(Placed("C3"), QRect(22, 5, 3, 2));   // top right
  EXPECT_EQ(Placed("C5"), QRect(22, 13, 3, 2));  // bottom right
  EXPECT_EQ(Placed("C6"), QRect(13, 13, 3, 2));  // bottom centre
  EXPECT_EQ(Placed("C7"), QRect(5, 13, 3, 2));   // bottom left
  EXPECT_EQ(Placed("C4"), QRect(5, 5, 3, 2));    // others: top left
  EXPECT_EQ(Placed(""), QRect(5, 5, 3, 2));
}

TEST(FigurePainting, TransparentPixelsLeaveTheCanvas) {
  QImage figure(4, 1, QImage::Format_ARGB32);
  figure.fill(Qt::transparent);
  figure.setPixel(1, 0, qRgba(0, 0, 255, 255));
  TestPictureBase pictures({MakePicture("f", figure)});
  TVXfigurer figures(&pictures.base(), 5);
  QImage canvas = White(6, 3);
  {
    QPainter painter(&canvas);
    figures.DrawFigure(figures.GetFigure("f"), painter, 1, 1);
  }
  EXPECT_EQ(canvas.pixel(1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(canvas.pixel(2, 1), qRgb(0, 0, 255));
}

}  // namespace
}  // namespace vx
