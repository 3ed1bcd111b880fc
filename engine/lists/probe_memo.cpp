#include "engine/lists/probe_memo.h"

#include <algorithm>
#include <cassert>

namespace vx {

void ProbeMemo::Reset(size_t row_length, size_t pinned_capacity) {
  row_length_ = row_length;
  pinned_capacity_ = pinned_capacity;
  Clear();
}

void ProbeMemo::Clear() {
  pinned_.clear();
  pinned_bytes_.clear();
  pinned_bytes_.shrink_to_fit();
  recent_rows_.fill(0);
  recent_bytes_.assign(kRecent * row_length_, 0);
  next_recent_ = 0;
}

std::span<const uint8_t> ProbeMemo::Find(int32_t row) const {
  if (row < 1) return {};
  // Most probes of a search are of pinned rows.
  if (const auto it = pinned_.find(row); it != pinned_.end())
    return std::span(pinned_bytes_).subspan(it->second, row_length_);
  for (size_t i = 0; i < kRecent; ++i) {
    if (recent_rows_[i] == row)
      return std::span(recent_bytes_).subspan(i * row_length_, row_length_);
  }
  return {};
}

void ProbeMemo::Add(int32_t row, std::span<const uint8_t> bytes, bool pin) {
  if (row < 1 || bytes.size() != row_length_ || !Find(row).empty()) return;
  if (pin && pinned_.size() < pinned_capacity_) {
    pinned_.emplace(row, pinned_bytes_.size());
    pinned_bytes_.insert(pinned_bytes_.end(), bytes.begin(), bytes.end());
    assert(pinned_.size() <= pinned_capacity_ &&
           pinned_bytes_.size() == pinned_.size() * row_length_);
    return;
  }
  recent_rows_[next_recent_] = row;
  std::copy(bytes.begin(), bytes.end(), recent_bytes_.begin() + next_recent_ * row_length_);
  next_recent_ = (next_recent_ + 1) % kRecent;
}

}  // namespace vx
