// Tvxsortera: sorts (key, value) pairs in Swedish folded order, more of them
// than fit in memory.
//
// Use: Init(capacity), Add pairs, Sort, then read Entry(1) .. Entry(Count()).
// At most `capacity` pairs are held in memory; a full batch is sorted and
// written as a run to a compressed spill file (see spill_file.h), and Sort
// merges the runs with the last batch, so the entries come out in one order
// however many batches were spilled. Reading forwards keeps memory bounded:
// the batch plus one chunk per run.
//
// The order is SortsBefore: keys under FoldTable(), equal keys by value,
// lower value first.
//
// Never fails on Add: when the spill file cannot be created or written, the
// entries stay in memory beyond the capacity.
#ifndef VX_ENGINE_SORT_SORTER_H_
#define VX_ENGINE_SORT_SORTER_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/sort/run_merger.h"
#include "engine/sort/sort_entry.h"
#include "engine/sort/spill_file.h"

namespace vx {

class Tvxsortera {
 public:
  // Beyond this many runs, the runs are first merged into one.
  static constexpr size_t kMaxRuns = 100;

  Tvxsortera() = default;
  ~Tvxsortera() = default;
  Tvxsortera(const Tvxsortera&) = delete;
  Tvxsortera& operator=(const Tvxsortera&) = delete;

  // Discards all entries and the spill file; at most `capacity` entries are
  // then held in memory. With capacity 0 every pair is dropped.
  void Init(size_t capacity);

  // Directory of spill files made from now on; empty (the default) for the
  // system's temporary directory.
  void SetTempDirectory(std::filesystem::path directory) { temp_directory_ = std::move(directory); }

  // Adds a pair, spilling the batch first when it is full. Keys longer than
  // SpillFile::kMaxKeyLength bytes are cut to that length.
  void Add(std::string_view key, uint32_t value);

  // Orders all entries added so far for reading.
  void Sort();

  // The number of entries added since Init.
  size_t Count() const { return spilled_count_ + batch_.size(); }

  // Entry i (1-based) in sorted order; null when i is outside 1..Count(),
  // when entries were added after the last Sort, or when a spilled run could
  // not be read back (then Ok() is false). The entry stays valid until the
  // next call of Entry, Add, Sort or Init.
  // Without spilled runs any order of access is cheap. With runs the
  // entries are merged forwards: an i at or after the last one read costs
  // the steps to it, a smaller i restarts the merge from the first entry.
  const SortEntry* Entry(size_t i);

  // False once a spilled run could not be read back.
  bool Ok() const { return ok_; }

  // How the entries are held: in memory, and in runs of the spill file.
  size_t BufferedCount() const { return batch_.size(); }
  size_t RunCount() const { return runs_.size(); }
  // The spill file's path; empty while there is none.
  std::filesystem::path SpillPath() const;

 private:
  void SortBatch();
  void Spill();
  bool WriteRun(SpillFile& file, std::span<const SortEntry> entries);
  bool MergeAllRuns();
  void ForgetReading();

  size_t capacity_ = 0;
  std::filesystem::path temp_directory_;
  std::vector<SortEntry> batch_;
  std::unique_ptr<SpillFile> file_;
  std::vector<SpillRun> runs_;
  size_t spilled_count_ = 0;
  bool spill_failed_ = false;
  bool sorted_ = false;
  bool ok_ = true;

  std::unique_ptr<RunMerger> merger_;
  size_t merged_position_ = 0;  // 1-based index of merged_current_
  const SortEntry* merged_current_ = nullptr;
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_SORTER_H_
