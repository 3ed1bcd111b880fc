#include "export/csv_writer.h"

namespace vx {

bool CsvNeedsQuotes(std::string_view value, char delimiter) {
  for (const char c : value) {
    if (c == delimiter || c == '"' || c == '\n' || c == '\r') return true;
  }
  return false;
}

void AppendCsvValue(std::string_view value, char delimiter, std::string& out) {
  if (!CsvNeedsQuotes(value, delimiter)) {
    out += value;
    return;
  }
  out += '"';
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendCsvRow(const std::vector<std::string>& values, char delimiter, std::string& out) {
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += delimiter;
    AppendCsvValue(values[i], delimiter, out);
  }
  out += '\n';
}

}  // namespace vx
