#include "builder/collector_table.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

namespace vx {
namespace {

constexpr size_t kSmallestChunk = 4096;
constexpr size_t kLargestChunk = size_t{1} << 20;
constexpr uint64_t kRowBits = 0xFFFFFFFF;

size_t ChunkBytes(size_t budget) {
  return std::clamp(budget / 64, kSmallestChunk, kLargestChunk);
}

// Elements of `bytes` that fill a chunk of ChunkBytes.
template <typename T>
size_t PerChunk(size_t bytes) {
  return std::max<size_t>(1, bytes / sizeof(T));
}

uint64_t HashOf(std::string_view key) {
  return std::hash<std::string_view>()(key);
}

}  // namespace

std::string_view TextArena::Store(std::string_view text) {
  if (text.empty()) return {};
  char* at = nullptr;
  if (text.size() > chunk_) {
    large_.push_back(std::make_unique<char[]>(text.size()));
    large_bytes_ += text.size();
    at = large_.back().get();
  } else {
    if (filled_ == 0 || chunk_ - used_ < text.size()) {
      if (filled_ == chunks_.size()) chunks_.push_back(std::make_unique<char[]>(chunk_));
      ++filled_;
      used_ = 0;
    }
    at = chunks_[filled_ - 1].get() + used_;
    used_ += text.size();
  }
  std::memcpy(at, text.data(), text.size());
  return {at, text.size()};
}

void TextArena::Clear(bool release) {
  filled_ = 0;
  used_ = 0;
  large_.clear();
  large_bytes_ = 0;
  if (release) chunks_.clear();
}

CollectorTable::CollectorTable(size_t budget)
    : text_(ChunkBytes(budget)),
      rows_(PerChunk<Row>(ChunkBytes(budget))),
      chunks_(PerChunk<RecordChunk>(ChunkBytes(budget))),
      spellings_(PerChunk<Spelling>(ChunkBytes(budget))),
      smallest_slots_(std::bit_floor(PerChunk<uint64_t>(ChunkBytes(budget)))) {}

size_t CollectorTable::SlotOf(std::string_view key, uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  const uint64_t tag = hash >> 32;
  for (size_t s = hash & mask;; s = (s + 1) & mask) {
    const uint64_t slot = slots_[s];
    if (slot == 0) return s;
    if ((slot >> 32) == tag && Key(static_cast<uint32_t>((slot & kRowBits) - 1)) == key) return s;
  }
}

void CollectorTable::Grow() {
  // At most half full, so that probes stay short.
  std::vector<uint64_t>(std::max(smallest_slots_, slots_.size() * 2), 0).swap(slots_);
  for (uint32_t row = 0; row < rows_.size(); ++row) {
    const uint64_t hash = HashOf(Key(row));
    slots_[SlotOf(Key(row), hash)] = (hash >> 32 << 32) | (row + 1);
  }
}

uint32_t CollectorTable::RowFor(std::string_view key) {
  if ((rows_.size() + 1) * 2 > slots_.size()) Grow();
  const uint64_t hash = HashOf(key);
  const size_t s = SlotOf(key, hash);
  if (slots_[s] != 0) return static_cast<uint32_t>((slots_[s] & kRowBits) - 1);
  const std::string_view stored = text_.Store(key);
  const auto row = static_cast<uint32_t>(
      rows_.Append(Row{stored.data(), static_cast<uint32_t>(stored.size()), 0, 0, 0, 0, 0, 0}));
  slots_[s] = (hash >> 32 << 32) | (row + 1);
  return row;
}

void CollectorTable::AddRecord(uint32_t row, uint32_t record) {
  Row& r = rows_[row];
  if (r.count == 0) {
    r.first = r.last = record;
    r.count = 1;
    return;
  }
  if (r.last == record) return;
  const uint32_t at = (r.count - 1) % kPerChunk;
  if (at == 0) {
    const auto chunk = static_cast<uint32_t>(chunks_.Append(RecordChunk{}) + 1);
    if (r.head == 0) {
      r.head = chunk;
    } else {
      chunks_[r.tail - 1].next = chunk;
    }
    r.tail = chunk;
  }
  chunks_[r.tail - 1].records[at] = record;
  r.last = record;
  ++r.count;
}

void CollectorTable::AddSpelling(uint32_t row, std::string_view spelling) {
  Row& r = rows_[row];
  for (uint32_t s = r.spellings; s != 0; s = spellings_[s - 1].next) {
    Spelling& known = spellings_[s - 1];
    if (std::string_view(known.text, known.size) == spelling) {
      ++known.uses;
      return;
    }
  }
  const std::string_view stored = text_.Store(spelling);
  r.spellings = static_cast<uint32_t>(
      spellings_.Append(
          Spelling{stored.data(), static_cast<uint32_t>(stored.size()), 1, r.spellings}) +
      1);
}

void CollectorTable::RecordsOf(uint32_t row, std::vector<uint32_t>& records) const {
  records.clear();
  const Row& r = rows_[row];
  if (r.count == 0) return;
  records.push_back(r.first);
  size_t left = r.count - 1;
  for (uint32_t c = r.head; c != 0 && left > 0; c = chunks_[c - 1].next) {
    const size_t take = std::min<size_t>(left, kPerChunk);
    records.insert(records.end(), chunks_[c - 1].records, chunks_[c - 1].records + take);
    left -= take;
  }
}

size_t CollectorTable::Bytes() const {
  return text_.Bytes() + rows_.Bytes() + chunks_.Bytes() + spellings_.Bytes() +
         slots_.size() * sizeof(uint64_t);
}

void CollectorTable::Clear(bool release) {
  text_.Clear(release);
  rows_.Clear(release);
  chunks_.Clear(release);
  spellings_.Clear(release);
  if (release) {
    std::vector<uint64_t>().swap(slots_);
  } else {
    std::fill(slots_.begin(), slots_.end(), 0);
  }
}

}  // namespace vx
