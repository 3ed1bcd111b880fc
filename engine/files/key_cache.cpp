#include "engine/files/key_cache.h"

namespace vx {

void Tvxhash::SetCapacity(size_t capacity) {
  capacity_ = capacity;
  entries_.clear();
  entries_.shrink_to_fit();
}

void Tvxhash::Add(const char* key, int32_t number) {
  if (entries_.size() >= capacity_) return;
  for (const Entry& entry : entries_) {
    if (CompareTexts(key, entry.key.c_str(), *table_) == 0) return;
  }
  entries_.push_back({key, number});
}

Tvxhash::Range Tvxhash::Bounds(const char* key) const {
  Range range;
  const size_t n = entries_.size();
  for (size_t i = 0; i < n; ++i) {
    if (CompareTexts(key, entries_[i].key.c_str(), *table_) <= 0) {
      if (i > 0) range.lo = entries_[i - 1].number;
      break;
    }
  }
  for (size_t i = n; i-- > 0;) {
    if (CompareTexts(key, entries_[i].key.c_str(), *table_) >= 0) {
      if (i + 1 < n) range.hi = entries_[i + 1].number;
      break;
    }
  }
  return range;
}

}  // namespace vx
