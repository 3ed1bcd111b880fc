#include "sample/weighted_table.h"

#include <algorithm>

namespace vx {

void WeightedTable::Add(size_t item, uint64_t weight) {
  if (weight == 0) return;
  total_ += weight;
  bounds_.push_back(total_);
  items_.push_back(item);
}

size_t WeightedTable::Pick(SampleRandom& random) const {
  const uint64_t point = random.Below(total_);
  const auto bound = std::upper_bound(bounds_.begin(), bounds_.end(), point);
  return items_[static_cast<size_t>(bound - bounds_.begin())];
}

}  // namespace vx
