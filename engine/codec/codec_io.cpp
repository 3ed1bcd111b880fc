#include "engine/codec/codec_io.h"

#include <cstring>

#include "engine/util/stream.h"

namespace vx {

ExpandOutput::ExpandOutput(TStream& destination, size_t chunk)
    : destination_(destination), buffer_(kWindow + chunk + kSlack + kOverrun) {
  std::memset(buffer_.data(), ' ', kWindow);
  cursor = pending_start();
  limit = pending_start() + chunk;
}

void ExpandOutput::Drain() {
  uint8_t* start = pending_start();
  const size_t pending = static_cast<size_t>(cursor - start);
  if (pending == 0) return;
  uint32_t sum = checksum_;
  for (size_t i = 0; i < pending; ++i)
    sum += start[i];
  checksum_ = sum;
  if (destination_.Write(start, pending) != pending) throw EStreamWriteError();
  flushed_ += pending;
  // Keep the last kWindow bytes as history for the matches to come.
  std::memmove(buffer_.data(), cursor - kWindow, kWindow);
  cursor = start;
}

void ExpandOutput::CopyMatch(size_t distance, size_t length) {
  if (cursor >= limit) Drain();
  const uint8_t* from = cursor - distance;
  uint8_t* to = cursor;
  for (size_t i = 0; i < length; ++i)
    to[i] = from[i];
  cursor += length;
}

}  // namespace vx
