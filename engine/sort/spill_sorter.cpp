#include "engine/sort/spill_sorter.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace vx {
namespace {

// What each item of the batch costs beside its bytes: its entry, and the
// buffer the stable sort takes.
constexpr size_t kItemOverhead = sizeof(uint64_t) * 2 + sizeof(uint32_t) * 2 + 12;
constexpr size_t kSmallestBlock = 16 << 10;
constexpr size_t kFanIn = 16;

uint64_t PrefixOf(std::string_view key) {
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    prefix <<= 8;
    if (i < key.size()) prefix |= static_cast<uint8_t>(key[i]);
  }
  return prefix;
}

}  // namespace

// Reads the sorted batch in memory as if it were a run.
class SpillSorter::BatchReader final : public RunReader {
 public:
  explicit BatchReader(std::span<const Item> items) : items_(items) {}

  bool Advance(bool&) override {
    if (next_ == items_.size()) return false;
    const Item& item = items_[next_++];
    key_ = std::string_view(item.key, item.key_size);
    payload_ = std::string_view(item.key + item.key_size, item.payload_size);
    return true;
  }

 private:
  std::span<const Item> items_;
  size_t next_ = 0;
};

SpillSorter::SpillSorter(size_t budget, std::filesystem::path temp_dir, const RunFormat& format,
                         size_t batch_limit)
    : budget_(std::max<size_t>(budget, 4096)),
      temp_dir_(std::move(temp_dir)),
      format_(format),
      batch_limit_(std::max<size_t>(batch_limit, 1)),
      block_size_(std::clamp<size_t>(budget / 16, kSmallestBlock, 16 << 20)) {}

std::filesystem::path SpillSorter::SpillPath() const {
  return file_ != nullptr ? std::filesystem::path(file_->path()) : std::filesystem::path();
}

bool SpillSorter::Less(const Item& a, const Item& b) {
  if (a.prefix != b.prefix) return a.prefix < b.prefix;
  const size_t n = std::min(a.key_size, b.key_size);
  if (n > 8) {
    const int c = std::memcmp(a.key + 8, b.key + 8, n - 8);
    if (c != 0) return c < 0;
  }
  return a.key_size < b.key_size;
}

size_t SpillSorter::MemoryUsed() const {
  return bytes_allocated_ + batch_.capacity() * sizeof(Item) + batch_.size() * 12;
}

// True when an item of `bytes` would take the batch beyond its budget or
// its limit.
bool SpillSorter::BatchIsFull(size_t bytes) const {
  if (batch_.empty()) return false;
  if (batch_.size() >= batch_limit_) return true;
  const bool grows = batch_.size() == batch_.capacity();
  const size_t growth = grows ? std::max<size_t>(batch_.capacity(), 1024) * sizeof(Item) * 2 : 0;
  const bool new_block = blocks_.empty() || block_capacity_ - block_used_ < bytes;
  const size_t block = new_block ? std::max(NextBlockSize(), bytes) : 0;
  return MemoryUsed() + growth + block + bytes + kItemOverhead > budget_;
}

// The first block is small, so that a small sort does not take a large one.
size_t SpillSorter::NextBlockSize() const {
  return blocks_.empty() ? kSmallestBlock : block_size_;
}

char* SpillSorter::Allocate(size_t n) {
  if (n > block_size_) {
    blocks_.emplace_back(new char[n]);
    bytes_allocated_ += n;
    block_used_ = block_capacity_;  // the next small item starts a new block
    return blocks_.back().get();
  }
  if (blocks_.empty() || block_capacity_ - block_used_ < n) {
    block_capacity_ = std::max(NextBlockSize(), n);
    blocks_.emplace_back(new char[block_capacity_]);
    bytes_allocated_ += block_capacity_;
    block_used_ = 0;
  }
  char* p = blocks_.back().get() + block_used_;
  block_used_ += n;
  return p;
}

bool SpillSorter::Add(std::string_view key, std::string_view payload) {
  if (finished_) {
    finished_ = false;
    merger_.reset();
  }
  const size_t bytes = key.size() + payload.size();
  bool written = true;
  if (!write_failed_ && BatchIsFull(bytes)) written = Spill();
  char* p = Allocate(std::max<size_t>(bytes, 1));
  // An empty view may have no data at all, which memcpy must not be given.
  if (!key.empty()) std::memcpy(p, key.data(), key.size());
  if (!payload.empty()) std::memcpy(p + key.size(), payload.data(), payload.size());
  batch_.push_back(
      {PrefixOf(key), p, static_cast<uint32_t>(key.size()), static_cast<uint32_t>(payload.size())});
  ++count_;
  return written;
}

void SpillSorter::SortBatch() {
  std::stable_sort(batch_.begin(), batch_.end(), Less);
}

bool SpillSorter::OpenSpillFile() {
  if (file_ == nullptr)
    file_ = SpillFile::Create(temp_dir_, format_.NamePrefix(), format_.KeepsName());
  return file_ != nullptr;
}

// Writes the batch as a run of level 0 and lets it go; on failure it stays,
// and so does every item added later.
bool SpillSorter::Spill() {
  SortBatch();
  if (OpenSpillFile()) {
    std::vector<std::unique_ptr<RunReader>> batch;
    batch.push_back(std::make_unique<BatchReader>(batch_));
    RunMerger merger(std::move(batch));
    if (WriteRun(merger, 0)) {
      ClearBatch();
      if (MergeYoungRuns()) {
        AssertRuns();
        return true;
      }
    }
  }
  write_failed_ = true;
  return false;
}

void SpillSorter::ClearBatch() {
  std::vector<Item>().swap(batch_);
  blocks_.clear();
  bytes_allocated_ = 0;
  block_used_ = 0;
  block_capacity_ = 0;
}

// Records the run only when all of it was written.
bool SpillSorter::WriteRun(RunMerger& merger, int level) {
  const uint64_t begin = file_->Size();
  const std::unique_ptr<RunWriter> writer = format_.StartRun(*file_);
  std::string_view key, payload;
  while (merger.Next(key, payload)) {
    if (!writer->Add(key, payload)) return false;
  }
  if (merger.failed() || !writer->End()) return false;
  runs_.push_back({{begin, file_->Size()}, level});
  return true;
}

size_t SpillSorter::ReadBufferSize(size_t runs) const {
  return std::clamp<size_t>(budget_ / (4 * (runs + 1)), 16 << 10, 4 << 20);
}

std::unique_ptr<RunMerger> SpillSorter::MergerOf(std::span<const Run> runs, bool with_batch) {
  const size_t buffer_size = ReadBufferSize(runs.size());
  std::vector<std::unique_ptr<RunReader>> readers;
  for (const Run& run : runs)
    readers.push_back(format_.OpenRun(*file_, run.bytes, buffer_size));
  // The batch holds the items added last.
  if (with_batch) readers.push_back(std::make_unique<BatchReader>(batch_));
  return std::make_unique<RunMerger>(std::move(readers));
}

// Runs are merged sixteen at a time as they pile up, the youngest runs of
// one level into one run of the next. The merged run is appended; the
// space of its parts is not reused, so the file holds each item once per
// level (with a budget of any size, a level or two). On failure the runs
// stay as they were.
bool SpillSorter::MergeYoungRuns() {
  while (runs_.size() >= kFanIn) {
    const size_t first = runs_.size() - kFanIn;
    const int level = runs_.back().level;
    for (size_t i = first; i < runs_.size(); ++i) {
      if (runs_[i].level != level) return true;
    }
    const std::vector<Run> young(runs_.begin() + static_cast<std::ptrdiff_t>(first), runs_.end());
    const std::unique_ptr<RunMerger> merger = MergerOf(young, false);
    runs_.resize(first);
    if (!WriteRun(*merger, level + 1)) {
      runs_.resize(first);
      runs_.insert(runs_.end(), young.begin(), young.end());
      return false;
    }
  }
  return true;
}

void SpillSorter::AssertRuns() const {
#ifndef NDEBUG
  size_t same_level = 0;
  for (size_t i = 0; i < runs_.size(); ++i) {
    const Run& run = runs_[i];
    assert(run.bytes.begin <= run.bytes.end && run.bytes.end <= file_->Size());
    // Older runs first, their levels never rising: at most fifteen of each.
    same_level = i > 0 && runs_[i - 1].level == run.level ? same_level + 1 : 1;
    assert(i == 0 || runs_[i - 1].level >= run.level);
    assert(same_level < kFanIn);
  }
#endif
}

bool SpillSorter::Finish(bool may_stay_in_memory) {
  finished_ = true;
  // With runs on disc the last batch joins them, so that reading needs no
  // more than the runs' buffers.
  const bool spill = !runs_.empty() || !may_stay_in_memory;
  if (spill && !batch_.empty() && !write_failed_) Spill();
  SortBatch();
  Rewind();
  return Ok();
}

void SpillSorter::Rewind() {
  batch_next_ = 0;
  merger_.reset();
  if (!runs_.empty()) {
    merger_ = MergerOf(runs_, !batch_.empty());
    if (merger_->failed()) read_failed_ = true;
  }
}

bool SpillSorter::Next(std::string_view& key, std::string_view& payload) {
  if (read_failed_ || !finished_) return false;
  if (merger_) {
    if (merger_->Next(key, payload)) return true;
    if (merger_->failed()) read_failed_ = true;
    return false;
  }
  if (batch_next_ >= batch_.size()) return false;
  const Item& item = batch_[batch_next_++];
  key = std::string_view(item.key, item.key_size);
  payload = std::string_view(item.key + item.key_size, item.payload_size);
  return true;
}

}  // namespace vx
