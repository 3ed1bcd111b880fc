#include "engine/files/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace vx {
namespace {

namespace fs = std::filesystem;

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldAscii(x) == FoldAscii(y);
         });
}

bool Exists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::optional<std::string> ResolveCaseInsensitive(const std::string& path) {
  if (path.empty()) return std::nullopt;
  if (Exists(path)) return path;
  const fs::path wanted(path);
  const std::string name = wanted.filename().string();
  if (name.empty()) return std::nullopt;
  const fs::path directory = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
  std::error_code error;
  fs::directory_iterator it(directory, error);
  if (error) return std::nullopt;
  std::vector<std::string> matches;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    const std::string candidate = it->path().filename().string();
    if (EqualIgnoringAsciiCase(candidate, name)) matches.push_back(candidate);
  }
  if (matches.empty()) return std::nullopt;
  // Directory order is arbitrary; the smallest name keeps the choice stable.
  const std::string& chosen = *std::min_element(matches.begin(), matches.end());
  return wanted.has_parent_path() ? (directory / chosen).string() : chosen;
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      access_(other.access_),
      size_(std::exchange(other.size_, 0)),
      path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    access_ = other.access_;
    size_ = std::exchange(other.size_, 0);
    path_ = std::move(other.path_);
  }
  return *this;
}

OpenResult File::OpenExisting(const std::string& path, FileAccess access) {
  Close();
  const std::optional<std::string> resolved = ResolveCaseInsensitive(path);
  if (!resolved) return OpenResult::kNotFound;
  const int flags = (access == FileAccess::kReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC;
  int fd;
  do {
    fd = ::open(resolved->c_str(), flags);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return OpenResult::kFailed;
  return Adopt(fd, *resolved, access) ? OpenResult::kOpened : OpenResult::kFailed;
}

bool File::Create(const std::string& path) {
  Close();
  if (path.empty()) return false;
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  return Adopt(fd, path, FileAccess::kReadWrite);
}

bool File::CreateUnique(const std::string& directory, const std::string& prefix) {
  Close();
  std::string name = directory;
  if (!name.empty() && name.back() != '/') name += '/';
  name += prefix + "XXXXXX";
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return false;
  return Adopt(fd, name, FileAccess::kReadWrite);
}

bool File::Adopt(int fd, const std::string& path, FileAccess access) {
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  access_ = access;
  size_ = static_cast<uint64_t>(info.st_size);
  path_ = path;
  return true;
}

bool File::ReadAt(uint64_t offset, void* destination, size_t n) const {
  if (fd_ < 0 || offset > size_ || size_ - offset < n) return false;
  auto* bytes = static_cast<uint8_t*>(destination);
  while (n > 0) {
    const ssize_t got = ::pread(fd_, bytes, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    n -= static_cast<size_t>(got);
    offset += static_cast<uint64_t>(got);
  }
  return true;
}

bool File::WriteAt(uint64_t offset, const void* source, size_t n) {
  if (!IsWritable()) return false;
  const auto* bytes = static_cast<const uint8_t*>(source);
  uint64_t at = offset;
  size_t left = n;
  while (left > 0) {
    const ssize_t written = ::pwrite(fd_, bytes, left, static_cast<off_t>(at));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    left -= static_cast<size_t>(written);
    at += static_cast<uint64_t>(written);
  }
  size_ = std::max(size_, offset + n);
  return true;
}

bool File::Truncate(uint64_t size) {
  if (!IsWritable() || ::ftruncate(fd_, static_cast<off_t>(size)) != 0) return false;
  size_ = size;
  return true;
}

bool File::Flush() {
  if (!IsWritable()) return false;
  return ::fdatasync(fd_) == 0;
}

void File::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  path_.clear();
}

}  // namespace vx
