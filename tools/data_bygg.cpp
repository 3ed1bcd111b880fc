// kuvo-data bygg: builds a register set from a source folder.
#include <cstdio>
#include <cstdlib>

#include "builder/register_set_builder.h"
#include "language/message_id.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"
#include "tools/data_pictures.h"

namespace vx::cli {

int RunBygg(const std::vector<std::string>& args) {
  BuildOptions options;
  std::vector<std::string> folders;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--registernr" && i + 1 < args.size()) {
      char* end = nullptr;
      const long number = std::strtol(args[++i].c_str(), &end, 10);
      if (*end != '\0' || number < 0 || number > 99999999) {
        PrintError(Said(MessageId::DataRegisterNumber));
        return 2;
      }
      options.register_set = static_cast<int>(number);
    } else if (args[i] == "--minne" && i + 1 < args.size()) {
      char* end = nullptr;
      const long long megabytes = std::strtoll(args[++i].c_str(), &end, 10);
      if (*end != '\0' || megabytes < 1 || megabytes > (1LL << 30)) {
        PrintError(Said(MessageId::DataMemory));
        return 2;
      }
      options.memory_budget = static_cast<size_t>(megabytes) << 20;
    } else if (args[i] == "--tradar" && i + 1 < args.size()) {
      const std::string& threads = args[++i];
      if (threads != "1" && threads != "2") {
        PrintError(Said(MessageId::DataThreads));
        return 2;
      }
      options.threads = threads[0] - '0';
    } else if (!args[i].starts_with("--")) {
      folders.push_back(args[i]);
    } else {
      return DataUsage("bygg");
    }
  }
  if (folders.size() != 2) return DataUsage("bygg");
  options.source_dir = folders[0];
  options.data_dir = folders[1];
  options.progress = [](const std::string& line) { PrintError(line); };
  options.language = CurrentLanguage();
  options.program_pictures = ProgramPictureRecords();

  BuildSummary summary;
  SourceError error;
  if (!BuildRegisterSet(options, summary, error)) {
    PrintError(error.ToString(CurrentLanguage()));
    return 1;
  }
  PrintError(Said(MessageId::DataBuilt,
                  {std::to_string(summary.records[1]), std::to_string(summary.records[2]),
                   std::to_string(summary.records[3]), std::to_string(summary.files),
                   options.data_dir.string()}));
  return 0;
}

}  // namespace vx::cli
