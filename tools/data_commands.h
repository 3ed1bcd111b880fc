// The subcommands of kuvo-data. Each returns the process exit code:
// 0 success, 1 an error the user can fix (reported on standard error),
// 2 wrong usage.
#ifndef VX_TOOLS_DATA_COMMANDS_H_
#define VX_TOOLS_DATA_COMMANDS_H_

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vx::cli {

int RunPack(const std::vector<std::string>& args);
int RunUnpack(const std::vector<std::string>& args);
int RunInfo(const std::vector<std::string>& args);
int RunBygg(const std::vector<std::string>& args);
int RunBilder(const std::vector<std::string>& args);

// True for "pack", "unpack", "bygg", "info", "bilder" and "exempel".
bool IsDataCommand(std::string_view command);

// Prints the usage of `command`, or of every command when it is empty.
void PrintDataUsage(std::FILE* out, std::string_view command);

// Wrong usage: prints the usage of `command` (of every command when it is
// empty) to standard error and returns 2.
int DataUsage(std::string_view command = {});

}  // namespace vx::cli

#endif  // VX_TOOLS_DATA_COMMANDS_H_
