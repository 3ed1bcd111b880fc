// Spreads the records of one register of the sample source over the
// parishes and years of the region the way a transcription runs: parish by
// parish, each from the first year of its registers to 1900 in date order,
// with more records in later years as the population grew.
#ifndef VX_SAMPLE_SAMPLE_SCHEDULE_H_
#define VX_SAMPLE_SAMPLE_SCHEDULE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sample/sample_data.h"
#include "sample/sample_random.h"

namespace vx {

class SampleSchedule {
 public:
  static constexpr int kLastYear = 1900;
  // Events end this many days before the end of kLastYear, so that the
  // baptisms and burials that follow them fall within it too.
  static constexpr int kFollowingDays = 30;

  // `count` records over the parishes of `data`, shared by their weights.
  SampleSchedule(const SampleData& data, int64_t count);

  struct Entry {
    size_t parish;  // index into SampleData::parishes
    int32_t day;    // day number of the record's event (sample_dates.h)
  };

  // The parish and day of the next record; at most `count` calls.
  Entry Next(SampleRandom& random);

  // The number of records of each parish.
  const std::vector<int64_t>& Counts() const { return counts_; }

 private:
  const SampleData& data_;
  std::vector<int64_t> counts_;
  size_t parish_ = 0;
  int64_t done_ = 0;  // records of the current parish so far
};

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_SCHEDULE_H_
