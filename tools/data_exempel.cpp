#include "tools/data_exempel.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>

#include "imaging/program_pictures.h"
#include "language/message_id.h"
#include "sample/sample_source.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"

namespace vx::cli {
namespace {

// The most records one register may ask for: far beyond any real register,
// low enough that a typing error does not fill the disc.
constexpr uint64_t kMaxRecords = 100'000'000;

std::optional<uint64_t> ParseCount(const std::string& text, uint64_t max) {
  uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || value > max) {
    return std::nullopt;
  }
  return value;
}

// Reads the options into `options` and the folder into `folder`; false
// after printing what is wrong.
bool ParseArguments(const std::vector<std::string>& args, SampleSourceOptions& options,
                    std::string& folder) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      if (!folder.empty()) {
        PrintError(Said(MessageId::DataOneFolder, {arg}));
        return false;
      }
      folder = arg;
      continue;
    }
    if (arg != "--fodda" && arg != "--vigda" && arg != "--doda" && arg != "--fro") {
      PrintError(Said(MessageId::DataUnknownOption, {arg}));
      return false;
    }
    if (i + 1 >= args.size()) {
      PrintError(Said(MessageId::DataValueMissing, {arg}));
      return false;
    }
    const bool seed = arg == "--fro";
    const std::optional<uint64_t> value = ParseCount(args[++i], seed ? UINT64_MAX : kMaxRecords);
    if (!value) {
      PrintError(Said(seed ? MessageId::DataBadSeed : MessageId::DataBadCount, {args[i]}));
      return false;
    }
    const auto count = static_cast<int64_t>(*value);
    if (arg == "--fodda") options.births = count;
    if (arg == "--vigda") options.marriages = count;
    if (arg == "--doda") options.deaths = count;
    if (seed) options.seed = *value;
  }
  if (folder.empty()) {
    PrintError(Said(MessageId::DataNoSampleFolder));
    return false;
  }
  return true;
}

// The sample parish's logo, drawn with the program's pictures.
bool WriteSampleLogo(const std::filesystem::path& folder, std::string& error) {
  const std::filesystem::path pictures = folder / "bilder";
  std::error_code ec;
  std::filesystem::create_directories(pictures, ec);
  std::ofstream out(pictures / "logovaxor.png", std::ios::binary);
  const std::span<const uint8_t> png = SampleLogoPng();
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (out) return true;
  error = Said(MessageId::DataCannotWrite, {(pictures / "logovaxor.png").string()});
  return false;
}

}  // namespace

int RunExempel(const std::vector<std::string>& args) {
  SampleSourceOptions options;
  std::string folder;
  if (!ParseArguments(args, options, folder)) return DataUsage("exempel");
  options.progress = [](const std::string& message) { PrintError(message); };
  std::string error;
  if (!WriteSampleSource(std::filesystem::path(folder), options, error) ||
      !WriteSampleLogo(folder, error)) {
    PrintError(error);
    return 1;
  }
  return 0;
}

}  // namespace vx::cli
