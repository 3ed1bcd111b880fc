#include "bench/sample_set.h"

#include <cstdio>
#include <vector>

#include "tests/support/files.h"

namespace vx::bench {
namespace {

bool Run(const std::vector<std::string>& argv) {
  const testing::ProcessResult result = testing::RunProcess(argv);
  if (result.exit_code != 0) std::fprintf(stderr, "%s", result.err.c_str());
  return result.exit_code == 0;
}

}  // namespace

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

bool BuildSampleSet(const std::string& kuvo_data, const std::filesystem::path& dir, int64_t births,
                    int64_t marriages, int64_t deaths) {
  const std::string sources = (dir / "kalla").string();
  std::filesystem::remove_all(sources);
  return Run({kuvo_data, "exempel", sources, "--fodda", std::to_string(births), "--vigda",
              std::to_string(marriages), "--doda", std::to_string(deaths)}) &&
         Run({kuvo_data, "bygg", sources, (dir / "data").string()});
}

}  // namespace vx::bench
