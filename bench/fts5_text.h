// The text SQLite's FTS5 trigram tables hold beside the B-tree tables.
//
// Stored values are collation-mapped Windows-1252 bytes; FTS5 wants UTF-8.
// Each byte becomes the Latin-1 code point of the same value, so that two
// byte strings are equal exactly when their texts are, and the tables use
// `trigram case_sensitive 1`: the mapping has already folded what the field
// folds. Every value is followed by kValueEnd, a code point no mapped byte
// becomes: no term can match across two values of one record, and "ends
// with" is the phrase of the tail and kValueEnd.
//
// Trigram look-ups need phrases of at least three code points; shorter
// contains and ends-with terms stay with the B-tree statements.
#ifndef VX_BENCH_FTS5_TEXT_H_
#define VX_BENCH_FTS5_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

namespace vx::bench {

// U+E000, a private-use code point, in UTF-8.
inline constexpr std::string_view kValueEnd = "\xEE\x80\x80";

// Appends `bytes` as Latin-1 code points in UTF-8, then kValueEnd.
void AppendFts5Value(std::string& text, std::string_view bytes);

// The MATCH expression for values that hold `mapped` (collation-mapped
// bytes), or that end with it when `at_end`; nullopt when the phrase is
// shorter than three code points.
std::optional<std::string> Fts5Phrase(std::string_view mapped, bool at_end);

}  // namespace vx::bench

#endif  // VX_BENCH_FTS5_TEXT_H_
