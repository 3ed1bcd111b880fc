#include "engine/files/mapped_file_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vx {

MappedFileReader::MappedFileReader(const MappedFile& file, std::string name)
    : file_(file), name_(std::move(name)) {}

size_t MappedFileReader::Read(void* destination, size_t n) {
  const std::span<const uint8_t> bytes = file_.bytes();
  if (position_ >= bytes.size()) return 0;
  const size_t count = static_cast<size_t>(std::min<uint64_t>(n, bytes.size() - position_));
  std::memcpy(destination, bytes.data() + position_, count);
  position_ += count;
  return count;
}

}  // namespace vx
