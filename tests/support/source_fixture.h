// Small source tables for builder tests: every field of a register in the
// header, records given as the fields that are not empty.
#ifndef VX_TESTS_SUPPORT_SOURCE_FIXTURE_H_
#define VX_TESTS_SUPPORT_SOURCE_FIXTURE_H_

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/util/cp1252.h"
#include "records/register_labels.h"
#include "tests/support/files.h"
#include "tests/support/text.h"

namespace vx::testing {

using SourceRecord = std::map<std::string, std::string>;  // field name -> value (Windows-1252)
using Tables = std::map<int, std::vector<SourceRecord>>;  // register -> its records

// A record written as "NAME=value|..." in UTF-8: Fields("ENAMN=Berg|FNAMN=Åsa").
template <typename Record = SourceRecord>
Record Fields(std::string_view fields) {
  Record record;
  ForEachField(fields, [&](const std::string& name, std::string value) { record[name] = value; });
  return record;
}

// A value quoted as the CSV format wants it.
inline std::string CsvValue(const std::string& value) {
  if (value.find_first_of(";\"\r\n") == std::string::npos) return value;
  std::string quoted = "\"";
  for (char c : value) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

// The CSV text (UTF-8) of register `register_number` with these records.
inline std::string SourceTable(int register_number, const std::vector<SourceRecord>& records) {
  const std::vector<std::string>& labels = RegisterLabels(register_number);
  std::string text;
  for (size_t i = 0; i < labels.size(); ++i) {
    if (i) text += ';';
    text += labels[i].substr(1);
  }
  text += "\n";
  for (const SourceRecord& record : records) {
    for (size_t i = 0; i < labels.size(); ++i) {
      const auto it = record.find(labels[i].substr(1));
      if (i) text += ';';
      text += CsvValue(it == record.end() ? "" : Cp1252ToUtf8(it->second));
    }
    text += "\n";
  }
  return text;
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_SOURCE_FIXTURE_H_
