#include "engine/files/file_byte_reader.h"

#include <algorithm>
#include <filesystem>

namespace vx {

size_t FileByteReader::Read(void* destination, size_t n) {
  if (position_ >= file_.Size()) return 0;
  const size_t count = static_cast<size_t>(std::min<uint64_t>(n, file_.Size() - position_));
  if (!file_.ReadAt(position_, destination, count)) return 0;
  position_ += count;
  return count;
}

std::string FileByteReader::SourceName() const {
  return std::filesystem::path(file_.path()).filename().string();
}

}  // namespace vx
