#include "tools/cli_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vx::cli {

bool ReadAll(int fd, std::vector<uint8_t>& bytes) {
  bytes.clear();
  size_t used = 0;
  bytes.resize(1 << 20);
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t n = read(fd, bytes.data() + used, bytes.size() - used);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    used += static_cast<size_t>(n);
  }
  bytes.resize(used);
  return true;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

size_t FdOutputStream::Write(const void* source, size_t n) {
  if (!WriteAll(fd_, std::span(static_cast<const uint8_t*>(source), n))) return 0;
  written_ += n;
  return n;
}

void PrintError(const std::string& message) {
  std::fputs(message.c_str(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace vx::cli
