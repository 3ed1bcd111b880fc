#include "engine/lists/postings_writer.h"

#include <cassert>
#include <cstddef>

#include "engine/lists/postings.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr size_t kLongestCode = 5;

bool IsRun(std::span<const uint32_t> numbers) {
  if (!numbers.empty() && numbers[0] == 0) return false;
  for (size_t i = 1; i < numbers.size(); ++i) {
    if (numbers[i] <= numbers[i - 1]) return false;
  }
  return true;
}

// Writes the code that leads from `previous` to `next` at `p`; returns its
// length.
size_t EncodeGap(uint32_t previous, uint32_t next, uint8_t* p) {
  const uint32_t gap = next - previous;
  if (gap <= 0xFE) {
    p[0] = static_cast<uint8_t>(gap);
    return 1;
  }
  if (gap <= 0xFFFF) {
    p[0] = 0x00;
    StoreU16(p + 1, static_cast<uint16_t>(gap));
    return 3;
  }
  p[0] = 0xFF;
  StoreU32(p + 1, next);
  return 5;
}

// Appends the chunks holding the codes of numbers[1..].
class ChunkWriter {
 public:
  explicit ChunkWriter(std::vector<uint8_t>& out) : out_(out) {}

  void Add(const uint8_t* code, size_t length) {
    if (open_ && out_.size() + length - start_ > 2 + kMaxChunkCodeBytes) Close();
    if (!open_) {
      start_ = out_.size();
      out_.resize(start_ + 2);
      open_ = true;
    }
    out_.insert(out_.end(), code, code + length);
  }

  void Close() {
    if (!open_) return;
    // A chunk holds at least one code and no more code bytes than a reader
    // takes.
    assert(out_.size() - start_ > 2 && out_.size() - start_ <= 2 + kMaxChunkCodeBytes);
    StoreU16(out_.data() + start_, static_cast<uint16_t>(out_.size() - start_));
    open_ = false;
  }

 private:
  std::vector<uint8_t>& out_;
  size_t start_ = 0;
  bool open_ = false;
};

}  // namespace

bool AppendPostings(std::span<const uint32_t> numbers, std::vector<uint8_t>& out) {
  if (!IsRun(numbers)) return false;
  if (numbers.empty()) return true;
  out.reserve(out.size() + 4 + numbers.size() + numbers.size() / 1000);
  uint8_t code[kLongestCode];
  StoreU32(code, numbers[0]);
  out.insert(out.end(), code, code + 4);
  ChunkWriter chunks(out);
  for (size_t i = 1; i < numbers.size(); ++i)
    chunks.Add(code, EncodeGap(numbers[i - 1], numbers[i], code));
  chunks.Close();
  return true;
}

}  // namespace vx
