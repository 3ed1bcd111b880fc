// Source files of a register set are UTF-8 (with or without a byte-order
// mark) or, when they are not valid UTF-8, Windows-1252. Data text inside
// the program is Windows-1252.
#ifndef VX_BUILDER_SOURCE_TEXT_H_
#define VX_BUILDER_SOURCE_TEXT_H_

#include <cstddef>
#include <filesystem>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>

#include "builder/source_error.h"

namespace vx {

// Reads a source file piece by piece as Windows-1252, so that a file of
// any size is read in little memory. The bytes may also come from memory,
// read exactly as a file holding them would be, in pieces as small as one
// byte: what falls on the seam between two pieces is then easy to reach.
class SourceStream {
 public:
  // Large pieces: few reads of a file, and little memory next to the
  // records being built.
  static constexpr size_t kFilePiece = 4 << 20;

  // Opens `path` and reads it once through to learn its encoding. False
  // with `error` set when the file cannot be read or is UTF-8 with a
  // character that Windows-1252 lacks (the error names its line).
  // `display_name` names the file in messages.
  bool Open(const std::filesystem::path& path, const std::string& display_name, SourceError& error);

  // As Open, over `bytes` (which must outlive the reading) in pieces of
  // `piece` bytes (at least one).
  bool OpenBytes(std::string_view bytes, const std::string& display_name, size_t piece,
                 SourceError& error);

  // Appends the next piece of text to `text`; false at the end of the file
  // (`error` untouched) or when the file cannot be read (`error` set).
  bool Read(std::string& text, SourceError& error);

 private:
  // Learns the encoding of the bytes in `bytes_` and goes back to their start.
  bool Start(size_t piece, SourceError& error);
  // Goes to the start of the bytes, past a byte-order mark if they begin
  // with one. False when they cannot be read.
  bool SkipByteOrderMark();
  bool ReadRaw(std::string& raw);
  bool Unreadable(SourceError& error) const;

  std::unique_ptr<std::streambuf> bytes_;  // the file, or the bytes in memory
  std::istream in_{nullptr};
  size_t piece_ = kFilePiece;
  std::string display_name_;
  bool utf8_ = false;
  std::string carry_;  // an incomplete UTF-8 character from the last piece
};

// Reads `path` whole into `text` as Windows-1252 (see SourceStream).
bool ReadSourceText(const std::filesystem::path& path, const std::string& display_name,
                    std::string& text, SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_SOURCE_TEXT_H_
