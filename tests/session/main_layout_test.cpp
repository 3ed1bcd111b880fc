// The main window's geometry at every size within its limits.
#include "session/main_layout.h"

#include <gtest/gtest.h>

#include "tests/support/layout_sweep.h"

namespace vx {
namespace {

TEST(MainLayoutTest, TheTableKeepsItsHalfAtTheMinimumWidth) {
  const MainLayout m = LayOutMainWindow(kMainMinimum.width, kMainMinimum.height);
  // 699 / 2 would be 349; the half stays 420, wider than half the window.
  EXPECT_EQ(m.tabellpanel.width, 420 - 30);
  EXPECT_EQ(m.huvpost.left, 426);
  EXPECT_EQ(m.huvpost.right(), m.huvudpanel.width - 6);
  const MainLayout wide = LayOutMainWindow(1000, 600);
  EXPECT_EQ(wide.tabellpanel.width, 999 / 2 - 30);
}

TEST(MainLayoutTest, SizesOutsideTheLimitsAreClamped) {
  EXPECT_EQ(LayOutMainWindow(100, 100).huvudpanel, LayOutMainWindow(700, 340).huvudpanel);
  EXPECT_EQ(LayOutMainWindow(4000, 3000).huvudpanel, (Rect{0, 0, 1279, 1022}));
}

TEST(MainLayoutTest, TheDesignSizeGivesFifteenWholeRows) {
  const MainLayout m = LayOutMainWindow(kMainDesign.width, kMainDesign.height);
  // H 479: 479 - 100 - 68 = 311, cut to 304 (19 rows); the table 4 rows less.
  EXPECT_EQ(m.tabellpanel.height, 314);
  EXPECT_EQ(m.persontab.height, 240);
  EXPECT_EQ(m.synliga, 15);
  EXPECT_EQ(m.column_widths[0] + m.column_widths[1] + 5, m.persontab.width);
  EXPECT_EQ(m.column_widths[1], 71);
  EXPECT_EQ(LayOutMainWindow(800, 481, {.date_column = 90}).column_widths[1], 90);
}

// Every control stays inside its panel, no two overlap, and the table is a
// whole number of rows, at every size of the window, with the headings
// where the widest logo puts them.
TEST(MainLayoutTest, EverySizeWithinTheLimitsLaysOutCleanly) {
  const int headings_left = PlaceLogo(Extent{79, 79}).headings_left;
  const auto panels_at = [&](Extent size) {
    const MainLayout m =
        LayOutMainWindow(size.width, size.height, {.headings_left = headings_left});
    EXPECT_EQ(m.synliga * kTableRowHeight, m.persontab.height)
        << size.width << " x " << size.height;
    EXPECT_GE(m.synliga, 1) << size.width << " x " << size.height;
    return m.Panels();
  };
  EXPECT_TRUE(test::LaysOutCleanly({kMainMinimum, kMainMaximum, {7, 5}}, panels_at));
}

TEST(MainLayoutTest, TheLogoIsCentredInItsPlaceOrHidden) {
  const LogoPlacement hidden = PlaceLogo(std::nullopt);
  EXPECT_FALSE(hidden.logo.has_value());
  EXPECT_EQ(hidden.headings_left, kLogoPlace.left);
  const LogoPlacement small = PlaceLogo(Extent{59, 39});
  ASSERT_TRUE(small.logo.has_value());
  EXPECT_EQ(*small.logo, (Rect{kLogoPlace.left + 10, kLogoPlace.top + 20, 60, 40}));
  EXPECT_EQ(small.headings_left, small.logo->right() + 20);
}

}  // namespace
}  // namespace vx
