// A strict RFC 4180 reader for tests, independent of the builder's own:
// values separated by a delimiter, rows ended by LF or CR LF, a value in
// double quotes may hold delimiters, doubled quotes and line breaks. A
// quote inside an unquoted value, text after a closing quote or an
// unterminated quote fails.
#ifndef VX_TESTS_SUPPORT_CSV_REFERENCE_H_
#define VX_TESTS_SUPPORT_CSV_REFERENCE_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx::testing {

using CsvRows = std::vector<std::vector<std::string>>;

// False (with `rows` holding what was read) when `text` is malformed.
inline bool ParseCsvStrictly(std::string_view text, char delimiter, CsvRows& rows) {
  rows.clear();
  std::vector<std::string> row(1);
  for (size_t i = 0; i < text.size(); ++i) {
    std::string& value = row.back();
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) return false;
        if (text[i] == '"' && (i + 1 == text.size() || text[i + 1] != '"')) break;
        value += text[i];
        i += text[i] == '"';  // a doubled quote is one
      }
      ++i;
    } else {
      for (; i < text.size() && text[i] != delimiter && text[i] != '\n' && text[i] != '\r'; ++i) {
        if (text[i] == '"') return false;
        value += text[i];
      }
    }
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == delimiter) {
      row.emplace_back();
      continue;
    }
    if (i < text.size() && text[i] != '\n') return false;
    rows.push_back(std::move(row));
    row.assign(1, "");
  }
  return true;
}

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_CSV_REFERENCE_H_
