// The figures sok-mot-sqlite prints beside the search comparison: opening
// the register set, reading and composing records, and expansion against
// lhasa.
#ifndef VX_BENCH_SIDE_FIGURES_H_
#define VX_BENCH_SIDE_FIGURES_H_

#include <cstdint>
#include <string>

#include "catalogue/catalogue.h"

namespace vx::bench {

// A line of /proc/self/status in MB ("VmHWM", "VmRSS"), or -1.
double StatusMegabytes(const std::string& key);

// Loads and composes `count` records picked at random from the registers
// that have rows; prints records per second.
void TimeRandomRecords(TEVF& evf, int count);

// Runs bench-expand (`program`) on `megabytes` of text and prints its
// figures, indented; a failure (lhasa missing) is reported, not fatal.
void RunExpansionComparison(const std::string& program, int megabytes);

}  // namespace vx::bench

#endif  // VX_BENCH_SIDE_FIGURES_H_
