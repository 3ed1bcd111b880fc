// MappedFileReader: reads a mapped file (mapped_file.h) front to back from
// any offset, copying only the bytes asked for: the postings of a search's
// matches, scattered over a large file, cost no more than their own bytes.
#ifndef VX_ENGINE_FILES_MAPPED_FILE_READER_H_
#define VX_ENGINE_FILES_MAPPED_FILE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/files/mapped_file.h"
#include "engine/util/byte_reader.h"

namespace vx {

class MappedFileReader final : public ByteReader {
 public:
  // `file` must stay mapped while the reader is used; `name` is the file's
  // name for messages.
  MappedFileReader(const MappedFile& file, std::string name);

  // Moves the read position.
  void Seek(uint64_t offset) { position_ = offset; }

  // Reads what is there up to n bytes; 0 at or beyond the end of the file.
  size_t Read(void* destination, size_t n) override;
  std::string SourceName() const override { return name_; }

 private:
  const MappedFile& file_;
  std::string name_;
  uint64_t position_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_MAPPED_FILE_READER_H_
