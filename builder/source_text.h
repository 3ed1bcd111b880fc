// Source files of a register set are UTF-8 (with or without a byte-order
// mark) or, when they are not valid UTF-8, Windows-1252. Data text inside
// the program is Windows-1252.
#ifndef VX_BUILDER_SOURCE_TEXT_H_
#define VX_BUILDER_SOURCE_TEXT_H_

#include <filesystem>
#include <string>

#include "builder/source_error.h"

namespace vx {

// Reads `path` whole into `text` as Windows-1252. False with `error` set when
// the file cannot be read or holds a character that Windows-1252 lacks (the
// error names its line). `display_name` names the file in messages.
bool ReadSourceText(const std::filesystem::path& path, const std::string& display_name,
                    std::string& text, SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_SOURCE_TEXT_H_
