// What the fuzz targets share: a check that crashes, a folder per process
// for the files made from each input, and the input format of the targets
// over three files with the seeds they write of it.
#ifndef VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_
#define VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "engine/codec/compress_errors.h"
#include "engine/util/byte_order.h"

namespace vx::fuzz {

namespace fs = std::filesystem;

// A broken promise is a crash, which the fuzzer reports with its input.
inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Reading may meet a damaged block: the codec's exceptions are the only
// failure allowed.
template <typename Step>
void Guarded(Step step) {
  try {
    step();
  } catch (const ECompressError&) {
  }
}

// The folder of this process (in memory where /dev/shm exists), named
// `prefix` + process id, removed at a normal exit. libFuzzer may end a
// process without running exit handlers, so each also removes the folders
// of earlier ones that are gone.
inline const fs::path& WorkDirectory(const std::string& prefix) {
  struct WorkDir {
    explicit WorkDir(const std::string& p) {
      const fs::path base =
          fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
      std::error_code error;
      for (const auto& entry : fs::directory_iterator(base, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(p) && !fs::exists("/proc/" + name.substr(p.size())))
          fs::remove_all(entry.path(), error);
      }
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

inline void WriteFile(const fs::path& path, std::span<const uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// The input of a target over three files: a flag byte, the sizes of the
// first two files as u16, then the three files' bytes, the last taking the
// rest.
using FileNames = std::array<const char*, 3>;

// Writes the three files of such an input into `dir`, sizes cut to what it
// holds; false when it is shorter than its header.
inline bool UnpackFiles(std::span<const uint8_t> input, const fs::path& dir,
                        const FileNames& names) {
  if (input.size() < 5) return false;
  const size_t first = std::min<size_t>(LoadU16(&input[1]), input.size() - 5);
  const size_t second = std::min<size_t>(LoadU16(&input[3]), input.size() - 5 - first);
  WriteFile(dir / names[0], input.subspan(5, first));
  WriteFile(dir / names[1], input.subspan(5 + first, second));
  WriteFile(dir / names[2], input.subspan(5 + first + second));
  return true;
}

// A folder of its own for making one seed in.
inline fs::path SeedDirectory(const std::string& prefix) {
  const fs::path dir = WorkDirectory(prefix) / "seed";
  fs::create_directories(dir);
  return dir;
}

// The three files in `dir` (one that is missing as empty) packed as an
// input with `flags`; the folder is removed.
inline std::vector<uint8_t> PackFiles(uint8_t flags, const fs::path& dir, const FileNames& names) {
  std::vector<uint8_t> input(5);
  input[0] = flags;
  for (size_t n = 0; n < 3; ++n) {
    std::ifstream in(dir / names[n], std::ios::binary);
    const std::vector<uint8_t> file(std::istreambuf_iterator<char>(in), {});
    if (n < 2) StoreU16(input.data() + 1 + 2 * n, static_cast<uint16_t>(file.size()));
    input.insert(input.end(), file.begin(), file.end());
  }
  fs::remove_all(dir);
  return input;
}

// With --write-seeds=DIR among the arguments, calls `write` with DIR (made
// if missing) and ends the process: the targets write their own
// well-formed seeds.
template <typename Write>
void WriteSeedsIfAsked(int argc, char** argv, Write write) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.starts_with("--write-seeds=")) {
      fs::create_directories(arg.substr(14));
      write(fs::path(arg.substr(14)));
      std::exit(0);
    }
  }
}

}  // namespace vx::fuzz

#endif  // VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_
