#include "engine/files/windowed_file_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace vx {

WindowedFileReader::WindowedFileReader(const File& file, size_t window)
    : file_(file), window_limit_(std::max<size_t>(window, 1)) {}

bool WindowedFileReader::Refill() {
  window_length_ = 0;
  if (position_ >= file_.Size()) return false;
  const size_t length =
      static_cast<size_t>(std::min<uint64_t>(window_limit_, file_.Size() - position_));
  if (window_.size() < length) window_.resize(length);
  if (!file_.ReadAt(position_, window_.data(), length)) return false;
  window_start_ = position_;
  window_length_ = length;
  return true;
}

size_t WindowedFileReader::Read(void* destination, size_t n) {
  auto* out = static_cast<uint8_t*>(destination);
  size_t done = 0;
  while (done < n) {
    const bool inside = position_ >= window_start_ && position_ - window_start_ < window_length_;
    if (!inside && !Refill()) break;
    const size_t offset = static_cast<size_t>(position_ - window_start_);
    const size_t count = std::min(n - done, window_length_ - offset);
    std::memcpy(out + done, window_.data() + offset, count);
    done += count;
    position_ += count;
  }
  return done;
}

std::string WindowedFileReader::SourceName() const {
  return std::filesystem::path(file_.path()).filename().string();
}

}  // namespace vx
