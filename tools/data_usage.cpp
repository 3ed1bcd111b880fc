#include <cstdio>
#include <string_view>

#include "language/message_id.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"

namespace vx::cli {
namespace {

struct CommandUsage {
  std::string_view name;
  MessageId text;  // synopsis and description, each line ending with a line break
};

constexpr CommandUsage kCommands[] = {
    {"pack", MessageId::DataUsagePack}, {"unpack", MessageId::DataUsageUnpack},
    {"bygg", MessageId::DataUsageBygg}, {"bilder", MessageId::DataUsageBilder},
    {"info", MessageId::DataUsageInfo}, {"exempel", MessageId::DataUsageExempel},
};

}  // namespace

bool IsDataCommand(std::string_view command) {
  for (const CommandUsage& usage : kCommands) {
    if (usage.name == command) return true;
  }
  return false;
}

void PrintDataUsage(std::FILE* out, std::string_view command) {
  std::fputs(Said(MessageId::DataUsageHeading).c_str(), out);
  for (const CommandUsage& usage : kCommands) {
    if (command.empty() || usage.name == command) std::fputs(Said(usage.text).c_str(), out);
  }
  if (command.empty()) std::fputs(Said(MessageId::DataUsageFooter).c_str(), out);
}

int DataUsage(std::string_view command) {
  PrintDataUsage(stderr, command);
  return 2;
}

}  // namespace vx::cli
