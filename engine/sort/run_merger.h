// RunMerger: reads sorted runs of a spill file together with a sorted batch
// in memory as one sequence in SortsBefore order.
//
// Memory: one expanded chunk per run (at most SpillFile::kChunkEntries
// entries each); the batch is read in place.
#ifndef VX_ENGINE_SORT_RUN_MERGER_H_
#define VX_ENGINE_SORT_RUN_MERGER_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/sort/sort_entry.h"
#include "engine/sort/spill_file.h"

namespace vx {

class RunMerger {
 public:
  // `file` may be null when `runs` is empty. The file, the run table and the
  // batch must stay unchanged while the merger is used.
  RunMerger(SpillFile* file, std::span<const SpillRun> runs, std::span<const SortEntry> batch);
  RunMerger(const RunMerger&) = delete;
  RunMerger& operator=(const RunMerger&) = delete;

  // The next entry, valid until the next call; null after the last entry,
  // and from the point where a run could not be read back (then Ok() is
  // false).
  const SortEntry* Next();

  bool Ok() const { return ok_; }

 private:
  struct Source {
    std::vector<SortEntry> chunk;  // the run's current chunk
    std::span<const SortEntry> items;
    size_t index = 0;
    uint64_t next_offset = 0;  // of the run's next chunk
    uint64_t unread = 0;       // entries of the run in chunks not yet read
  };

  // True when `source` has a current entry, reading its next chunk if need be.
  bool HasHead(Source& source);
  const SortEntry& Head(size_t source) const;
  // Orders the heap so that the source with the least head is at the front.
  bool HeadAfter(size_t a, size_t b) const;
  void PushSource(size_t source);

  SpillFile* file_;
  std::vector<Source> sources_;
  std::vector<size_t> heap_;
  SortEntry current_;
  bool ok_ = true;
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_RUN_MERGER_H_
