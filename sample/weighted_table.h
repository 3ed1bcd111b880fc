// Picks entries at random in proportion to their weights, as names are
// picked by their frequency in the registers.
#ifndef VX_SAMPLE_WEIGHTED_TABLE_H_
#define VX_SAMPLE_WEIGHTED_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sample/sample_random.h"

namespace vx {

class WeightedTable {
 public:
  // Adds entry `item` with weight `weight`; an entry of weight 0 is never
  // picked.
  void Add(size_t item, uint64_t weight);

  // True when no entry has a positive weight.
  bool Empty() const { return total_ == 0; }
  uint64_t TotalWeight() const { return total_; }

  // The item of an entry chosen with probability weight / total weight.
  // The table must not be Empty().
  size_t Pick(SampleRandom& random) const;

 private:
  std::vector<uint64_t> bounds_;  // running sums of the positive weights
  std::vector<size_t> items_;
  uint64_t total_ = 0;
};

}  // namespace vx

#endif  // VX_SAMPLE_WEIGHTED_TABLE_H_
