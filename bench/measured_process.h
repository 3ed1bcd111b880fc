// A child program run to its end, with the wall time it took and its peak
// resident memory as the kernel counted it (wait4's ru_maxrss), for the
// benchmarks that time whole commands. Its standard output and error go to
// a log file, so that a long run's progress lines cost no memory here and
// the end of them can be shown when it fails.
#ifndef VX_BENCH_MEASURED_PROCESS_H_
#define VX_BENCH_MEASURED_PROCESS_H_

#include <filesystem>
#include <string>
#include <vector>

namespace vx::bench {

struct MeasuredRun {
  int exit_code = -1;  // -1 when it could not be started or was killed
  int signal = 0;      // the signal that ended it, if one did
  double seconds = 0;
  double cpu_seconds = 0;  // user and system time of all its threads
  double peak_mb = 0;      // millions of bytes
};

// Runs `argv` (argv[0] a path, not looked up on PATH) with standard input
// from /dev/null and both outputs into `log`, replacing it.
MeasuredRun RunMeasured(const std::vector<std::string>& argv, const std::filesystem::path& log);

// The last `lines` lines of `file`, each ending in a newline.
std::string TailOfFile(const std::filesystem::path& file, int lines);

}  // namespace vx::bench

#endif  // VX_BENCH_MEASURED_PROCESS_H_
