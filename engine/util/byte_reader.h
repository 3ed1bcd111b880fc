// ByteReader: a source of bytes read front to back, such as a file from its
// current position. Decoders of the data formats read through it so that
// the same decoder serves files, streams and memory.
#ifndef VX_ENGINE_UTIL_BYTE_READER_H_
#define VX_ENGINE_UTIL_BYTE_READER_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace vx {

class TStream;

class ByteReader {
 public:
  virtual ~ByteReader() = default;

  // Reads up to `n` bytes into `destination` and returns how many were
  // read; 0 at the end of the data or after a read failure.
  virtual size_t Read(void* destination, size_t n) = 0;

  // What the bytes come from (a file name), for messages; may be empty.
  virtual std::string SourceName() const { return {}; }

  // Reads exactly `n` bytes unless the data ends first, calling Read as
  // often as it delivers. Returns how many bytes were read.
  size_t ReadFully(void* destination, size_t n);
};

// Reads bytes held in memory by someone else.
class SpanByteReader final : public ByteReader {
 public:
  explicit SpanByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Read(void* destination, size_t n) override;

  // Bytes read so far.
  size_t Position() const { return position_; }

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

// Reads a stream from its current position on; the stream's position
// advances with the reads.
class StreamByteReader final : public ByteReader {
 public:
  explicit StreamByteReader(TStream& stream, std::string name = {})
      : stream_(stream), name_(std::move(name)) {}

  size_t Read(void* destination, size_t n) override;
  std::string SourceName() const override { return name_; }

 private:
  TStream& stream_;
  std::string name_;
};

}  // namespace vx

#endif  // VX_ENGINE_UTIL_BYTE_READER_H_
