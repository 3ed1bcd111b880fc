// FreeSearchBlockRange: the least and the greatest text, folded through
// FoldTable, of the entries of one block of a free-search entry file.
//
// A text equal to a term, or beginning with it, lies between the least and
// the greatest text of its block, so a search in those two modes passes
// over every block whose range cannot hold the term without looking at its
// bytes. Builders write the entries in order, which makes the ranges of
// the blocks follow one another and such a search read a block or two;
// entries in any other order give wider ranges and only fewer blocks
// passed over, never a different result.
//
// The walk over the entries is that of FreeSearchBlockIndex
// (FreeSearchEntryEnd): it ends at the first entry that is not whole inside
// the block, so the range covers exactly the entries a search can match.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_BLOCK_RANGE_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_BLOCK_RANGE_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vx {

class FreeSearchBlockRange {
 public:
  // Walks `block` and keeps the least and greatest folded entry text.
  void Build(std::span<const uint8_t> block);
  // Whether the range was built from a block of `size` bytes.
  bool BuiltFor(size_t size) const { return built_ && block_size_ == size; }

  // Whether an entry of the block may equal `folded_term` (or, with
  // `prefix`, begin with it); `folded_term` is folded through FoldTable.
  // False only when no entry can.
  bool MayHold(std::string_view folded_term, bool prefix) const;

 private:
  bool built_ = false;
  size_t block_size_ = 0;
  bool has_entries_ = false;
  std::string least_;     // folded
  std::string greatest_;  // folded
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_BLOCK_RANGE_H_
