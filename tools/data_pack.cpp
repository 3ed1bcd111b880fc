// kuvo-data pack and unpack: standard input to standard output as one
// compressed stream.
#include <unistd.h>

#include <optional>

#include "engine/codec/compress.h"
#include "language/message_id.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"

namespace vx::cli {

int RunPack(const std::vector<std::string>& args) {
  CompressMethod method = CompressMethod::kLh5;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--metod" && i + 1 < args.size()) {
      const std::optional<CompressMethod> chosen = CompressMethodFromId(args[++i]);
      if (!chosen || *chosen == CompressMethod::kCus) {
        PrintError(Said(MessageId::DataUnknownMethod, {args[i]}));
        return 2;
      }
      method = *chosen;
    } else {
      return DataUsage("pack");
    }
  }
  InputBytes input;
  if (!input.Load(STDIN_FILENO)) {
    PrintError(Said(MessageId::DataCannotReadInput));
    return 1;
  }
  TViewStream source(input.Bytes());
  TMemoryStream packed;
  SharedCodec().CompressStream(packed, source, method);
  if (!WriteAll(STDOUT_FILENO, packed.Bytes())) {
    PrintError(Said(MessageId::DataCannotWriteOutput));
    return 1;
  }
  return 0;
}

int RunUnpack(const std::vector<std::string>& args) {
  if (!args.empty()) return DataUsage("unpack");
  InputBytes input;
  if (!input.Load(STDIN_FILENO)) {
    PrintError(Said(MessageId::DataCannotReadInput));
    return 1;
  }
  TViewStream source(input.Bytes());
  FdOutputStream out(STDOUT_FILENO);
  try {
    SharedCodec().ExpandStream(out, source);
  } catch (const ECompressError& error) {
    PrintError(error.what());
    return 1;
  }
  return 0;
}

}  // namespace vx::cli
