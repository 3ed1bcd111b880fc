#include "sample/sample_schedule.h"

#include <algorithm>
#include <cmath>

#include "sample/sample_dates.h"

namespace vx {
namespace {

// Maps an even share u of the records (0..1) to a share of the period,
// for a yearly count that grows from 1 to 2.5 over the period.
double GrowthTime(double u) {
  return (std::sqrt(1.0 + 5.25 * u) - 1.0) / 1.5;
}

}  // namespace

SampleSchedule::SampleSchedule(const SampleData& data, int64_t count) : data_(data) {
  uint64_t total = 0;
  for (const Parish& parish : data.parishes)
    total += parish.weight;
  counts_.assign(data.parishes.size(), 0);
  if (total == 0 || count <= 0) return;
  // Largest remainders, ties to the earlier parish.
  std::vector<std::pair<uint64_t, size_t>> remainders;
  int64_t given = 0;
  for (size_t i = 0; i < data.parishes.size(); ++i) {
    const uint64_t share = static_cast<uint64_t>(count) * data.parishes[i].weight;
    counts_[i] = static_cast<int64_t>(share / total);
    given += counts_[i];
    remainders.emplace_back(share % total, i);
  }
  std::stable_sort(remainders.begin(), remainders.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  for (size_t k = 0; given < count; ++k, ++given)
    ++counts_[remainders[k].second];
}

SampleSchedule::Entry SampleSchedule::Next(SampleRandom& random) {
  while (parish_ + 1 < counts_.size() && done_ >= counts_[parish_]) {
    ++parish_;
    done_ = 0;
  }
  const Parish& parish = data_.parishes[parish_];
  const int32_t first = DayNumber(parish.first_year, 1, 1);
  // Leaves room for the baptism or burial that follows the event.
  const int32_t last = DayNumber(kLastYear, 12, 31) - kFollowingDays;
  const double n = static_cast<double>(std::max<int64_t>(counts_[parish_], 1));
  const double u = std::min((static_cast<double>(done_) + random.Unit()) / n, 1.0);
  ++done_;
  const int32_t day = first + static_cast<int32_t>(GrowthTime(u) * (last - first));
  return {parish_, std::min(day, last)};
}

}  // namespace vx
