// The (key, value) entries of Tvxsortera and their order: keys in folded
// order (FoldTable), equal keys by value, lower value first.
//
// The entries are sorted as items of the byte-wise SpillSorter under a sort
// key that compares as plain bytes in that order: the key up to its first
// zero byte mapped through FoldTable (which maps no other byte to 0), a
// zero byte, then the value big-endian. The key text itself is the item's
// payload.
#ifndef VX_ENGINE_SORT_SORT_ENTRY_H_
#define VX_ENGINE_SORT_SORT_ENTRY_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

struct SortEntry {
  std::string key;  // Windows-1252 text
  uint32_t value = 0;
};

// Replaces `out` with the sort key of (key, value).
void MakeSortKey(std::string_view key, uint32_t value, std::string& out);

// The value a sort key ends with.
uint32_t ValueOfSortKey(std::string_view sort_key);

}  // namespace vx

#endif  // VX_ENGINE_SORT_SORT_ENTRY_H_
