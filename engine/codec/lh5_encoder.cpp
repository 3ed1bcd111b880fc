// Encoder of method "LH5".
//
// Matches are found with hash chains over the 8192-byte dictionary and
// chosen lazily (a match is deferred when the next position has a longer
// one). Symbols are gathered into blocks; each block gets its own optimal
// length-limited Huffman codes.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "engine/codec/codec_io.h"
#include "engine/codec/huffman_lengths.h"
#include "engine/codec/lh5_format.h"

namespace vx {
namespace {

using namespace lh5;

constexpr size_t kBlockSymbols = 16384;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 1024;
// A three-byte match this far back costs more than three literals.
constexpr size_t kTooFarForThree = 4096;

struct Symbol {
  uint16_t c;         // literal, or 256 + length - 3
  uint16_t distance;  // distance - 1, for matches
};

int PositionSymbol(uint32_t distance_minus_one) {
  return distance_minus_one == 0 ? 0 : std::bit_width(distance_minus_one);
}

class MatchFinder {
 public:
  explicit MatchFinder(std::span<const uint8_t> source)
      : data_(source.data()),
        size_(source.size()),
        head_(size_t{1} << kHashBits, kNone),
        previous_(kDictionarySize, kNone) {}

  // Enters `position` into the dictionary; returns the newest earlier
  // position with the same hash.
  int64_t Insert(size_t position) {
    if (position + 3 > size_) return kNone;
    const uint32_t h = Hash(position);
    const int64_t candidate = head_[h];
    previous_[position & (kDictionarySize - 1)] = candidate;
    head_[h] = static_cast<int64_t>(position);
    return candidate;
  }

  // The longest match for `position` among the chain starting at
  // `candidate`; length 0 when none of at least three bytes.
  void Longest(size_t position, int64_t candidate, size_t& best_length,
               size_t& best_distance) const {
    best_length = 0;
    best_distance = 0;
    const size_t limit = std::min<size_t>(kMaxMatch, size_ - position);
    if (limit < static_cast<size_t>(kThreshold)) return;
    const uint8_t* here = data_ + position;
    for (int chain = 0; candidate != kNone && chain < kMaxChain; ++chain) {
      const size_t distance = position - static_cast<size_t>(candidate);
      if (distance > kDictionarySize) break;
      const uint8_t* there = data_ + candidate;
      if (there[best_length] == here[best_length] && there[0] == here[0]) {
        const size_t length = CommonLength(here, there, limit);
        if (length > best_length) {
          best_length = length;
          best_distance = distance;
          if (length == limit) break;
        }
      }
      candidate = previous_[static_cast<size_t>(candidate) & (kDictionarySize - 1)];
    }
    if (best_length < static_cast<size_t>(kThreshold) ||
        (best_length == static_cast<size_t>(kThreshold) && best_distance > kTooFarForThree)) {
      best_length = 0;
    }
  }

 private:
  static constexpr int64_t kNone = -1;

  uint32_t Hash(size_t p) const {
    const uint32_t v = (uint32_t{data_[p]} << 16) | (uint32_t{data_[p + 1]} << 8) | data_[p + 2];
    return (v * 2654435761u) >> (32 - kHashBits);
  }

  static size_t CommonLength(const uint8_t* a, const uint8_t* b, size_t limit) {
    size_t n = 0;
    while (n + 8 <= limit) {
      uint64_t x, y;
      std::memcpy(&x, a + n, 8);
      std::memcpy(&y, b + n, 8);
      if (x != y) return n + static_cast<size_t>(std::countr_zero(x ^ y) >> 3);
      n += 8;
    }
    while (n < limit && a[n] == b[n])
      ++n;
    return n;
  }

  const uint8_t* data_;
  size_t size_;
  std::vector<int64_t> head_;
  std::vector<int64_t> previous_;
};

// Writes one block of symbols with its code tables.
class BlockWriter {
 public:
  explicit BlockWriter(BitWriter& bits) : bits_(bits) {}
  void Write(std::span<const Symbol> symbols);

 private:
  void WriteCodeLengthsOfC();
  void WritePtLen(std::span<const uint8_t> lengths, int count_bits, int special);
  void CountCLengthSymbols(std::array<uint32_t, kNT>& frequencies) const;
  // Chooses the code for `frequencies` into lengths/codes; a code of at most
  // one symbol is sent as "count 0, the symbol" and costs no bits per use.
  void ChooseCode(std::span<const uint32_t> frequencies, std::span<uint8_t> lengths,
                  std::span<uint16_t> codes, int count_bits, int special);

  BitWriter& bits_;
  std::array<uint8_t, kNC> c_len_{};
  std::array<uint16_t, kNC> c_code_{};
  std::array<uint8_t, kNT> t_len_{};
  std::array<uint16_t, kNT> t_code_{};
  std::array<uint8_t, kNP> p_len_{};
  std::array<uint16_t, kNP> p_code_{};
};

void BlockWriter::ChooseCode(std::span<const uint32_t> frequencies, std::span<uint8_t> lengths,
                             std::span<uint16_t> codes, int count_bits, int special) {
  const auto used =
      std::count_if(frequencies.begin(), frequencies.end(), [](uint32_t f) { return f > 0; });
  if (used <= 1) {
    const auto only =
        std::find_if(frequencies.begin(), frequencies.end(), [](uint32_t f) { return f > 0; });
    const uint32_t symbol =
        only == frequencies.end() ? 0 : static_cast<uint32_t>(only - frequencies.begin());
    bits_.Put(0, count_bits);
    bits_.Put(symbol, count_bits);
    std::fill(lengths.begin(), lengths.end(), 0);
    std::fill(codes.begin(), codes.end(), 0);
    return;
  }
  const std::vector<uint8_t> chosen = LimitedCodeLengths(frequencies, kMaxCodeLength);
  std::copy(chosen.begin(), chosen.end(), lengths.begin());
  AssignCanonicalCodes(lengths, codes);
  WritePtLen(lengths, count_bits, special);
}

void BlockWriter::WritePtLen(std::span<const uint8_t> lengths, int count_bits, int special) {
  int n = static_cast<int>(lengths.size());
  while (n > 0 && lengths[n - 1] == 0)
    --n;
  bits_.Put(static_cast<uint32_t>(n), count_bits);
  int i = 0;
  while (i < n) {
    const int length = lengths[i++];
    if (length <= 6) {
      bits_.Put(static_cast<uint32_t>(length), 3);
    } else {
      bits_.Put((1u << (length - 3)) - 2, length - 3);  // 111, then length - 7 ones, then 0
    }
    if (i == special) {
      while (i < 6 && lengths[i] == 0)
        ++i;
      bits_.Put(static_cast<uint32_t>((i - 3) & 3), 2);
    }
  }
}

// The literal/length code lengths are sent with their own code: symbols
// 3..18 are lengths 1..16; 0 is one zero, 1 a run of 3..18 zeros, 2 a run of
// 20..531 zeros.
template <typename Visit>
void ForEachCLengthSymbol(std::span<const uint8_t> c_len, Visit&& visit) {
  int n = static_cast<int>(c_len.size());
  while (n > 0 && c_len[n - 1] == 0)
    --n;
  int i = 0;
  while (i < n) {
    const int length = c_len[i++];
    if (length != 0) {
      visit(length + 2, 0, 0);
      continue;
    }
    int run = 1;
    while (i < n && c_len[i] == 0) {
      ++i;
      ++run;
    }
    if (run <= 2) {
      for (int k = 0; k < run; ++k)
        visit(0, 0, 0);
    } else if (run <= 18) {
      visit(1, run - 3, 4);
    } else if (run == 19) {
      visit(0, 0, 0);
      visit(1, 15, 4);
    } else {
      visit(2, run - 20, kCBit);
    }
  }
}

void BlockWriter::CountCLengthSymbols(std::array<uint32_t, kNT>& frequencies) const {
  frequencies.fill(0);
  ForEachCLengthSymbol(c_len_, [&](int symbol, int, int) { ++frequencies[symbol]; });
}

void BlockWriter::WriteCodeLengthsOfC() {
  int n = kNC;
  while (n > 0 && c_len_[n - 1] == 0)
    --n;
  bits_.Put(static_cast<uint32_t>(n), kCBit);
  ForEachCLengthSymbol(c_len_, [&](int symbol, int extra, int extra_bits) {
    bits_.Put(t_code_[symbol], t_len_[symbol]);
    if (extra_bits > 0) bits_.Put(static_cast<uint32_t>(extra), extra_bits);
  });
}

void BlockWriter::Write(std::span<const Symbol> symbols) {
  std::array<uint32_t, kNC> c_freq{};
  std::array<uint32_t, kNP> p_freq{};
  for (const Symbol& s : symbols) {
    ++c_freq[s.c];
    if (s.c >= 256) ++p_freq[PositionSymbol(s.distance)];
  }
  bits_.Put(static_cast<uint32_t>(symbols.size()), 16);

  const auto c_used = std::count_if(c_freq.begin(), c_freq.end(), [](uint32_t f) { return f > 0; });
  if (c_used <= 1) {
    bits_.Put(0, kTBit);  // an empty length code ...
    bits_.Put(0, kTBit);
    ChooseCode(c_freq, c_len_, c_code_, kCBit, -1);  // ... and the single symbol
  } else {
    c_len_ = {};
    const std::vector<uint8_t> chosen = LimitedCodeLengths(c_freq, kMaxCodeLength);
    std::copy(chosen.begin(), chosen.end(), c_len_.begin());
    AssignCanonicalCodes(c_len_, c_code_);
    std::array<uint32_t, kNT> t_freq{};
    CountCLengthSymbols(t_freq);
    ChooseCode(t_freq, t_len_, t_code_, kTBit, 3);
    WriteCodeLengthsOfC();
  }
  ChooseCode(p_freq, p_len_, p_code_, kPBit, -1);

  for (const Symbol& s : symbols) {
    bits_.Put(c_code_[s.c], c_len_[s.c]);
    if (s.c < 256) continue;
    const int position = PositionSymbol(s.distance);
    bits_.Put(p_code_[position], p_len_[position]);
    if (position > 1) bits_.Put(s.distance, position - 1);
  }
}

}  // namespace

void EncodeLh5(std::span<const uint8_t> source, CodedOutput& out) {
  BitWriter bits(out);
  BlockWriter block_writer(bits);
  MatchFinder finder(source);
  std::vector<Symbol> block;
  block.reserve(kBlockSymbols);
  auto emit = [&](Symbol s) {
    block.push_back(s);
    if (block.size() == kBlockSymbols) {
      block_writer.Write(block);
      block.clear();
    }
  };
  auto literal = [&](size_t at) { emit({source[at], 0}); };
  auto match = [&](size_t length, size_t distance) {
    emit({static_cast<uint16_t>(length + 256 - kThreshold), static_cast<uint16_t>(distance - 1)});
  };

  // Lazy evaluation: a match found at p - 1 is emitted only when p has no
  // longer one; otherwise p - 1 becomes a literal.
  size_t previous_length = 0, previous_distance = 0;
  bool pending_literal = false;
  size_t position = 0;
  while (position < source.size()) {
    const int64_t candidate = finder.Insert(position);
    size_t length = 0, distance = 0;
    if (previous_length < static_cast<size_t>(kMaxMatch)) {
      finder.Longest(position, candidate, length, distance);
    }
    if (previous_length >= static_cast<size_t>(kThreshold) && length <= previous_length) {
      match(previous_length, previous_distance);
      const size_t end = position - 1 + previous_length;
      for (size_t p = position + 1; p < end; ++p)
        finder.Insert(p);
      position = end;
      previous_length = 0;
      pending_literal = false;
      continue;
    }
    if (pending_literal) literal(position - 1);
    pending_literal = true;
    previous_length = length;
    previous_distance = distance;
    ++position;
  }
  if (pending_literal) literal(source.size() - 1);
  if (!block.empty()) block_writer.Write(block);
  bits.Flush();
}

}  // namespace vx
