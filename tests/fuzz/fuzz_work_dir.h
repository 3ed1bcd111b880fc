// What the fuzz targets share: a check that crashes, a folder per process
// for the files made from each input, writing and reading those files, and
// the input format of the targets over three files.
#ifndef VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_
#define VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "engine/util/byte_order.h"

namespace vx::fuzz {

namespace fs = std::filesystem;

// A broken promise is a crash, which the fuzzer reports with its input.
inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// libFuzzer may end the process without running exit handlers, so each
// process also removes the folders of earlier ones that are gone.
inline void RemoveStaleDirectories(const fs::path& base, const std::string& prefix) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(base, error)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    if (!fs::exists("/proc/" + name.substr(prefix.size()))) fs::remove_all(entry.path(), error);
  }
}

// The folder of this process (in memory where /dev/shm exists), named
// `prefix` + process id, removed at a normal exit.
inline const fs::path& WorkDirectory(const std::string& prefix) {
  struct WorkDir {
    explicit WorkDir(const std::string& p) {
      const fs::path base =
          fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
      RemoveStaleDirectories(base, p);
      path = base / (p + std::to_string(::getpid()));
      fs::create_directories(path);
    }
    ~WorkDir() {
      std::error_code ignored;
      fs::remove_all(path, ignored);
    }
    fs::path path;
  };
  static const WorkDir dir(prefix);
  return dir.path;
}

inline void WriteFile(const fs::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The input of a target over three files: a flag byte, the sizes of the
// first two files as u16, then the three files' bytes, the last taking the
// rest.
inline std::vector<uint8_t> PackFiles(uint8_t flags,
                                      std::initializer_list<std::vector<uint8_t>> files) {
  std::vector<uint8_t> input(5);
  input[0] = flags;
  size_t n = 0;
  for (const std::vector<uint8_t>& file : files) {
    if (n < 2) StoreU16(input.data() + 1 + 2 * n, static_cast<uint16_t>(file.size()));
    ++n;
    input.insert(input.end(), file.begin(), file.end());
  }
  return input;
}

// Writes the three files of such an input, sizes cut to what it holds;
// false when it is shorter than its header.
inline bool UnpackFiles(const uint8_t* data, size_t size, const fs::path& first,
                        const fs::path& second, const fs::path& third) {
  if (size < 5) return false;
  const size_t first_size = std::min<size_t>(LoadU16(data + 1), size - 5);
  const size_t second_size = std::min<size_t>(LoadU16(data + 3), size - 5 - first_size);
  WriteFile(first, data + 5, first_size);
  WriteFile(second, data + 5 + first_size, second_size);
  WriteFile(third, data + 5 + first_size + second_size, size - 5 - first_size - second_size);
  return true;
}

// With --write-seeds=DIR among the arguments, calls `write` with DIR and
// ends the process: the targets write their own well-formed seeds.
template <typename Write>
void WriteSeedsIfAsked(int argc, char** argv, Write write) {
  const std::string flag = "--write-seeds=";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind(flag, 0) == 0) {
      write(fs::path(arg.substr(flag.size())));
      std::exit(0);
    }
  }
}

}  // namespace vx::fuzz

#endif  // VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_
