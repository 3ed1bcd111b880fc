#include "builder/spill_sorter.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace vx {
namespace {

constexpr size_t kItemHeader = 8;  // u32 key size, u32 payload size
// What each item of the batch costs beside its bytes: its entry, and the
// buffer the stable sort takes.
constexpr size_t kItemOverhead = sizeof(uint64_t) * 2 + sizeof(uint32_t) * 2 + 12;
constexpr size_t kWriteBuffer = 1 << 20;

uint64_t PrefixOf(std::string_view key) {
  uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i) {
    prefix <<= 8;
    if (i < key.size()) prefix |= static_cast<uint8_t>(key[i]);
  }
  return prefix;
}

void PutU32(std::string& out, uint32_t v) {
  const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8),
                         static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
  out.append(bytes, 4);
}

uint32_t GetU32(const char* p) {
  const auto* b = reinterpret_cast<const uint8_t*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

}  // namespace

// Reads one run forwards through a buffer of its own.
class SpillSorter::RunReader {
 public:
  RunReader(const File& file, Run run, size_t buffer_size)
      : file_(file), next_(run.begin), end_(run.end), buffer_size_(buffer_size) {}

  // Moves to the next item; false at the end of the run or when it cannot
  // be read (then `failed` is set).
  bool Advance(bool& failed) {
    if (!Ensure(kItemHeader, failed)) return false;
    const uint32_t key_size = GetU32(buffer_.data() + position_);
    const uint32_t payload_size = GetU32(buffer_.data() + position_ + 4);
    const size_t size = kItemHeader + key_size + payload_size;
    if (!Ensure(size, failed)) {
      failed = true;  // a run never ends inside an item
      return false;
    }
    const char* item = buffer_.data() + position_ + kItemHeader;
    key_ = std::string_view(item, key_size);
    payload_ = std::string_view(item + key_size, payload_size);
    position_ += size;
    return true;
  }

  std::string_view key() const { return key_; }
  std::string_view payload() const { return payload_; }

 private:
  // True when `n` bytes from the position are in the buffer.
  bool Ensure(size_t n, bool& failed) {
    if (buffer_.size() - position_ >= n) return true;
    buffer_.erase(0, position_);
    position_ = 0;
    const size_t want = std::max(n - buffer_.size(), buffer_size_);
    const size_t take = static_cast<size_t>(std::min<uint64_t>(want, end_ - next_));
    if (take == 0) return false;
    const size_t old = buffer_.size();
    buffer_.resize(old + take);
    if (!file_.ReadAt(next_, buffer_.data() + old, take)) {
      failed = true;
      return false;
    }
    next_ += take;
    return buffer_.size() >= n;
  }

  const File& file_;
  uint64_t next_;
  uint64_t end_;
  size_t buffer_size_;
  std::string buffer_;
  size_t position_ = 0;
  std::string_view key_, payload_;
};

// Reads runs together in key order; equal keys come from the earlier run
// first, so the order in which items were added holds.
class SpillSorter::RunMerger {
 public:
  RunMerger(const File& file, std::span<const Run> runs, size_t buffer_size) {
    for (const Run& run : runs)
      readers_.push_back(std::make_unique<RunReader>(file, run, buffer_size));
    for (size_t i = 0; i < readers_.size() && !failed_; ++i) {
      if (readers_[i]->Advance(failed_)) heap_.push_back(i);
    }
    std::make_heap(heap_.begin(), heap_.end(), After{this});
  }

  // The next item, valid until the next call; false after the last one or
  // when a run cannot be read (then failed() is true).
  bool Next(std::string_view& key, std::string_view& payload) {
    if (last_ != SIZE_MAX && readers_[last_]->Advance(failed_)) {
      heap_.push_back(last_);
      std::push_heap(heap_.begin(), heap_.end(), After{this});
    }
    last_ = SIZE_MAX;
    if (failed_ || heap_.empty()) return false;
    std::pop_heap(heap_.begin(), heap_.end(), After{this});
    last_ = heap_.back();
    heap_.pop_back();
    key = readers_[last_]->key();
    payload = readers_[last_]->payload();
    return true;
  }

  bool failed() const { return failed_; }

 private:
  // Orders the heap so that the least head, of the earliest run, is on top.
  struct After {
    const RunMerger* merger;
    bool operator()(size_t a, size_t b) const {
      const int c = merger->readers_[a]->key().compare(merger->readers_[b]->key());
      return c != 0 ? c > 0 : a > b;
    }
  };

  std::vector<std::unique_ptr<RunReader>> readers_;
  std::vector<size_t> heap_;
  size_t last_ = SIZE_MAX;  // the run of the item returned last
  bool failed_ = false;
};

SpillSorter::SpillSorter(size_t budget, std::filesystem::path temp_dir)
    : budget_(std::max<size_t>(budget, 4096)),
      temp_dir_(std::move(temp_dir)),
      block_size_(std::clamp<size_t>(budget / 16, 16 << 10, 16 << 20)) {}

SpillSorter::~SpillSorter() {
  file_.Close();
  std::error_code ec;
  if (!temp_path_.empty()) std::filesystem::remove(temp_path_, ec);
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

char* SpillSorter::Allocate(size_t n) {
  if (n > block_size_) {
    blocks_.emplace_back(new char[n]);
    bytes_allocated_ += n;
    block_used_ = block_size_;  // the next small item starts a new block
    return blocks_.back().get();
  }
  if (blocks_.empty() || block_size_ - block_used_ < n) {
    blocks_.emplace_back(new char[block_size_]);
    bytes_allocated_ += block_size_;
    block_used_ = 0;
  }
  char* p = blocks_.back().get() + block_used_;
  block_used_ += n;
  return p;
}

bool SpillSorter::Add(std::string_view key, std::string_view payload) {
  if (!ok_) return false;
  const size_t bytes = key.size() + payload.size();
  const bool grows = batch_.size() == batch_.capacity();
  const size_t growth = grows ? std::max<size_t>(batch_.capacity(), 1024) * sizeof(Item) * 2 : 0;
  const size_t block = blocks_.empty() || block_size_ - block_used_ < bytes ? block_size_ : 0;
  if (!batch_.empty() && MemoryUsed() + growth + block + bytes + kItemOverhead > budget_) {
    if (!Spill()) return false;
  }
  char* p = Allocate(std::max<size_t>(bytes, 1));
  // An empty view may have no data at all, which memcpy must not be given.
  if (!key.empty()) std::memcpy(p, key.data(), key.size());
  if (!payload.empty()) std::memcpy(p + key.size(), payload.data(), payload.size());
  batch_.push_back(
      {PrefixOf(key), p, static_cast<uint32_t>(key.size()), static_cast<uint32_t>(payload.size())});
  ++count_;
  return true;
}

void SpillSorter::SortBatch() {
  std::stable_sort(batch_.begin(), batch_.end(), Less);
}

bool SpillSorter::OpenTempFile() {
  if (file_.IsOpen()) return true;
  std::error_code ec;
  std::filesystem::create_directories(temp_dir_, ec);
  if (!file_.CreateUnique(temp_dir_.string(), ".vx-sortering-")) return false;
  temp_path_ = file_.path();
  // Unlinked at once where the system allows: nothing is left behind even
  // when the program is killed.
  if (std::filesystem::remove(temp_path_, ec)) temp_path_.clear();
  return true;
}

bool SpillSorter::WriteBuffered(std::string& buffer, bool last) {
  if (buffer.size() < kWriteBuffer && !last) return true;
  if (!file_.WriteAt(file_size_, buffer.data(), buffer.size())) return false;
  file_size_ += buffer.size();
  buffer.clear();
  return true;
}

size_t SpillSorter::ReadBufferSize(size_t runs) const {
  return std::clamp<size_t>(budget_ / (4 * (runs + 1)), 16 << 10, 4 << 20);
}

bool SpillSorter::WriteRun(const std::function<bool(std::string_view&, std::string_view&)>& next,
                           int level) {
  const uint64_t begin = file_size_;
  std::string buffer;
  std::string_view key, payload;
  while (next(key, payload)) {
    PutU32(buffer, static_cast<uint32_t>(key.size()));
    PutU32(buffer, static_cast<uint32_t>(payload.size()));
    buffer.append(key);
    buffer.append(payload);
    if (!WriteBuffered(buffer, false)) return false;
  }
  if (!WriteBuffered(buffer, true)) return false;
  runs_.push_back({begin, file_size_, level});
  return true;
}

// Runs are merged sixteen at a time as they pile up, the youngest runs of
// one level into one run of the next, so that reading never needs more
// than a few dozen buffers however small the budget. The merged run is
// appended; the space of its parts is not reused, so the file holds each
// item once per level (with a budget of any size, a level or two).
bool SpillSorter::MergeYoungRuns() {
  constexpr size_t kFanIn = 16;
  while (runs_.size() >= kFanIn) {
    const size_t first = runs_.size() - kFanIn;
    const int level = runs_.back().level;
    for (size_t i = first; i < runs_.size(); ++i) {
      if (runs_[i].level != level) return true;
    }
    const std::vector<Run> young(runs_.begin() + static_cast<std::ptrdiff_t>(first), runs_.end());
    runs_.resize(first);
    RunMerger merger(file_, young, ReadBufferSize(kFanIn));
    const bool written = WriteRun(
        [&](std::string_view& key, std::string_view& payload) { return merger.Next(key, payload); },
        level + 1);
    if (!written || merger.failed()) return false;
  }
  return true;
}

bool SpillSorter::Spill() {
  SortBatch();
  ok_ = OpenTempFile();
  size_t next = 0;
  ok_ = ok_ && WriteRun(
                   [&](std::string_view& key, std::string_view& payload) {
                     if (next == batch_.size()) return false;
                     const Item& item = batch_[next++];
                     key = std::string_view(item.key, item.key_size);
                     payload = std::string_view(item.key + item.key_size, item.payload_size);
                     return true;
                   },
                   0);
  std::vector<Item>().swap(batch_);
  blocks_.clear();
  bytes_allocated_ = 0;
  block_used_ = 0;
  ok_ = ok_ && MergeYoungRuns();
  return ok_;
}

bool SpillSorter::Finish(bool may_stay_in_memory) {
  if (!ok_) return false;
  finished_ = true;
  // With runs on disc the last batch joins them, so that reading needs no
  // more than the runs' buffers.
  const bool spill = !runs_.empty() || !may_stay_in_memory;
  if (spill && !batch_.empty() && !Spill()) return false;
  if (runs_.empty()) SortBatch();
  Rewind();
  return ok_;
}

void SpillSorter::Rewind() {
  batch_next_ = 0;
  merger_.reset();
  if (!runs_.empty()) {
    merger_ = std::make_unique<RunMerger>(file_, runs_, ReadBufferSize(runs_.size()));
    if (merger_->failed()) ok_ = false;
  }
}

bool SpillSorter::Next(std::string_view& key, std::string_view& payload) {
  if (!ok_ || !finished_) return false;
  if (merger_) {
    if (merger_->Next(key, payload)) return true;
    if (merger_->failed()) ok_ = false;
    return false;
  }
  if (batch_next_ >= batch_.size()) return false;
  const Item& item = batch_[batch_next_++];
  key = std::string_view(item.key, item.key_size);
  payload = std::string_view(item.key + item.key_size, item.payload_size);
  return true;
}

}  // namespace vx
