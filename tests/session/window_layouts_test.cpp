// Every window's layout at every size it can take: each control inside its
// panel and none overlapping another (tests/support/layout_sweep.h). The
// main window is swept in main_layout_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>

#include "linking/link_window_layout.h"
#include "printing/print_dialog_layout.h"
#include "records/text_window_layout.h"
#include "search/form_layout.h"
#include "search/free_text_layout.h"
#include "search/list_window_layout.h"
#include "tests/support/layout_sweep.h"

namespace vx {
namespace {

TEST(WindowLayoutsTest, EveryWindowOfFixedSizeLaysOutCleanly) {
  TextWindowContent about;
  about.ShowAbout("Exempel", "Om registret");
  const struct {
    const char* window;
    Extent size;
    test::PanelsAtSize panels;
  } kWindows[] = {
      {"Tsok_form, births",
       {615, 545},
       [](Extent) { return LayOutSearchForm(SearchForm(1)).Panels(); }},
      {"Tsok_form, marriages",
       {615, 467},
       [](Extent) { return LayOutSearchForm(SearchForm(2)).Panels(); }},
      {"Tsok_form, deaths",
       {615, 449},
       [](Extent) { return LayOutSearchForm(SearchForm(3)).Panels(); }},
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
