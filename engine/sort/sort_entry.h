// The (key, value) pairs of the external sorter and their order.
#ifndef VX_ENGINE_SORT_SORT_ENTRY_H_
#define VX_ENGINE_SORT_SORT_ENTRY_H_

#include <cstdint>
#include <string>

#include "engine/text/collation.h"

namespace vx {

struct SortEntry {
  std::string key;  // Windows-1252 text
  uint32_t value = 0;
};

// Keys in folded order (FoldTable), equal keys by value, lower value first.
inline bool SortsBefore(const SortEntry& a, const SortEntry& b) {
  return CompareTextsThenIndex(a.key.c_str(), b.key.c_str(), a.value, b.value, FoldTable()) < 0;
}

}  // namespace vx

#endif  // VX_ENGINE_SORT_SORT_ENTRY_H_
