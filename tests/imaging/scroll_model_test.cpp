#include "imaging/scroll_model.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(ScrollModel, IgnoresValuesThatBreakTheRules) {
  ScrollModel m;
  EXPECT_FALSE(m.SetMin(-1));
  EXPECT_FALSE(m.SetMin(100));  // must stay below max
  EXPECT_FALSE(m.SetMax(0));    // below min
  EXPECT_FALSE(m.SetPosition(0));
  EXPECT_FALSE(m.SetPosition(101));
  EXPECT_FALSE(m.SetSmallch(0));
  EXPECT_FALSE(m.SetLargech(-5));
  EXPECT_EQ(m.min(), 1);
  EXPECT_EQ(m.max(), 100);
  EXPECT_EQ(m.position(), 1);
  EXPECT_EQ(m.smallch(), 1);
  EXPECT_EQ(m.largech(), 10);
  EXPECT_TRUE(m.SetMax(1));  // max may equal min
  EXPECT_TRUE(m.SetMin(0));
}

TEST(ScrollModel, SettingTheSamePositionIsNoChange) {
  ScrollModel m;
  EXPECT_TRUE(m.SetPosition(7));
  EXPECT_FALSE(m.SetPosition(7));
}

TEST(ScrollModel, NarrowingTheRangeKeepsThePositionInside) {
  ScrollModel m;
  ASSERT_TRUE(m.SetPosition(80));
  ASSERT_TRUE(m.SetMax(50));
  EXPECT_EQ(m.position(), 50);
  ASSERT_TRUE(m.SetMin(20));
  ASSERT_TRUE(m.SetMax(30));
  ASSERT_TRUE(m.SetPosition(20));
  ASSERT_TRUE(m.SetMin(25));
  EXPECT_EQ(m.position(), 25);
}

TEST(ScrollModel, StepsAreClampedToTheRange) {
  ScrollModel m;
  EXPECT_FALSE(m.MoveBy(-1));
  EXPECT_TRUE(m.MoveBy(1000));
  EXPECT_EQ(m.position(), 100);
  EXPECT_TRUE(m.MoveBy(-2147483647));
  EXPECT_EQ(m.position(), 1);
}

TEST(ScrollModel, ThumbStaysAtTrackStartWhenRangeIsEmpty) {
  ScrollModel m;
  ASSERT_TRUE(m.SetMax(1));
  const ScrollGeometry g = m.Layout(200, 23);
  EXPECT_EQ(g.thumb, g.track_start);
  EXPECT_EQ(m.PositionAt(g, 150), 1);
}

TEST(ScrollModel, ThumbRunsBetweenTheArrows) {
  ScrollModel m;
  ScrollGeometry g = m.Layout(200, 23);
  EXPECT_EQ(g.arrow, 23);
  EXPECT_EQ(g.ThumbFirst(), g.arrow);
  EXPECT_EQ(g.PartAt(g.thumb), ScrollPart::kThumb);
  EXPECT_EQ(g.PartAt(g.arrow - 1), ScrollPart::kFirstArrow);
  ASSERT_TRUE(m.SetPosition(100));
  g = m.Layout(200, 23);
  EXPECT_EQ(g.thumb, g.track_end);
  EXPECT_EQ(g.ThumbLast(), 200 - g.arrow - 1);
  EXPECT_EQ(g.PartAt(200 - g.arrow), ScrollPart::kSecondArrow);
  EXPECT_EQ(g.PartAt(g.ThumbFirst() - 1), ScrollPart::kTrack);
}

TEST(ScrollModel, PositionUnderTheThumbIsItsPosition) {
  ScrollModel m;
  ASSERT_TRUE(m.SetMin(10));
  ASSERT_TRUE(m.SetMax(60));  // 50 units over a longer track
  for (int p = 10; p <= 60; ++p) {
    ASSERT_TRUE(p == m.position() || m.SetPosition(p));
    const ScrollGeometry g = m.Layout(300, 20);
    EXPECT_EQ(m.PositionAt(g, g.thumb), p);
  }
  const ScrollGeometry g = m.Layout(300, 20);
  EXPECT_EQ(m.PositionAt(g, 0), 10);
  EXPECT_EQ(m.PositionAt(g, g.track_end + 1), 60);
}

TEST(ArrowRepeat, WaitsThenRepeatsAndStepsOnceMoreOnRelease) {
  ArrowRepeat r;
  EXPECT_EQ(r.TimerInterval(), 0);
  r.Press(ScrollPart::kSecondArrow);
  EXPECT_EQ(r.TimerInterval(), ArrowRepeat::kFirstDelayMs);
  EXPECT_EQ(r.Tick(), 1);
  EXPECT_EQ(r.TimerInterval(), ArrowRepeat::kRepeatMs);
  EXPECT_EQ(r.Release(), 1);
  EXPECT_EQ(r.TimerInterval(), 0);
  EXPECT_EQ(r.Tick(), 0);
}

TEST(ArrowRepeat, LeavingTheArrowDropsTheLastStep) {
  ArrowRepeat r;
  r.Press(ScrollPart::kFirstArrow);
  r.Leave();
  EXPECT_EQ(r.TimerInterval(), 0);
  EXPECT_EQ(r.Release(), 0);
  r.Press(ScrollPart::kThumb);  // not an arrow
  EXPECT_EQ(r.Held(), ScrollPart::kNone);
  r.Press(ScrollPart::kFirstArrow);
  EXPECT_EQ(r.Release(), -1);
}

}  // namespace
}  // namespace vx
