#include "engine/util/byte_reader.h"

#include <algorithm>
#include <cstring>

#include "engine/util/stream.h"

namespace vx {

size_t ByteReader::ReadFully(void* destination, size_t n) {
  auto* out = static_cast<uint8_t*>(destination);
  size_t done = 0;
  while (done < n) {
    const size_t got = Read(out + done, n - done);
    if (got == 0) break;
    done += std::min(got, n - done);
  }
  return done;
}

size_t SpanByteReader::Read(void* destination, size_t n) {
  const size_t got = std::min(n, bytes_.size() - position_);
  if (got > 0) std::memcpy(destination, bytes_.data() + position_, got);
  position_ += got;
  return got;
}

size_t StreamByteReader::Read(void* destination, size_t n) {
  return stream_.Read(destination, n);
}

}  // namespace vx
