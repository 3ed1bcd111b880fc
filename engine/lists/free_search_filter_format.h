// The trigram filter of a free-search list ("ft"): which blocks of the
// list's entry file hold each three-byte piece of the folded entry texts,
// so that a contains search reads only the blocks that hold every piece of
// its term. It is this program's own addition to a register set; the
// catalogue does not know it, and a list does without it.
//
// Filter blocks cut the entry file's blocks into runs of whole entries of
// about a kilobyte; together they cover every entry, in order. Trigrams are
// taken from each entry text folded through FoldTable, never across the end
// of a text. All integers are little-endian; CRC is CRC-32C (crc32c.h).
//
//   header, 64 bytes
//      0  4  "VXTF"
//      4  4  version (1)
//      8  8  size of the entry file ("f1") the filter was made for
//     16  4  its block count (the item count in its header)
//     20  4  its entry count
//     24  4  filter block count N
//     28  4  trigram count T
//     32  8  bytes of the lists L
//     40  4  CRC of the block table
//     44  4  CRC of the directory
//     48 12  0
//     60  4  CRC of bytes 0 to 59
//   block table, N x 8: u32 bytes, u32 entries of each filter block, in
//     file order; a block lies inside one block of the entry file, and
//     a new entry-file block starts a new filter block
//   lists, L bytes: for each trigram of the directory in its order, the
//     ascending numbers (from 0) of the filter blocks that hold it, coded
//     as its kind says
//   directory, T x 12: the trigram's three folded bytes, its kind, u32
//     bytes of its list, u32 CRC of its list; trigrams ascending
//
// The file is 64 + 8N + L + 12T bytes. List kinds:
//   0  the blocks as numbers in 7-bit groups, low group first: the first
//      block, then each block's distance from the one before, less one
//   1  the blocks that do not hold the trigram, coded as kind 0
//   2  a bit for each block, bit j % 8 of byte j / 8, ceil(N / 8) bytes
// A writer takes the shortest, the lowest kind among equals.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_FILTER_FORMAT_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_FILTER_FORMAT_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr char kFilterFileExtension[] = "ft";
inline constexpr uint32_t kFilterVersion = 1;
inline constexpr size_t kFilterHeaderSize = 64;
inline constexpr size_t kFilterBlockRowSize = 8;
inline constexpr size_t kFilterTrigramRowSize = 12;

struct FreeSearchFilterHeader {
  uint64_t entry_file_size = 0;
  uint32_t entry_file_blocks = 0;
  uint32_t entry_count = 0;
  uint32_t block_count = 0;
  uint32_t trigram_count = 0;
  uint64_t lists_size = 0;
  uint32_t block_table_crc = 0;
  uint32_t directory_crc = 0;

  // Where the parts begin, and the size of the whole file.
  uint64_t BlockTableOffset() const { return kFilterHeaderSize; }
  uint64_t ListsOffset() const;
  uint64_t DirectoryOffset() const;
  uint64_t FileSize() const;

  void Store(uint8_t (&bytes)[kFilterHeaderSize]) const;
  // False unless the bytes hold this version's header with a right CRC.
  bool Load(std::span<const uint8_t> bytes);
};

enum class FilterListKind : uint8_t { kPresent = 0, kAbsent = 1, kBitmap = 2 };

// Trigram `code`: the three folded bytes as a number, the first highest,
// so that codes order as the bytes do.
inline uint32_t TrigramCode(const uint8_t* folded) {
  return (static_cast<uint32_t>(folded[0]) << 16) | (static_cast<uint32_t>(folded[1]) << 8) |
         folded[2];
}

// Codes the ascending `blocks` (each below `block_count`) as the shortest
// kind, replacing `out`.
FilterListKind EncodeFilterList(std::span<const uint32_t> blocks, uint32_t block_count,
                                std::vector<uint8_t>& out);

// Decodes a list of `kind` into `bits` (a bit for each of `block_count`
// blocks, as many 64-bit words as they need). False when the bytes are not
// such a list: a number past the last block, a number cut off, blocks out
// of order, bytes left over, a bitmap of the wrong size or with bits past
// the last block.
bool DecodeFilterList(FilterListKind kind, std::span<const uint8_t> bytes, uint32_t block_count,
                      std::vector<uint64_t>& bits);

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_FILTER_FORMAT_H_
