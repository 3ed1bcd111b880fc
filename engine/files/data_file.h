// The opening rule shared by the engine's file classes (pointer list, record
// file, row file, plain blob file).
//
// An existing file is opened, read-only when asked to. A missing file, or
// any file when the caller asks to create, is created empty for reading and
// writing; but a read-only object never creates: a viewer must not leave
// empty files behind in a user's data directory, so a missing file simply
// stays closed there.
#ifndef VX_ENGINE_FILES_DATA_FILE_H_
#define VX_ENGINE_FILES_DATA_FILE_H_

#include <cstdint>
#include <functional>
#include <string>

#include "engine/files/file.h"

namespace vx {

enum class DataFileOpening : uint8_t {
  kOpened,      // an existing file is open; its header must be read
  kCreated,     // a new, empty file is open; its empty header must be written
  kUnopenable,  // the file exists but could not be opened
  kNotCreated,  // missing and read-only, or creating failed
};

DataFileOpening OpenDataFile(File& file, const std::string& path, bool read_only, bool create);

// OpenDataFile, then the header: an existing file's is read with
// `read_header`, a new file gets its empty one from `write_empty_header`.
// When that step fails the file is closed and the result is kUnopenable (a
// header that cannot be read) or kNotCreated (one that cannot be written).
DataFileOpening OpenWithHeader(File& file, const std::string& path, bool read_only, bool create,
                               const std::function<bool()>& write_empty_header,
                               const std::function<bool()>& read_header);

// Directory + file name, joined as given: the directory is empty or ends in
// a separator. Both are used whole; a long data directory must not silently
// turn into another path.
inline std::string DataFilePath(const std::string& directory, const std::string& name) {
  return directory + name;
}

}  // namespace vx

#endif  // VX_ENGINE_FILES_DATA_FILE_H_
