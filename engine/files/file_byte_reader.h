// Reads a File front to back from an offset, for the decoders that take a
// ByteReader (postings).
#ifndef VX_ENGINE_FILES_FILE_BYTE_READER_H_
#define VX_ENGINE_FILES_FILE_BYTE_READER_H_

#include <cstdint>
#include <string>

#include "engine/files/file.h"
#include "engine/util/byte_reader.h"

namespace vx {

class FileByteReader final : public ByteReader {
 public:
  FileByteReader(const File& file, uint64_t offset) : file_(file), position_(offset) {}

  // Reads what is there up to n bytes; 0 at or beyond the end of the file.
  size_t Read(void* destination, size_t n) override;
  std::string SourceName() const override;

  uint64_t Position() const { return position_; }

 private:
  const File& file_;
  uint64_t position_;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_FILE_BYTE_READER_H_
