// An error in a register set's source files, reported as "file:line: message".
#ifndef VX_BUILDER_SOURCE_ERROR_H_
#define VX_BUILDER_SOURCE_ERROR_H_

#include <cstddef>
#include <string>

namespace vx {

struct SourceError {
  std::string file;     // as the user named it (UTF-8)
  size_t line = 0;      // 1-based; 0 when the error concerns the whole file
  std::string message;  // Swedish, UTF-8

  std::string ToString() const {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + message : file + ": " + message;
  }
};

// An error of writing the file `file`.
inline SourceError WriteError(const std::string& file, const std::string& detail) {
  return {file, 0, detail};
}

}  // namespace vx

#endif  // VX_BUILDER_SOURCE_ERROR_H_
