#include "tests/support/files.h"

#include <algorithm>
#include <ctime>

#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace vx::testing {

std::vector<std::string> SortedFileNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

TempDir::TempDir() {
  std::string name = (std::filesystem::temp_directory_path() / "vx-test-XXXXXX").string();
  if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot create " + name);
  path_ = name;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

namespace {

// A file in memory holding `bytes`, read from its start.
int MemoryFile(std::span<const uint8_t> bytes) {
  const int fd = memfd_create("vx-test", MFD_CLOEXEC);
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  lseek(fd, 0, SEEK_SET);
  return fd;
}

std::string TakeMemoryFile(int fd) {
  std::string text(static_cast<size_t>(std::max<off_t>(lseek(fd, 0, SEEK_END), 0)), '\0');
  const ssize_t n = pread(fd, text.data(), text.size(), 0);
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  close(fd);
  return text;
}

}  // namespace

// Standard input, output and error are files in memory rather than pipes:
// nothing to interleave, and helpers a program leaves running (a bus, a
// display) cannot hold the test up by keeping a pipe open.
ProcessResult RunProcess(const std::vector<std::string>& argv, std::span<const uint8_t> input,
                         const std::filesystem::path& working_directory) {
  const int files[3] = {MemoryFile(input), MemoryFile({}), MemoryFile({})};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int i = 0; i < 3; ++i)
    posix_spawn_file_actions_adddup2(&actions, files[i], i);
  if (!working_directory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, working_directory.c_str());
  }
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const bool spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  if (spawned) waitpid(pid, &status, 0);
  close(files[0]);
  ProcessResult result;
  const std::string out = TakeMemoryFile(files[1]);
  result.out.assign(out.begin(), out.end());
  result.err = TakeMemoryFile(files[2]);
  result.exit_code = spawned && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

bool ProgramAvailable(const std::string& program) {
  std::istringstream directories(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
  for (std::string directory; std::getline(directories, directory, ':');)
    if (access((std::filesystem::path(directory) / program).c_str(), X_OK) == 0) return true;
  return false;
}

std::string TodayIso() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

}  // namespace vx::testing
