// kuvo-data: tools for those who publish register sets.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/util/version.h"
#include "language/language.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"
#include "tools/data_exempel.h"

namespace {

bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vx::cli;
  std::vector<std::string> all(argv + 1, argv + argc);
  vx::Language language = vx::Language::kSwedish;
  std::string error;
  if (!vx::TakeLanguageOption(all, vx::LocaleOfProcess(), language, error)) {
    std::fprintf(stderr, "kuvo-data: %s\n", error.c_str());
    return DataUsage();
  }
  SetLanguage(language);
  if (all.empty()) return DataUsage();
  const std::string command = all.front();
  const std::vector<std::string> args(all.begin() + 1, all.end());
  if (command == "--version") {
    std::printf("kuvo-data %s\n", vx::ProgramVersion());
    return 0;
  }
  if (command == "--help" || command == "-h" || (IsDataCommand(command) && AsksForHelp(args))) {
    PrintDataUsage(stdout, IsDataCommand(command) ? command : std::string());
    return 0;
  }
  if (command == "pack") return RunPack(args);
  if (command == "unpack") return RunUnpack(args);
  if (command == "info") return RunInfo(args);
  if (command == "bygg") return RunBygg(args);
  if (command == "bilder") return RunBilder(args);
  if (command == "exempel") return RunExempel(args);
  return DataUsage();
}
