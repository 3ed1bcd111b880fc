// SpillSorter: sorts items (a key and a payload, both bytes) by their keys,
// more of them than a memory budget holds.
//
// Keys compare as unsigned bytes, a key that is a prefix of another first;
// items with equal keys come out in the order they were added. Items are
// held in memory until the budget is reached; then they are sorted and
// written as a run to a temporary file, and reading merges the runs with
// the items still in memory. Only the files' contents grow with the number
// of items: memory stays within the budget (plus a read buffer per run).
//
// Use: Add items, Finish, then Next until it returns false; Rewind reads
// them again from the first.
#ifndef VX_BUILDER_SPILL_SORTER_H_
#define VX_BUILDER_SPILL_SORTER_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/files/file.h"

namespace vx {

class SpillSorter {
 public:
  // Runs go to a new file in `temp_dir`, removed when the sorter goes.
  SpillSorter(size_t budget, std::filesystem::path temp_dir);
  ~SpillSorter();
  SpillSorter(const SpillSorter&) = delete;
  SpillSorter& operator=(const SpillSorter&) = delete;

  // False when a run cannot be written (the disc is full); the sorter is
  // then unusable.
  bool Add(std::string_view key, std::string_view payload);

  // Ends adding and starts reading at the first item. Unless
  // `may_stay_in_memory`, items still in memory are written out too, so
  // that the sorter then holds no more than its read buffers.
  bool Finish(bool may_stay_in_memory = true);

  // The next item in order, valid until the next call; false after the last
  // one, or when a run cannot be read back (then Ok() is false).
  bool Next(std::string_view& key, std::string_view& payload);

  // Reading starts again at the first item.
  void Rewind();

  bool Ok() const { return ok_; }
  uint64_t Count() const { return count_; }
  size_t RunCount() const { return runs_.size(); }
  // Where the runs go (for messages).
  const std::filesystem::path& TempDirectory() const { return temp_dir_; }

 private:
  struct Item {
    uint64_t prefix;  // the first eight key bytes, big-endian
    const char* key;  // key bytes, then payload bytes
    uint32_t key_size;
    uint32_t payload_size;
  };
  struct Run {
    uint64_t begin;
    uint64_t end;
    int level;  // 0: a batch; n + 1: sixteen runs of level n merged
  };
  class RunReader;
  class RunMerger;

  static bool Less(const Item& a, const Item& b);
  size_t MemoryUsed() const;
  char* Allocate(size_t n);
  void SortBatch();
  bool Spill();
  bool OpenTempFile();
  bool WriteBuffered(std::string& buffer, bool last);
  // Appends the items that `next` gives as a run of `level`.
  bool WriteRun(const std::function<bool(std::string_view&, std::string_view&)>& next, int level);
  bool MergeYoungRuns();
  size_t ReadBufferSize(size_t runs) const;

  size_t budget_;
  std::filesystem::path temp_dir_;
  std::string temp_path_;  // set while the file could not be unlinked at once
  File file_;
  uint64_t file_size_ = 0;
  std::vector<Run> runs_;
  uint64_t count_ = 0;
  bool ok_ = true;
  bool finished_ = false;

  // The batch in memory: items in blocks allocated as they fill.
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t block_used_ = 0;
  size_t block_size_ = 0;
  size_t bytes_allocated_ = 0;
  std::vector<Item> batch_;

  // Reading: the runs merged, or the batch when nothing was spilled.
  std::unique_ptr<RunMerger> merger_;
  size_t batch_next_ = 0;
};

}  // namespace vx

#endif  // VX_BUILDER_SPILL_SORTER_H_
