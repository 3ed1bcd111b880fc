// Which language the programs speak: the locale's, or --sprak's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/language.h"

namespace vx {
namespace {

constexpr Language kSv = Language::kSwedish;
constexpr Language kEn = Language::kEnglish;

TEST(LanguageChoice, TheLocaleAndTheOptionDecide) {
  const struct {
    LocaleVariables locale;  // LC_ALL, LC_MESSAGES, LANG
    std::vector<std::string> option;
    Language expected;
  } cases[] = {
      {{"", "", ""}, {}, kSv},  // no locale at all
      {{"", "", "C"}, {}, kSv},
      {{"", "", "POSIX"}, {}, kSv},
      {{"", "", "sv_SE.UTF-8"}, {}, kSv},
      {{"", "", "de_DE.UTF-8"}, {}, kSv},  // neither: Swedish
      {{"", "", "en_US.UTF-8"}, {}, kEn},
      {{"", "", "en_GB"}, {}, kEn},
      {{"", "", "en"}, {}, kEn},
      {{"", "en_US.UTF-8", "sv_SE.UTF-8"}, {}, kEn},  // LC_MESSAGES before LANG
      {{"", "sv_SE.UTF-8", "en_US.UTF-8"}, {}, kSv},
      {{"en_US.UTF-8", "sv_SE.UTF-8", "sv_SE.UTF-8"}, {}, kEn},  // LC_ALL before both
      {{"C", "en_US.UTF-8", "en_US.UTF-8"}, {}, kSv},
      {{"", "", "eng"}, {}, kEn},                         // begins with "en"
      {{"", "", "sv_SE.UTF-8"}, {"--sprak", "en"}, kEn},  // the option overrides
      {{"en_US.UTF-8", "", ""}, {"--sprak", "sv"}, kSv},
      {{"", "", ""}, {"--sprak=en"}, kEn},
      {{"en_US.UTF-8", "", ""}, {"--sprak=sv"}, kSv},
      {{"", "", ""}, {"--sprak", "sv", "--sprak", "en"}, kEn},  // the last one counts
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"fodda"};
    args.insert(args.end(), c.option.begin(), c.option.end());
    args.push_back("--visa");
    Language language = c.expected == kSv ? kEn : kSv;
    std::string error;
    ASSERT_TRUE(TakeLanguageOption(args, c.locale, language, error)) << error;
    EXPECT_EQ(language, c.expected) << c.locale.lc_all << "|" << c.locale.lc_messages << "|"
                                    << c.locale.lang << " " << c.option.size();
    EXPECT_EQ(args, (std::vector<std::string>{"fodda", "--visa"})) << "the option is taken out";
  }
}

TEST(LanguageChoice, AWrongOrMissingValueIsASwedishMessage) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--sprak", "de"}, "--sprak ska vara sv (svenska) eller en (engelska), inte \"de\""},
      {{"--sprak=EN"}, "--sprak ska vara sv (svenska) eller en (engelska), inte \"EN\""},
      {{"--sprak="}, "--sprak ska vara sv (svenska) eller en (engelska), inte \"\""},
      {{"fodda", "--sprak"}, "--sprak behöver ett värde: sv (svenska) eller en (engelska)"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    Language language = kSv;
    std::string error;
    EXPECT_FALSE(TakeLanguageOption(args, {"", "", "en_US.UTF-8"}, language, error));
    EXPECT_EQ(error, c.message);
  }
}

TEST(LanguageChoice, NamesBothWays) {
  for (Language language : {kSv, kEn}) {
    Language named = language == kSv ? kEn : kSv;
    EXPECT_TRUE(LanguageNamed(LanguageName(language), named));
    EXPECT_EQ(named, language);
  }
  Language unchanged = kSv;
  for (const char* name : {"", "SV", "svenska", "english", "en_US"})
    EXPECT_FALSE(LanguageNamed(name, unchanged)) << name;
}

}  // namespace
}  // namespace vx
