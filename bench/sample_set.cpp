#include "bench/sample_set.h"

#include <cstdio>
#include <fstream>
#include <sstream>
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

bool EnsureSampleSet(const std::string& kuvo_data, const std::filesystem::path& dir, int64_t births,
                     int64_t marriages, int64_t deaths) {
  std::ostringstream counts;
  counts << births << ' ' << marriages << ' ' << deaths;
  const std::filesystem::path stamp = dir / "antal.txt";
  std::ifstream in(stamp);
  std::string have;
  std::getline(in, have);
  if (have == counts.str() && std::filesystem::exists(dir / "kuvo.ini")) return true;
  std::fprintf(stderr, "Bygger registret (%s) i %s ...\n", counts.str().c_str(),
               dir.string().c_str());
  if (!BuildSampleSet(kuvo_data, dir, births, marriages, deaths)) return false;
  std::ofstream(dir / "kuvo.ini") << "[hdbaser]\nhdbasen=" << (dir / "data").string() << "/\n";
  std::ofstream(stamp) << counts.str() << '\n';
  return true;
}

}  // namespace vx::bench
