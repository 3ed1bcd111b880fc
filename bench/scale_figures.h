// What bench-scale measures for one size of register set, and the two
// tables it ends with: the figures of each size, and how each figure grows
// from one size to the next.
#ifndef VX_BENCH_SCALE_FIGURES_H_
#define VX_BENCH_SCALE_FIGURES_H_

#include <cstdint>
#include <string>
#include <vector>

namespace vx::bench {

struct ScaleFigures {
  int64_t records = 0;  // births, marriages and deaths together
  double exempel_s = 0;
  double build_s = 0;
  double build_cpu_s = 0;  // differs from build_s when the builder waits or shares the cores
  double build_peak_mb = 0;
  double source_mb = 0;
  double set_mb = 0;
  double lists_mb = 0;    // the free-search lists
  double filters_mb = 0;  // their trigram filters
  double first_open_ms = 0;
  double open_ms = 0;  // the median of the opens
  double mix_median_ms = 0;
  double slowest_ms = 0;
  std::string slowest_title;
  int64_t hits = 0;  // over the whole mix, a check that the sizes agree
};

void PrintScaleTable(const std::vector<ScaleFigures>& sizes);
void PrintGrowthTable(const std::vector<ScaleFigures>& sizes);

// 1234567 as "1 234 567".
std::string Grouped(int64_t number);

}  // namespace vx::bench

#endif  // VX_BENCH_SCALE_FIGURES_H_
