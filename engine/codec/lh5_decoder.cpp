// Decoder of method "LH5" (-lh5-: 8192-byte dictionary, static Huffman
// blocks).
//
// The bit reader keeps up to 64 bits left-aligned; bits past the end of the
// input are 0. Each symbol needs at most 44 bits (a 16-bit code, a 16-bit
// position code and 12 extra bits), so one refill per symbol suffices.
#include <array>
#include <cstring>

#include "engine/codec/codec_io.h"
#include "engine/codec/lh5_format.h"

namespace vx {
namespace {

using namespace lh5;

class BitReader {
 public:
  explicit BitReader(std::span<const uint8_t> bytes) : data_(bytes.data()), size_(bytes.size()) {
    Refill();
  }

  // Tops up the buffer to at least 57 bits.
  void Refill() {
    if (held_ > 56) return;
    if (position_ + 8 <= size_) {
      uint64_t next;
      std::memcpy(&next, data_ + position_, 8);
      next = __builtin_bswap64(next);
      // The bits beyond whole bytes are the real next bits; the next refill
      // ORs the same values in again.
      bits_ |= next >> held_;
      const int bytes = (63 - held_) >> 3;
      position_ += static_cast<size_t>(bytes);
      held_ += bytes * 8;
      return;
    }
    while (held_ <= 56) {
      const uint64_t byte = position_ < size_ ? data_[position_++] : 0;
      bits_ |= byte << (56 - held_);
      held_ += 8;
    }
  }

  // The next n bits (n <= 32) without consuming them.
  uint32_t Peek(int n) const { return static_cast<uint32_t>(bits_ >> (64 - n)); }
  // The bit `offset` places ahead (0 = the next bit).
  bool BitAt(int offset) const { return (bits_ >> (63 - offset)) & 1; }
  void Consume(int n) {
    bits_ <<= n;
    held_ -= n;
  }
  uint32_t Get(int n) {
    if (n == 0) return 0;
    Refill();
    const uint32_t value = Peek(n);
    Consume(n);
    return value;
  }
  size_t Position() const { return position_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
  uint64_t bits_ = 0;
  int held_ = 0;
};

class Lh5Decoder {
 public:
  explicit Lh5Decoder(std::span<const uint8_t> coded) : in_(coded) {}

  void Run(uint32_t expanded_size, ExpandOutput& out, ExpandStats& stats);

 private:
  void StartBlock(ExpandStats& stats);
  void ReadPtLen(int count_limit, int count_bits, int special);
  void ReadCLen();
  // Follows left/right from a table entry, one bit per level, starting at
  // bit `first_bit` of the look-ahead.
  uint32_t Walk(uint32_t symbol, uint32_t symbols, int first_bit) const {
    while (symbol >= symbols) {
      symbol = in_.BitAt(first_bit++) ? right_[symbol] : left_[symbol];
    }
    return symbol;
  }
  uint32_t DecodeC() {
    uint32_t symbol = c_table_[in_.Peek(kCTableBits)];
    if (symbol >= kNC) symbol = Walk(symbol, kNC, kCTableBits);
    in_.Consume(c_len_[symbol]);
    return symbol;
  }
  uint32_t DecodeP() {
    uint32_t symbol = pt_table_[in_.Peek(kPtTableBits)];
    if (symbol >= kNP) symbol = Walk(symbol, kNP, kPtTableBits);
    in_.Consume(pt_len_[symbol]);
    if (symbol == 0) return 0;
    const int extra = static_cast<int>(symbol) - 1;
    const uint32_t low = extra == 0 ? 0 : in_.Peek(extra);
    in_.Consume(extra);
    return (uint32_t{1} << extra) + low;
  }
  void BuildOrFail(std::span<const uint8_t> lengths, int table_bits, std::span<uint16_t> table) {
    if (!BuildDecodeTable(lengths, table_bits, table, left_, right_)) throw ELZHBadDecodeTable();
  }

  BitReader in_;
  uint16_t block_remaining_ = 0;
  std::array<uint8_t, kNC> c_len_{};
  std::array<uint16_t, 1 << kCTableBits> c_table_{};
  std::array<uint8_t, kNT> pt_len_{};
  std::array<uint16_t, 1 << kPtTableBits> pt_table_{};
  std::array<uint16_t, 2 * kNC - 1> left_{};
  std::array<uint16_t, 2 * kNC - 1> right_{};
};

void Lh5Decoder::StartBlock(ExpandStats& stats) {
  ++stats.lh5_blocks;
  block_remaining_ = static_cast<uint16_t>(in_.Get(16));
  ReadPtLen(kNT, kTBit, 3);
  ReadCLen();
  ReadPtLen(kNP, kPBit, -1);
}

void Lh5Decoder::ReadPtLen(int count_limit, int count_bits, int special) {
  const int n = static_cast<int>(in_.Get(count_bits));
  if (n == 0) {
    const uint32_t only = in_.Get(count_bits);
    if (static_cast<int>(only) >= count_limit) throw ELZHBadDecodeTable();
    pt_len_.fill(0);
    pt_table_.fill(static_cast<uint16_t>(only));
    return;
  }
  if (n > count_limit) throw ELZHBadDecodeTable();
  pt_len_.fill(0);
  int i = 0;
  while (i < n) {
    in_.Refill();
    int length = static_cast<int>(in_.Peek(3));
    if (length == 7) {
      // Unary continuation: each further 1-bit adds one, looking at most at
      // the 13 bits that follow within a 16-bit window.
      for (int bit = 3; bit < 16 && in_.BitAt(bit); ++bit)
        ++length;
    }
    in_.Consume(length < 7 ? 3 : length - 3);
    if (length > kMaxCodeLength) throw ELZHBadDecodeTable();
    pt_len_[i++] = static_cast<uint8_t>(length);
    if (i == special) {
      int zeros = static_cast<int>(in_.Get(2));
      while (zeros-- > 0 && i < count_limit)
        pt_len_[i++] = 0;
    }
  }
  BuildOrFail(std::span(pt_len_).first(count_limit), kPtTableBits, pt_table_);
}

void Lh5Decoder::ReadCLen() {
  const int n = static_cast<int>(in_.Get(kCBit));
  if (n == 0) {
    const uint32_t only = in_.Get(kCBit);
    if (only >= kNC) throw ELZHBadDecodeTable();
    c_len_.fill(0);
    c_table_.fill(static_cast<uint16_t>(only));
    return;
  }
  if (n > kNC) throw ELZHBadDecodeTable();
  c_len_.fill(0);
  int i = 0;
  while (i < n) {
    in_.Refill();
    uint32_t c = pt_table_[in_.Peek(kPtTableBits)];
    if (c >= kNT) c = Walk(c, kNT, kPtTableBits);
    in_.Consume(pt_len_[c]);
    if (c > 2) {
      c_len_[i++] = static_cast<uint8_t>(c - 2);
      continue;
    }
    int zeros = 1;
    if (c == 1) zeros = static_cast<int>(in_.Get(4)) + 3;
    if (c == 2) zeros = static_cast<int>(in_.Get(kCBit)) + 20;
    if (i + zeros > kNC) throw ELZHBadDecodeTable();
    i += zeros;  // c_len_ is already zero there
  }
  BuildOrFail(c_len_, kCTableBits, c_table_);
}

void Lh5Decoder::Run(uint32_t expanded_size, ExpandOutput& out, ExpandStats& stats) {
  uint64_t produced = 0;
  uint8_t* cursor = out.cursor;
  while (produced < expanded_size) {
    if (cursor >= out.limit) {
      out.cursor = cursor;
      out.Drain();
      cursor = out.cursor;
    }
    if (block_remaining_ == 0) StartBlock(stats);
    --block_remaining_;
    in_.Refill();
    const uint32_t c = DecodeC();
    if (c < 256) {
      *cursor++ = static_cast<uint8_t>(c);
      ++produced;
      continue;
    }
    const size_t length = c - (256 - kThreshold);
    const size_t distance = DecodeP() + 1;
    const uint8_t* from = cursor - distance;
    if (distance >= 16) {
      // Each 16-byte piece reads only bytes written before it, so an
      // overlapping copy still repeats; the last piece may run past the end.
      for (size_t i = 0; i < length; i += 16)
        std::memcpy(cursor + i, from + i, 16);
    } else {
      for (size_t i = 0; i < length; ++i)
        cursor[i] = from[i];
    }
    cursor += length;
    produced += length;
  }
  out.cursor = cursor;
}

}  // namespace

void ExpandLh5(ExpandInput& in, uint32_t expanded_size, ExpandOutput& out, ExpandStats& stats) {
  Lh5Decoder decoder(in.Bytes().subspan(in.Position()));
  decoder.Run(expanded_size, out, stats);
}

}  // namespace vx
