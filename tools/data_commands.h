// The subcommands of kuvo-data. Each returns the process exit code:
// 0 success, 1 an error the user can fix (reported on standard error),
// 2 wrong usage.
#ifndef VX_TOOLS_DATA_COMMANDS_H_
#define VX_TOOLS_DATA_COMMANDS_H_

#include <string>
#include <vector>

namespace vx::cli {

int RunPack(const std::vector<std::string>& args);
int RunUnpack(const std::vector<std::string>& args);
int RunInfo(const std::vector<std::string>& args);
int RunBygg(const std::vector<std::string>& args);

// Prints the usage text to standard error and returns 2.
int DataUsage();

}  // namespace vx::cli

#endif  // VX_TOOLS_DATA_COMMANDS_H_
