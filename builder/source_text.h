// Source files of a register set are UTF-8 (with or without a byte-order
// mark) or, when they are not valid UTF-8, Windows-1252. Data text inside
// the program is Windows-1252.
#ifndef VX_BUILDER_SOURCE_TEXT_H_
#define VX_BUILDER_SOURCE_TEXT_H_

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

#include "builder/source_error.h"

namespace vx {

// Reads a source file piece by piece as Windows-1252, so that a file of
// any size is read in little memory.
class SourceStream {
 public:
  // Opens `path` and reads it once through to learn its encoding. False
  // with `error` set when the file cannot be read or is UTF-8 with a
  // character that Windows-1252 lacks (the error names its line).
  // `display_name` names the file in messages.
  bool Open(const std::filesystem::path& path, const std::string& display_name, SourceError& error);

  // Appends the next piece of text to `text`; false at the end of the file
  // (`error` untouched) or when the file cannot be read (`error` set).
  bool Read(std::string& text, SourceError& error);

 private:
  bool ReadRaw(std::string& raw);

  std::ifstream in_;
  std::string display_name_;
  bool utf8_ = false;
  std::string carry_;  // an incomplete UTF-8 character from the last piece
};

// Reads `path` whole into `text` as Windows-1252 (see SourceStream).
bool ReadSourceText(const std::filesystem::path& path, const std::string& display_name,
                    std::string& text, SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_SOURCE_TEXT_H_
