// Byte streams with a position, as the codec and the block files use them.
//
// A stream is a sequence of bytes with a current position. Reading and
// writing start at the position and advance it. Writing past the end grows
// the stream (memory streams) or fails (read-only views).
#ifndef VX_ENGINE_UTIL_STREAM_H_
#define VX_ENGINE_UTIL_STREAM_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vx {

class TStream {
 public:
  virtual ~TStream() = default;

  virtual uint64_t Size() const = 0;
  virtual uint64_t Position() const = 0;
  // Moves the position; a position beyond the end is clamped to the end.
  virtual void Seek(uint64_t position) = 0;
  // Reads up to n bytes; returns how many were read (0 at the end).
  virtual size_t Read(void* destination, size_t n) = 0;
  // Writes n bytes; returns how many were written (less than n on failure).
  virtual size_t Write(const void* source, size_t n) = 0;

  // The bytes from the position to the end, when the stream keeps them in
  // memory; an empty span with a null pointer otherwise. Lets the codec work
  // on memory without a copy.
  virtual std::span<const uint8_t> RemainingView() const { return {}; }
};

// A growable stream in memory.
class TMemoryStream final : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

  uint64_t Size() const override { return bytes_.size(); }
  uint64_t Position() const override { return position_; }
  void Seek(uint64_t position) override;
  size_t Read(void* destination, size_t n) override;
  size_t Write(const void* source, size_t n) override;
  std::span<const uint8_t> RemainingView() const override;

  // Sets the size; new bytes are zero. The position is clamped to the size.
  void SetSize(uint64_t size);
  // Keeps room for `capacity` bytes without changing the size.
  void Reserve(uint64_t capacity) { bytes_.reserve(capacity); }
  void Clear();

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t>& MutableBytes() { return bytes_; }
  std::vector<uint8_t> Take();

 private:
  std::vector<uint8_t> bytes_;
  uint64_t position_ = 0;
};

// A read-only stream over bytes owned by someone else.
class TViewStream final : public TStream {
 public:
  explicit TViewStream(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint64_t Size() const override { return bytes_.size(); }
  uint64_t Position() const override { return position_; }
  void Seek(uint64_t position) override;
  size_t Read(void* destination, size_t n) override;
  size_t Write(const void*, size_t) override { return 0; }
  std::span<const uint8_t> RemainingView() const override { return bytes_.subspan(position_); }

 private:
  std::span<const uint8_t> bytes_;
  uint64_t position_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_UTIL_STREAM_H_
