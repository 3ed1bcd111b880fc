// Comparing texts (the collation tables, the folded finder, text helpers),
// and the engine's utilities: Windows-1252, the message sink, memory streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/text/collation.h"
#include "engine/text/folded_finder.h"
#include "engine/text/text_helpers.h"
#include "engine/util/cp1252.h"
#include "engine/util/message_collector.h"
#include "engine/util/message_sink.h"
#include "engine/util/stream.h"
#include "language/message_id.h"

namespace vx {
namespace {

uint8_t Map(const CollationTable& table, char c) {
  return table[static_cast<uint8_t>(c)];
}

TEST(FoldTable, MapsLettersAsListedAndLeavesOthersAlone) {
  // Å å Ä ä Æ æ Ö ö Ø ø Œ œ ÷ Ü ü Ÿ ÿ ß Š Þ þ Ð ð Ñ ñ Ç Ž É ë Á Ï Ó û
  constexpr std::string_view from =
      "\xC5\xE5\xC4\xE4\xC6\xE6\xD6\xF6\xD8\xF8\x8C\x9C\xF7\xDC\xFC\x9F\xFF"
      "\xDF\x8A\xDE\xFE\xD0\xF0\xD1\xF1\xC7\x8E\xC9\xEB\xC1\xCF\xD3\xFB";
  constexpr std::string_view to =
      "\xC4\xC4\xC5\xC5\xC5\xC5\xD6\xD6\xD6\xD6\xD6\xD6\xFF"
      "YYYYSSTTDDNNCZEEAIOU";
  ASSERT_EQ(from.size(), to.size());
  for (size_t i = 0; i < from.size(); ++i)
    EXPECT_EQ(Map(FoldTable(), from[i]), static_cast<uint8_t>(to[i])) << "position " << i;
  for (char c = 'a'; c <= 'z'; ++c) {
    EXPECT_EQ(Map(FoldTable(), c), c - 0x20);
    EXPECT_EQ(Map(FoldTable(), static_cast<char>(c - 0x20)), c - 0x20);
  }
  for (char c : std::string_view("\0 09-,;[\x80\xB5\xD7", 11))  // ... € µ ×
    EXPECT_EQ(Map(FoldTable(), c), static_cast<uint8_t>(c));
}

TEST(AccentOrderTable, GivesEachLetterOneCodeInAlphabetOrder) {
  const CollationTable& t = AccentOrderTable();
  EXPECT_EQ(Map(t, 'a'), 0xC0);
  EXPECT_EQ(Map(t, 'A'), 0xC0);
  EXPECT_EQ(Map(t, 'z'), 0xF4);
  EXPECT_EQ(Map(t, '\xC5'), 0xF6);            // Å
  EXPECT_EQ(Map(t, '\xF7'), 0xFC);            // ÷
  EXPECT_EQ(Map(t, '\xDE'), Map(t, '\xFE'));  // Þ þ
  EXPECT_EQ(Map(t, '5'), '5');
  EXPECT_EQ(Map(t, '\0'), 0);
  // e é è ê ë, and Ž Å Ä Æ Ö Ø Œ: consecutive codes.
  for (std::string_view run : {"e\xE9\xE8\xEA\xEB", "\x8E\xC5\xC4\xC6\xD6\xD8\x8C"})
    for (size_t i = 1; i < run.size(); ++i)
      EXPECT_EQ(Map(t, run[i]), Map(t, run[i - 1]) + 1);
}

TEST(CompareTexts, FoldedOrderPutsAaAeOeAfterZ) {
  const CollationTable& t = FoldTable();
  // ... Zorn Åsa ärlig Östen
  const char* ordered[] = {"Ann", "Anna", "Zorn", "\xC5sa", "\xE4rlig", "\xD6sten"};
  for (size_t i = 0; i + 1 < std::size(ordered); ++i) {
    EXPECT_EQ(CompareTexts(ordered[i], ordered[i + 1], t), -1) << ordered[i];
    EXPECT_EQ(CompareTexts(ordered[i + 1], ordered[i], t), 1) << ordered[i];
  }
  EXPECT_EQ(CompareTexts("m\xFCller", "MYLLER", t), 0);  // müller
  EXPECT_EQ(CompareTexts("\xC6sa", "\xE4SA", t), 0);     // Æsa äSA
  EXPECT_EQ(CompareTexts("", "", t), 0);
}

TEST(CompareTexts, AccentOrderKeepsAccentsButFoldsCase) {
  const CollationTable& t = AccentOrderTable();
  EXPECT_EQ(CompareTexts("e", "\xE9", t), -1);  // é
  EXPECT_EQ(CompareTexts("\xE9", "f", t), -1);
  EXPECT_EQ(CompareTexts("\xC9VA", "\xE9va", t), 0);  // ÉVA éva
  EXPECT_EQ(CompareTexts("m\xFCller", "MYLLER", t), 1);
  // éka sorts after every e here, but before eva when folded.
  EXPECT_EQ(CompareTexts("eva", "\xE9ka", t), -1);
  EXPECT_EQ(CompareTexts("eva", "\xE9ka", FoldTable()), 1);
  EXPECT_EQ(CompareTexts("a", "9", t), 1);
}

TEST(CompareAndFind, PrefixesToNPositionsFirstMatchesAndTiesByIndex) {
  // ComparePrefix compares at most n positions.
  const CollationTable& t = FoldTable();
  EXPECT_EQ(ComparePrefix("A", "B", 0, t), 0);
  EXPECT_EQ(ComparePrefix("Anders", "ANDREAS", 3, t), 0);
  EXPECT_EQ(ComparePrefix("Anders", "ANDREAS", 4, t), -1);
  EXPECT_EQ(ComparePrefix("An", "An", 10, t), 0);
  EXPECT_EQ(ComparePrefix("An", "Anna", 3, t), -1);
  // FindPattern finds the first match under the table.
  EXPECT_EQ(FindPattern("", "Anna", t), 0);
  EXPECT_EQ(FindPattern("", "", t), 0);
  EXPECT_EQ(FindPattern("Annika", "Anna", t), -1);
  EXPECT_EQ(FindPattern("SON", "Andersson", t), 6);
  EXPECT_EQ(FindPattern("aab", "aaab", t), 1);  // a partial match does not skip ahead
  // Müller: ü folds to Y, and only to Y.
  EXPECT_EQ(FindPattern("myller", "Hans M\xFCller", t), 5);
  EXPECT_EQ(FindPattern("muller", "Hans M\xFCller", t), -1);
  EXPECT_EQ(FindPattern("myller", "Hans M\xFCller", AccentOrderTable()), -1);
  EXPECT_EQ(FindPattern("M\xDCLLER", "Hans M\xFCller", AccentOrderTable()), 5);
  // CompareTextsThenIndex breaks ties by index only.
  EXPECT_EQ(CompareTextsThenIndex("Berg", "BERG", 7, 3, t), 1);
  EXPECT_EQ(CompareTextsThenIndex("Berg", "BERG", 3, 7, t), -1);
  EXPECT_EQ(CompareTextsThenIndex("Berg", "Berg", 5, 5, t), 1);
  EXPECT_EQ(CompareTextsThenIndex("Alm", "Berg", 9, 1, t), -1);
}

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Every start from `from` on, compared byte by byte through FoldTable.
size_t NaiveFind(const std::string& pattern, const std::string& text, size_t from) {
  const CollationTable& fold = FoldTable();
  for (size_t p = from; p + pattern.size() <= text.size(); ++p) {
    size_t k = 0;
    while (k < pattern.size() &&
           fold[static_cast<uint8_t>(text[p + k])] == fold[static_cast<uint8_t>(pattern[k])])
      ++k;
    if (k == pattern.size()) return p;
  }
  return FoldedFinder::kNone;
}

TEST(FoldedFinder, FindsFoldedFormsAnywhereButNotPastTheEnd) {
  const std::string text = "Per Andersson och \xc9MILE M\xdcller i \xc5s";
  EXPECT_EQ(FoldedFinder("myller i \xe5S").Find(Bytes(text), 0), 24u);
  EXPECT_EQ(FoldedFinder("\xe5s ").Find(Bytes(text), 0), FoldedFinder::kNone);
  EXPECT_EQ(FoldedFinder("").Find(Bytes(text), 5), 5u);
  EXPECT_EQ(FoldedFinder("").Find(Bytes(text), text.size() + 1), FoldedFinder::kNone);
  EXPECT_EQ(FoldedFinder("x").Find({}, 0), FoldedFinder::kNone);
}

// A filtered search also reads runs inside larger blocks: the finder reads
// past a run's end but reports only starts before it, and visits the
// matches of a run in one pass.
TEST(FoldedFinder, AgreesWithNaiveScanAcrossVectorBoundariesAndWithinARun) {
  std::mt19937 random(7);
  // Bytes that share the case bit with letters, zeros, and accented forms.
  const std::string alphabet("aAeE\xe9\xc9sS\x9a\x8a\xdf\xff\x9f yY\xfc\xdc\0\x01-!\x41", 22);
  for (int trial = 0; trial < 3000; ++trial) {
    std::string text(random() % (trial % 2 ? 70 : 300), ' ');
    for (char& c : text)
      c = alphabet[random() % alphabet.size()];
    std::string pattern(1 + random() % 4, ' ');
    for (char& c : pattern)
      c = alphabet[random() % alphabet.size()];
    if (random() % 3 == 0 && text.size() >= pattern.size())  // at the very end
      pattern = text.substr(text.size() - pattern.size());
    const FoldedFinder finder(pattern);
    const size_t from = text.empty() ? 0 : random() % text.size();
    const size_t expected = NaiveFind(pattern, text, from);
    ASSERT_EQ(finder.Find(Bytes(text), from), expected) << "trial " << trial << " from " << from;
    const size_t end = from + random() % (text.size() + 2 - from);
    EXPECT_EQ(finder.Find(Bytes(text), from, end), expected < end ? expected : FoldedFinder::kNone)
        << "trial " << trial << " end " << end;
    // Every match visited once, going on a random distance after each, as
    // a search going from entry to entry does.
    std::vector<size_t> visited, found;
    const size_t step = 1 + random() % 40;
    finder.ForEach(Bytes(text), from, end, [&](size_t at) {
      visited.push_back(at);
      return at + step;
    });
    for (size_t at = finder.Find(Bytes(text), from, end); at != FoldedFinder::kNone;
         at = finder.Find(Bytes(text), at + step, end))
      found.push_back(at);
    EXPECT_EQ(visited, found) << "trial " << trial << " step " << step;
  }
}

TEST(FoldedFinder, EveryByteFindsEveryByteThatFoldsLikeIt) {
  std::string all(256, '\0');
  std::iota(all.begin(), all.end(), '\0');
  const std::string text = all + all;  // long enough for the widest vectors
  for (size_t c = 0; c < 256; ++c) {
    const std::string pattern(1, static_cast<char>(c));
    const FoldedFinder finder(pattern);
    std::vector<size_t> found, expected;
    for (size_t at = finder.Find(Bytes(text), 0); at != FoldedFinder::kNone;
         at = finder.Find(Bytes(text), at + 1))
      found.push_back(at);
    for (size_t at = NaiveFind(pattern, text, 0); at != FoldedFinder::kNone;
         at = NaiveFind(pattern, text, at + 1))
      expected.push_back(at);
    ASSERT_EQ(found, expected) << "byte " << c;
  }
}

// Blanks and trims work on blanks only; breaks are found in words and
// directory names; a word ends at any delimiter.
TEST(TextHelpers, BlanksTrimsBreaksAndWords) {
  for (const auto& [count, blanks] : {std::pair{0, ""}, {3, "   "}, {257, " "}})
    EXPECT_EQ(Blanks(count), blanks) << count;
  EXPECT_EQ(TrimTrailingBlanks("  a b  "), "  a b");
  EXPECT_EQ(TrimLeadingBlanks("  a b  "), "a b  ");
  EXPECT_EQ(TrimTrailingBlanks("   "), "");
  EXPECT_EQ(TrimLeadingBlanks("   "), "");
  EXPECT_EQ(TrimTrailingBlanks("a\t"), "a\t");
  EXPECT_EQ(LastBreak("Per-Olof", BreakMode::kWord), 4u);
  EXPECT_EQ(LastBreak("Anna", BreakMode::kWord), 4u);
  EXPECT_EQ(LastBreak("a.b/c:d;e\\f", BreakMode::kWord), 10u);
  EXPECT_EQ(LastBreak("C:\\data\\file", BreakMode::kDirectory), 7u);
  EXPECT_EQ(LastBreak("a-b", BreakMode::kDirectory), 0u);
  std::string s = ";;A;B";
  EXPECT_EQ(NextWord(";", s), "A");
  EXPECT_EQ(s, "B");
  s = ";;";
  EXPECT_EQ(NextWord(";", s), "");
  EXPECT_EQ(s, "");
  s = "  Per, Olof ,Nils";
  EXPECT_EQ(NextWord(" ,", s), "Per");
  EXPECT_EQ(NextWord(" ,", s), "Olof");
  EXPECT_EQ(s, "Nils");
}

TEST(StripDateFill, DropsUpToTwoFills) {
  const char* cases[][2] = {
      {"18230000", "1823"}, {"18239999", "1823"}, {"18230500", "182305"},
      {"0000", ""},         {"000000", "00"},     {"1823", "1823"},
      {"0", "0"},
  };
  for (const auto& c : cases) {
    std::string s = c[0];
    StripDateFill(s);
    EXPECT_EQ(s, c[1]) << c[0];
  }
}

// --- The engine's utilities ------------------------------------------------

TEST(UpperCase, UpperCasesAsWindowsDoes) {
  EXPECT_EQ(UpperCase("abc xyz 123"), "ABC XYZ 123");
  EXPECT_EQ(UpperCase("\xE5\xE4\xF6\xE9\xFC\xFE"), "\xC5\xC4\xD6\xC9\xDC\xDE");  // åäöéüþ
  EXPECT_EQ(UpperCase("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");                  // šœžÿ
  EXPECT_EQ(UpperCase("\xDF\xB5\xF7\xC5"), "\xDF\xB5\xF7\xC5");                  // ß µ ÷ Å stay
}

TEST(Cp1252ToUtf8, ConvertsEveryByteAndRoundTrips) {
  EXPECT_EQ(Cp1252ToUtf8("A\x80"), "A\xE2\x82\xAC");                    // €
  EXPECT_EQ(Cp1252ToUtf8("\x81\x9F\xE5"), "\xC2\x81\xC5\xB8\xC3\xA5");  // U+0081 Ÿ å

  std::string all(256, '\0');
  std::iota(all.begin(), all.end(), '\0');
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  std::string back;
  ASSERT_TRUE(Utf8ToCp1252(utf8, back));
  EXPECT_EQ(back, all);
}

TEST(Utf8ToCp1252, ReportsTheFirstOffendingCharacter) {
  // Text, offset of the first offending character, what came before it, valid UTF-8.
  const std::tuple<std::string, size_t, std::string, bool> cases[] = {
      {"ab\xC4\x80z", 2, "ab", true},         // U+0100 is not in the code page
      {"\xC2\x80", 0, "", true},              // U+0080 neither
      {"ok\xF0\x9F\x98\x80", 2, "ok", true},  // U+1F600, valid but not convertible
      {"abc\xC3", 3, "abc", false},           // truncated
      {"a\xC0\xAF", 1, "a", false},           // overlong '/'
      {"xy\xED\xA0\x80", 2, "xy", false},     // surrogate
      {"\xF4\x90\x80\x80", 0, "", false},     // beyond U+10FFFF
      {"\xC3\xA5\xC3(", 2, "\xE5", false},    // å, then a lead byte without continuation
  };
  for (const auto& [text, offset, before, valid] : cases) {
    std::string out;
    size_t at = 99;
    EXPECT_FALSE(Utf8ToCp1252(text, out, &at)) << text;
    EXPECT_EQ(at, offset) << text;
    EXPECT_EQ(out, before) << text;
    EXPECT_EQ(IsValidUtf8(text), valid) << text;
  }
}

TEST(MessageSink, DefaultWritesUtf8LinesToStandardErrorAndScopedSinksNestAndRestore) {
  ::testing::internal::CaptureStderr();
  ReportMessage("Kan inte \xF6ppna\rvaxors101");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Kan inte \xC3\xB6ppna\nvaxors101\n");
  std::vector<std::string> outer, inner;
  {
    ScopedMessageSink a([&](const std::string& text) { outer.push_back(text); });
    {
      ScopedMessageSink b([&](const std::string& text) { inner.push_back(text); });
      ReportMessage("1");
    }
    ReportMessage("2");
    // A sink may replace itself while it runs.
    SetMessageSink([&](const std::string& text) {
      outer.push_back("once " + text);
      SetMessageSink([&](const std::string& later) { outer.push_back(later); });
    });
    ReportMessage("3");
    ReportMessage("4");
  }
  EXPECT_EQ(inner, std::vector<std::string>{"1"});
  EXPECT_EQ(outer, (std::vector<std::string>{"2", "once 3", "4"}));
  ::testing::internal::CaptureStderr();
  ReportMessage("5");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "5\n");
}

// A message reported as data stays data in a collector, so that its status
// can say it in either language; a sink of texts gets it in the message
// language.
TEST(MessageSink, AMessageAsDataReachesEachSinkAsItTakesIt) {
  const Message row{MessageId::EngineRowMissing, {"7", "vaxor0001l1.i"}};
  {
    MessageCollector collector;
    ReportMessage(row);
    ReportMessage(row);
    const Status status = collector.status();
    EXPECT_EQ(status.message(),
              "Rad 7 finns inte i vaxor0001l1.i. (Ytterligare 1 meddelanden under samma "
              "\xE5tg\xE4rd visas inte.)");
    EXPECT_EQ(status.Text(Language::kEnglish),
              "Row 7 is not in vaxor0001l1.i. (1 more messages during the same operation are not "
              "shown.)");
  }
  std::vector<std::string> texts;
  ScopedMessageSink sink([&](const std::string& text) { texts.push_back(text); });
  ReportMessage(row);
  SetMessageLanguage(Language::kEnglish);
  ReportMessage(row);
  SetMessageLanguage(Language::kSwedish);
  EXPECT_EQ(texts, (std::vector<std::string>{"Rad 7 finns inte i vaxor0001l1.i.",
                                             "Row 7 is not in vaxor0001l1.i."}));
}

TEST(MemoryStream, WritesGrowAndReadsStopAtTheEnd) {
  TMemoryStream s;
  EXPECT_EQ(s.Write("abc", 3), 3u);
  s.Seek(1);
  EXPECT_EQ(s.Write("XYZ", 3), 3u);  // overwrites "bc" and grows by one
  EXPECT_EQ(s.Size(), 4u);
  s.Seek(0);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "aXYZ");
  EXPECT_EQ(s.Read(buffer, 1), 0u);
  s.Seek(100);
  EXPECT_EQ(s.Position(), 4u);
}

}  // namespace
}  // namespace vx
