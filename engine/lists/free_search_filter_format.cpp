#include "engine/lists/free_search_filter_format.h"

#include <algorithm>
#include <cstring>

#include "engine/util/byte_order.h"
#include "engine/util/crc32c.h"

namespace vx {
namespace {

constexpr uint8_t kMagic[4] = {'V', 'X', 'T', 'F'};
constexpr size_t kHeaderCrcAt = 60;

size_t VarintSize(uint64_t v) {
  size_t n = 1;
  for (; v >= 0x80; v >>= 7)
    ++n;
  return n;
}

void PutVarint(std::vector<uint8_t>& out, uint64_t v) {
  for (; v >= 0x80; v >>= 7)
    out.push_back(static_cast<uint8_t>((v & 0x7F) | 0x80));
  out.push_back(static_cast<uint8_t>(v));
}

// Bytes of each kind for the ascending `blocks`.
struct KindSizes {
  uint64_t present = 0;
  uint64_t absent = 0;
  uint64_t bitmap = 0;
};

KindSizes SizesOf(std::span<const uint32_t> blocks, uint32_t block_count) {
  KindSizes sizes;
  sizes.bitmap = (static_cast<uint64_t>(block_count) + 7) / 8;
  // The absent blocks come in gaps between the present ones: the first of
  // a gap is coded as the distance over the present blocks before it, the
  // others of the gap as 0.
  uint64_t previous_absent = 0;  // one past the last absent block coded
  bool any_absent = false;
  uint64_t expected = 0;  // the next block, were the blocks consecutive
  auto add_gap = [&](uint64_t first, uint64_t end) {
    if (first >= end) return;
    sizes.absent += VarintSize(any_absent ? first - previous_absent : first) + (end - first - 1);
    any_absent = true;
    previous_absent = end;
  };
  for (size_t i = 0; i < blocks.size(); ++i) {
    sizes.present += VarintSize(i == 0 ? blocks[0] : blocks[i] - blocks[i - 1] - 1);
    add_gap(expected, blocks[i]);
    expected = static_cast<uint64_t>(blocks[i]) + 1;
  }
  add_gap(expected, block_count);
  return sizes;
}

void PutNumbers(std::vector<uint8_t>& out, uint64_t number, bool& first, uint64_t& previous) {
  PutVarint(out, first ? number : number - previous - 1);
  first = false;
  previous = number;
}

// Reads kind 0 numbers into `bits`, which must be clear.
bool DecodeNumbers(std::span<const uint8_t> bytes, uint32_t block_count,
                   std::vector<uint64_t>& bits) {
  uint64_t next = 0;  // the least number the next one may be
  size_t at = 0;
  while (at < bytes.size()) {
    uint64_t v = 0;
    for (int shift = 0;; shift += 7) {
      if (at == bytes.size() || shift > 35) return false;
      const uint8_t byte = bytes[at++];
      v |= static_cast<uint64_t>(byte & 0x7F) << shift;
      if (byte < 0x80) break;
    }
    const uint64_t block = next + v;
    if (block >= block_count) return false;
    bits[block / 64] |= uint64_t{1} << (block % 64);
    next = block + 1;
  }
  return true;
}

}  // namespace

uint64_t FreeSearchFilterHeader::ListsOffset() const {
  return BlockTableOffset() + static_cast<uint64_t>(block_count) * kFilterBlockRowSize;
}

uint64_t FreeSearchFilterHeader::DirectoryOffset() const {
  return ListsOffset() + lists_size;
}

uint64_t FreeSearchFilterHeader::FileSize() const {
  return DirectoryOffset() + static_cast<uint64_t>(trigram_count) * kFilterTrigramRowSize;
}

void FreeSearchFilterHeader::Store(uint8_t (&bytes)[kFilterHeaderSize]) const {
  std::memset(bytes, 0, sizeof bytes);
  std::memcpy(bytes, kMagic, sizeof kMagic);
  StoreU32(bytes + 4, kFilterVersion);
  StoreU64(bytes + 8, entry_file_size);
  StoreU32(bytes + 16, entry_file_blocks);
  StoreU32(bytes + 20, entry_count);
  StoreU32(bytes + 24, block_count);
  StoreU32(bytes + 28, trigram_count);
  StoreU64(bytes + 32, lists_size);
  StoreU32(bytes + 40, block_table_crc);
  StoreU32(bytes + 44, directory_crc);
  StoreU32(bytes + kHeaderCrcAt, Crc32c({bytes, kHeaderCrcAt}));
}

bool FreeSearchFilterHeader::Load(std::span<const uint8_t> bytes) {
  if (bytes.size() < kFilterHeaderSize) return false;
  const uint8_t* p = bytes.data();
  if (std::memcmp(p, kMagic, sizeof kMagic) != 0 || LoadU32(p + 4) != kFilterVersion) return false;
  if (LoadU32(p + kHeaderCrcAt) != Crc32c({p, kHeaderCrcAt})) return false;
  entry_file_size = LoadU64(p + 8);
  entry_file_blocks = LoadU32(p + 16);
  entry_count = LoadU32(p + 20);
  block_count = LoadU32(p + 24);
  trigram_count = LoadU32(p + 28);
  lists_size = LoadU64(p + 32);
  block_table_crc = LoadU32(p + 40);
  directory_crc = LoadU32(p + 44);
  // Sizes that no file can have would overflow the offsets.
  return lists_size < (uint64_t{1} << 48);
}

FilterListKind EncodeFilterList(std::span<const uint32_t> blocks, uint32_t block_count,
                                std::vector<uint8_t>& out) {
  out.clear();
  const KindSizes sizes = SizesOf(blocks, block_count);
  bool first = true;
  uint64_t previous = 0;
  if (sizes.present <= sizes.absent && sizes.present <= sizes.bitmap) {
    for (const uint32_t block : blocks)
      PutNumbers(out, block, first, previous);
    return FilterListKind::kPresent;
  }
  if (sizes.absent <= sizes.bitmap) {
    size_t i = 0;
    for (uint64_t block = 0; block < block_count; ++block) {
      if (i < blocks.size() && blocks[i] == block) {
        ++i;
      } else {
        PutNumbers(out, block, first, previous);
      }
    }
    return FilterListKind::kAbsent;
  }
  out.assign(sizes.bitmap, 0);
  for (const uint32_t block : blocks)
    out[block / 8] |= static_cast<uint8_t>(1u << (block % 8));
  return FilterListKind::kBitmap;
}

bool DecodeFilterList(FilterListKind kind, std::span<const uint8_t> bytes, uint32_t block_count,
                      std::vector<uint64_t>& bits) {
  const size_t words = (static_cast<size_t>(block_count) + 63) / 64;
  bits.assign(words, 0);
  switch (kind) {
    case FilterListKind::kPresent:
      return DecodeNumbers(bytes, block_count, bits);
    case FilterListKind::kAbsent: {
      if (!DecodeNumbers(bytes, block_count, bits)) return false;
      for (uint64_t& word : bits)
        word = ~word;
      if (block_count % 64 != 0) bits.back() &= (uint64_t{1} << (block_count % 64)) - 1;
      return true;
    }
    case FilterListKind::kBitmap: {
      if (bytes.size() != (static_cast<size_t>(block_count) + 7) / 8) return false;
      for (size_t k = 0; k < bytes.size(); ++k)
        bits[k / 8] |= static_cast<uint64_t>(bytes[k]) << (8 * (k % 8));
      if (block_count % 8 != 0 && (bytes.back() >> (block_count % 8)) != 0) return false;
      return true;
    }
  }
  return false;
}

}  // namespace vx
