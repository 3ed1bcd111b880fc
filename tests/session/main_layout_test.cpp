// The main window's geometry at every size within its limits, also with the
// counts of real registers, and every other window's layout.
#include "session/main_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "linking/link_window_layout.h"
#include "printing/print_dialog_layout.h"
#include "records/text_window_layout.h"
#include "resulttable/hit_counter.h"
#include "search/form_layout.h"
#include "search/free_text_layout.h"
#include "search/list_window_layout.h"
#include "tests/support/layout_sweep.h"
#include "tests/support/text.h"
#include "theme/theme.h"

namespace vx {
namespace {

using testing::W;

TEST(MainLayoutTest, TheTableKeepsItsHalfAtTheMinimumWidthAndSizesAreClamped) {
  const MainLayout m = LayOutMainWindow(kMainMinimum.width, kMainMinimum.height);
  // 699 / 2 would be 349; the half stays 420, wider than half the window.
  EXPECT_EQ(m.tabellpanel.width, 420 - 30);
  EXPECT_EQ(m.huvpost.left, 426);
  EXPECT_EQ(m.huvpost.right(), m.huvudpanel.width - 6);
  const MainLayout wide = LayOutMainWindow(1000, 600);
  EXPECT_EQ(wide.tabellpanel.width, 999 / 2 - 30);
  // Sizes outside the limits are clamped.
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

// The paper's head rule and corner ornaments stay whole at every width.
TEST(MainLayoutTest, TheHelpButtonKeepsClearOfTheHeadRuleAndTheCorner) {
  for (int width = kMainMinimum.width; width <= kMainMaximum.width; width += 29) {
    const MainLayout m = LayOutMainWindow(width, kMainDesign.height);
    EXPECT_GE(m.helpknapp.top, theme::kHeadRuleBottom) << width;
    EXPECT_LE(m.helpknapp.right(), m.huvudpanel.width - theme::kCornerOrnament) << width;
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

// The main window's layout with the counts of real registers: the register
// toggles as wide as the widest count's caption, the tabs growing with what
// stands on them, at every size of the window.
constexpr int64_t kLargest = 9999999;

MainLayoutFit Counts(int64_t births, int64_t marriages, int64_t deaths) {
  MainLayoutFit fit;
  fit.counts = {births, marriages, deaths};
  return fit;
}

TEST(MainLayoutCountsTest, CountsAreGroupedByThousands) {
  EXPECT_EQ(GroupedCount(0), "0");
  EXPECT_EQ(GroupedCount(417), "417");
  EXPECT_EQ(GroupedCount(3000), W("3\u00A0000"));
  EXPECT_EQ(GroupedCount(1000000), W("1\u00A0000\u00A0000"));
  EXPECT_EQ(GroupedCount(kLargest), W("9\u00A0999\u00A0999"));
}

TEST(MainLayoutCountsTest, TheCaptionWidthCountsDigitsAndGaps) {
  const CaptionMetrics metrics{7.25, 3.65};
  EXPECT_EQ(CountCaptionWidth(0, metrics), 0);
  EXPECT_EQ(CountCaptionWidth(500, metrics), 22);      // 21.75
  EXPECT_EQ(CountCaptionWidth(1000000, metrics), 59);  // 7 x 7.25 + 2 x 3.65
  EXPECT_EQ(CountCaptionWidth(kLargest, {8, 4}), 7 * 8 + 2 * 4);
}

// Small counts keep the toggles at their usual width; larger ones widen every toggle.
TEST(MainLayoutCountsTest, EveryToggleIsAsWideAsTheWidestCaptionNeeds) {
  const MainLayout small = LayOutMainWindow(800, 481, Counts(500, 200, 400));
  EXPECT_EQ(small.valknappar[0], kFirstToggle);
  EXPECT_EQ(small.valknappar[2].left, kFirstToggle.left + 2 * kFirstToggle.width);
  const MainLayout m = LayOutMainWindow(800, 481, Counts(1000000, 400000, 800000));
  const int needed = kToggleCaptionLeft + CountCaptionWidth(1000000, {}) + kToggleCaptionRight;
  for (const Rect& toggle : m.valknappar)
    EXPECT_EQ(toggle.width, needed);
  EXPECT_EQ(m.valknappar[1].left, m.valknappar[0].right());
  EXPECT_GE(m.table_tab_end, m.valknappar[2].right());
}

TEST(MainLayoutCountsTest, TheRecordTabHoldsTheLabelAndTheDotAfterIt) {
  MainLayoutFit fit;
  fit.record_label_width = 140;
  const MainLayout m = LayOutMainWindow(800, 481, fit);
  EXPECT_EQ(m.postnrlabel.width, 140);
  EXPECT_GT(m.statuslabel.left, m.postnrlabel.right());
  EXPECT_GE(m.record_tab_end, m.statuslabel.right());
}

// Seven-digit counts in every register and a long record label, at every
// size of the window: the toggles stand on their tab, the dot on the
// record's tab, and each tab leaves room for its rounded end in its panel.
TEST(MainLayoutCountsTest, SevenDigitCountsLayOutCleanlyAtEverySize) {
  MainLayoutFit fit = Counts(kLargest, kLargest, kLargest);
  fit.headings_left = PlaceLogo(Extent{79, 79}).headings_left;
  fit.record_label_width = 120;
  const auto panels_at = [&](Extent size) {
    const MainLayout m = LayOutMainWindow(size.width, size.height, fit);
    EXPECT_LE(m.table_tab_end + kTabEndRoom, m.tabellpanel.width)
        << size.width << " x " << size.height;
    EXPECT_LE(m.record_tab_end + kTabEndRoom, m.huvpost.width)
        << size.width << " x " << size.height;
    return m.Panels();
  };
  EXPECT_TRUE(test::LaysOutCleanly({kMainMinimum, kMainMaximum, {7, 5}}, panels_at));
}

// Every other window's layout at every size it can take: each control inside
// its panel and none overlapping another (tests/support/layout_sweep.h).
TEST(WindowLayoutsTest, EveryWindowOfFixedSizeLaysOutCleanly) {
  TextWindowContent about;
  about.ShowAbout("Exempel", "Om registret");
  const auto form = [](int r) -> test::PanelsAtSize {
    return [r](Extent) { return LayOutSearchForm(SearchForm(r)).Panels(); };
  };
  const struct {
    const char* window;
    Extent size;
    test::PanelsAtSize panels;
  } kWindows[] = {
      {"Tsok_form, births", {615, 545}, form(1)},
      {"Tsok_form, marriages", {615, 467}, form(2)},
      {"Tsok_form, deaths", {615, 449}, form(3)},
      {"Tsoka_form", {540, 153}, [](Extent) { return LayOutFreeTextForm().Panels(); }},
      {"Tsoktabform", {358, 398}, [](Extent) { return LayOutPicker().Panels(); }},
      {"Tnormform", {471, 398}, [](Extent) { return LayOutNormalisationView().Panels(); }},
      {"Ttextform, help", {520, 560}, [](Extent) { return LayOutTextWindow({}).Panels(); }},
      {"Ttextform, About", {520, 560}, [&](Extent) { return LayOutTextWindow(about).Panels(); }},
      {"Tskriv_form", {470, 300}, [](Extent) { return LayOutPrintDialog().Panels(); }},
      {"LinkWindow", {700, 410}, [](Extent) { return LayOutLinkWindow().Panels(); }},
  };
  for (const auto& w : kWindows)
    EXPECT_TRUE(test::LaysOutCleanly({w.size, w.size}, w.panels)) << w.window;
}

// The columns of "Möjliga samband" fill the grid inside its border, the
// reasons taking what the others leave.
TEST(WindowLayoutsTest, TheLinkColumnsFillTheGrid) {
  const LinkWindowLayout m = LayOutLinkWindow();
  int total = 0;
  for (size_t column = 0; column < m.column_widths.size(); ++column) {
    EXPECT_GT(m.column_widths[column], 30);
    // Its heading stands just above it, as wide.
    EXPECT_EQ(m.column_headings[column].left, m.grid.left + 2 + total);
    EXPECT_EQ(m.column_headings[column].width, m.column_widths[column]);
    EXPECT_LE(m.column_headings[column].bottom(), m.grid.top);
    total += m.column_widths[column];
  }
  EXPECT_EQ(total, m.grid.width - 4);
  EXPECT_EQ(m.column_widths[kLinkReasonsColumn],
            *std::max_element(m.column_widths.begin(), m.column_widths.end()));
}

TEST(WindowLayoutsTest, TheVersionLineShowsOnlyUnderTheAboutText) {
  TextWindowContent content;
  const TextWindowLayout help = LayOutTextWindow(content);
  EXPECT_TRUE(help.verlabel.empty());
  EXPECT_EQ(help.arkivlabel.top, kHelpHeadingTop);
  content.ShowAbout("Exempel", "Om registret");
  const TextWindowLayout about = LayOutTextWindow(content);
  EXPECT_FALSE(about.verlabel.empty());
  EXPECT_EQ(about.arkivlabel.top, kAboutHeadingTop);
  EXPECT_LE(about.arkivlabel.bottom(), about.verlabel.top);
}

}  // namespace
}  // namespace vx
