// Expansion and compression figures of the codec, side by side with lhasa.
//
//   bench-expand [--mb N] [--runs N]
//
// Makes N MB (default 16) of register-like text, compresses it with our
// -lh5- coder, and times as whole processes `kuvo-data unpack` on the stream
// against `lhasa pq` on an LHA archive holding the same coded data. Then
// prints in-process throughput of expanding the text cut into 40 KB streams,
// as the record stores hold it, and of compressing it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/util/stream.h"
#include "tests/support/files.h"
#include "tests/support/lha_archive.h"
#include "tests/support/sample_inputs.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Runs a program with standard input from a file (or /dev/null) and standard
// output to /dev/null; returns the wall time, or a negative value on failure.
double TimeProcess(const std::vector<std::string>& argv, const std::string& input_file) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(
      &actions, 0, input_file.empty() ? "/dev/null" : input_file.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const auto start = Clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  const double elapsed = Seconds(Clock::now() - start);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? elapsed : -1;
}

double MedianProcessTime(const std::vector<std::string>& argv, const std::string& input, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double t = TimeProcess(argv, input);
    if (t < 0) {
      std::fprintf(stderr, "%s failed\n", argv[0].c_str());
      std::exit(1);
    }
    times.push_back(t);
  }
  return Median(times);
}

void CheckSameOutput(const std::vector<std::string>& argv, const std::vector<uint8_t>& input,
                     const std::vector<uint8_t>& expected) {
  const auto result = vx::testing::RunProcess(argv, input);
  if (result.exit_code != 0 || result.out != expected) {
    std::fprintf(stderr, "%s does not give back the original: %s\n", argv[0].c_str(),
                 result.err.c_str());
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  size_t megabytes = 16;
  int runs = 7;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--mb") megabytes = std::strtoul(argv[i + 1], nullptr, 10);
    if (flag == "--runs") runs = std::atoi(argv[i + 1]);
  }
  if (!vx::testing::ProgramAvailable("lhasa")) {
    std::fprintf(stderr, "lhasa is needed (scripts/install-deps)\n");
    return 1;
  }
  const std::vector<uint8_t> text = vx::testing::RecordLikeText(megabytes << 20, 2026);
  vx::TCompress codec;

  // Compression throughput, and the stream the processes expand.
  vx::TMemoryStream packed;
  {
    vx::TViewStream source(text);
    const auto start = Clock::now();
    codec.CompressStream(packed, source, vx::CompressMethod::kLh5);
    const double seconds = Seconds(Clock::now() - start);
    std::printf("LH5 compression: %.1f MB in %.2f s = %.1f MB/s, coded to %.1f %%\n",
                static_cast<double>(text.size()) / 1e6, seconds,
                static_cast<double>(text.size()) / 1e6 / seconds,
                100.0 * static_cast<double>(packed.Size()) / static_cast<double>(text.size()));
  }

  vx::testing::TempDir dir;
  const std::string stream_file = (dir / "text.lh5").string();
  const std::string archive_file = (dir / "text.lzh").string();
  vx::testing::WriteFileBytes(stream_file, packed.Bytes());
  const std::span<const uint8_t> coded =
      std::span(packed.Bytes()).subspan(vx::CompressedHeader::kSize);
  vx::testing::WriteFileBytes(archive_file,
                              vx::testing::MakeLhaArchive("-lh5-", "text.txt", coded, text));

  const std::vector<std::string> ours = {VX_KUVO_DATA, "unpack"};
  const std::vector<std::string> theirs = {"lhasa", "pq", archive_file};
  CheckSameOutput(ours, packed.Bytes(), text);
  CheckSameOutput(theirs, {}, text);
  const double ours_seconds = MedianProcessTime(ours, stream_file, runs);
  const double theirs_seconds = MedianProcessTime(theirs, "", runs);
  std::printf("Expanding %.1f MB as a whole process (median of %d runs):\n",
              static_cast<double>(text.size()) / 1e6, runs);
  std::printf("  kuvo-data unpack  %.3f s\n", ours_seconds);
  std::printf("  lhasa pq          %.3f s\n", theirs_seconds);
  std::printf("  ratio (lhasa / kuvo-data): %.2f\n", theirs_seconds / ours_seconds);

  // Blocks of about 40 KB, one stream each, expanded in-process.
  constexpr size_t kBlock = 40 * 1024;
  std::vector<std::vector<uint8_t>> blocks;
  for (size_t at = 0; at < text.size(); at += kBlock) {
    const size_t n = std::min(kBlock, text.size() - at);
    vx::TViewStream source(std::span<const uint8_t>(text).subspan(at, n));
    vx::TMemoryStream block;
    codec.CompressStream(block, source, vx::CompressMethod::kLh5);
    blocks.push_back(block.Take());
  }
  std::vector<double> times;
  vx::TMemoryStream out;
  for (int r = 0; r < runs; ++r) {
    const auto start = Clock::now();
    for (const auto& block : blocks) {
      vx::TViewStream source(block);
      out.Clear();
      codec.ExpandStream(out, source);
    }
    times.push_back(Seconds(Clock::now() - start));
  }
  const double block_seconds = Median(times);
  std::printf("Expanding %zu streams of 40 KB in-process: %.1f MB/s (%.1f us per block)\n",
              blocks.size(), static_cast<double>(text.size()) / 1e6 / block_seconds,
              block_seconds * 1e6 / static_cast<double>(blocks.size()));
  return 0;
}
