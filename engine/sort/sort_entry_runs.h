// SortEntryRuns: the spill file of Tvxsortera, runs of compressed chunks
// of its (text, value) entries. The file is a sequence of chunks, each
//   u32  byte length n of the compressed chunk
//   n    one compressed stream ("LH5") of the expanded chunk:
//          u32 0, then up to kChunkEntries entries in sorted order, each
//          u16 key length k, k bytes of key text (no terminator), u32 value.
// A run is one or more consecutive chunks.
//
// The items written are SpillSorter items of sort_entry.h (sort key, key
// text); reading rebuilds the sort key from the entry. The file lives under
// a unique name beginning with "Kal" until the sorter goes.
#ifndef VX_ENGINE_SORT_SORT_ENTRY_RUNS_H_
#define VX_ENGINE_SORT_SORT_ENTRY_RUNS_H_

#include <cstddef>

#include "engine/sort/run_format.h"

namespace vx {

constexpr size_t kChunkEntries = 1000;
constexpr size_t kMaxSortKeyText = 0xFFFF;  // longer key texts are cut

const RunFormat& SortEntryRuns();

}  // namespace vx

#endif  // VX_ENGINE_SORT_SORT_ENTRY_RUNS_H_
