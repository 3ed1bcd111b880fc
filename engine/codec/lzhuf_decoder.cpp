// Method "LZH": the LZHUF decoder.
//
// Symbols come from the adaptive Huffman tree: 0..255 are literals, the rest
// are match lengths, each followed by a coded position. The ring buffer is
// the history of ExpandOutput (blanks before the first byte), so a position
// p means "copy from p + 1 bytes back".
#include "engine/codec/codec_io.h"
#include "engine/codec/lzhuf_tree.h"

namespace vx {
namespace {

// Reads bits most significant first; bits past the end of the input are 0.
class BitReader {
 public:
  explicit BitReader(ExpandInput& in)
      : in_(in),
        next_(in.Bytes().data() + in.Position()),
        end_(in.Bytes().data() + in.Bytes().size()) {}

  // Leaves the input after the last byte that any bit was taken from.
  ~BitReader() {
    const uint64_t unused = static_cast<uint64_t>(held_ / 8);
    const uint64_t read = pulled_ > unused ? pulled_ - unused : 0;
    const size_t end = in_.Bytes().size();
    const uint64_t position = in_.Position() + read;
    in_.SetPosition(position < end ? static_cast<size_t>(position) : end);
  }
  BitReader(const BitReader&) = delete;
  BitReader& operator=(const BitReader&) = delete;

  int Bit() {
    if (held_ == 0) Refill();
    const int bit = static_cast<int>(buffer_ >> 63);
    buffer_ <<= 1;
    --held_;
    return bit;
  }

  // The next `count` bits, 1 <= count <= 8.
  unsigned Bits(int count) {
    if (held_ < count) Refill();
    const unsigned value = static_cast<unsigned>(buffer_ >> (64 - count));
    buffer_ <<= count;
    held_ -= count;
    return value;
  }

 private:
  // Tops the buffer up to at least 57 bits.
  void Refill() {
    while (held_ <= 56) {
      const uint64_t b = next_ < end_ ? *next_++ : 0;
      buffer_ |= b << (56 - held_);
      held_ += 8;
      ++pulled_;
    }
  }

  ExpandInput& in_;
  const uint8_t* next_;
  const uint8_t* end_;
  uint64_t buffer_ = 0;  // bits left-aligned
  int held_ = 0;
  uint64_t pulled_ = 0;
};

int DecodeSymbol(lzhuf::AdaptiveTree& tree, BitReader& bits) {
  int node = tree.Child(lzhuf::kRoot);
  while (node < lzhuf::kNodes)
    node = tree.Child(node + bits.Bit());
  const int symbol = node - lzhuf::kNodes;
  tree.Update(symbol);
  return symbol;
}

// The position (distance minus one): a prefix code for the upper six bits
// that the first eight bits identify, then the lower six bits.
unsigned DecodePosition(BitReader& bits) {
  unsigned i = bits.Bits(8);
  const unsigned upper = lzhuf::kPositionDecode.upper[i];
  const int more = lzhuf::kPositionDecode.length[i] - 2;
  i = (i << more) | bits.Bits(more);
  return (upper << 6) | (i & 0x3F);
}

}  // namespace

void ExpandLzhuf(ExpandInput& in, uint32_t expanded_size, ExpandOutput& out, ExpandStats& stats) {
  lzhuf::AdaptiveTree tree;
  {
    BitReader bits(in);
    uint64_t count = 0;
    // A match is copied whole even when it runs past the announced size.
    while (count < expanded_size) {
      const int symbol = DecodeSymbol(tree, bits);
      if (symbol < 256) {
        out.PutByte(static_cast<uint8_t>(symbol));
        ++count;
      } else {
        const size_t distance = DecodePosition(bits) + 1;
        const size_t length = static_cast<size_t>(lzhuf::MatchLength(symbol));
        out.CopyMatch(distance, length);
        count += length;
      }
    }
  }
  stats.lzhuf_rebuilds += tree.Rebuilds();
}

}  // namespace vx
