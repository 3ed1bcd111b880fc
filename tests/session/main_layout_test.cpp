// The main window's geometry at every size within its limits.
#include "session/main_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace vx {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

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
  EXPECT_EQ(LayOutMainWindow(800, 481, 90).column_widths[1], 90);
}

// Every control stays inside its panel, no two overlap, and the table is a
// whole number of rows, at every size of the window.
TEST(MainLayoutTest, EverySizeWithinTheLimitsLaysOutCleanly) {
  for (int width = kMainMinimum.width; width <= kMainMaximum.width; width += 7) {
    for (int height = kMainMinimum.height; height <= kMainMaximum.height; height += 5) {
      const MainLayout m = LayOutMainWindow(width, height);
      SCOPED_TRACE(testing::Message() << width << " x " << height);
      ASSERT_EQ(m.persontab.height % kTableRowHeight, 0);
      ASSERT_EQ(m.synliga * kTableRowHeight, m.persontab.height);
      ASSERT_GE(m.synliga, 1);
      const Rect table_inside{0, 0, m.tabellpanel.width, m.tabellpanel.height};
      for (const Rect& box : {m.persontab, m.personscr, m.namnsortknapp, m.datumsortknapp})
        ASSERT_TRUE(Inside(box, table_inside));
      const Rect record_inside{0, 0, m.huvpost.width, m.huvpost.height};
      ASSERT_TRUE(Inside(m.texten, record_inside));
      ASSERT_TRUE(Inside(m.textscr, record_inside));
      std::vector<Rect> boxes = {m.helpknapp,      m.omknapp,       m.avslutaknapp,   m.tabellpanel,
                                 m.huvpost,        m.rensaknapp,    m.kopilistaknapp, m.exportknapp,
                                 m.postskrivknapp, m.kopipostknapp, m.postejknapp};
      boxes.insert(boxes.end(), m.commands.begin(), m.commands.end());
      for (size_t i = 0; i < boxes.size(); ++i) {
        ASSERT_TRUE(Inside(boxes[i], m.huvudpanel)) << "control " << i;
        for (size_t j = i + 1; j < boxes.size(); ++j)
          ASSERT_FALSE(Overlap(boxes[i], boxes[j])) << "controls " << i << " and " << j;
      }
    }
  }
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
