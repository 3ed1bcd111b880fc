// The programs' answers against answers stored as text (tests/tools/answers),
// so that a changed answer shows as a diff of its command: kuvo-sok's answers
// to a fixed list of searches (searches.txt) that covers every field of every
// form, list mode, the Lokal-ID jump, "alla", the output formats and wrong
// usage, on the bundled sample and on a set of 100 000 births; and the
// command lines of commands.txt (help, usage, kuvo-data info on the bundled
// sample) and of commands_en.txt (kuvo-data info in English), run beside the
// programs. An answer that changes must be explained and stored again: run
// the test with VX_RECORD_ANSWERS=1.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const fs::path kAnswers = VX_ANSWERS_DIR;
const fs::path kPrograms = fs::path(VX_KUVO_SOK).parent_path();

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Commands(const std::string& list) {
  std::vector<std::string> searches;
  std::istringstream lines(ReadText(kAnswers / list));
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line.front() != '#') searches.push_back(line);
  return searches;
}

// A command line's arguments: split at blanks, "~" standing for a blank and
// "∅" for an empty argument.
std::vector<std::string> Arguments(const std::string& line) {
  std::vector<std::string> args;
  std::istringstream words(line);
  for (std::string word; words >> word;) {
    for (char& c : word)
      if (c == '~') c = ' ';
    args.push_back(word == "∅" ? "" : word);
  }
  return args;
}

std::string Fnv1a64(const std::string& bytes) {
  uint64_t hash = 0xCBF29CE484222325u;
  for (const char byte : bytes) {
    hash ^= static_cast<uint8_t>(byte);
    hash *= 0x100000001B3u;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// `text` as lines after `mark`, all of them or the first `head` and the
// last `tail` with the number and a hash of those left out; a missing final
// line break is said.
std::string Marked(const std::string& text, const std::string& mark, size_t head = SIZE_MAX,
                   size_t tail = 0) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(mark + line + "\n");
  const bool cut = lines.size() > head + tail;
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (cut && i == head) {
      out += "… " + std::to_string(lines.size() - head - tail) + " lines, FNV-1a 64 of all " +
             std::to_string(lines.size()) + ": " + Fnv1a64(text) + "\n";
    }
    if (!cut || i < head || i >= lines.size() - tail) out += lines[i];
  }
  if (!text.empty() && text.back() != '\n') out += "(no line break at the end)\n";
  return out;
}

// The answer as stored: the search, the exit code, standard error after
// "! ", standard output after two blanks (more than 30 lines as their first
// 20, their last 5 and a hash of all), the program's version in GEDCOM
// headers as "{version}".
std::string Answer(const std::string& search, const testing::ProcessResult& result) {
  std::string out(result.out.begin(), result.out.end());
  const std::string version = "\n2 VERS " VX_VERSION "\n";
  if (const size_t at = out.find(version); at != std::string::npos)
    out.replace(at, version.size(), "\n2 VERS {version}\n");
  const bool whole = std::count(out.begin(), out.end(), '\n') <= 30;
  return "$ " + search + "\n? " + std::to_string(result.exit_code) + "\n" +
         Marked(result.err, "! ") + Marked(out, "  ", whole ? SIZE_MAX : 20, whole ? 0 : 5);
}

// The stored answers, one a search, split before each "$ ".
std::vector<std::string> StoredAnswers(const fs::path& file) {
  std::vector<std::string> answers;
  std::istringstream lines(ReadText(file));
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("$ ") || answers.empty()) answers.emplace_back();
    answers.back() += line + "\n";
  }
  return answers;
}

// Runs each command of `list` and compares the answers with those stored in
// `file`; `argv` makes a command's arguments into the program's.
void ExpectAnswers(const std::string& list, const fs::path& file,
                   const std::function<std::vector<std::string>(std::vector<std::string>)>& argv) {
  const std::vector<std::string> commands = Commands(list);
  std::vector<std::string> answers;
  for (const std::string& command : commands)
    answers.push_back(Answer(command, RunProcess(argv(Arguments(command)), {}, kPrograms)));
  if (std::getenv("VX_RECORD_ANSWERS") != nullptr) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& answer : answers)
      out << answer;
    GTEST_SKIP() << "answers stored in " << file;
  }
  const std::vector<std::string> stored = StoredAnswers(file);
  ASSERT_EQ(stored.size(), answers.size()) << file << ": store the answers again";
  for (size_t i = 0; i < answers.size(); ++i)
    EXPECT_EQ(answers[i], stored[i]) << commands[i];
}

void ExpectSearchAnswers(const fs::path& ini, const fs::path& file) {
  ExpectAnswers("searches.txt", file, [&](std::vector<std::string> args) {
    args.insert(args.begin(), {VX_KUVO_SOK, "--ini", ini.string()});
    return args;
  });
}

TEST(KuvoSokAnswers, OnTheBundledSample) {
  ExpectSearchAnswers(kPrograms / "kuvo.ini", kAnswers / "sample.txt");
}

TEST(KuvoSokAnswers, OnAHundredThousandBirths) {
  testing::TempDir dir;
  const std::string source = (dir / "kalla").string(), data = (dir / "data").string();
  ASSERT_EQ(RunProcess({VX_KUVO_DATA, "exempel", source, "--fodda", "100000", "--vigda", "0",
                        "--doda", "0"})
                .exit_code,
            0);
  ASSERT_EQ(RunProcess({VX_KUVO_DATA, "bygg", source, data}).exit_code, 0);
  std::ofstream(dir / "kuvo.ini") << "[hdbaser]\nhdbasen=" << data << "/\n";
  ExpectSearchAnswers(dir / "kuvo.ini", kAnswers / "births100k.txt");
}

// The programs are run from their own folder, where the bundled sample is
// "exempel" and kuvo.ini a file.
TEST(ProgramAnswers, ToTheCommandLines) {
  const struct {
    const char* list;
    const char* answers;
  } lists[] = {{"commands.txt", "commands.answers.txt"},
               {"commands_en.txt", "commands_en.answers.txt"}};
  for (const auto& l : lists)
    ExpectAnswers(l.list, kAnswers / l.answers, [](std::vector<std::string> args) {
      args.front() = (kPrograms / args.front()).string();
      return args;
    });
}

}  // namespace
}  // namespace vx
