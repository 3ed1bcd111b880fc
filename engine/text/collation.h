// Collation of Swedish Windows-1252 text through fixed 256-byte tables.
//
// Every search, sort and list order of the program compares text through one
// of two tables, never through the system locale:
//   FoldTable()         folds case and accents; Å, Ä and Ö are letters of
//                       their own after Z (Å < Ä = Æ < Ö = Ø = Œ).
//   AccentOrderTable()  folds case only; each accented letter sorts directly
//                       after its base letter, and every letter after every
//                       non-letter byte.
// Both tables map byte 0 to 0 and no other byte to 0, so a comparison ends at
// the terminator of the shorter text.
//
// The comparisons take null-terminated byte strings, never allocate and
// never fail. The tables are constant and may be read from any thread.
#ifndef VX_ENGINE_TEXT_COLLATION_H_
#define VX_ENGINE_TEXT_COLLATION_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

using CollationTable = std::array<uint8_t, 256>;

const CollationTable& FoldTable();
const CollationTable& AccentOrderTable();

// `text` with every byte replaced by its table value: the form in which
// texts compare as plain bytes.
std::string MapText(std::string_view text, const CollationTable& table);

// Compares table[a[i]] with table[b[i]] position by position.
// Returns -1, 0 or 1.
int CompareTexts(const char* a, const char* b, const CollationTable& table);

// As CompareTexts over at most the first n positions; 0 when n is 0.
int ComparePrefix(const char* a, const char* b, size_t n, const CollationTable& table);

// The first 0-based position in `text` where `pattern` occurs under `table`,
// or -1 when it does not occur. An empty pattern occurs at position 0.
int FindPattern(const char* pattern, const char* text, const CollationTable& table);

// CompareTexts, with equal texts ordered by index: -1 when ia < ib, else 1.
// Never returns 0; used as the sort order of (key, value) pairs.
int CompareTextsThenIndex(const char* a, const char* b, uint32_t ia, uint32_t ib,
                          const CollationTable& table);

}  // namespace vx

#endif  // VX_ENGINE_TEXT_COLLATION_H_
