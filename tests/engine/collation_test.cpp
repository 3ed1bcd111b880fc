#include "engine/text/collation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

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
  for (size_t i = 0; i < from.size(); ++i) {
    EXPECT_EQ(Map(FoldTable(), from[i]), static_cast<uint8_t>(to[i])) << "position " << i;
  }
  for (char c = 'a'; c <= 'z'; ++c) {
    EXPECT_EQ(Map(FoldTable(), c), c - 0x20);
    EXPECT_EQ(Map(FoldTable(), static_cast<char>(c - 0x20)), c - 0x20);
  }
  for (char c : std::string_view("\0 09-,;[\x80\xB5\xD7", 11)) {  // ... € µ ×
    EXPECT_EQ(Map(FoldTable(), c), static_cast<uint8_t>(c));
  }
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
  for (std::string_view run : {"e\xE9\xE8\xEA\xEB", "\x8E\xC5\xC4\xC6\xD6\xD8\x8C"}) {
    for (size_t i = 1; i < run.size(); ++i) {
      EXPECT_EQ(Map(t, run[i]), Map(t, run[i - 1]) + 1);
    }
  }
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

TEST(ComparePrefix, ComparesAtMostNPositions) {
  const CollationTable& t = FoldTable();
  EXPECT_EQ(ComparePrefix("A", "B", 0, t), 0);
  EXPECT_EQ(ComparePrefix("Anders", "ANDREAS", 3, t), 0);
  EXPECT_EQ(ComparePrefix("Anders", "ANDREAS", 4, t), -1);
  EXPECT_EQ(ComparePrefix("An", "An", 10, t), 0);
  EXPECT_EQ(ComparePrefix("An", "Anna", 3, t), -1);
}

TEST(FindPattern, FindsTheFirstMatchUnderTheTable) {
  const CollationTable& t = FoldTable();
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
}

TEST(CompareTextsThenIndex, BreaksTiesByIndexOnly) {
  const CollationTable& t = FoldTable();
  EXPECT_EQ(CompareTextsThenIndex("Berg", "BERG", 7, 3, t), 1);
  EXPECT_EQ(CompareTextsThenIndex("Berg", "BERG", 3, 7, t), -1);
  EXPECT_EQ(CompareTextsThenIndex("Berg", "Berg", 5, 5, t), 1);
  EXPECT_EQ(CompareTextsThenIndex("Alm", "Berg", 9, 1, t), -1);
}

}  // namespace
}  // namespace vx
