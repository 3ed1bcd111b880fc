// SpillSorter: the external sorter. Sorts items (a key and a payload, both
// bytes) by their keys, more of them than a memory budget holds. The
// builder uses it directly; Tvxsortera (sorter.h) is a thin layer over it
// for (text, value) entries.
//
// Keys compare as unsigned bytes, a key that is a prefix of another first;
// items with equal keys come out in the order they were added. Items are
// held in memory until the budget (or the batch limit) is reached; then
// they are sorted and written as a run to a temporary file, the spill file,
// and reading merges the runs. Runs are merged sixteen at a time as they
// pile up, so that reading never needs more than a few dozen of them. Only
// the file grows with the number of items: memory stays within the budget
// (plus a read buffer per run).
//
// How the runs are laid out in the file, and what it is called, is the
// RunFormat's (run_format.h); PlainRuns() unless the caller names another.
//
// Use: Add items, Finish, then Next until it returns false; Rewind reads
// them again from the first. Adding after Finish starts a new round of
// adding; Finish again before reading.
#ifndef VX_ENGINE_SORT_SPILL_SORTER_H_
#define VX_ENGINE_SORT_SPILL_SORTER_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "engine/sort/plain_runs.h"
#include "engine/sort/run_format.h"
#include "engine/sort/run_merger.h"
#include "engine/sort/spill_file.h"

namespace vx {

class SpillSorter {
 public:
  // Runs go to a new file in `temp_dir`, made on the first spill and
  // removed when the sorter goes. A batch is also spilled when it holds
  // `batch_limit` items.
  SpillSorter(size_t budget, std::filesystem::path temp_dir, const RunFormat& format = PlainRuns(),
              size_t batch_limit = SIZE_MAX);
  ~SpillSorter() = default;
  SpillSorter(const SpillSorter&) = delete;
  SpillSorter& operator=(const SpillSorter&) = delete;

  // False when a run cannot be written (the disc is full). The item is
  // kept all the same: nothing is lost, but from then on every item stays
  // in memory, beyond the budget.
  bool Add(std::string_view key, std::string_view payload);

  // Ends adding and starts reading at the first item. Unless
  // `may_stay_in_memory`, items still in memory are written out too, so
  // that the sorter then holds no more than its read buffers; so are they
  // when runs were written before. False when something could not be
  // written or read back; after a write failure the items can still be
  // read, from memory and the runs written before.
  bool Finish(bool may_stay_in_memory = true);

  // The next item in order, valid until the next call; false after the last
  // one, or when a run cannot be read back (then ReadFailed() is true).
  bool Next(std::string_view& key, std::string_view& payload);

  // Reading starts again at the first item.
  void Rewind();

  // False once a run could not be written or read back.
  bool Ok() const { return !write_failed_ && !read_failed_; }
  bool ReadFailed() const { return read_failed_; }

  uint64_t Count() const { return count_; }
  // How the items are held: runs in the spill file, and items in memory.
  size_t RunCount() const { return runs_.size(); }
  size_t BufferedCount() const { return batch_.size(); }
  // Where the runs go (for messages), and the spill file's name; empty
  // while nothing was spilled.
  const std::filesystem::path& TempDirectory() const { return temp_dir_; }
  std::filesystem::path SpillPath() const;

 private:
  struct Item {
    uint64_t prefix;  // the first eight key bytes, big-endian
    const char* key;  // key bytes, then payload bytes
    uint32_t key_size;
    uint32_t payload_size;
  };
  struct Run {
    SpillRun bytes;
    int level;  // 0: a batch; n + 1: sixteen runs of level n merged
  };
  class BatchReader;

  static bool Less(const Item& a, const Item& b);
  bool BatchIsFull(size_t bytes) const;
  size_t MemoryUsed() const;
  size_t NextBlockSize() const;
  char* Allocate(size_t n);
  void SortBatch();
  bool Spill();
  void ClearBatch();
  bool OpenSpillFile();
  bool WriteRun(RunMerger& merger, int level);
  bool MergeYoungRuns();
  // Debug builds: the run table as MergeYoungRuns leaves it.
  void AssertRuns() const;
  size_t ReadBufferSize(size_t runs) const;
  std::unique_ptr<RunMerger> MergerOf(std::span<const Run> runs, bool with_batch);

  size_t budget_;
  std::filesystem::path temp_dir_;
  const RunFormat& format_;
  size_t batch_limit_;
  std::unique_ptr<SpillFile> file_;
  std::vector<Run> runs_;
  uint64_t count_ = 0;
  bool write_failed_ = false;
  bool read_failed_ = false;
  bool finished_ = false;

  // The batch in memory: items in blocks allocated as they fill.
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t block_used_ = 0;      // of the last block
  size_t block_capacity_ = 0;  // of the last block
  size_t block_size_ = 0;      // of every block after the first
  size_t bytes_allocated_ = 0;
  std::vector<Item> batch_;

  // Reading: the runs merged (with the batch when it could not be written),
  // or the batch alone when nothing was spilled.
  std::unique_ptr<RunMerger> merger_;
  size_t batch_next_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_SPILL_SORTER_H_
