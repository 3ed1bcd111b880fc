// Tvxsortera: sorts (key, value) pairs in Swedish folded order, more of them
// than fit in memory.
//
// Use: Init(capacity), Add pairs, Sort, then read Entry(1) .. Entry(Count()).
// At most `capacity` pairs are held in memory; a full batch is sorted and
// written as a run to a compressed spill file (sort_entry_runs.h), and Sort
// merges the runs, so the entries come out in one order however many
// batches were spilled. Reading forwards keeps memory bounded: one chunk
// per run.
//
// The order is that of sort_entry.h: keys under FoldTable(), equal keys by
// value, lower value first. The sorting itself is SpillSorter's.
//
// Never fails on Add: when the spill file cannot be created or written, the
// entries stay in memory beyond the capacity.
#ifndef VX_ENGINE_SORT_SORTER_H_
#define VX_ENGINE_SORT_SORTER_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "engine/sort/sort_entry.h"
#include "engine/sort/spill_sorter.h"

namespace vx {

class Tvxsortera {
 public:
  Tvxsortera() = default;
  Tvxsortera(const Tvxsortera&) = delete;
  Tvxsortera& operator=(const Tvxsortera&) = delete;

  // Discards all entries and the spill file; at most `capacity` entries are
  // then held in memory. With capacity 0 every pair is dropped.
  void Init(size_t capacity);

  // Directory of spill files made from now on; empty (the default) for the
  // system's temporary directory.
  void SetTempDirectory(std::filesystem::path directory) { temp_directory_ = std::move(directory); }

  // Adds a pair, spilling the batch first when it is full. Keys longer than
  // kMaxSortKeyText bytes are cut to that length.
  void Add(std::string_view key, uint32_t value);

  // Orders all entries added so far for reading.
  void Sort();

  // The number of entries added since Init.
  size_t Count() const { return sorter_ != nullptr ? sorter_->Count() : 0; }

  // Entry i (1-based) in sorted order; null when i is outside 1..Count(),
  // when entries were added after the last Sort, or when a spilled run could
  // not be read back (then Ok() is false). The entry stays valid until the
  // next call of Entry, Add, Sort or Init. Entries are read forwards: an i
  // at or after the last one read costs the steps to it, a smaller i
  // restarts from the first entry.
  const SortEntry* Entry(size_t i);

  // False once a spilled run could not be read back.
  bool Ok() const { return sorter_ == nullptr || !sorter_->ReadFailed(); }

  // How the entries are held: in memory, and in runs of the spill file.
  size_t BufferedCount() const { return sorter_ != nullptr ? sorter_->BufferedCount() : 0; }
  size_t RunCount() const { return sorter_ != nullptr ? sorter_->RunCount() : 0; }
  // The spill file's path; empty while there is none.
  std::filesystem::path SpillPath() const;

 private:
  size_t capacity_ = 0;
  std::filesystem::path temp_directory_;
  std::unique_ptr<SpillSorter> sorter_;  // made on the first Add
  std::string sort_key_;
  bool sorted_ = false;
  size_t position_ = 0;  // 1-based index of current_, 0 before the first
  SortEntry current_;
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_SORTER_H_
