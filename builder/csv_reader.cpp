#include "builder/csv_reader.h"

#include <algorithm>

#include "builder/source_text.h"
#include "engine/text/text_helpers.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr char kQuote = '"';

// From the header row, which the reader finds after any empty lines.
char DetectDelimiter(const std::string& text) {
  const size_t begin = std::min(text.find_first_not_of("\r\n"), text.size());
  const size_t end = std::min(text.find_first_of("\r\n", begin), text.size());
  const std::string_view first_line(text.data() + begin, end - begin);
  for (char candidate : {';', ',', '\t'}) {
    if (first_line.find(candidate) != std::string_view::npos) return candidate;
  }
  return ';';
}

}  // namespace

bool CsvReader::Fail(SourceError& error, size_t line, Message message) const {
  error = SaidError(display_name_, line, std::move(message));
  return false;
}

void CsvReader::Reset(const std::string& display_name) {
  display_name_ = display_name;
  header_.clear();
  text_.clear();
  at_end_ = false;
  position_ = 0;
  line_ = 1;
}

bool CsvReader::Open(const std::filesystem::path& path, SourceError& error) {
  Reset(path.filename().string());
  return stream_.Open(path, display_name_, error) && ReadHeader(error);
}

bool CsvReader::OpenBytes(std::string_view bytes, const std::string& display_name, size_t piece,
                          SourceError& error) {
  Reset(display_name);
  return stream_.OpenBytes(bytes, display_name_, piece, error) && ReadHeader(error);
}

bool CsvReader::ReadHeader(SourceError& error) {
  // The header row decides the delimiter: read until it is whole. Each look
  // goes on from where the last one stopped, so that small pieces cost no
  // more than large ones.
  size_t begin = std::string::npos;  // where the header row starts, once known
  size_t looked = 0;
  for (;;) {
    if (begin == std::string::npos) begin = text_.find_first_not_of("\r\n", looked);
    if (begin != std::string::npos &&
        text_.find_first_of("\r\n", std::max(begin, looked)) != std::string::npos) {
      break;
    }
    looked = text_.size();
    if (at_end_) break;
    error = {};
    if (!stream_.Read(text_, error)) {
      if (!error.message.empty()) return false;
      at_end_ = true;
    }
  }
  if (text_.find_first_not_of("\r\n") == std::string::npos) {
    return Fail(error, 0, {MessageId::BuilderFileEmpty, {}});
  }
  delimiter_ = DetectDelimiter(text_);
  if (!HoldWholeRow(error) || !ReadRow(header_, error)) return false;
  for (std::string& name : header_)
    name = TrimLeadingBlanks(TrimTrailingBlanks(name));
  return true;
}

bool CsvReader::HoldWholeRow(SourceError& error) {
  while (!at_end_ && !RowComplete(position_)) {
    text_.erase(0, position_);
    position_ = 0;
    error = {};
    if (!stream_.Read(text_, error)) {
      if (!error.message.empty()) return false;
      at_end_ = true;
    }
  }
  return true;
}

// Follows ReadRow's reading without taking values. A CR is never taken as
// the last byte held: an LF may follow it in the next piece.
bool CsvReader::RowComplete(size_t from) const {
  const size_t n = text_.size();
  size_t p = from;
  while (p < n && (text_[p] == '\n' || text_[p] == '\r')) {
    if (text_[p] == '\r' && p + 1 == n) return false;
    ++p;
  }
  for (;;) {
    if (p >= n) return false;
    if (text_[p] == kQuote) {
      for (++p;; ++p) {
        if (p + 1 >= n) return false;
        if (text_[p] != kQuote) continue;
        if (text_[p + 1] != kQuote) break;
        ++p;  // a doubled quote
      }
      ++p;  // past the closing quote, which is followed by something
      if (text_[p] != delimiter_ && text_[p] != '\r' && text_[p] != '\n') return true;
    } else {
      while (p < n && text_[p] != delimiter_ && text_[p] != '\r' && text_[p] != '\n')
        ++p;
      if (p >= n) return false;
    }
    if (text_[p] != delimiter_) return text_[p] == '\n' || p + 1 < n;
    ++p;
  }
}

CsvRow CsvReader::Next(std::vector<std::string>& fields, SourceError& error) {
  error = {};
  if (!HoldWholeRow(error)) return CsvRow::kError;
  if (!ReadRow(fields, error)) return error.message.empty() ? CsvRow::kEnd : CsvRow::kError;
  if (fields.size() != header_.size()) {
    Fail(error, record_line_,
         {MessageId::BuilderFieldCount,
          {std::to_string(fields.size()), std::to_string(header_.size())}});
    return CsvRow::kError;
  }
  return CsvRow::kRecord;
}

// Reads one row of fields; false at the end of the text (error untouched) or
// on a malformed row (error set).
bool CsvReader::ReadRow(std::vector<std::string>& fields, SourceError& error) {
  // Skip empty lines.
  while (position_ < text_.size() && (text_[position_] == '\n' || text_[position_] == '\r')) {
    if (text_[position_] == '\n') ++line_;
    if (text_[position_] == '\r' &&
        (position_ + 1 >= text_.size() || text_[position_ + 1] != '\n')) {
      ++line_;  // a lone CR ends a line too
    }
    ++position_;
  }
  if (position_ >= text_.size()) return false;
  record_line_ = line_;
  size_t count = 0;
  for (;;) {
    if (count == fields.size()) fields.emplace_back();
    std::string& value = fields[count++];
    value.clear();
    if (position_ < text_.size() && text_[position_] == kQuote) {
      const size_t quote_line = line_;
      ++position_;
      for (;;) {
        if (position_ >= text_.size()) {
          return Fail(error, quote_line,
                      {MessageId::BuilderQuoteNeverEnds, {std::to_string(count)}});
        }
        const char c = text_[position_++];
        if (c == kQuote) {
          if (position_ < text_.size() && text_[position_] == kQuote) {
            value += kQuote;
            ++position_;
            continue;
          }
          break;
        }
        if (c == '\r' || c == '\n') {
          // A line break inside a value becomes one CR.
          if (c == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
          ++line_;
          value += '\r';
          continue;
        }
        value += c;
      }
      if (position_ < text_.size() && text_[position_] != delimiter_ && text_[position_] != '\r' &&
          text_[position_] != '\n') {
        return Fail(error, line_, {MessageId::BuilderAfterQuotedValue, {std::to_string(count)}});
      }
    } else {
      const size_t end = text_.find_first_of(std::string{delimiter_, '\r', '\n'}, position_);
      const size_t stop = end == std::string::npos ? text_.size() : end;
      value.assign(text_, position_, stop - position_);
      position_ = stop;
    }
    if (position_ < text_.size() && text_[position_] == delimiter_) {
      ++position_;
      continue;
    }
    // End of the row: a line end or the end of the text.
    if (position_ < text_.size()) {
      if (text_[position_] == '\r' && position_ + 1 < text_.size() &&
          text_[position_ + 1] == '\n') {
        ++position_;
      }
      ++position_;
      ++line_;
    }
    fields.resize(count);
    return true;
  }
}

}  // namespace vx
