// Test texts written as the UTF-8 of the source file and used as the
// Windows-1252 bytes the program keeps inside, so that "Född" reads as
// itself instead of "F\xF6" "dd".
#ifndef VX_TESTS_SUPPORT_TEXT_H_
#define VX_TESTS_SUPPORT_TEXT_H_

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "engine/util/cp1252.h"

namespace vx::testing {

// `utf8` in Windows-1252; a character the code page lacks fails the test.
inline std::string W(std::string_view utf8) {
  std::string text;
  EXPECT_TRUE(Utf8ToCp1252(utf8, text)) << "not in Windows-1252: " << utf8;
  return text;
}

// Whether `text` holds `part` (at its start when `at_start`), showing both
// when it does not.
inline ::testing::AssertionResult Holds(const std::string& text, const std::string& part,
                                        bool at_start = false) {
  const size_t at = text.find(part);
  if (at_start ? at == 0 : at != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "\"" << part << "\" not " << (at_start ? "at the start of" : "in") << " \"" << text
         << "\"";
}

// Calls `set(name, value)` for each "NAME=value" of `fields`, separated by
// '|', with the value in Windows-1252: "ENAMN=Berg|FNAMN=Anna".
template <typename Set>
void ForEachField(std::string_view fields, Set set) {
  while (!fields.empty()) {
    const std::string_view field = fields.substr(0, fields.find('|'));
    fields.remove_prefix(std::min(fields.size(), field.size() + 1));
    const size_t equals = field.find('=');
    EXPECT_NE(equals, std::string_view::npos) << field;
    if (equals != std::string_view::npos)
      set(std::string(field.substr(0, equals)), W(field.substr(equals + 1)));
  }
}

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_TEXT_H_
