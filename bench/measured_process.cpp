#include "bench/measured_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>

extern char** environ;

namespace vx::bench {
namespace {

// Spawns the child with its outputs in `log`; 0 when it could not start.
pid_t Spawn(const std::vector<std::string>& argv, const std::filesystem::path& log) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return spawned == 0 ? pid : 0;
}

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

}  // namespace

MeasuredRun RunMeasured(const std::vector<std::string>& argv, const std::filesystem::path& log) {
  MeasuredRun run;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn(argv, log);
  if (pid == 0) return run;
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) return run;
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.cpu_seconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  run.peak_mb = static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;  // ru_maxrss is in KiB
  if (WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}

std::string TailOfFile(const std::filesystem::path& file, int lines) {
  // Progress lines are short: the last 16 KB hold more than enough of them.
  constexpr std::streamoff kWindow = 16384;
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  if (!in) return {};
  const std::streamoff size = in.tellg();
  in.seekg(size > kWindow ? size - kWindow : 0);
  std::ostringstream window;
  window << in.rdbuf();
  std::string text = window.str();
  if (text.empty()) return text;
  if (text.back() != '\n') text += '\n';
  size_t from = text.size() - 1;  // the last line's newline
  int found = 0;
  while (from > 0 && !(text[from - 1] == '\n' && ++found == lines))
    --from;
  return text.substr(from);
}

}  // namespace vx::bench
