// What the fuzz targets over data files share: a folder per process for the
// files made from each input, and writing those files.
#ifndef VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_
#define VX_TESTS_FUZZ_FUZZ_WORK_DIR_H_

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace vx::fuzz {

namespace fs = std::filesystem;

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
