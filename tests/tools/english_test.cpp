// kuvo-sok and kuvo-data in English: chosen by --sprak en or by an English
// locale, for their usage, help, messages and the record texts; the
// searches, prefixes and output columns stay the same. Swedish stays as the
// stored answers have it (stored_answers_test.cpp).
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

// `args` run with only the given locale variable set.
testing::ProcessResult RunWithLocale(const std::string& variable,
                                     const std::vector<std::string>& args) {
  std::vector<std::string> argv = {"env", "-u", "LC_ALL", "-u", "LC_MESSAGES", "-u", "LANG"};
  if (!variable.empty()) argv.push_back(variable);
  argv.insert(argv.end(), args.begin(), args.end());
  return RunProcess(argv);
}

TEST(English, TheRecordTextOfABirthWithSprakEn) {
  const auto english =
      RunProcess({kSok, "--sprak", "en", "fodda", "--lokalid", "F1688-000001", "--visa"});
  ASSERT_EQ(english.exit_code, 0) << english.err;
  const auto swedish = RunProcess({kSok, "fodda", "--lokalid", "F1688-000001", "--visa"});
  ASSERT_EQ(swedish.exit_code, 0) << swedish.err;
  const std::string en = Out(english), sv = Out(swedish);
  // The hit line is the same: register, record, name and date as stored.
  EXPECT_EQ(en.substr(0, en.find('\n')), sv.substr(0, sv.find('\n')));
  EXPECT_NE(sv.find("\nKälla: "), std::string::npos) << sv;
  EXPECT_NE(en.find("\nSource: "), std::string::npos) << en;
  for (const char* swedish_word : {"Källa", "Född ", "Döpt ", "Övriga uppgifter", "Normerade"})
    EXPECT_EQ(en.find(swedish_word), std::string::npos) << swedish_word << " in\n" << en;
  EXPECT_EQ(english.err, "Hits: 1\n");  // whatever the count
  EXPECT_EQ(swedish.err, "1 träffar\n");
}

TEST(English, EveryRegistersTextUsesEnglishWords) {
  const struct {
    const char* reg;
    const char* lokalid;
    const char* word;
  } cases[] = {{"fodda", "F1689-000002", "Source: "},
               {"vigda", "V1691-000002", "Source: "},
               {"doda", "D1688-000001", "Source: "}};
  for (const auto& c : cases) {
    const auto result = RunProcess({kSok, "--sprak=en", c.reg, "--lokalid", c.lokalid, "--visa"});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_NE(Out(result).find(c.word), std::string::npos) << Out(result);
    EXPECT_EQ(Out(result).find("Källa"), std::string::npos) << Out(result);
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
    const auto missing = RunWithLocale(c.variable, {kSok, "fodda", "--lokalid", "X0000-999999"});
    EXPECT_EQ(missing.exit_code, 1) << c.variable;
    EXPECT_EQ(missing.err, c.english ? "Local ID X0000-999999 does not exist!\n"
                                     : "Lokal-ID X0000-999999 finns inte!\n")
        << c.variable;
  }
  // The option wins over the locale.
  const auto swedish = RunWithLocale("LANG=en_US.UTF-8",
                                     {kSok, "--sprak", "sv", "fodda", "--lokalid", "X0000-999999"});
  EXPECT_EQ(swedish.err, "Lokal-ID X0000-999999 finns inte!\n");
}

TEST(English, UsageHelpAndWrongUsage) {
  const auto help = RunProcess({kSok, "--sprak", "en", "--help"});
  EXPECT_EQ(help.exit_code, 0);
  const std::string text = Out(help);
  EXPECT_TRUE(text.starts_with("Usage:\n  kuvo-sok [--ini FILE] fodda|vigda|doda")) << text;
  // The prefixes as they are, the fields' captions in English.
  for (const char* part : {"\nFields by register", "\nSearch criteria", "\nOutput:", "\nPrinting:",
                           "\nExit codes:", "\n  --foo, --foo-rader              Place of birth\n",
                           "\n  --vigd                          Date of marriage or banns\n",
                           "\n  --dors, --dors-rader            Cause of death\n"})
    EXPECT_NE(text.find(part), std::string::npos) << part;
  const auto wrong = RunProcess({kSok, "--sprak", "en", "fodda", "--ordning", "alfabet"});
  EXPECT_EQ(wrong.exit_code, 2);
  EXPECT_TRUE(wrong.err.starts_with("kuvo-sok: --ordning must be namn, datum or kalla\nUsage:\n"))
      << wrong.err;
  const auto field = RunProcess({kSok, "--sprak", "en", "vigda", "--fn", "Anna"});
  EXPECT_EQ(field.exit_code, 2);
  EXPECT_TRUE(field.err.starts_with("kuvo-sok: the form of vigda has no field --fn\n"))
      << field.err;
  // A wrong language is told in Swedish: no language has been chosen.
  const auto language = RunProcess({kSok, "--sprak", "de", "fodda"});
  EXPECT_EQ(language.exit_code, 2);
  EXPECT_TRUE(language.err.starts_with(
      "kuvo-sok: --sprak ska vara sv (svenska) eller en (engelska), inte \"de\"\n"))
      << language.err;
}

TEST(English, KuvoDataUsageAndMessages) {
  const auto usage = RunProcess({kData, "--sprak", "en", "--help"});
  EXPECT_EQ(usage.exit_code, 0);
  EXPECT_TRUE(Out(usage).starts_with("Usage:\n  kuvo-data pack [--metod NON|RLE|LZH|LH5]"))
      << Out(usage);
  const auto method = RunProcess({kData, "pack", "--metod", "ZIP", "--sprak", "en"});
  EXPECT_EQ(method.exit_code, 2);
  EXPECT_TRUE(method.err.starts_with("Unknown method: ZIP (choose NON, RLE, LZH or LH5)\n"))
      << method.err;
  const auto swedish = RunProcess({kData, "pack", "--metod", "ZIP"});
  EXPECT_TRUE(swedish.err.starts_with("Okänd metod: ZIP (välj NON, RLE, LZH eller LH5)\n"))
      << swedish.err;
}

}  // namespace
}  // namespace vx
