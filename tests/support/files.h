// Small file and process helpers for tests and benchmarks.
#ifndef VX_TESTS_SUPPORT_FILES_H_
#define VX_TESTS_SUPPORT_FILES_H_

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vx::testing {

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// The names of the entries of `dir`, in byte order.
std::vector<std::string> SortedFileNames(const std::filesystem::path& dir);

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

struct ProcessResult {
  int exit_code = -1;  // -1 when the program could not be run or was killed
  std::vector<uint8_t> out;
  std::string err;
};

// Runs `argv` (argv[0] found on PATH), feeding `input` to its standard input.
ProcessResult RunProcess(const std::vector<std::string>& argv, std::span<const uint8_t> input = {},
                         const std::filesystem::path& working_directory = {});

// Today's local date as "YYYY-MM-DD", as printed pages carry it.
std::string TodayIso();

// True when `program` is found on PATH.
bool ProgramAvailable(const std::string& program);

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_FILES_H_
