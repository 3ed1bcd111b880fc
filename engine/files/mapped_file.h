// MappedFile: a read-only view of a whole file in memory, for scans that
// read every byte of a large file on every call (the free-search lists):
// no copy into a buffer, and the pages stay in the system's cache.
//
// The file must not shrink while mapped. Register sets are replaced by
// renaming a finished build into place, never rewritten in place, so a
// mapped data file keeps its size.
#ifndef VX_ENGINE_FILES_MAPPED_FILE_H_
#define VX_ENGINE_FILES_MAPPED_FILE_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vx {

class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile() { Unmap(); }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // Maps the file at `path` (the exact name) read-only, unmapping what was
  // mapped before. False, with nothing mapped, when it cannot be opened or
  // mapped; an empty file maps to no bytes.
  bool Map(const std::string& path);
  void Unmap();

  bool mapped() const { return mapped_; }
  std::span<const uint8_t> bytes() const { return {data_, size_}; }

 private:
  bool mapped_ = false;
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_MAPPED_FILE_H_
