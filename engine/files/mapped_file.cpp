#include "engine/files/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

namespace vx {

bool MappedFile::Map(const std::string& path) {
  Unmap();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info = {};
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 &&
            static_cast<uint64_t>(info.st_size) <= SIZE_MAX;
  if (ok && info.st_size > 0) {
    void* view = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ok = view != MAP_FAILED;
    if (ok) {
      data_ = static_cast<const uint8_t*>(view);
      size_ = static_cast<size_t>(info.st_size);
    }
  }
  ::close(fd);
  mapped_ = ok;
  return ok;
}

void MappedFile::Unmap() {
  if (data_ != nullptr) ::munmap(const_cast<uint8_t*>(data_), size_);
  data_ = nullptr;
  size_ = 0;
  mapped_ = false;
}

}  // namespace vx
