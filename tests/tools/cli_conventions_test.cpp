// kuvo-sok, kuvo-data and kuvo as processes beyond their stored answers
// (stored_answers_test.cpp): the version, the bash completion, kuvo without
// a display, kuvo as a screen reader sees it over the AT-SPI bus, a CSV
// export built again, damaged files, and the programs in English.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "search/search_forms.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const std::string kSok = VX_KUVO_SOK;
const std::string kData = VX_KUVO_DATA;
const std::string kKuvo = VX_KUVO;
const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";

std::string Out(const testing::ProcessResult& result) {
  return {result.out.begin(), result.out.end()};
}

// Help and wrong usage are in the stored answers (stored_answers_test.cpp);
// the version, which changes with each release, is checked here.
TEST(CliConventions, VersionGoesToStandardOutput) {
  for (const std::string& program : {kSok, kData}) {
    const auto version = RunProcess({program, "--version"});
    EXPECT_EQ(version.exit_code, 0);
    EXPECT_EQ(Out(version), fs::path(program).filename().string() + " " VX_VERSION "\n");
    EXPECT_EQ(version.err, "");
  }
}

TEST(CliConventions, BashCompletionOffersTheRegistersFields) {
  if (!testing::ProgramAvailable("bash")) GTEST_SKIP() << "no bash";
  const std::string source = "source " + std::string(VX_SOK_COMPLETION) + "; ";
  const auto registered = RunProcess({"bash", "-c", source + "complete -p kuvo-sok"});
  EXPECT_EQ(Out(registered), "complete -F _kuvo_sok kuvo-sok\n");

  const auto offered =
      RunProcess({"bash", "-c",
                  source + "COMP_WORDS=(" + kSok + " fodda --f); COMP_CWORD=2; _kuvo_sok; " +
                      "printf '%s\\n' \"${COMPREPLY[@]}\""});
  std::set<std::string> got;
  std::istringstream lines(Out(offered));
  for (std::string line; std::getline(lines, line);)
    got.insert(line);
  std::set<std::string> expected = {"--format", "--fran"};
  for (const FormField& field : SearchForm(1).fields) {
    if (!field.prefix.starts_with("f")) continue;
    expected.insert("--" + std::string(field.prefix));
    if (field.ListBacked()) expected.insert("--" + std::string(field.prefix) + "-rader");
  }
  EXPECT_EQ(got, expected);
}

TEST(KuvoStart, WithoutADisplayItSaysSoInOneLineAndExits1) {
  const testing::ProcessResult result =
      RunProcess({"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", kKuvo});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(result.out.empty());
  ASSERT_FALSE(result.err.empty());
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  EXPECT_NE(result.err.find("bildskärm"), std::string::npos) << result.err;
}

// kuvo as a screen reader sees it: a virtual display and the AT-SPI bus in
// a D-Bus session of their own, the search and the checks driven by
// tests/tools/kuvo_atspi.py through the accessibility tree alone.
TEST(KuvoAccessibility, AfterASearchTheTreeIsNamedAndReadsAsKuvoSok) {
  for (const char* tool : {"/usr/bin/dbus-run-session", "/usr/bin/python3", "/usr/bin/Xvfb"}) {
    if (!fs::exists(tool)) GTEST_SKIP() << tool << " is not installed";
  }
  const testing::ProcessResult result =
      RunProcess({"/usr/bin/dbus-run-session", "--", "/usr/bin/python3", "-W", "ignore",
                  VX_ATSPI_SCRIPT, kKuvo, kSok, kIni.string(), "Johan"});
  // 77: no Xvfb, bus or bindings, and the script says why.
  if (result.exit_code == 77) GTEST_SKIP() << Out(result);
  EXPECT_EQ(result.exit_code, 0) << Out(result) << result.err;
}

std::string Export(const fs::path& ini, std::vector<std::string> search) {
  search.insert(search.begin(), {VX_KUVO_SOK, "--ini", ini.string()});
  search.insert(search.end(), {"--format", "csv"});
  const testing::ProcessResult result = RunProcess(search);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  return {result.out.begin(), result.out.end()};
}

TEST(KuvoSok, ACsvExportBuiltAgainGivesTheSameRecords) {
  // Each search finds records with long texts (line breaks, quotes,
  // semicolons) and Swedish letters.
  const struct {
    const char* file;
    std::vector<std::string> args;
  } searches[] = {{"fodda.csv", {"fodda", "--fod", "1750-1800"}},
                  {"vigda.csv", {"vigda", "--vigd", "1800-1850"}},
                  {"doda.csv", {"doda", "--dod", "1780-1820"}}};
  testing::TempDir dir;
  std::vector<std::string> exports;
  for (const auto& search : searches) {
    exports.push_back(Export(kIni, search.args));
    testing::WriteText(dir.path() / "kalla" / search.file, exports.back());
  }
  const testing::ProcessResult built = RunProcess(
      {VX_KUVO_DATA, "bygg", (dir.path() / "kalla").string(), (dir.path() / "data").string()});
  ASSERT_EQ(built.exit_code, 0) << built.err;
  testing::WriteText(dir.path() / "kuvo.ini",
                     "[hdbaser]\nhdbasen=" + (dir.path() / "data").string() + "/\n");
  for (size_t i = 0; i < exports.size(); ++i) {
    SCOPED_TRACE(searches[i].file);
    EXPECT_GT(std::count(exports[i].begin(), exports[i].end(), '\n'), 50);
    EXPECT_NE(exports[i].find('"'), std::string::npos) << "quoted long texts";
    // The same search on the rebuilt set exports every field alike.
    EXPECT_EQ(Export(dir.path() / "kuvo.ini", searches[i].args), exports[i]);
  }
}

TEST(KuvoSok, DamagedRecordStoreIsNamed) {
  testing::TempDir dir;
  const fs::path sample = kIni.parent_path() / "exempel";
  for (const auto& entry : fs::directory_iterator(sample))
    fs::copy_file(entry.path(), dir / entry.path().filename().string());
  // Spoil a byte in every kilobyte of the births' record blocks.
  std::vector<uint8_t> records = testing::ReadFileBytes(dir / "vaxor0001h1.b");
  for (size_t at = 100; at < records.size(); at += 1000)
    records[at] ^= 0x5A;
  testing::WriteFileBytes(dir / "vaxor0001h1.b", records);
  testing::WriteText(dir / "kuvo.ini", "[hdbaser]\nhdbasen=" + dir.path().string() + "/\n");

  const testing::ProcessResult result = RunProcess(
      {VX_KUVO_SOK, "--ini", (dir / "kuvo.ini").string(), "fodda", "--fod", "1700-1900", "--visa"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(
      result.err.starts_with("Skadad registerfil " + (dir / "vaxor0001h1.b").string() + ": "))
      << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line";
}

// kuvo-sok and kuvo-data in English: chosen by --sprak en or by an English
// locale, for their usage, messages and the record texts; the searches,
// prefixes and output columns stay the same. Swedish, and the English help,
// stay as the stored answers have them.
TEST(English, EveryRegistersRecordTextWithSprakEn) {
  const char* const cases[][2] = {
      {"fodda", "F1688-000001"}, {"vigda", "V1691-000002"}, {"doda", "D1688-000001"}};
  for (const auto& [reg, lokalid] : cases) {
    const auto english = RunProcess({kSok, "--sprak=en", reg, "--lokalid", lokalid, "--visa"});
    ASSERT_EQ(english.exit_code, 0) << english.err;
    const auto swedish = RunProcess({kSok, reg, "--lokalid", lokalid, "--visa"});
    const std::string en = Out(english), sv = Out(swedish);
    // The hit line is the same: register, record, name and date as stored.
    EXPECT_EQ(en.substr(0, en.find('\n')), sv.substr(0, sv.find('\n')));
    EXPECT_NE(en.find("\nSource: "), std::string::npos) << en;
    for (const char* swedish_word : {"Källa", "Född ", "Döpt ", "Övriga uppgifter", "Normerade"})
      EXPECT_EQ(en.find(swedish_word), std::string::npos) << swedish_word << " in\n" << en;
    EXPECT_EQ(english.err, "Hits: 1\n");
  }
}

TEST(English, TheLocaleChoosesWhenThereIsNoOption) {
  const struct {
    const char* variable;
    bool english;
  } cases[] = {{"LANG=en_US.UTF-8", true},
               {"LC_MESSAGES=en_GB.UTF-8", true},
               {"LC_ALL=en_US.UTF-8", true},
               {"", false}};
  for (const auto& c : cases) {
    // Run with only the given locale variable set.
    std::vector<std::string> argv = {"env", "-u", "LC_ALL", "-u", "LC_MESSAGES", "-u", "LANG"};
    if (*c.variable != '\0') argv.push_back(c.variable);
    argv.insert(argv.end(), {kSok, "fodda", "--lokalid", "X0000-999999"});
    const auto missing = RunProcess(argv);
    EXPECT_EQ(missing.exit_code, 1) << c.variable;
    EXPECT_EQ(missing.err, c.english ? "Local ID X0000-999999 does not exist!\n"
                                     : "Lokal-ID X0000-999999 finns inte!\n")
        << c.variable;
  }
}

TEST(English, UsageAndWrongUsage) {
  const struct {
    std::vector<std::string> args;
    int exit_code;
    const char* start;  // of standard output for help, else of standard error
  } cases[] = {
      {{kSok, "--sprak", "en", "fodda", "--ordning", "alfabet"},
       2,
       "kuvo-sok: --ordning must be namn, datum or kalla\nUsage:\n"},
      {{kSok, "--sprak", "en", "vigda", "--fn", "Anna"},
       2,
       "kuvo-sok: the form of vigda has no field --fn\n"},
      // A wrong language is told in Swedish: no language has been chosen.
      {{kSok, "--sprak", "de", "fodda"},
       2,
       "kuvo-sok: --sprak ska vara sv (svenska) eller en (engelska), inte \"de\"\n"},
      {{kData, "--sprak", "en", "--help"}, 0, "Usage:\n  kuvo-data pack [--metod NON|RLE|LZH|LH5]"},
      {{kData, "pack", "--metod", "ZIP", "--sprak", "en"},
       2,
       "Unknown method: ZIP (choose NON, RLE, LZH or LH5)\n"},
  };
  for (const auto& c : cases) {
    const auto result = RunProcess(c.args);
    EXPECT_EQ(result.exit_code, c.exit_code) << c.start;
    const std::string shown = c.exit_code == 0 ? Out(result) : result.err;
    EXPECT_TRUE(shown.starts_with(c.start)) << shown;
  }
}

}  // namespace
}  // namespace vx
