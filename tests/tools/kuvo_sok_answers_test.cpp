// kuvo-sok's answers to a fixed list of searches that covers every field of
// every form, list mode, the Lokal-ID jump and "alla", on the bundled sample
// and on a set of 100 000 births, against answers recorded earlier (see
// sok_answers/record). An answer that changes must be explained and
// recorded again.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/sample_register_set.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const fs::path kAnswers = VX_SOK_ANSWERS_DIR;

uint64_t Fnv1a64(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 0xCBF29CE484222325u;
  for (const uint8_t byte : bytes) {
    hash ^= byte;
    hash *= 0x100000001B3u;
  }
  return hash;
}

std::vector<std::string> Lines(const fs::path& path, bool skip_comments) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (skip_comments && (line.empty() || line.front() == '#')) continue;
    lines.push_back(line);
  }
  return lines;
}

// A search line's arguments: split at blanks, "~" standing for a blank.
std::vector<std::string> Arguments(const std::string& line) {
  std::vector<std::string> args;
  std::istringstream words(line);
  for (std::string word; words >> word;) {
    for (char& c : word)
      if (c == '~') c = ' ';
    args.push_back(word);
  }
  return args;
}

// The answer as sok_answers/record writes it.
std::string Answer(const testing::ProcessResult& result) {
  size_t lines = 0;
  for (const uint8_t byte : result.out)
    lines += byte == '\n';
  std::string err = result.err;
  while (!err.empty() && err.back() == '\n')
    err.pop_back();
  for (size_t at = err.find('\n'); at != std::string::npos; at = err.find('\n', at))
    err.replace(at, 1, " | ");
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1a64(result.out)));
  return std::to_string(result.exit_code) + "\t" + std::to_string(lines) + "\t" + hash + "\t" + err;
}

void ExpectAnswers(const fs::path& ini, const fs::path& answers) {
  const std::vector<std::string> searches = Lines(kAnswers / "searches.txt", true);
  const std::vector<std::string> expected = Lines(answers, false);
  ASSERT_EQ(searches.size(), expected.size()) << answers;
  for (size_t i = 0; i < searches.size(); ++i) {
    std::vector<std::string> argv = {VX_KUVO_SOK, "--ini", ini.string()};
    for (std::string& arg : Arguments(searches[i]))
      argv.push_back(std::move(arg));
    EXPECT_EQ(Answer(RunProcess(argv)), expected[i]) << "kuvo-sok " << searches[i];
  }
}

TEST(KuvoSokAnswers, OnTheBundledSample) {
  ExpectAnswers(fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini", kAnswers / "sample.txt");
}

TEST(KuvoSokAnswers, OnAHundredThousandBirths) {
  testing::TempDir dir;
  const fs::path ini = testing::BuildSampleRegisterSet(VX_KUVO_DATA, dir.path(), 100000, 0, 0);
  ASSERT_FALSE(ini.empty());
  ExpectAnswers(ini, kAnswers / "births100k.txt");
}

}  // namespace
}  // namespace vx
