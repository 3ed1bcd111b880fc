// kuvo-data: tools for those who publish register sets.
#include <string>
#include <vector>

#include "tools/data_commands.h"
#include "tools/data_exempel.h"

int main(int argc, char** argv) {
  using namespace vx::cli;
  if (argc < 2) return DataUsage();
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "pack") return RunPack(args);
  if (command == "unpack") return RunUnpack(args);
  if (command == "info") return RunInfo(args);
  if (command == "bygg") return RunBygg(args);
  if (command == "exempel") return RunExempel(args);
  return DataUsage();
}
