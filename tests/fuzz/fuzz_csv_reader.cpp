// Reads arbitrary bytes as a source table (fodda.csv) and every record in it
// until the end or an error.
//
// Checks what the reader promises: a refusal says why and on which line of
// the file; the header holds trimmed names and the delimiter is one of the
// three; every record has as many values as the header and starts on a
// later line than the one before; no value holds an LF, since a line break
// inside a value becomes CR; the end stays the end. Then the header and the
// records read are written again as UTF-8 with every value quoted, and must
// read back the same, on the lines their line breaks put them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "builder/csv_reader.h"
#include "builder/source_error.h"
#include "engine/util/cp1252.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

namespace fs = std::filesystem;
using vx::fuzz::WorkDirectory;
using vx::fuzz::WriteFile;

using Row = std::vector<std::string>;

constexpr char kDirectoryPrefix[] = "vx-fuzz-csv-";
constexpr char kFileName[] = "fodda.csv";
constexpr char kCandidates[] = {';', ',', '\t'};

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Lines as the reader counts them: LF, CR LF and a lone CR each end one.
size_t LineCount(std::string_view text) {
  size_t lines = 1;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++lines;
    }
  }
  return lines;
}

void CheckRefusal(const vx::SourceError& error, size_t lines) {
  Check(!error.message.empty());
  Check(error.file == kFileName);
  Check(error.line <= lines);
}

// The delimiter the reader would find in a header row written from `names`:
// it looks only as far as the first line break, even one inside quotes.
char DelimiterOf(const Row& names, char delimiter) {
  std::string line;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) line += delimiter;
    line += names[i];
  }
  line.resize(std::min(line.find_first_of("\r\n"), line.size()));
  for (const char candidate : kCandidates) {
    if (line.find(candidate) != std::string::npos) return candidate;
  }
  return ';';
}

void AppendRow(std::string& out, const Row& row, char delimiter) {
  for (size_t i = 0; i < row.size(); ++i) {
    if (i > 0) out += delimiter;
    out += '"';
    for (const char c : row[i]) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += '\n';
}

// A quoted value's CRs each end a line of the file.
size_t LinesOf(const Row& row) {
  size_t lines = 1;
  for (const std::string& value : row)
    lines += static_cast<size_t>(std::count(value.begin(), value.end(), '\r'));
  return lines;
}

// Written with `delimiter`, read back with `detected`: the same unless the
// header has a single field, whose quoted values need no delimiter.
void CheckRewritten(const Row& header, const std::vector<Row>& records, char delimiter,
                    char detected) {
  std::string text;
  AppendRow(text, header, delimiter);
  for (const Row& record : records)
    AppendRow(text, record, delimiter);
  const std::string utf8 = "\xEF\xBB\xBF" + vx::Cp1252ToUtf8(text);
  const fs::path path = WorkDirectory(kDirectoryPrefix) / kFileName;
  WriteFile(path, reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size());

  vx::CsvReader reader;
  vx::SourceError error;
  Check(reader.Open(path, error));
  Check(reader.Delimiter() == detected);
  Check(reader.Header() == header);
  size_t line = 1 + LinesOf(header);
  Row fields;
  for (const Row& record : records) {
    Check(reader.Next(fields, error) == vx::CsvRow::kRecord);
    Check(fields == record);
    Check(reader.RecordLine() == line);
    line += LinesOf(record);
  }
  Check(reader.Next(fields, error) == vx::CsvRow::kEnd && error.message.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t lines = LineCount(input);
  const fs::path path = WorkDirectory(kDirectoryPrefix) / kFileName;
  WriteFile(path, data, size);

  vx::CsvReader reader;
  vx::SourceError error;
  if (!reader.Open(path, error)) {
    CheckRefusal(error, lines);
    return 0;
  }
  const Row header = reader.Header();
  const char delimiter = reader.Delimiter();
  Check(std::find(std::begin(kCandidates), std::end(kCandidates), delimiter) !=
        std::end(kCandidates));
  Check(!header.empty());
  for (const std::string& name : header) {
    Check(name.empty() || (name.front() != ' ' && name.back() != ' '));
    Check(name.find('\n') == std::string::npos);
  }

  std::vector<Row> records;
  Row fields;
  size_t previous_line = 1;
  vx::CsvRow row;
  while ((row = reader.Next(fields, error)) == vx::CsvRow::kRecord) {
    Check(error.message.empty());
    Check(fields.size() == header.size());
    Check(reader.RecordLine() > previous_line && reader.RecordLine() <= lines);
    for (const std::string& value : fields)
      Check(value.find('\n') == std::string::npos);
    previous_line = reader.RecordLine();
    records.push_back(fields);
  }
  if (row == vx::CsvRow::kEnd) {
    Check(error.message.empty());
    Check(reader.Next(fields, error) == vx::CsvRow::kEnd && error.message.empty());
  } else {
    CheckRefusal(error, lines);
    Check(error.line >= 1);
  }

  // A name holding a delimiter the reader prefers would change the delimiter.
  const char detected = DelimiterOf(header, delimiter);
  if (detected == delimiter || header.size() == 1) {
    CheckRewritten(header, records, delimiter, detected);
  }
  return 0;
}
