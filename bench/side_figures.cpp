#include "bench/side_figures.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "records/current_records.h"
#include "tests/support/files.h"

namespace vx::bench {

double StatusMegabytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (!line.starts_with(key + ":")) continue;
    std::istringstream fields(line.substr(key.size() + 1));
    double kilobytes = 0;
    fields >> kilobytes;
    return kilobytes / 1024.0;
  }
  return -1;
}

void TimeRandomRecords(TEVF& evf, int count) {
  std::vector<int> registers;
  for (int r = 1; r <= 3; ++r) {
    if (evf.PersonList(r).RowCount() > 0) registers.push_back(r);
  }
  if (registers.empty()) return;
  std::mt19937_64 random(1825);
  CurrentRecords records;
  size_t bytes = 0;
  int failed = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) {
    const int r = registers[random() % registers.size()];
    const int64_t n = 1 + static_cast<int64_t>(random() % evf.PersonList(r).RowCount());
    if (!records.Load(r, evf.RecordStore(r), n).ok()) {
      ++failed;
      continue;
    }
    records.Compose(r, false);
    bytes += records.posttext().size();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d random records read and composed: %.0f records/s (%.1f us each, %.1f MB of text",
              count, count / seconds, seconds * 1e6 / count, static_cast<double>(bytes) / 1e6);
  std::printf(failed > 0 ? ", %d not read)\n" : ")\n", failed);
}

void RunExpansionComparison(const std::string& program, int megabytes) {
  const auto result = testing::RunProcess(
      {program, "--mb", std::to_string(megabytes), "--runs", megabytes >= 8 ? "7" : "3"});
  std::printf("Expansion against lhasa (bench-expand --mb %d):\n", megabytes);
  if (result.exit_code != 0) {
    std::printf("  not run: %s", result.err.empty() ? "bench-expand failed\n" : result.err.c_str());
    return;
  }
  std::istringstream lines(std::string(result.out.begin(), result.out.end()));
  std::string line;
  while (std::getline(lines, line))
    std::printf("  %s\n", line.c_str());
}

}  // namespace vx::bench
