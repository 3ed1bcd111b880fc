// File: one open data file, read and written at explicit offsets.
//
// The data engine's file classes read their headers, records and blocks at
// offsets they compute from untrusted file contents, so every read here is
// all-or-nothing: a read that would run past the end of the file fails and
// leaves the destination untouched.
//
// Register sets made on Windows may carry upper-case names. Opening an
// existing file therefore falls back to a case-insensitive match of the
// file name in the same directory when the exact name does not exist.
#ifndef VX_ENGINE_FILES_FILE_H_
#define VX_ENGINE_FILES_FILE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vx {

enum class FileAccess : uint8_t { kReadOnly, kReadWrite };

// The outcome of File::OpenExisting.
enum class OpenResult : uint8_t {
  kOpened,
  kNotFound,  // no file of that name, not even in another case
  kFailed,    // the file exists but could not be opened (permissions, a directory, ...)
};

// The path of the file that `path` names: `path` itself when it exists,
// else the first (in byte order) entry of its directory whose name equals
// its file name when ASCII letters are folded. Nothing when neither exists.
std::optional<std::string> ResolveCaseInsensitive(const std::string& path);

class File {
 public:
  File() = default;
  ~File() { Close(); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;

  // Opens the existing file `path` (see ResolveCaseInsensitive). Read-only
  // access opens it O_RDONLY. Closes whatever was open before.
  OpenResult OpenExisting(const std::string& path, FileAccess access);

  // Creates `path` for reading and writing, replacing an existing file of
  // exactly that name. False when it cannot be created.
  bool Create(const std::string& path);

  // Creates a new file with a unique name beginning with `prefix` in
  // `directory`, for reading and writing. False when it cannot be created.
  bool CreateUnique(const std::string& directory, const std::string& prefix);

  // Reads exactly n bytes at `offset`. False (and `destination` untouched
  // when the range lies beyond the end) if fewer bytes are there.
  bool ReadAt(uint64_t offset, void* destination, size_t n) const;

  // Writes n bytes at `offset`, growing the file as needed. False on
  // failure or when the file is open read-only.
  bool WriteAt(uint64_t offset, const void* source, size_t n);

  // Cuts or extends the file to `size` bytes.
  bool Truncate(uint64_t size);

  // Pushes written data to the disc.
  bool Flush();

  void Close();

  bool IsOpen() const { return fd_ >= 0; }
  bool IsWritable() const { return fd_ >= 0 && access_ == FileAccess::kReadWrite; }
  // The size as known from opening and from this object's own writes.
  uint64_t Size() const { return size_; }
  // The path actually opened (after the case-insensitive fallback).
  const std::string& path() const { return path_; }

 private:
  bool Adopt(int fd, const std::string& path, FileAccess access);

  int fd_ = -1;
  FileAccess access_ = FileAccess::kReadOnly;
  uint64_t size_ = 0;
  std::string path_;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_FILE_H_
