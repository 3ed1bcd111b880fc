// What the search benchmarks share: building the sample register set they
// run on, and reading a clock in milliseconds.
#ifndef VX_BENCH_SAMPLE_SET_H_
#define VX_BENCH_SAMPLE_SET_H_

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vx::bench {

double Milliseconds(std::chrono::steady_clock::duration d);

// Writes sample sources of the given counts under dir/kalla with
// `kuvo_data exempel` and builds them into the register set dir/data with
// `kuvo_data bygg`, replacing earlier sources. False when either fails;
// the program's messages go to standard error.
bool BuildSampleSet(const std::string& kuvo_data, const std::filesystem::path& dir, int64_t births,
                    int64_t marriages, int64_t deaths);

// The same, unless dir already holds a set of these counts (dir/antal.txt);
// writes dir/kuvo.ini naming the set.
bool EnsureSampleSet(const std::string& kuvo_data, const std::filesystem::path& dir, int64_t births,
                     int64_t marriages, int64_t deaths);

}  // namespace vx::bench

#endif  // VX_BENCH_SAMPLE_SET_H_
