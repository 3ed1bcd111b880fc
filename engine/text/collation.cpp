#include "engine/text/collation.h"

#include <string_view>

namespace vx {
namespace {

// The collation alphabet, lower-case half. Character i of each half and of
// the folded targets correspond. Letters: a á à â ã b c ç d ð e é è ê ë f g h
// i ï í ì î j k l m n ñ o ó ò ô p q r s š ß t Þ u ú ù û v w x y ý ÿ ü z ž
// å ä æ ö ø œ ÷. This half lists the capital thorn Þ and the upper half the
// small þ; between them both cases are covered.
constexpr std::string_view kLowerAlphabet =
    "a\xE1\xE0\xE2\xE3"              // a á à â ã
    "bc\xE7"                         // b c ç
    "d\xF0"                          // d ð
    "e\xE9\xE8\xEA\xEB"              // e é è ê ë
    "fgh"                            // f g h
    "i\xEF\xED\xEC\xEE"              // i ï í ì î
    "jklmn\xF1"                      // j k l m n ñ
    "o\xF3\xF2\xF4"                  // o ó ò ô
    "pqrs\x9A\xDF"                   // p q r s š ß
    "t\xDE"                          // t Þ
    "u\xFA\xF9\xFB"                  // u ú ù û
    "vwxy\xFD\xFF\xFC"               // v w x y ý ÿ ü
    "z\x9E"                          // z ž
    "\xE5\xE4\xE6\xF6\xF8\x9C\xF7";  // å ä æ ö ø œ ÷

constexpr std::string_view kUpperAlphabet =
    "A\xC1\xC0\xC2\xC3"              // A Á À Â Ã
    "BC\xC7"                         // B C Ç
    "D\xD0"                          // D Ð
    "E\xC9\xC8\xCA\xCB"              // E É È Ê Ë
    "FGH"                            // F G H
    "I\xCF\xCD\xCC\xCE"              // I Ï Í Ì Î
    "JKLMN\xD1"                      // J K L M N Ñ
    "O\xD3\xD2\xD4"                  // O Ó Ò Ô
    "PQRS\x8A\xDF"                   // P Q R S Š ß
    "T\xFE"                          // T þ
    "U\xDA\xD9\xDB"                  // U Ú Ù Û
    "VWXY\xDD\x9F\xDC"               // V W X Y Ý Ÿ Ü
    "Z\x8E"                          // Z Ž
    "\xC5\xC4\xC6\xD6\xD8\x8C\xF7";  // Å Ä Æ Ö Ø Œ ÷

// Å and å fold to C4h and Ä, ä, Æ, æ to C5h, so that by byte value
// Å < Ä < Ö (D6h); ÷ folds to FFh, after every letter.
constexpr std::string_view kFoldedAlphabet =
    "AAAAABCCDDEEEEEFGHIIIIIJKLMNNOOOOPQRSSSTTUUUUVWXYYYYZZ"
    "\xC4\xC5\xC5\xD6\xD6\xD6\xFF";  // Ä Å Å Ö Ö Ö ÿ

constexpr size_t kHalf = 61;
static_assert(kLowerAlphabet.size() == kHalf);
static_assert(kUpperAlphabet.size() == kHalf);
static_assert(kFoldedAlphabet.size() == kHalf);

constexpr uint8_t Byte(char c) {
  return static_cast<uint8_t>(c);
}

constexpr CollationTable IdentityTable() {
  CollationTable table{};
  for (size_t i = 0; i < table.size(); ++i)
    table[i] = static_cast<uint8_t>(i);
  return table;
}

// A character listed twice (ß, ÷) gets the same value both times.
constexpr CollationTable BuildFoldTable() {
  CollationTable table = IdentityTable();
  for (size_t i = 0; i < kHalf; ++i)
    table[Byte(kLowerAlphabet[i])] = Byte(kFoldedAlphabet[i]);
  for (size_t i = 0; i < kHalf; ++i)
    table[Byte(kUpperAlphabet[i])] = Byte(kFoldedAlphabet[i]);
  return table;
}

// Letter i of the alphabet gets the code C0h + i in both cases.
constexpr CollationTable BuildAccentOrderTable() {
  CollationTable table = IdentityTable();
  for (size_t i = 0; i < kHalf; ++i) {
    const auto code = static_cast<uint8_t>(0xC0 + i);
    table[Byte(kLowerAlphabet[i])] = code;
    table[Byte(kUpperAlphabet[i])] = code;
  }
  return table;
}

constexpr CollationTable kFoldTable = BuildFoldTable();
constexpr CollationTable kAccentOrderTable = BuildAccentOrderTable();

static_assert(kAccentOrderTable[Byte('\xF7')] == 0xFC);  // ÷ is the last letter
static_assert(kFoldTable[0] == 0 && kAccentOrderTable[0] == 0);

inline uint8_t Mapped(const CollationTable& table, char c) {
  return table[Byte(c)];
}

}  // namespace

const CollationTable& FoldTable() {
  return kFoldTable;
}

const CollationTable& AccentOrderTable() {
  return kAccentOrderTable;
}

std::string MapText(std::string_view text, const CollationTable& table) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(table[static_cast<uint8_t>(c)]);
  return out;
}

int CompareTexts(const char* a, const char* b, const CollationTable& table) {
  for (size_t i = 0;; ++i) {
    const uint8_t x = Mapped(table, a[i]);
    const uint8_t y = Mapped(table, b[i]);
    if (x > y) return 1;
    if (x < y) return -1;
    if (x == 0) return 0;
  }
}

int ComparePrefix(const char* a, const char* b, size_t n, const CollationTable& table) {
  for (size_t i = 0; i < n; ++i) {
    const uint8_t x = Mapped(table, a[i]);
    const uint8_t y = Mapped(table, b[i]);
    if (x > y) return 1;
    if (x < y) return -1;
    if (x == 0) return 0;
  }
  return 0;
}

int FindPattern(const char* pattern, const char* text, const CollationTable& table) {
  for (int start = 0;; ++start) {
    const char* t = text + start;
    for (size_t k = 0;; ++k) {
      const uint8_t x = Mapped(table, pattern[k]);
      if (x == 0) return start;
      const uint8_t y = Mapped(table, t[k]);
      // The text ran out: no later start has room for the pattern either.
      if (y == 0) return -1;
      if (x != y) break;
    }
  }
}

int CompareTextsThenIndex(const char* a, const char* b, uint32_t ia, uint32_t ib,
                          const CollationTable& table) {
  const int order = CompareTexts(a, b, table);
  if (order != 0) return order;
  return ia < ib ? -1 : 1;
}

}  // namespace vx
