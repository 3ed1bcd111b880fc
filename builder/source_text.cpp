#include "builder/source_text.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "engine/util/cp1252.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The character that starts at `offset` of UTF-8 text, as U+XXXX and as itself.
std::string DescribeCharacter(std::string_view utf8, size_t offset) {
  const auto lead = static_cast<unsigned char>(utf8[offset]);
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  uint32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (size_t i = 1; i < length && offset + i < utf8.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(utf8[offset + i]) & 0x3F);
  }
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", code);
  return std::string(name) + " (" + std::string(utf8.substr(offset, length)) + ")";
}

// Where `text` stops holding whole UTF-8 characters: before a lead byte at
// its end whose sequence the text does not complete.
size_t WholeCharacters(std::string_view text) {
  const size_t size = text.size();
  for (size_t back = 1; back <= std::min<size_t>(3, size); ++back) {
    const auto byte = static_cast<unsigned char>(text[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
    const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? size - back : size;
  }
  return size;
}

// Follows a file piece by piece: is it valid UTF-8, and where is the first
// character that Windows-1252 lacks.
class EncodingScan {
 public:
  void Take(std::string_view piece) {
    if (!valid_) return;
    if (!IsValidUtf8(piece)) {
      valid_ = false;
      return;
    }
    if (bad_line_ == 0) {
      size_t offset = 0;
      if (!Utf8ToCp1252(piece, scratch_, &offset)) {
        bad_line_ = lines_ + 1 + std::count(piece.begin(), piece.begin() + offset, '\n');
        bad_character_ = DescribeCharacter(piece, offset);
      }
    }
    lines_ += std::count(piece.begin(), piece.end(), '\n');
  }
  bool valid() const { return valid_; }
  size_t bad_line() const { return bad_line_; }
  const std::string& bad_character() const { return bad_character_; }

 private:
  bool valid_ = true;
  size_t lines_ = 0;
  size_t bad_line_ = 0;
  std::string bad_character_;
  std::string scratch_;
};

// Bytes in memory as a stream buffer, read as a file is: in order, and
// back to the start.
class MemoryBytes : public std::streambuf {
 public:
  explicit MemoryBytes(std::string_view bytes) {
    // The get area is only read from, never written to.
    char* begin = const_cast<char*>(bytes.data());
    setg(begin, begin, begin + bytes.size());
  }

 protected:
  pos_type seekpos(pos_type position, std::ios_base::openmode /*which*/) override {
    const off_type offset = position;
    if (offset < 0 || offset > egptr() - eback()) return pos_type(off_type(-1));
    setg(eback(), eback() + offset, egptr());
    return position;
  }
};

}  // namespace

bool SourceStream::ReadRaw(std::string& raw) {
  raw.resize(piece_);
  in_.read(raw.data(), static_cast<std::streamsize>(raw.size()));
  raw.resize(static_cast<size_t>(in_.gcount()));
  return !in_.bad();
}

bool SourceStream::Unreadable(SourceError& error) const {
  error = SaidError(display_name_, 0, {MessageId::BuilderFileUnreadable, {}});
  return false;
}

bool SourceStream::Open(const std::filesystem::path& path, const std::string& display_name,
                        SourceError& error) {
  display_name_ = display_name;
  in_.rdbuf(nullptr);
  auto file = std::make_unique<std::filebuf>();
  if (!file->open(path, std::ios::in | std::ios::binary)) {
    bytes_.reset();
    return Unreadable(error);
  }
  bytes_ = std::move(file);
  return Start(kFilePiece, error);
}

bool SourceStream::OpenBytes(std::string_view bytes, const std::string& display_name, size_t piece,
                             SourceError& error) {
  display_name_ = display_name;
  in_.rdbuf(nullptr);
  bytes_ = std::make_unique<MemoryBytes>(bytes);
  return Start(std::max<size_t>(piece, 1), error);
}

bool SourceStream::SkipByteOrderMark() {
  in_.clear();
  in_.seekg(0);
  std::string mark(kByteOrderMark.size(), '\0');
  in_.read(mark.data(), static_cast<std::streamsize>(mark.size()));
  if (mark.substr(0, static_cast<size_t>(in_.gcount())) != kByteOrderMark) {
    in_.clear();
    in_.seekg(0);
  }
  return static_cast<bool>(in_);
}

bool SourceStream::Start(size_t piece, SourceError& error) {
  piece_ = piece;
  carry_.clear();
  in_.rdbuf(bytes_.get());
  // The mark is skipped whichever the encoding turns out to be.
  if (!SkipByteOrderMark()) return Unreadable(error);
  EncodingScan scan;
  std::string raw, carry;
  while (scan.valid()) {
    if (!ReadRaw(raw)) return Unreadable(error);
    raw.insert(0, carry);
    if (in_.eof() && raw.size() == carry.size()) {
      scan.Take(carry);  // the end: an incomplete character is invalid
      break;
    }
    const size_t whole = in_.eof() ? raw.size() : WholeCharacters(raw);
    scan.Take(std::string_view(raw).substr(0, whole));
    carry.assign(raw, whole);
    if (in_.eof()) break;
  }
  if (scan.valid() && scan.bad_line() != 0) {
    error = SaidError(display_name_, scan.bad_line(),
                      {MessageId::BuilderCharacterNotCp1252, {scan.bad_character()}});
    return false;
  }
  utf8_ = scan.valid();
  return SkipByteOrderMark() || Unreadable(error);
}

bool SourceStream::Read(std::string& text, SourceError& error) {
  if (in_.eof() && carry_.empty()) return false;
  std::string raw;
  if (!ReadRaw(raw)) return Unreadable(error);
  if (!utf8_) {
    text += raw;
    return !raw.empty();
  }
  raw.insert(0, carry_);
  const size_t whole = in_.eof() ? raw.size() : WholeCharacters(raw);
  carry_.assign(raw, whole);
  std::string converted;
  Utf8ToCp1252(std::string_view(raw).substr(0, whole), converted);
  text += converted;
  return whole > 0 || !carry_.empty();
}

bool ReadSourceText(const std::filesystem::path& path, const std::string& display_name,
                    std::string& text, SourceError& error) {
  SourceStream stream;
  text.clear();
  if (!stream.Open(path, display_name, error)) return false;
  error = {};
  while (stream.Read(text, error)) {
  }
  return error.message.empty();
}

}  // namespace vx
