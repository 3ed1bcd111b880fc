#include "tests/support/sample_register_set.h"

#include <vector>

#include "tests/support/files.h"

namespace vx::testing {

std::filesystem::path BuildSampleRegisterSet(const std::string& kuvo_data,
                                             const std::filesystem::path& dir, int64_t births,
                                             int64_t marriages, int64_t deaths) {
  const std::string source = (dir / "kalla").string();
  const std::string data = (dir / "data").string();
  const ProcessResult written =
      RunProcess({kuvo_data, "exempel", source, "--fodda", std::to_string(births), "--vigda",
                  std::to_string(marriages), "--doda", std::to_string(deaths)});
  if (written.exit_code != 0) return {};
  if (RunProcess({kuvo_data, "bygg", source, data}).exit_code != 0) return {};
  const std::string ini = "[hdbaser]\nhdbasen=" + data + "/\n";
  WriteFileBytes(dir / "kuvo.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
  return dir / "kuvo.ini";
}

}  // namespace vx::testing
