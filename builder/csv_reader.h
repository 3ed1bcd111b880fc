// Reads a source table of a register set (fodda.csv, vigda.csv, doda.csv).
//
// The first row names the fields. The delimiter is ';', ',' or TAB, whichever
// the header row holds (in that order of preference). Values follow RFC 4180:
// a value in double quotes may hold delimiters, doubled quotes and line
// breaks; a line break inside a value becomes CR, the line end of data text.
// The file is UTF-8, with or without a byte-order mark, or Windows-1252 when
// it is not valid UTF-8. Values come out in Windows-1252; a character that
// Windows-1252 lacks is an error. Line ends may be LF or CR LF.
//
// The file is read piece by piece: the reader holds the record being read
// and the rest of its piece, never the whole file. The same bytes in memory
// read the same, in pieces of any size.
#ifndef VX_BUILDER_CSV_READER_H_
#define VX_BUILDER_CSV_READER_H_

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "builder/source_error.h"
#include "builder/source_text.h"

namespace vx {

// What CsvReader::Next found.
enum class CsvRow {
  kRecord,  // a record, in the fields
  kEnd,     // the end of the file
  kError,   // a malformed record, described in the error
};

class CsvReader {
 public:
  // Opens the file and reads its header row. False with `error` set when the
  // file cannot be read, is empty, or its header row is malformed.
  bool Open(const std::filesystem::path& path, SourceError& error);
  // As Open, over the bytes of a file named `display_name` in memory (which
  // must outlive the reading), taken in pieces of `piece` bytes.
  bool OpenBytes(std::string_view bytes, const std::string& display_name, size_t piece,
                 SourceError& error);

  const std::vector<std::string>& Header() const { return header_; }

  // The next record into `fields` (one value per header field). kError
  // with `error` set for a record with another number of fields, an
  // unterminated quote or a character outside Windows-1252. Empty lines are
  // skipped.
  CsvRow Next(std::vector<std::string>& fields, SourceError& error);

  // The line on which the record last returned by Next starts (1-based).
  size_t RecordLine() const { return record_line_; }
  char Delimiter() const { return delimiter_; }

 private:
  void Reset(const std::string& display_name);
  // Reads the header row once the stream is open.
  bool ReadHeader(SourceError& error);
  bool ReadRow(std::vector<std::string>& fields, SourceError& error);
  // Reads on until the text from the position holds a whole row (or the
  // rest of the file). False when the file cannot be read.
  bool HoldWholeRow(SourceError& error);
  // True when the text from `from` holds a whole row, or only empty lines
  // up to the end of the file.
  bool RowComplete(size_t from) const;
  bool Fail(SourceError& error, size_t line, Message message) const;

  std::string display_name_;
  SourceStream stream_;
  bool at_end_ = false;  // the whole file has been read into text_
  std::string text_;     // the file from the current row on, in Windows-1252
  size_t position_ = 0;
  size_t line_ = 1;
  size_t record_line_ = 0;
  char delimiter_ = ';';
  std::vector<std::string> header_;
};

}  // namespace vx

#endif  // VX_BUILDER_CSV_READER_H_
