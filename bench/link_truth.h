// The truth of a simulated sample source (samband.tsv beside its tables,
// written by kuvo-data exempel) as the linking benchmark reads it: a
// sample of the records that have links of each kind, with all their true
// targets of that kind.
#ifndef VX_BENCH_LINK_TRUTH_H_
#define VX_BENCH_LINK_TRUTH_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vx::bench {

struct TruthQuery {
  std::string lokalid;  // the record shown
  std::string kind;     // as kuvo-sok samband names it: "dod", "fodd", "vigsel", ...
  std::vector<std::string> targets;
};

// Chooses up to `per_kind` records of each kind, each kind read in both
// directions (a row "dod" from a birth to a death is also a death's "fodd",
// "mannens-fodelse" and "hustruns-fodelse" are also a birth's "vigsel",
// "syskon" goes both ways), evenly among the records that have such a link
// whatever their number of links, the same for the same `seed`; then
// gathers all their targets. Reads the file twice, keeping only the
// sample. False with `error` when the file cannot be read.
bool SampleTruth(const std::filesystem::path& tsv, size_t per_kind, uint64_t seed,
                 std::vector<TruthQuery>& queries, std::string& error);

}  // namespace vx::bench

#endif  // VX_BENCH_LINK_TRUTH_H_
