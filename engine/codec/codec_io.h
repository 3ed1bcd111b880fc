// Input and output of the method coders behind TCompress.
//
// ExpandInput hands out the coded bytes and reads zeros past their end, so a
// truncated stream never blocks a decoder: it runs until the announced size
// is produced and the damage shows as a checksum error.
//
// ExpandOutput collects decoded bytes in a buffer whose first kWindow bytes
// hold the history (initially blanks, the dictionary's starting content), so
// matches copy straight from earlier output. Full buffers are written to the
// destination stream and summed for the checksum.
//
// CodedOutput collects a coder's output and raises EUnableToCompress as soon
// as it would exceed its limit.
#ifndef VX_ENGINE_CODEC_CODEC_IO_H_
#define VX_ENGINE_CODEC_CODEC_IO_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/codec/compress_errors.h"

namespace vx {

class TStream;

class ExpandInput {
 public:
  explicit ExpandInput(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  // The next byte, or 0 once the input is used up.
  uint8_t NextByte() { return position_ < bytes_.size() ? bytes_[position_++] : 0; }
  bool Exhausted() const { return position_ >= bytes_.size(); }
  size_t Position() const { return position_; }
  std::span<const uint8_t> Bytes() const { return bytes_; }
  // For decoders that read several bytes at a time themselves.
  void SetPosition(size_t position) { position_ = position; }

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

class ExpandOutput {
 public:
  // History kept for matches: the larger of the two dictionaries (8192 for
  // -lh5-, 4096 for LZHUF).
  static constexpr size_t kWindow = 8192;
  // Room that a caller may use after `cursor` without checking: the longest
  // match of any method.
  static constexpr size_t kSlack = 256;
  // Bytes past limit + kSlack that a match copy may scribble on (it copies
  // eight bytes at a time); they are overwritten by later output.
  static constexpr size_t kOverrun = 16;

  explicit ExpandOutput(TStream& destination, size_t chunk = 1 << 18);
  ExpandOutput(const ExpandOutput&) = delete;
  ExpandOutput& operator=(const ExpandOutput&) = delete;

  // Writable area [cursor, limit); bytes up to limit + kSlack may be written.
  uint8_t* cursor = nullptr;
  uint8_t* limit = nullptr;

  // Writes pending bytes to the destination and slides the window, so that
  // cursor has room again. Raises EStreamWriteError when the destination fails.
  void Drain();
  // Writes what is pending; call once at the end.
  void Finish() { Drain(); }

  void PutByte(uint8_t b) {
    if (cursor >= limit) Drain();
    *cursor++ = b;
  }
  // Copies `length` bytes that start `distance` bytes back (distance 1 is the
  // byte just written), byte by byte so that overlapping copies repeat.
  void CopyMatch(size_t distance, size_t length);

  uint64_t BytesWritten() const {
    return flushed_ + static_cast<uint64_t>(cursor - pending_start());
  }
  uint32_t Checksum() const { return checksum_; }

 private:
  uint8_t* pending_start() { return buffer_.data() + kWindow; }
  const uint8_t* pending_start() const { return buffer_.data() + kWindow; }

  TStream& destination_;
  std::vector<uint8_t> buffer_;
  uint64_t flushed_ = 0;
  uint32_t checksum_ = 0;
};

class CodedOutput {
 public:
  explicit CodedOutput(size_t limit) : limit_(limit) {
    bytes_.reserve(limit < (1u << 20) ? limit : (1u << 20));
  }

  void PutByte(uint8_t b) {
    if (bytes_.size() >= limit_) throw EUnableToCompress();
    bytes_.push_back(b);
  }
  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  size_t limit_;
  std::vector<uint8_t> bytes_;
};

// Writes bits most significant first, as both Huffman coders read them.
class BitWriter {
 public:
  explicit BitWriter(CodedOutput& out) : out_(out) {}
  // Appends the low `count` bits of `value` (count <= 24).
  void Put(uint32_t value, int count) {
    buffer_ = (buffer_ << count) | (value & ((1u << count) - 1));
    held_ += count;
    while (held_ >= 8) {
      held_ -= 8;
      out_.PutByte(static_cast<uint8_t>(buffer_ >> held_));
    }
  }
  // Pads the last byte with zero bits.
  void Flush() {
    if (held_ > 0) out_.PutByte(static_cast<uint8_t>(buffer_ << (8 - held_)));
    held_ = 0;
    buffer_ = 0;
  }

 private:
  CodedOutput& out_;
  uint64_t buffer_ = 0;
  int held_ = 0;
};

// Counters of one expansion, for tests and diagnostics.
struct ExpandStats {
  uint32_t lzhuf_rebuilds = 0;  // LZHUF tree reconstructions
  uint32_t lh5_blocks = 0;      // -lh5- blocks read
};

// The method coders. Decoders stop when `expanded_size` bytes are produced
// (a match is always copied whole); encoders raise EUnableToCompress through
// CodedOutput when the output grows too large.
void ExpandLzhuf(ExpandInput& in, uint32_t expanded_size, ExpandOutput& out, ExpandStats& stats);
void ExpandLh5(ExpandInput& in, uint32_t expanded_size, ExpandOutput& out, ExpandStats& stats);
void ExpandRle(ExpandInput& in, ExpandOutput& out);
void EncodeLzhuf(std::span<const uint8_t> source, CodedOutput& out);
void EncodeLh5(std::span<const uint8_t> source, CodedOutput& out);
void EncodeRle(std::span<const uint8_t> source, CodedOutput& out);

}  // namespace vx

#endif  // VX_ENGINE_CODEC_CODEC_IO_H_
