#include "engine/util/stream.h"

#include <algorithm>
#include <cstring>

namespace vx {

void TMemoryStream::Seek(uint64_t position) {
  position_ = std::min<uint64_t>(position, bytes_.size());
}

size_t TMemoryStream::Read(void* destination, size_t n) {
  const size_t available = bytes_.size() - position_;
  const size_t count = std::min(n, available);
  if (count > 0) std::memcpy(destination, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

size_t TMemoryStream::Write(const void* source, size_t n) {
  if (n == 0) return 0;
  const uint64_t end = position_ + n;
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, source, n);
  position_ = end;
  return n;
}

std::span<const uint8_t> TMemoryStream::RemainingView() const {
  return std::span<const uint8_t>(bytes_).subspan(position_);
}

void TMemoryStream::SetSize(uint64_t size) {
  bytes_.resize(size);
  position_ = std::min(position_, size);
}

void TMemoryStream::Clear() {
  bytes_.clear();
  position_ = 0;
}

std::vector<uint8_t> TMemoryStream::Take() {
  std::vector<uint8_t> out = std::move(bytes_);
  bytes_.clear();
  position_ = 0;
  return out;
}

void TViewStream::Seek(uint64_t position) {
  position_ = std::min<uint64_t>(position, bytes_.size());
}

size_t TViewStream::Read(void* destination, size_t n) {
  const size_t count = std::min<size_t>(n, bytes_.size() - position_);
  if (count > 0) std::memcpy(destination, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

}  // namespace vx
