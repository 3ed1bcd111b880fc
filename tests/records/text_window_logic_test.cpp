// The text window's decisions: first placing, scrolling by keys and wheel,
// what a code shows, which links are followed, and the copied text.
#include "records/text_window_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/util/version.h"
#include "tests/support/text.h"

namespace vx {
namespace {

using testing::W;

const Rect kScreen{0, 0, 1600, 1000};

TEST(TextWindowPlacement, CentresOverACallerAtLeastAsLargeElseOnTheScreenOnlyTheFirstTime) {
  TextWindowPlacement placement;
  const auto first = placement.Place(Rect{100, 50, 520, 560}, 520, 560, kScreen);
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, (WindowPoint{100, 50})) << "an equal caller counts as large enough";
  EXPECT_TRUE(placement.positioned());
  EXPECT_FALSE(placement.Place(Rect{0, 0, 1000, 900}, 520, 560, kScreen))
      << "later requests leave the window where the user moved it";
  // On the screen for a caller smaller either way, or none.
  const Rect screen{10, 20, 1600, 1000};
  for (const std::optional<Rect>& caller :
       {std::optional<Rect>(Rect{300, 300, 519, 900}),
        std::optional<Rect>(Rect{300, 300, 900, 559}), std::optional<Rect>()}) {
    TextWindowPlacement fresh;
    EXPECT_EQ(fresh.Place(caller, 520, 560, screen), (WindowPoint{550, 240}));
  }
}

TEST(TextScroll, BarOnlyForATallerTextKeysStepBySmallchAndPagesAndClamp) {
  TextScroll scroll;
  scroll.SetLayout(490, 490);
  EXPECT_FALSE(scroll.bar_visible());
  scroll.SetLayout(1000, 490);
  EXPECT_TRUE(scroll.bar_visible());
  EXPECT_EQ(scroll.max(), 511);
  EXPECT_EQ(scroll.position(), 1);
  scroll.SetPosition(511);
  EXPECT_EQ(scroll.PixelOffset(), 510) << "the last pixel row of the text at the bottom";
  scroll.SetLayout(1200, 490);
  EXPECT_EQ(scroll.position(), 1) << "a new text starts at the top";
  scroll.SetLayout(1000, 490);  // max 511
  EXPECT_EQ(scroll.KeyTarget(TextScrollKey::kUp), 1);
  EXPECT_EQ(scroll.KeyTarget(TextScrollKey::kDown), 51);
  EXPECT_EQ(scroll.KeyTarget(TextScrollKey::kPageDown), 251);
  scroll.SetPosition(300);
  EXPECT_EQ(scroll.KeyTarget(TextScrollKey::kPageUp), 50);
  EXPECT_EQ(scroll.KeyTarget(TextScrollKey::kPageDown), 511);
  scroll.SetPosition(490);
  EXPECT_EQ(scroll.KeyTarget(TextScrollKey::kDown), 511);

  scroll.SetLayout(100, 490);
  EXPECT_EQ(scroll.KeyTarget(TextScrollKey::kPageDown), 1) << "no bar, no scrolling";
}

TEST(TextScroll, WheelGlidesInStepsOfThreeUpToOneSmallch) {
  TextScroll scroll;
  scroll.SetLayout(1000, 490);  // max 511
  std::vector<int> down;
  for (int p = 4; p < 51; p += 3)
    down.push_back(p);
  down.push_back(51);
  EXPECT_EQ(scroll.BeginGlide(-120), down);
  EXPECT_TRUE(scroll.BeginGlide(-120).empty()) << "a message during a glide is ignored";
  scroll.EndGlide();

  scroll.SetPosition(505);
  EXPECT_EQ(scroll.BeginGlide(-360), (std::vector<int>{508, 511})) << "stops at the end";
  scroll.EndGlide();
  scroll.SetPosition(511);
  EXPECT_TRUE(scroll.BeginGlide(-120).empty());
  EXPECT_FALSE(scroll.gliding());

  scroll.SetPosition(100);
  const std::vector<int> up = scroll.BeginGlide(120);
  ASSERT_EQ(up.size(), 17u);
  EXPECT_EQ(up.front(), 97);
  EXPECT_EQ(up.back(), 50);
  scroll.EndGlide();

  scroll.SetLayout(100, 490);
  EXPECT_TRUE(scroll.BeginGlide(-120).empty()) << "only while the bar is shown";
}

TEST(TextWindowContent, HelpAboutAndMissingTexts) {
  TextWindowContent content;
  content.ShowAbout(W("Tuna församling"), "Om registret\r");
  EXPECT_EQ(content.heading(), W("Tuna församling"));
  EXPECT_EQ(content.heading_top(), kAboutHeadingTop);
  EXPECT_EQ(content.version_line(), std::string("Tovik, Valdrisen, ver. ") + ProgramVersion());

  content.ShowHelp({"HJ005", W("Sökspråket"), W("[4]Så skriver du[2]\r")});
  EXPECT_EQ(content.heading(), W("Sökspråket"));
  EXPECT_EQ(content.heading_top(), kHelpHeadingTop);
  EXPECT_EQ(content.version_line(), "");
  EXPECT_EQ(content.text(), W("[4]Så skriver du[2]\r"));

  content.ShowAbout("Tuna", "Om");
  content.ShowMissing();
  EXPECT_EQ(content.heading(), "Tuna") << "the previous heading stays";
  EXPECT_EQ(content.text(), "");
  EXPECT_EQ(content.version_line(), "");
  EXPECT_EQ(content.heading_top(), kHelpHeadingTop);
}

TEST(TextWindowContent, CopyTextHasNoTagsAndCrLfLinesOfAnyLength) {
  TextWindowContent content;
  std::string text = W("[4][b 4]Rubrik[2][b 1]\rSe [M HJ005]Sökspråket[\\M].\r");
  std::string expected = W("Rubrik\r\nSe Sökspråket.\r\n");
  for (int i = 0; i < 5000; ++i) {
    text += "[f]Rad[\\f] med text\r";
    expected += "Rad med text\r\n";
  }
  content.ShowHelp({"HJ001", "H", text});
  EXPECT_EQ(content.CopyText(), expected);
}

TEST(LinkedTextCode, OnlyTextAndHelpTargetsAreFollowed) {
  EXPECT_EQ(LinkedTextCode("HJ005"), "HJ005");
  EXPECT_EQ(LinkedTextCode("TX12"), "TX12");
  EXPECT_FALSE(LinkedTextCode(""));
  EXPECT_FALSE(LinkedTextCode("OM"));
  EXPECT_FALSE(LinkedTextCode("F01 123"));
  EXPECT_FALSE(LinkedTextCode("H"));
  EXPECT_TRUE(IsAboutCode("OM"));
  EXPECT_FALSE(IsAboutCode("HJ000"));
}

}  // namespace
}  // namespace vx
