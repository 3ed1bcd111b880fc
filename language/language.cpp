#include "language/language.h"

#include <cstdlib>

#include "language/message_id.h"
#include "language/messages.h"

namespace vx {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

constexpr std::string_view kOption = "--sprak";

}  // namespace

LocaleVariables LocaleOfProcess() {
  return {Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

Language LanguageOfLocale(const LocaleVariables& locale) {
  for (const std::string* value : {&locale.lc_all, &locale.lc_messages, &locale.lang}) {
    if (!value->empty()) return value->starts_with("en") ? Language::kEnglish : Language::kSwedish;
  }
  return Language::kSwedish;
}

bool LanguageNamed(std::string_view name, Language& language) {
  if (name == "sv") {
    language = Language::kSwedish;
  } else if (name == "en") {
    language = Language::kEnglish;
  } else {
    return false;
  }
  return true;
}

const char* LanguageName(Language language) {
  return language == Language::kEnglish ? "en" : "sv";
}

bool TakeLanguageOption(std::vector<std::string>& args, const LocaleVariables& locale,
                        Language& language, std::string& error) {
  language = LanguageOfLocale(locale);
  for (size_t i = 0; i < args.size();) {
    const std::string& arg = args[i];
    size_t taken = 0;
    std::string value;
    if (arg == kOption) {
      if (i + 1 >= args.size()) {
        error = Say(MessageId::LanguageValueMissing, Language::kSwedish);
        return false;
      }
      value = args[i + 1];
      taken = 2;
    } else if (arg.starts_with(std::string(kOption) + "=")) {
      value = arg.substr(kOption.size() + 1);
      taken = 1;
    } else {
      ++i;
      continue;
    }
    if (!LanguageNamed(value, language)) {
      error = Say(MessageId::LanguageValueWrong, Language::kSwedish, {value});
      return false;
    }
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
               args.begin() + static_cast<std::ptrdiff_t>(i + taken));
  }
  return true;
}

}  // namespace vx
