// The trigram filters of the free-search lists in the search benchmarks:
// turning them off in an open catalogue, so that the same mix runs with
// and without them, and their size beside the lists they filter.
#ifndef VX_BENCH_FILTER_FIGURES_H_
#define VX_BENCH_FILTER_FIGURES_H_

#include <filesystem>

#include "catalogue/catalogue.h"

namespace vx::bench {

// Whether the free-search lists of `evf` search through their filters.
void UseFilters(TEVF& evf, bool on);

struct FilterSizes {
  double lists_mb = 0;    // entry and postings files of the free-search lists
  double filters_mb = 0;  // their filter files
};

// Sums the files of the free-search lists in `data`; with `print`, a line
// for each list as well.
FilterSizes MeasureFilterSizes(const std::filesystem::path& data, bool print);

}  // namespace vx::bench

#endif  // VX_BENCH_FILTER_FIGURES_H_
