// Reads arbitrary bytes as a source table (fodda.csv) and every record in it
// until the end or an error, from memory: once in one piece and once in
// small pieces, which must read the same, so that whatever can fall on the
// seam between two pieces does. What was read, written again as UTF-8 with
// every value quoted, must read back the same on the same lines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "builder/csv_reader.h"
#include "builder/source_error.h"
#include "engine/util/cp1252.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

using vx::fuzz::Check;

using Row = std::vector<std::string>;

constexpr char kFileName[] = "fodda.csv";
constexpr char kCandidates[] = {';', ',', '\t'};

// Pieces of 1 to 16 bytes put seams everywhere in short inputs; at most
// about 64 of them bound how often a long row is looked over again.
size_t PieceSize(size_t size) {
  return std::max(size / 64, 1 + size % 16);
}

// All that reading a table gave.
struct Reading {
  bool opened = false;
  char delimiter = 0;
  Row header;
  std::vector<Row> records;
  std::vector<size_t> record_lines;
  vx::SourceError error;  // of the refusal that ended the reading, if one did

  auto Tied() const {
    return std::tie(opened, delimiter, header, records, record_lines, error.file, error.line,
                    error.message);
  }
};

// Lines as the reader counts them: LF, CR LF and a lone CR each end one.
size_t LineCount(std::string_view text) {
  size_t lines = 1;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
      ++lines;
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
  for (const char candidate : kCandidates)
    if (line.find(candidate) != std::string::npos) return candidate;
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

  vx::CsvReader reader;
  vx::SourceError error;
  Check(reader.OpenBytes(utf8, kFileName, PieceSize(utf8.size()), error));
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

// Reads `input` in pieces of `piece` bytes, checking each step.
Reading Read(std::string_view input, size_t piece, size_t lines) {
  Reading reading;
  vx::CsvReader reader;
  if (!reader.OpenBytes(input, kFileName, piece, reading.error)) {
    CheckRefusal(reading.error, lines);
    return reading;
  }
  reading.opened = true;
  reading.header = reader.Header();
  reading.delimiter = reader.Delimiter();
  Check(std::find(std::begin(kCandidates), std::end(kCandidates), reading.delimiter) !=
        std::end(kCandidates));
  Check(!reading.header.empty());
  for (const std::string& name : reading.header) {
    Check(name.empty() || (name.front() != ' ' && name.back() != ' '));
    Check(name.find('\n') == std::string::npos);
  }

  vx::SourceError& error = reading.error;
  Row fields;
  size_t previous_line = 1;
  vx::CsvRow row;
  while ((row = reader.Next(fields, error)) == vx::CsvRow::kRecord) {
    Check(error.message.empty());
    Check(fields.size() == reading.header.size());
    Check(reader.RecordLine() > previous_line && reader.RecordLine() <= lines);
    for (const std::string& value : fields)
      Check(value.find('\n') == std::string::npos);
    previous_line = reader.RecordLine();
    reading.records.push_back(fields);
    reading.record_lines.push_back(previous_line);
  }
  if (row == vx::CsvRow::kEnd) {
    Check(error.message.empty());
    Check(reader.Next(fields, error) == vx::CsvRow::kEnd && error.message.empty());
  } else {
    CheckRefusal(error, lines);
    Check(error.line >= 1);
  }
  return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t lines = LineCount(input);
  const Reading reading = Read(input, std::max<size_t>(size, 1), lines);
  Check(Read(input, PieceSize(size), lines).Tied() == reading.Tied());
  if (!reading.opened) return 0;

  // A name holding a delimiter the reader prefers would change the delimiter.
  const char detected = DelimiterOf(reading.header, reading.delimiter);
  if (detected == reading.delimiter || reading.header.size() == 1)
    CheckRewritten(reading.header, reading.records, reading.delimiter, detected);
  return 0;
}
