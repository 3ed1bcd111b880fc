// Records written as "NAME=value|..." and checks shared by the record-text
// tests.
#ifndef VX_TESTS_SUPPORT_RECORD_TEXT_TEST_UTIL_H_
#define VX_TESTS_SUPPORT_RECORD_TEXT_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "records/register_labels.h"
#include "records/register_records.h"
#include "tests/support/text.h"

namespace vx::testing {

// A record with the given fields (UTF-8 in the source, Windows-1252 in the
// record): MakeRecord<Tenfodd>("ENAMN=Berg|FNAMN=Anna").
template <typename Record>
Record MakeRecord(std::string_view fields) {
  Record record;
  ForEachField(fields, [&](const std::string& name, std::string value) {
    for (const FieldBinding<Record>& binding : Record::Fields()) {
      if (FieldName(binding.label) != name) continue;
      record.*binding.member = std::move(value);
      return;
    }
    ADD_FAILURE() << "no field " << name;
  });
  return record;
}

// `text` with every "[...]" code removed, as the clipboard copy does.
inline std::string WithoutCodes(const std::string& text) {
  std::string out;
  bool in_code = false;
  for (char c : text) {
    if (c == '[') in_code = true;
    if (!in_code) out += c;
    if (c == ']') in_code = false;
  }
  return out;
}

// The plain text is the coded one without its codes, has no brackets left,
// and the coded text starts at font level 5.
inline void ExpectPlainMatchesCoded(const std::string& plain, const std::string& coded) {
  EXPECT_EQ(plain.find_first_of("[]"), std::string::npos) << plain;
  EXPECT_EQ(coded.rfind("[5]", 0), 0u) << coded;
  EXPECT_EQ(plain, WithoutCodes(coded));
}

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_RECORD_TEXT_TEST_UTIL_H_
