#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <cmath>
#include <vector>

#include "controls/accessibility.h"
#include "controls/scroll_bar.h"
#include "controls/tnr_knapp.h"
#include "controls/tvx_knapp.h"
#include "controls/tvx_panel.h"
#include "tests/controls/fake_repeat_timer.h"

namespace vx {
namespace {

// A vertical bar 23 x 200, shown, whose NyPosition events are recorded.
class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bar_.resize(23, 200);
    bar_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar_));
    QObject::connect(&bar_, &Tspecscr::NyPosition, [this](int p) { events_.push_back(p); });
  }
  // A point on the bar's middle line, `along` pixels down.
  QPoint At(int along) const { return QPoint(11, along); }
  int FirstArrow() const { return bar_.Geometry().arrow / 2; }
  int SecondArrow() const { return 200 - bar_.Geometry().arrow / 2; }
  void Click(int along) { QTest::mouseClick(&bar_, Qt::LeftButton, {}, At(along)); }
  QRgb Pixel(int along) { return bar_.grab().toImage().pixel(At(along)); }
  QRgb ThumbColour() const { return bar_.palette().color(QPalette::Dark).rgb(); }

  test::FakeTimers timers_;  // before the bar, which takes its timer at birth
  Tspecscr bar_;
  std::vector<int> events_;
};

TEST_F(ScrollBarTest, EmptyRangeKeepsTheThumbAtTheStartAndArrowsDoNothing) {
  bar_.setMax(1);
  const ScrollGeometry g = bar_.Geometry();
  EXPECT_EQ(g.thumb, g.track_start);
  EXPECT_EQ(Pixel(g.track_start), ThumbColour());
  Click(SecondArrow());
  Click(FirstArrow());
  EXPECT_EQ(bar_.position(), 1);
  EXPECT_TRUE(events_.empty());
}

TEST_F(ScrollBarTest, PositionOutsideTheRangeIsIgnoredWithoutEvent) {
  bar_.setPosition(0);
  bar_.setPosition(101);
  EXPECT_EQ(bar_.position(), 1);
  EXPECT_TRUE(events_.empty());
  bar_.setPosition(100);
  EXPECT_EQ(events_, std::vector<int>{100});
  EXPECT_EQ(Pixel(bar_.Geometry().track_end), ThumbColour());
}

TEST_F(ScrollBarTest, HeldArrowWaitsHalfASecondThenStepsEveryTwentyMs) {
  bar_.setSmallch(2);
  QTest::mousePress(&bar_, Qt::LeftButton, {}, At(SecondArrow()));
  EXPECT_EQ(bar_.PressedArrow(), ScrollPart::kSecondArrow);
  timers_.Last()->Advance(499);
  EXPECT_TRUE(events_.empty());
  timers_.Last()->Advance(1);
  EXPECT_EQ(events_, std::vector<int>{3});
  timers_.Last()->Advance(19);
  EXPECT_EQ(events_.size(), 1u);
  timers_.Last()->Advance(21);
  EXPECT_EQ(events_, (std::vector<int>{3, 5, 7}));
  QTest::mouseRelease(&bar_, Qt::LeftButton, {}, At(SecondArrow()));
  EXPECT_EQ(events_, (std::vector<int>{3, 5, 7, 9}));  // one more on release
  EXPECT_FALSE(timers_.Last()->IsActive());
  EXPECT_EQ(bar_.PressedArrow(), ScrollPart::kNone);
}

TEST_F(ScrollBarTest, ShortClickMovesExactlyOneStep) {
  bar_.setPosition(50);
  events_.clear();
  bar_.setSmallch(5);
  Click(FirstArrow());
  EXPECT_EQ(events_, std::vector<int>{45});
  Click(SecondArrow());
  EXPECT_EQ(events_, (std::vector<int>{45, 50}));
}

TEST_F(ScrollBarTest, LeavingTheArrowStopsTheRepeat) {
  QTest::mousePress(&bar_, Qt::LeftButton, {}, At(SecondArrow()));
  timers_.Last()->Advance(500);
  ASSERT_EQ(bar_.position(), 2);
  QTest::mouseMove(&bar_, At(100));
  timers_.Last()->Advance(200);
  QTest::mouseRelease(&bar_, Qt::LeftButton, {}, At(100));
  EXPECT_EQ(bar_.position(), 2);
  EXPECT_EQ(bar_.PressedArrow(), ScrollPart::kNone);
}

// The position whose thumb would sit at pixel `along` of the bar.
int ValueAt(const ScrollGeometry& g, int along) {
  const double units = (along - g.track_start) * 99.0 / (g.track_end - g.track_start);
  return 1 + int(std::lround(units));
}

// A click on the track jumps there on release; the thumb dragged follows
// the mouse within the range.
TEST_F(ScrollBarTest, ClickOnTheTrackJumpsOnReleaseAndTheDraggedThumbFollowsTheMouse) {
  const ScrollGeometry g = bar_.Geometry();
  QTest::mousePress(&bar_, Qt::LeftButton, {}, At(150));
  EXPECT_TRUE(events_.empty());
  QTest::mouseRelease(&bar_, Qt::LeftButton, {}, At(150));
  EXPECT_EQ(events_, std::vector<int>{ValueAt(g, 150)});
  EXPECT_EQ(Pixel(150), ThumbColour());
  QTest::mousePress(&bar_, Qt::LeftButton, {}, At(bar_.Geometry().thumb));
  QTest::mouseMove(&bar_, At(100));
  EXPECT_EQ(bar_.position(), ValueAt(g, 100));
  EXPECT_EQ(Pixel(100), ThumbColour());
  QTest::mouseMove(&bar_, At(g.track_end + 15));  // beyond the track: max
  EXPECT_EQ(bar_.position(), 100);
  QTest::mouseMove(&bar_, At(2));  // before it: min
  EXPECT_EQ(bar_.position(), 1);
  QTest::mouseRelease(&bar_, Qt::LeftButton, {}, At(2));
  QTest::mouseMove(&bar_, At(120));  // no longer dragging
  EXPECT_EQ(bar_.position(), 1);
  EXPECT_EQ(events_, (std::vector<int>{ValueAt(g, 150), ValueAt(g, 100), 100, 1}));
}

TEST_F(ScrollBarTest, HorizontalBarRunsAlongX) {
  bar_.setKind(Tspecscr::Kind::sbHorizontal);
  bar_.resize(200, 23);
  const ScrollGeometry g = bar_.Geometry();
  EXPECT_EQ(g.length, 200);
  QTest::mouseClick(&bar_, Qt::LeftButton, {}, QPoint(200 - g.arrow / 2, 11));
  EXPECT_EQ(events_, std::vector<int>{2});
  EXPECT_EQ(bar_.grab().toImage().pixel(bar_.Geometry().thumb, 11), ThumbColour());
}

TEST(Accessibility, OwnControlsHaveRolesNamesAndValues) {
  InstallAccessibility();
  InstallAccessibility();
  Tspecscr bar;
  bar.setPosition(42);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&bar);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::ScrollBar);
  ASSERT_NE(a->valueInterface(), nullptr);
  EXPECT_EQ(a->valueInterface()->currentValue().toInt(), 42);
  EXPECT_EQ(a->valueInterface()->maximumValue().toInt(), 100);
  TVXpanel panel;
  panel.setAccessibleName("Sökfält");
  QAccessibleInterface* p = QAccessible::queryAccessibleInterface(&panel);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->role(), QAccessible::Pane);
  EXPECT_EQ(p->text(QAccessible::Name), QString("Sökfält"));
  TVXknapp button;
  button.setButtext("Skriv\rut");
  QAccessibleInterface* b = QAccessible::queryAccessibleInterface(&button);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->role(), QAccessible::Button);
  EXPECT_EQ(b->text(QAccessible::Name), QString("Skriv ut")) << "one line, without the CR";
  Tnrknapp picture_button;
  picture_button.setHint("Hjälp");
  QAccessibleInterface* n = QAccessible::queryAccessibleInterface(&picture_button);
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->role(), QAccessible::Button);
  EXPECT_EQ(n->text(QAccessible::Name), QString("Hjälp"))
      << "a picture button is named by its hint";
}

}  // namespace
}  // namespace vx
