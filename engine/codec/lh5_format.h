// Constants and code tables of the -lh5- format, shared by its decoder and
// encoder.
//
// Symbols: 0..255 literals, 256..509 match lengths 3..256. A match's
// distance minus one is sent as its bit length (0..13, the "position
// symbol") followed by the bits below its top bit. Each block starts with a
// 16-bit symbol count and three canonical Huffman codes: the code for the
// literal/length code lengths, the literal/length code, the position code.
#ifndef VX_ENGINE_CODEC_LH5_FORMAT_H_
#define VX_ENGINE_CODEC_LH5_FORMAT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vx::lh5 {

constexpr int kDictionaryBits = 13;
constexpr size_t kDictionarySize = size_t{1} << kDictionaryBits;  // 8192
constexpr int kMaxMatch = 256;
constexpr int kThreshold = 3;                          // shortest match
constexpr int kNC = 256 + kMaxMatch - kThreshold + 1;  // 510 symbols
constexpr int kNP = kDictionaryBits + 1;               // 14 position symbols
constexpr int kNT = 16 + 3;                            // 19 length symbols
constexpr int kCBit = 9;
constexpr int kPBit = 4;
constexpr int kTBit = 5;
constexpr int kMaxCodeLength = 16;
constexpr int kCTableBits = 12;
constexpr int kPtTableBits = 8;

// Builds the lookup table of a canonical code: `table` has 2^table_bits
// entries; codes longer than table_bits continue in left/right, with inner
// nodes numbered from lengths.size() upwards. Returns false when the lengths
// do not form a complete prefix code (all lengths 0 is accepted: it decodes
// symbol 0 without consuming bits).
bool BuildDecodeTable(std::span<const uint8_t> lengths, int table_bits, std::span<uint16_t> table,
                      std::span<uint16_t> left, std::span<uint16_t> right);

// Canonical codes (most significant bit first) for the given lengths.
void AssignCanonicalCodes(std::span<const uint8_t> lengths, std::span<uint16_t> codes);

}  // namespace vx::lh5

#endif  // VX_ENGINE_CODEC_LH5_FORMAT_H_
