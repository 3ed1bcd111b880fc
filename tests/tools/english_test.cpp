// kuvo-sok and kuvo-data in English: chosen by --sprak en or by an English
// locale, for their usage, messages and the record texts; the searches,
// prefixes and output columns stay the same. Swedish, and the English help,
// stay as the stored answers have them (stored_answers_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/files.h"

namespace vx {
namespace {

using testing::RunProcess;

const std::string kSok = VX_KUVO_SOK;
const std::string kData = VX_KUVO_DATA;

std::string Out(const testing::ProcessResult& result) {
  return {result.out.begin(), result.out.end()};
}

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
  } cases[] = {{"LANG=en_US.UTF-8", true},   {"LC_MESSAGES=en_GB.UTF-8", true},
               {"LC_ALL=en_US.UTF-8", true}, {"LANG=sv_SE.UTF-8", false},
               {"LANG=C.UTF-8", false},      {"", false}};
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
