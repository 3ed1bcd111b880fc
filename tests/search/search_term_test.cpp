// Splitting a field's text into terms and the parser's edge cases; the term
// kinds themselves are searched in list_field_search_test.cpp.
#include "search/search_term.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using Pieces = std::vector<std::string_view>;

SearchTerm Parse(std::string_view text) {
  const std::optional<SearchTerm> term = ParseTerm(text);
  EXPECT_TRUE(term.has_value()) << text;
  return term.value_or(SearchTerm{});
}

TEST(SplitTerms, MaximalRunsBetweenSeparators) {
  EXPECT_EQ(SplitTerms(";;Berg;;;Ek;", ';'), (Pieces{"Berg", "Ek"}));
  EXPECT_EQ(SplitTerms("Anna  Maria ", ' '), (Pieces{"Anna", "Maria"}));
  // A blank between semicolons is a term of its own (trimmed later).
  EXPECT_EQ(SplitTerms("Berg; ;Ek", ';'), (Pieces{"Berg", " ", "Ek"}));
  EXPECT_TRUE(SplitTerms(";;;", ';').empty());
  EXPECT_TRUE(SplitTerms("   ", ' ').empty());
}

TEST(SplitTerms, LeadingYDiaeresisTakesTheRestWhole) {
  EXPECT_EQ(SplitTerms("\xFF"
                       "Berg;Ek",
                       ';'),
            (Pieces{"Berg;Ek"}));
  EXPECT_EQ(SplitTerms("\xFF"
                       "Anna Maria",
                       ' '),
            (Pieces{"Anna Maria"}));
  // Even nothing after it is a term, unlike an empty text.
  EXPECT_EQ(SplitTerms("\xFF", ';'), (Pieces{""}));
  EXPECT_EQ(SplitTerms("Berg;\xFF"
                       "Ek",
                       ';'),
            (Pieces{"Berg",
                    "\xFF"
                    "Ek"}));
  // Alternatives of first names split before the rule applies.
  EXPECT_EQ(SplitAt("\xFF"
                    "Anna;Maria",
                    ';'),
            (Pieces{"\xFF"
                    "Anna",
                    "Maria"}));
}

TEST(ParseTerm, StarsAndDigitsAtTheEdges) {
  SearchTerm term = Parse("  and* ");
  EXPECT_EQ(term.kind, TermKind::kBeginsWith);
  EXPECT_EQ(term.first, "and");
  // A further star belongs to the ending.
  term = Parse("a*b*c");
  EXPECT_EQ(term.kind, TermKind::kBeginsAndEnds);
  EXPECT_EQ(term.second, "b*c");
  term = Parse("*ers*2");
  EXPECT_EQ(term.kind, TermKind::kContains);
  EXPECT_EQ(term.first, "ers");
  EXPECT_EQ(term.suffix_digit, '2');
  // 0 is no suffix digit, "*2" is too short to carry one, and without a
  // star before it the digit is text.
  EXPECT_EQ(Parse("*ers*0").kind, TermKind::kEndsWith);
  EXPECT_EQ(Parse("*2").second, "2");
  EXPECT_EQ(Parse("*ers2").second, "ers2");
  EXPECT_EQ(Parse("abc*2").suffix_digit, 0);
}

TEST(ParseTerm, QuotesMakeAWholeWordOfWhatIsInside) {
  SearchTerm term = Parse("\"*Anders*\"");
  EXPECT_EQ(term.kind, TermKind::kWholeWord);
  EXPECT_EQ(term.first, "*Anders*");
  EXPECT_EQ(Parse("\"").first, "");
  EXPECT_EQ(Parse("\"Anders").kind, TermKind::kBeginsWith);
}

TEST(ParseTerm, RefusesTermsLongerThanTheBuffers) {
  const std::string longest(kMaxTermLength, 'a');
  EXPECT_EQ(Parse("  " + longest + "  ").first, longest);  // blanks do not count
  EXPECT_FALSE(ParseTerm(longest + "a").has_value());
  EXPECT_FALSE(ParseTerm("*" + longest + "*").has_value());

  const std::string overlong = "Abc" + longest;
  EXPECT_TRUE(CheckTermLengths({"Berg", std::string_view(overlong).substr(3)}).ok());
  const Status status = CheckTermLengths({"Berg", overlong, "Ek"});
  EXPECT_TRUE(status.IsInvalidArgument());
  EXPECT_EQ(
      status.message().rfind("S\xF6kordet \xE4r f\xF6r l\xE5ngt (h\xF6gst 500 tecken): Abcaa", 0),
      0u)
      << status.message();
  EXPECT_LT(status.message().size(), 120u);  // the term's beginning, not all of it
}

}  // namespace
}  // namespace vx
