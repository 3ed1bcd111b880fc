// The language the programs speak: Swedish, or English for those who read
// no Swedish. Chosen once at start, from the locale or from --sprak; what a
// register set holds (names, places, help texts) is shown as stored in
// either. Plain C++, no Qt: the three programs decide the same way.
#ifndef VX_LANGUAGE_LANGUAGE_H_
#define VX_LANGUAGE_LANGUAGE_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class Language { kSwedish, kEnglish };

// The locale's variables as the process has them; empty when unset.
struct LocaleVariables {
  std::string lc_all;
  std::string lc_messages;
  std::string lang;
};

// LC_ALL, LC_MESSAGES and LANG of this process.
LocaleVariables LocaleOfProcess();

// The locale's language: the first set variable of LC_ALL, LC_MESSAGES and
// LANG (the order in which the C library reads them for messages) decides;
// English when it begins with "en", Swedish otherwise and when none is set.
Language LanguageOfLocale(const LocaleVariables& locale);

// "sv" or "en", the names --sprak takes; false for any other.
bool LanguageNamed(std::string_view name, Language& language);

// "sv" or "en".
const char* LanguageName(Language language);

// Takes "--sprak NAME" (or "--sprak=NAME") out of `args`, wherever it
// stands, and chooses the language: NAME when given, else the locale's.
// False with `error` (Swedish, UTF-8) when the value is missing or is
// neither sv nor en; `args` then holds what was not taken.
bool TakeLanguageOption(std::vector<std::string>& args, const LocaleVariables& locale,
                        Language& language, std::string& error);

}  // namespace vx

#endif  // VX_LANGUAGE_LANGUAGE_H_
