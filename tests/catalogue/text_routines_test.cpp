#include "catalogue/text_routines.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using Items = std::vector<std::string>;

TEST(TextRoutines, WithoutMarkup) {
  EXPECT_EQ(utanmarkering("[5][f]Berg, Anna[\\f]\rF\xF6"
                          "dd [b 3]1745"),
            "Berg, Anna\rF\xF6"
            "dd 1745");
  EXPECT_EQ(utanmarkering("a]b[c"), "a]b");  // an unclosed bracket drops the rest
  EXPECT_EQ(utanmarkering(""), "");
}

TEST(TextRoutines, PiecesBetweenSeparators) {
  EXPECT_EQ(delatext(" Anna ; Maria;Stina", ';'), (Items{"Anna", "Maria", "Stina"}));
  EXPECT_EQ(delatext("Anna;", ';'), (Items{"Anna", ""}));  // a final empty piece
  EXPECT_EQ(delatext("", ';'), (Items{""}));
  EXPECT_EQ(delatext(";;", ';'), (Items{"", "", ""}));
  EXPECT_EQ(delatext("a\tb", '\t'), (Items{"a", "b"}));
}

TEST(TextRoutines, WordsTrimsAndZeros) {
  EXPECT_EQ(ordlista("  Anna  Maria "), (Items{"Anna", "Maria"}));
  EXPECT_EQ(ordlista(";;A;B", ";"), (Items{"A", "B"}));
  EXPECT_TRUE(ordlista("   ").empty());
  EXPECT_EQ(trimtecken("**Berg*", "*"), "Berg");
  EXPECT_EQ(trimtecken("***", "*"), "");
  EXPECT_EQ(trimtecken(" x ", ""), " x ");
  EXPECT_EQ(nollfyll("7", 4), "0007");
  EXPECT_EQ(nollfyll("12345", 4), "12345");
  EXPECT_EQ(nollfyll("", 2), "00");
}

}  // namespace
}  // namespace vx
