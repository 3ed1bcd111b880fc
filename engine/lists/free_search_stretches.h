// The part of a free-search that reads entries: given the stretches of
// blocks a search must read, which entries in them match. A long search
// (megabytes of entries, a common term or no filter) is shared out among
// the cores, each reading its own stretches and handing its matches to a
// sink on its own thread (which may set their records apart from the
// others'); everything else a search does (the blocks' ranges, the filter,
// messages) stays on the caller's thread, before and after.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_STRETCHES_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_STRETCHES_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/lists/free_search_block_index.h"
#include "engine/text/folded_finder.h"

namespace vx {

// How an entry's text must relate to a search term, both folded through
// FoldTable.
enum class FreeSearchMode : int {
  kEqual = 0,       // the text is the term
  kBeginsWith = 1,  // the text begins with the term
  kContains = 2,    // the term occurs anywhere in the text
};

// Bytes [begin, end) of one block, whole entries from entry `first_entry`
// on, and which terms may lie in them.
struct FreeSearchStretch {
  uint64_t offset = 0;  // of the block's length word in the entry file
  std::span<const uint8_t> block;
  size_t begin = 0;
  size_t end = 0;
  size_t first_entry = 0;
  size_t terms = 0;  // where its flags start in the search's flags
  // The block's index, built when a match first needs it; null for a block
  // too small to keep one for (the search then builds its own).
  FreeSearchBlockIndex* index = nullptr;
  std::vector<uint32_t> marked;  // the entries found, ascending
};

struct FreeSearchTermsOf {
  const std::vector<FoldedFinder>& finders;
  // For each stretch, a flag for each finder: whether its term may lie there.
  const std::vector<uint8_t>& may_hold;
  FreeSearchMode mode;
};

// Receives each stretch with matches, with its block's index, on the
// thread that read it, `share` telling the threads' shares apart (0 is read
// on the caller's thread; shares are numbered in the stretches' order).
class FreeSearchMatchSink {
 public:
  virtual ~FreeSearchMatchSink() = default;
  virtual void Matched(size_t share, const FreeSearchStretch& stretch,
                       const FreeSearchBlockIndex& index) = 0;
};

// Sets each stretch's `marked`, and hands the stretches with matches to
// `sink` when there is one. Stretches of one block must come one after
// the other (a block's index is built by one thread only). `workers` is
// how many threads may share the work (at least 1; one reads on the
// caller's thread).
void FindInStretches(std::span<FreeSearchStretch> stretches, const FreeSearchTermsOf& terms,
                     size_t workers, FreeSearchMatchSink* sink = nullptr);

// How many threads a search of `bytes` of entries is worth.
size_t WorkersFor(uint64_t bytes);

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_STRETCHES_H_
