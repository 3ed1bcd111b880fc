// The criteria language: a field's text split into terms, and the term
// kinds searched in the word lists, date lists and free-text lists of small
// register sets.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/files/row_file.h"
#include "search/catalogue_parts.h"
#include "search/date_range_search.h"
#include "search/free_text_search.h"
#include "search/list_field_search.h"
#include "search/picked_rows.h"
#include "search/run_search.h"
#include "search/search_term.h"
#include "search/word_list_search.h"
#include "tests/support/search_fixture.h"
#include "tests/support/text.h"

namespace vx {
namespace {

// Splitting a field's text into terms and the parser's edge cases; the term
// kinds themselves are searched below.
using Pieces = std::vector<std::string>;
using testing::W;

Pieces Split(std::string_view text, char separator, bool alternatives = false) {
  Pieces pieces;
  for (std::string_view piece :
       alternatives ? SplitAt(text, separator) : SplitTerms(text, separator))
    pieces.emplace_back(piece);
  return pieces;
}

SearchTerm Parse(std::string_view text) {
  const std::optional<SearchTerm> term = ParseTerm(text);
  EXPECT_TRUE(term.has_value()) << text;
  return term.value_or(SearchTerm{});
}

TEST(SplitTerms, MaximalRunsBetweenSeparatorsOrTheRestWhole) {
  EXPECT_EQ(Split(";;Berg;;;Ek;", ';'), (Pieces{"Berg", "Ek"}));
  EXPECT_EQ(Split("Anna  Maria ", ' '), (Pieces{"Anna", "Maria"}));
  // A blank between semicolons is a term of its own (trimmed later).
  EXPECT_EQ(Split("Berg; ;Ek", ';'), (Pieces{"Berg", " ", "Ek"}));
  EXPECT_TRUE(Split(";;;", ';').empty());
  EXPECT_TRUE(Split("   ", ' ').empty());
  // A leading y with diaeresis takes the rest whole.
  EXPECT_EQ(Split(W("ÿBerg;Ek"), ';'), (Pieces{"Berg;Ek"}));
  EXPECT_EQ(Split(W("ÿAnna Maria"), ' '), (Pieces{"Anna Maria"}));
  // Even nothing after it is a term, unlike an empty text.
  EXPECT_EQ(Split(W("ÿ"), ';'), (Pieces{""}));
  EXPECT_EQ(Split(W("Berg;ÿEk"), ';'), (Pieces{"Berg", W("ÿEk")}));
  // Alternatives of first names split before the rule applies.
  EXPECT_EQ(Split(W("ÿAnna;Maria"), ';', true), (Pieces{W("ÿAnna"), "Maria"}));
}

TEST(ParseTerm, StarsAndDigitsAtTheEdgesAndQuotes) {
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
  // Quotes make a whole word of what is inside.
  term = Parse("\"*Anders*\"");
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
  EXPECT_TRUE(
      testing::Holds(status.message(), W("Sökordet är för långt (högst 500 tecken): Abcaa"), true));
  EXPECT_LT(status.message().size(), 120u);  // the term's beginning, not all of it
}

// The criteria language over the word lists of a small register set, through
// the births form's search: the five term kinds, alternatives and
// all-words, folding against keeping accents, and picked rows.
using testing::Names;
using testing::OpenSet;

class ListFieldSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { set_ = new OpenSet(testing::ParishTables()); }
  static void TearDownTestSuite() { delete set_; }
  void SetUp() override {
    ASSERT_TRUE(set_->built());
    ClearPickedRows(evf(), 1);
  }

  static TEVF& evf() { return set_->evf(); }

  // The births found by typing `text` into the field of `prefix`.
  static Names Births(std::string_view prefix, std::string_view text, bool list_mode = false) {
    SearchFormInput input(1);
    EXPECT_TRUE(input.Set(prefix, text, list_mode));
    EXPECT_TRUE(RunSearch(evf(), input).ok());
    return set_->Hits(1);
  }

  static void Tick(int slot, const std::vector<std::string>& words) {
    EXPECT_TRUE(TickWords(*evf().soklistor(1, slot), words).empty());
  }

  static inline OpenSet* set_ = nullptr;
};

constexpr int kFirstNameSlot = 6;
constexpr int kSurnameSlot = 7;

// The five term kinds, alternatives and all-words, folding against keeping
// accents: the births found by a text typed into a field.
TEST_F(ListFieldSearch, TermKindsAlternativesAndAccents) {
  const Names anders = {"Anders, Anna", "Andersson, Anna Maria"};
  // Sources Hjo C:1, Hjo C:2 and Hjo D:12.
  const Names all_three = {"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria"};
  const struct {
    const char* prefix;
    const char* text;  // UTF-8
    Names found;
  } cases[] = {
      // Begins-with ignores case and a final star; quotes ask for the whole word.
      {"en", "and", anders},
      {"en", "ANDERS", anders},
      {"en", "Anders*", anders},
      {"en", "Ander*", anders},
      {"en", "Andersen", {}},
      {"en", "\"anders\"", {"Anders, Anna"}},
      {"en", "\"Ander\"", {}},
      // Endings, and beginnings with endings, which may overlap: ab*ba finds Aba.
      {"en", "*son", {"Andersson, Anna Maria", "Olsson, Per", "Persson, Erik"}},
      {"en", "A*son", {"Andersson, Anna Maria"}},
      {"en", "ab*ba", {"Aba, Maria", "Abba, Helene"}},
      {"en", "abb*ba", {"Abba, Helene"}},
      // Contains, with and without a suffix digit; without a leading star
      // the digit is dropped: a begins-with search.
      {"en", "*ers*", {"Anders, Anna", "Andersson, Anna Maria", "Persson, Erik"}},
      {"kae", "*jo*", all_three},
      {"kae", "*jo*2", {"Aba, Maria", "Anders, Anna"}},
      {"kae", "*c:*1", {"Andersson, Anna Maria"}},
      {"kae", "Hjo*2", all_three},
      // Semicolons separate alternatives.
      {"en", "Aba;Berg", {"Aba, Maria", "Berg, Hélène", "Bergström, Maria Anna"}},
      {"en",
       ";\"Berg\";;*son;",
       {"Andersson, Anna Maria", "Berg, Hélène", "Olsson, Per", "Persson, Erik"}},
      // A blank in a surname belongs to the term.
      {"en", "von P", {"von Post, Carl"}},
      {"en", "von Berg", {}},
      {"en", "Post", {}},
      // First names need every word of an alternative.
      {"fn", "Anna Maria", {"Andersson, Anna Maria", "Bergström, Maria Anna"}},
      {"fn",
       "Anna;Erik",
       {"Anders, Anna", "Andersson, Anna Maria", "Bergström, Maria Anna", "Persson, Erik"}},
      {"fn",
       "maria anna;;erik",
       {"Andersson, Anna Maria", "Bergström, Maria Anna", "Persson, Erik"}},
      {"fn", "Anna Carl", {}},
      // Places fold accents but not the Swedish letters: Angelholm, not
      // Ängelholm.
      {"foo", "*elene*", {"Aba, Maria", "Abba, Helene"}},
      {"foo", "*ynster*", {"Andersson, Anna Maria"}},
      {"foo", "*angelholm*", {"Berg, Hélène"}},
      {"foo", "ängelholm", {"Anders, Anna"}},
      // Names keep accents.
      {"fn", "*elene*", {"Abba, Helene"}},
      {"fn", "*ÉLÈNE", {"Berg, Hélène"}},
      {"fn", "\"helene\"", {"Abba, Helene"}},
      // Places Helene and Hélène are neighbours in the list's order: a
      // begins-with run starts at a row matching accent for accent, and from
      // Hélène cannot reach Helene before it.
      {"foo", "hel", {"Aba, Maria", "Abba, Helene"}},
      {"foo", "hél", {"Abba, Helene"}},
  };
  for (const auto& c : cases) {
    Names expected;
    for (const std::string& name : c.found)
      expected.push_back(W(name));
    EXPECT_EQ(Births(c.prefix, W(c.text)), expected) << c.prefix << " " << c.text;
  }
}

TEST_F(ListFieldSearch, SeparatorsOnlyStandForThePickedRows) {
  Tick(kSurnameSlot, {"berg"});
  EXPECT_EQ(Births("en", ";"), Names{W("Berg, Hélène")});
  EXPECT_EQ(Births("en", W("Bergström;berg"), true), Names{W("Berg, Hélène")});
  Tick(kFirstNameSlot, {"Erik", "Per"});
  EXPECT_EQ(Births("fn", "   "), (Names{"Olsson, Per", "Persson, Erik"}));
  EXPECT_EQ(Births("fn", "Erik;Per", true), (Names{"Olsson, Per", "Persson, Erik"}));
}

TEST_F(ListFieldSearch, ListModeWithNothingPickedFindsNothing) {
  EXPECT_EQ(Births("en", "(vald)", true), Names{});
  EXPECT_EQ(Births("fn", "(vald)", true), Names{});
  // An empty edit takes no part, list mode or not.
  SearchFormInput input(1);
  input.Set("en", "", true);
  input.Set("fn", "Helene");
  ASSERT_TRUE(RunSearch(evf(), input).ok());
  EXPECT_EQ(set_->Hits(1), Names{"Abba, Helene"});
}

TEST_F(ListFieldSearch, ClearingTheFormForgetsItsRegistersPicks) {
  Tick(kSurnameSlot, {"Berg", "Aba"});
  TVXstruktlista& marriage_surnames = *evf().soklistor(2, 7);
  ASSERT_TRUE(TickWords(marriage_surnames, {"Ek"}).empty());
  ClearPickedRows(evf(), 1);
  EXPECT_EQ(Births("en", ";"), Names{});
  EXPECT_EQ(marriage_surnames.vald().Recount(), 1);
  ClearPickedRows(evf(), 2);
  EXPECT_EQ(marriage_surnames.vald().Recount(), 0);
}

TEST_F(ListFieldSearch, OverlongTermRefusesWithoutTouchingTheResult) {
  ASSERT_EQ(Births("en", "Berg"), (Names{W("Berg, Hélène"), W("Bergström, Maria Anna")}));
  const std::string overlong(kMaxTermLength + 1, 'a');
  struct Case {
    const char* prefix;
    std::string text;
    const char* shown;  // the refused term's beginning
  };
  for (const auto& [prefix, text, shown] :
       std::vector<Case>{{"en", "Aba;" + overlong, ": aaaa"},
                         {"fn", "Anna;Maria " + overlong, ": aaaa"},
                         {"kae", "*" + overlong + "*", ": *aaa"}}) {
    SearchFormInput input(1);
    input.Set("foo", "Hel");
    input.Set(prefix, text);
    const Status status = RunSearch(evf(), input);
    EXPECT_TRUE(status.IsInvalidArgument()) << prefix;
    EXPECT_NE(status.message().find(std::string(W("(högst 500 tecken)")) + shown),
              std::string::npos)
        << prefix;
    EXPECT_EQ(set_->Hits(1), (Names{W("Berg, Hélène"), W("Bergström, Maria Anna")})) << prefix;
  }
  // The longest term allowed is searched.
  EXPECT_EQ(Births("en", std::string(kMaxTermLength, 'a')), Names{});
}

TEST_F(ListFieldSearch, SearchWordListLeavesNothingMarkedWhenRefusedAndKeepsItsCountsTrue) {
  const SearchScratch scratch = ScratchOf(evf());
  TVXstruktlista& first_names = *evf().soklistor(1, kFirstNameSlot);
  scratch.sokur1.SetAll();
  scratch.sokur2.SetAll();
  const std::string overlong = "Anna " + std::string(kMaxTermLength + 1, 'x');
  EXPECT_FALSE(SearchWordList(first_names, overlong, true, true, scratch).ok());
  EXPECT_EQ(scratch.sokur1.Recount(), 0);
  EXPECT_EQ(scratch.sokur2.Recount(), 0);
  ASSERT_TRUE(SearchWordList(first_names, "Anna Maria", true, true, scratch).ok());
  EXPECT_EQ(scratch.sokur2.Count(), 2);
  EXPECT_EQ(scratch.sokur2.Recount(), 2);
}

// Date ranges over a date list of several blocks, against a scan of every
// row from the first; and the splitting of a date field's text.
constexpr int kDateSlot = 4;

std::vector<int32_t> Bits(const Tvxsmalurval& selection) {
  std::vector<int32_t> bits;
  for (int32_t k = 0; selection.Next(k);)
    bits.push_back(k);
  return bits;
}

// The range as a scan from row 1 finds it: skip rows whose head is below
// `from`, then mark while the head is not above `to`.
std::vector<int32_t> ScannedRange(TVXstruktlista& dates, std::string from, std::string to,
                                  int32_t size) {
  if (to.empty() || from > to) to = from;
  Tvxsmalurval marked;
  marked.Resize(size);
  int32_t row = 1;
  for (; row <= dates.RowCount(); ++row) {
    dates.ReadRow(row);
    if (dates.RowText().substr(0, from.size()) >= from) break;
  }
  for (; row <= dates.RowCount(); ++row) {
    dates.ReadRow(row);
    if (dates.RowText().substr(0, to.size()) > to) break;
    dates.MarkRecords(marked);
  }
  return Bits(marked);
}

TEST(DateRangeSearch, FindsWhatAScanFromTheFirstRowFinds) {
  // 450 births on distinct dates of 1700-1849, some with unknown parts.
  const char* months[] = {"01", "06", "12", "00", "XX"};
  const char* days[] = {"15", "31", "00", "99"};
  std::vector<testing::SourceRecord> births;
  for (int i = 0; i < 450; ++i) {
    std::string date = std::to_string(1700 + i % 150);
    if (i % 7 != 0) date += months[i % 5];
    if (i % 7 != 0 && i % 11 != 0) date += days[i % 4];
    births.push_back({{"ENAMN", 'N' + std::to_string(i)}, {"FODAT", date}});
  }
  testing::OpenSet set({{1, births}});
  ASSERT_TRUE(set.built());
  TVXstruktlista& dates = *set.evf().soklistor(1, kDateSlot);
  ASSERT_GT(dates.RowCount(), 300);  // several blocks of 100 rows
  Tvxsmalurval marked;
  marked.Resize(450);
  const char* const ranges[][2] = {
      {"1780", "1789"}, {"1600", "1700"}, {"1700", ""},       {"1849", "2100"},     {"17", "17"},
      {"1750", "1740"}, {"175006", ""},   {"1750XX", "1760"}, {"17600615", "1761"}, {"", ""},
      {"1600", "1699"}, {"1850", "2100"}, {"0", "9"}};
  for (const auto& [from, to] : ranges) {
    marked.Clear();
    MarkDateRange(dates, from, to, marked);
    EXPECT_EQ(Bits(marked), ScannedRange(dates, from, to, 450)) << from << "-" << to;
  }
}

TEST(SplitDateField, EndsAndDefaults) {
  const auto split = [](std::string_view text, std::string_view lower) {
    const DateRange range = SplitDateField(text, lower);
    return range.from + "|" + range.to;
  };
  EXPECT_EQ(split(" 1780 - 1789 ", "1600"), "1780|1789");
  EXPECT_EQ(split("1780", "1600"), "1780|");
  EXPECT_EQ(split("-1789", "1800"), "1800|1789");
  EXPECT_EQ(split("1780-", "1600"), "1780|2100");
  EXPECT_EQ(split(" - ", "1600"), "1600|2100");
  EXPECT_EQ(split("   ", "1600"), "|");
  // Only the first '-' splits.
  EXPECT_EQ(split("1780-1789-1799", "1600"), "1780|1789-1799");
}

// The free-text search over all three registers, its hits handed out by
// the combined record numbering.

class FreeTextSearch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { set_ = new OpenSet(testing::ParishTables()); }
  static void TearDownTestSuite() { delete set_; }
  void SetUp() override { ASSERT_TRUE(set_->built()); }

  static std::vector<Names> All() { return {set_->Hits(1), set_->Hits(2), set_->Hits(3)}; }

  static inline OpenSet* set_ = nullptr;
};

TEST_F(FreeTextSearch, TextOnlyInMarriagesEmptiesTheOthers) {
  SearchFormInput births(1);
  births.Set("en", "Berg");
  ASSERT_TRUE(RunSearch(set_->evf(), births).ok());
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "zebulon"));
  EXPECT_EQ(All(), (std::vector<Names>{{}, {"Holm, Nils och Ros, Stina"}, {}}));
  EXPECT_EQ(ResultOf(set_->evf(), 2).Count(), 1);
  EXPECT_EQ(ResultOf(set_->evf(), 1).Count(), 0);
  // A star in front reads as in a free field.
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "*zebulon*"));
  EXPECT_EQ(All(), (std::vector<Names>{{}, {"Holm, Nils och Ros, Stina"}, {}}));
}

TEST_F(FreeTextSearch, HitsGoToTheirOwnRegistersRecords) {
  // A first name of the second marriage and a remark of the first death.
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "Stina"));
  EXPECT_EQ(All(), (std::vector<Names>{{}, {"Holm, Nils och Ros, Stina"}, {"Holm, Lars"}}));
  // A parish and three sources in births, a parish in marriages.
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "hjo"));
  EXPECT_EQ(All(), (std::vector<Names>{{"Aba, Maria", "Anders, Anna", "Andersson, Anna Maria"},
                                       {"Lind, Johan och Ek, Brita"},
                                       {}}));
}

TEST_F(FreeTextSearch, QuotesAndStarChooseTheMode) {
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "\"hjo\""));
  EXPECT_EQ(All(),
            (std::vector<Names>{{"Andersson, Anna Maria"}, {"Lind, Johan och Ek, Brita"}, {}}));
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "Hjo C*"));
  EXPECT_EQ(All(), (std::vector<Names>{{"Anders, Anna", "Andersson, Anna Maria"}, {}, {}}));
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "karin;zebulon"));
  EXPECT_EQ(All(), (std::vector<Names>{{}, {"Holm, Nils och Ros, Stina"}, {"Lund, Karin"}}));
}

TEST_F(FreeTextSearch, EmptyTextChangesNothing) {
  ASSERT_TRUE(RunFreeSearch(set_->evf(), "Stina"));
  const std::vector<Names> before = All();
  EXPECT_FALSE(RunFreeSearch(set_->evf(), ""));
  EXPECT_EQ(All(), before);
}

TEST(FreeTextSearchWithoutMarriages, AnAbsentRegisterTakesNoNumbers) {
  testing::Tables tables = testing::ParishTables();
  tables.erase(2);
  OpenSet set(tables);
  ASSERT_TRUE(set.built());
  ASSERT_FALSE(set.evf().RegisterOn(2));
  ASSERT_TRUE(RunFreeSearch(set.evf(), "karin"));
  EXPECT_EQ(set.Hits(1), Names{});
  EXPECT_EQ(set.Hits(3), Names{"Lund, Karin"});
  ASSERT_TRUE(RunFreeSearch(set.evf(), "Carl"));
  EXPECT_EQ(set.Hits(1), Names{"von Post, Carl"});
  EXPECT_EQ(set.Hits(3), Names{});
}

// A register's part of the combined selection is copied a word at a time:
// at every offset against the words, sparse (listed words) and dense, at
// both ends, it must hold what copying bit by bit holds.
TEST(TakeCombinedRange, CopiesOneRegistersBits) {
  std::mt19937 random(20261208);
  for (const uint32_t density : {40u, 2u}) {  // one bit in `density` set
    Tvxsmalurval combined;
    combined.Resize(700);
    for (int32_t k = 1; k <= combined.Size(); ++k)
      if (random() % density == 0) combined.SetBit(k, true);
    for (int32_t first = 0; first < combined.Size() + 70; ++first) {
      Tvxsmalurval part;
      part.Resize(1 + static_cast<int32_t>(random() % 300));
      part.SetBit(1 + static_cast<int32_t>(random() % part.Size()), true);  // cleared first
      TakeCombinedRange(combined, first, part);
      int32_t expected_count = 0;
      for (int32_t k = 1; k <= part.Size(); ++k) {
        const bool expected = first >= 1 && combined.IsSet(first + k - 1);
        ASSERT_EQ(part.IsSet(k), expected) << "first " << first << " bit " << k;
        expected_count += expected;
      }
      EXPECT_EQ(part.Count(), expected_count) << first;
      EXPECT_EQ(Bits(part).size(), static_cast<size_t>(expected_count)) << first;
    }
  }
}

}  // namespace
}  // namespace vx
