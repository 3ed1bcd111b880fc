#include "builder/csv_reader.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "engine/cp1252.h"

namespace vx {
namespace {

constexpr char kQuote = '"';

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

size_t LineOfOffset(const std::string& text, size_t offset) {
  return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// The character that starts at `offset` of UTF-8 text, as U+XXXX and as itself.
std::string DescribeCharacter(const std::string& utf8, size_t offset) {
  const auto lead = static_cast<unsigned char>(utf8[offset]);
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  uint32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (size_t i = 1; i < length && offset + i < utf8.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(utf8[offset + i]) & 0x3F);
  }
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", code);
  return std::string(name) + " (" + utf8.substr(offset, length) + ")";
}

char DetectDelimiter(const std::string& text) {
  const size_t end = std::min(text.find('\n'), text.size());
  const std::string_view first_line(text.data(), end);
  for (char candidate : {';', ',', '\t'}) {
    if (first_line.find(candidate) != std::string_view::npos) return candidate;
  }
  return ';';
}

std::string TrimBlanks(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool CsvReader::Fail(SourceError& error, size_t line, const std::string& message) const {
  error = {display_name_, line, message};
  return false;
}

bool CsvReader::Open(const std::filesystem::path& path, SourceError& error) {
  display_name_ = path.filename().string();
  header_.clear();
  position_ = 0;
  line_ = 1;
  std::string raw;
  if (!ReadWholeFile(path, raw)) return Fail(error, 0, "filen kan inte läsas");
  if (raw.starts_with("\xEF\xBB\xBF")) raw.erase(0, 3);
  if (IsValidUtf8(raw)) {
    size_t bad = 0;
    if (!Utf8ToCp1252(raw, text_, &bad)) {
      return Fail(error, LineOfOffset(raw, bad),
                  "tecknet " + DescribeCharacter(raw, bad) + " finns inte i Windows-1252");
    }
  } else {
    text_ = std::move(raw);  // not UTF-8: taken as Windows-1252
  }
  if (text_.find_first_not_of("\r\n") == std::string::npos) {
    return Fail(error, 0, "filen är tom; den första raden ska ange fältnamnen");
  }
  delimiter_ = DetectDelimiter(text_);
  if (!ReadRow(header_, error)) return false;
  for (std::string& name : header_)
    name = TrimBlanks(name);
  return true;
}

bool CsvReader::Next(std::vector<std::string>& fields, SourceError& error) {
  error = {};
  if (!ReadRow(fields, error)) return false;
  if (fields.size() != header_.size()) {
    return Fail(error, record_line_,
                "posten har " + std::to_string(fields.size()) + " fält, men rubrikraden har " +
                    std::to_string(header_.size()));
  }
  return true;
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
          return Fail(
              error, quote_line,
              "citattecknet som börjar här avslutas aldrig (fält " + std::to_string(count) + ")");
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
        return Fail(error, line_,
                    "efter ett citerat värde ska avgränsaren eller radslut följa (fält " +
                        std::to_string(count) + ")");
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
