// FreeSearchBlockIndex: where the entries of one block of a free-search
// entry file start, found by walking the block once, so that a search can
// tell which entry a match lies in without walking the block again.
//
// An entry is a text ended by a zero byte, then u32 a and u32 b; the next
// entry follows directly. The bytes are untrusted: the walk ends at the
// first entry that is not whole inside the block (no zero byte before the
// end, or a and b running past it), so a damaged block has the entries
// before the damage, and every entry lies inside the block.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_BLOCK_INDEX_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_BLOCK_INDEX_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vx {

struct FreeSearchEntry {
  static constexpr size_t kTrailerSize = 9;  // the zero byte, a and b

  size_t begin = 0;  // the text is [begin, end) of the block
  size_t end = 0;    // the zero byte; the next entry starts at end + 9
  uint32_t a = 0;
  uint32_t b = 0;

  size_t size() const { return end - begin; }
  size_t next() const { return end + kTrailerSize; }
};

// The zero byte that ends the entry starting at `position` of `block`, or
// FreeSearchBlockIndex::kNone when that entry is not whole inside the block
// (no zero byte, or a and b running past its end).
size_t FreeSearchEntryEnd(std::span<const uint8_t> block, size_t position);

class FreeSearchBlockIndex {
 public:
  static constexpr size_t kNone = static_cast<size_t>(-1);

  // Walks `block` (at most 4 GB) and records its entries.
  void Build(std::span<const uint8_t> block);
  // Whether the index was built from a block of `size` bytes; an index is
  // used only with the bytes it was built from.
  bool BuiltFor(size_t size) const { return built_ && block_size_ == size; }

  size_t size() const { return starts_.size() - 1; }

  // Entry k (< size()) of `block`, the bytes the index was built from.
  FreeSearchEntry Entry(std::span<const uint8_t> block, size_t k) const;

  // The entry whose bytes (text, zero byte, a and b) hold position `p`, or
  // kNone when `p` lies beyond the last entry. The lookup starts at entry
  // `hint`, which must not lie after the entry sought (0 always works; a
  // search moving forward passes its previous result).
  size_t EntryAt(size_t p, size_t hint) const;

  // Whether bytes [begin, end) of the block are exactly the `entries`
  // entries from entry `first` on.
  bool HoldsRun(size_t first, size_t entries, size_t begin, size_t end) const {
    return first <= size() && entries <= size() - first && starts_[first] == begin &&
           starts_[first + entries] == end;
  }

 private:
  bool built_ = false;
  size_t block_size_ = 0;
  // Entry k occupies [starts_[k], starts_[k + 1]).
  std::vector<uint32_t> starts_ = {0};
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_BLOCK_INDEX_H_
