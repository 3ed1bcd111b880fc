#include "engine/spill_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include "engine/byte_order.h"
#include "engine/compress.h"

namespace vx {
namespace {

constexpr size_t kLengthSize = 4;
constexpr uint32_t kMaxExpandedChunk =
    4 + SpillFile::kChunkEntries * (2 + SpillFile::kMaxKeyLength + 4);

bool WriteAllAt(int fd, const uint8_t* bytes, size_t n, uint64_t offset) {
  while (n > 0) {
    const ssize_t written = ::pwrite(fd, bytes, n, static_cast<off_t>(offset));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    n -= static_cast<size_t>(written);
    offset += static_cast<uint64_t>(written);
  }
  return true;
}

bool ReadAllAt(int fd, uint8_t* bytes, size_t n, uint64_t offset) {
  while (n > 0) {
    const ssize_t got = ::pread(fd, bytes, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    n -= static_cast<size_t>(got);
    offset += static_cast<uint64_t>(got);
  }
  return true;
}

void AppendBytes(TMemoryStream& stream, const void* bytes, size_t n) {
  if (n > 0) stream.Write(bytes, n);
}

}  // namespace

std::unique_ptr<SpillFile> SpillFile::Create(const std::filesystem::path& directory) {
  std::error_code error;
  const std::filesystem::path dir =
      directory.empty() ? std::filesystem::temp_directory_path(error) : directory;
  if (error) return nullptr;
  std::string name = (dir / "KalXXXXXX").string();
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::unique_ptr<SpillFile>(new SpillFile(fd, std::move(name)));
}

SpillFile::~SpillFile() {
  ::close(fd_);
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

bool SpillFile::AppendChunk(std::span<const SortEntry> entries) {
  expanded_.Clear();
  uint8_t number[4];
  StoreU32(number, 0);
  AppendBytes(expanded_, number, 4);
  for (const SortEntry& entry : entries) {
    uint8_t length[2];
    StoreU16(length, static_cast<uint16_t>(entry.key.size()));
    AppendBytes(expanded_, length, 2);
    AppendBytes(expanded_, entry.key.data(), entry.key.size());
    StoreU32(number, entry.value);
    AppendBytes(expanded_, number, 4);
  }
  expanded_.Seek(0);

  // Length placeholder first, so that length and chunk go out in one write.
  compressed_.Clear();
  compressed_.SetSize(kLengthSize);
  compressed_.Seek(kLengthSize);
  SharedCodec().CompressStream(compressed_, expanded_, CompressMethod::kLh5);
  const uint64_t chunk_size = compressed_.Size() - kLengthSize;
  StoreU32(compressed_.MutableBytes().data(), static_cast<uint32_t>(chunk_size));

  if (!WriteAllAt(fd_, compressed_.Bytes().data(), compressed_.Size(), size_)) return false;
  size_ += compressed_.Size();
  return true;
}

bool SpillFile::ReadChunk(uint64_t offset, std::vector<SortEntry>& entries, uint64_t& next) {
  if (offset > size_ || size_ - offset < kLengthSize) return false;
  uint8_t length_bytes[kLengthSize];
  if (!ReadAllAt(fd_, length_bytes, kLengthSize, offset)) return false;
  const uint64_t length = LoadU32(length_bytes);
  if (length > size_ - offset - kLengthSize) return false;
  read_buffer_.resize(length);
  if (!ReadAllAt(fd_, read_buffer_.data(), length, offset + kLengthSize)) return false;

  TViewStream source(read_buffer_);
  expanded_.Clear();
  SharedCodec().ExpandStream(expanded_, source, kMaxExpandedChunk);
  if (!ParseChunk(entries)) return false;
  next = offset + kLengthSize + length;
  return true;
}

bool SpillFile::ParseChunk(std::vector<SortEntry>& entries) const {
  const std::vector<uint8_t>& bytes = expanded_.Bytes();
  if (bytes.size() < 4 || LoadU32(bytes.data()) != 0) return false;
  size_t pos = 4;
  size_t n = 0;
  while (pos < bytes.size()) {
    if (bytes.size() - pos < 2) return false;
    const size_t key_length = LoadU16(bytes.data() + pos);
    pos += 2;
    if (bytes.size() - pos < key_length + 4 || n == kChunkEntries) return false;
    if (n == entries.size()) entries.emplace_back();
    entries[n].key.assign(reinterpret_cast<const char*>(bytes.data() + pos), key_length);
    entries[n].value = LoadU32(bytes.data() + pos + key_length);
    pos += key_length + 4;
    ++n;
  }
  entries.resize(n);
  return true;
}

}  // namespace vx
