#include "engine/codec/lh5_format.h"

#include <algorithm>

namespace vx::lh5 {
namespace {

constexpr uint16_t kUnset = 0xFFFF;

// Sum of 2^(16 - length) over the used lengths, and the first left-aligned
// code of each length; false when a length exceeds 16.
bool CanonicalStarts(std::span<const uint8_t> lengths, std::array<uint32_t, 18>& start,
                     uint32_t& total) {
  std::array<uint32_t, 17> count{};
  for (uint8_t length : lengths) {
    if (length > kMaxCodeLength) return false;
    ++count[length];
  }
  start[1] = 0;
  for (int length = 1; length <= kMaxCodeLength; ++length) {
    start[length + 1] = start[length] + (count[length] << (kMaxCodeLength - length));
  }
  total = start[17];
  return true;
}

}  // namespace

bool BuildDecodeTable(std::span<const uint8_t> lengths, int table_bits, std::span<uint16_t> table,
                      std::span<uint16_t> left, std::span<uint16_t> right) {
  std::array<uint32_t, 18> start{};
  uint32_t total = 0;
  if (!CanonicalStarts(lengths, start, total)) return false;
  if (total == 0) {  // no codes at all: every look-up gives symbol 0
    std::fill(table.begin(), table.end(), 0);
    return true;
  }
  if (total != (uint32_t{1} << kMaxCodeLength)) return false;

  std::fill(table.begin(), table.end(), kUnset);
  const int jut_bits = kMaxCodeLength - table_bits;
  size_t next_node = lengths.size();
  for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    const int length = lengths[symbol];
    if (length == 0) continue;
    const uint32_t code = start[length];
    start[length] += uint32_t{1} << (kMaxCodeLength - length);
    if (length <= table_bits) {
      const uint32_t first = code >> jut_bits;
      const uint32_t span = uint32_t{1} << (table_bits - length);
      std::fill_n(table.begin() + first, span, static_cast<uint16_t>(symbol));
      continue;
    }
    uint16_t* slot = &table[code >> jut_bits];
    for (int bit = table_bits; bit < length; ++bit) {
      if (*slot == kUnset) {
        if (next_node >= left.size()) return false;
        left[next_node] = right[next_node] = kUnset;
        *slot = static_cast<uint16_t>(next_node++);
      }
      const bool one = (code >> (kMaxCodeLength - 1 - bit)) & 1;
      slot = one ? &right[*slot] : &left[*slot];
    }
    *slot = static_cast<uint16_t>(symbol);
  }
  return true;
}

void AssignCanonicalCodes(std::span<const uint8_t> lengths, std::span<uint16_t> codes) {
  std::array<uint32_t, 18> start{};
  uint32_t total = 0;
  CanonicalStarts(lengths, start, total);
  for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    const int length = lengths[symbol];
    if (length == 0) {
      codes[symbol] = 0;
      continue;
    }
    codes[symbol] = static_cast<uint16_t>(start[length] >> (kMaxCodeLength - length));
    start[length] += uint32_t{1} << (kMaxCodeLength - length);
  }
}

}  // namespace vx::lh5
