// Parts of the LZHUF coder (method "LZH"): the constants, the fixed position
// tables and the adaptive Huffman tree shared by encoder and decoder, and the
// encoder's symbol writer.
//
// The tree keeps the sibling property: nodes are numbered in order of
// non-decreasing frequency and the two children of a node are always
// adjacent, the first at an even index. Encoder and decoder update it
// identically after every symbol, so no code table is ever transmitted.
#ifndef VX_ENGINE_CODEC_LZHUF_TREE_H_
#define VX_ENGINE_CODEC_LZHUF_TREE_H_

#include <array>
#include <cassert>
#include <cstdint>

#include "engine/codec/codec_io.h"

namespace vx::lzhuf {

constexpr int kRingSize = 4096;
constexpr int kMaxMatch = 60;
// Matches up to this length are coded as literals.
constexpr int kThreshold = 2;
// First write position; the bytes before it start out as blanks.
constexpr int kRingStart = kRingSize - kMaxMatch;
// 256 literals followed by the match lengths kThreshold + 1 .. kMaxMatch.
constexpr int kSymbols = 256 - kThreshold + kMaxMatch;
constexpr int kNodes = 2 * kSymbols - 1;
constexpr int kRoot = kNodes - 1;
// Root frequency at which all frequencies are halved.
constexpr int kMaxFreq = 0x8000;

constexpr int MatchSymbol(int length) {
  return 255 - kThreshold + length;
}
constexpr int MatchLength(int symbol) {
  return symbol - 255 + kThreshold;
}

// Positions (0 .. 4095, the distance minus one) are coded as a prefix code
// for their upper six bits followed by the lower six bits verbatim.
//
// Decoding table, indexed by the next eight bits of input: the upper six
// bits of the position and the length of its prefix code (3 .. 8 bits).
struct PositionDecodeTable {
  std::array<uint8_t, 256> upper{};
  std::array<uint8_t, 256> length{};
};

constexpr PositionDecodeTable MakePositionDecodeTable() {
  // Upper values in order: how many share a code length, and that length.
  struct Group {
    int values;
    int length;
  };
  constexpr Group kGroups[] = {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}};
  PositionDecodeTable table;
  int index = 0;
  int upper = 0;
  for (const Group& group : kGroups) {
    const int run = 1 << (8 - group.length);  // indices that start with the code
    for (int v = 0; v < group.values; ++v, ++upper) {
      for (int k = 0; k < run; ++k, ++index) {
        table.upper[index] = static_cast<uint8_t>(upper);
        table.length[index] = static_cast<uint8_t>(group.length);
      }
    }
  }
  return table;
}

inline constexpr PositionDecodeTable kPositionDecode = MakePositionDecodeTable();

// Encoding table, derived from the decoding table: for each upper value the
// prefix code (right-aligned) and its length in bits.
struct PositionEncodeTable {
  std::array<uint8_t, 64> code{};
  std::array<uint8_t, 64> bits{};
};

constexpr PositionEncodeTable MakePositionEncodeTable() {
  PositionEncodeTable table;
  std::array<bool, 64> seen{};
  for (int i = 0; i < 256; ++i) {
    const int upper = kPositionDecode.upper[i];
    if (seen[upper]) continue;
    seen[upper] = true;
    const int bits = kPositionDecode.length[i];
    table.code[upper] = static_cast<uint8_t>(i >> (8 - bits));
    table.bits[upper] = static_cast<uint8_t>(bits);
  }
  return table;
}

inline constexpr PositionEncodeTable kPositionEncode = MakePositionEncodeTable();

static_assert(kPositionDecode.upper[255] == 63 && kPositionDecode.length[255] == 8);
static_assert(kPositionEncode.bits[0] == 3 && kPositionEncode.code[1] == 2 &&
              kPositionEncode.bits[63] == 8 && kPositionEncode.code[63] == 255);

class AdaptiveTree {
 public:
  AdaptiveTree() {
    for (int i = 0; i < kSymbols; ++i) {
      freq_[i] = 1;
      son_[i] = static_cast<uint16_t>(i + kNodes);
      parent_[i + kNodes] = static_cast<uint16_t>(i);
    }
    for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
      freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
      son_[j] = static_cast<uint16_t>(i);
      parent_[i] = parent_[i + 1] = static_cast<uint16_t>(j);
    }
    freq_[kNodes] = 0xFFFF;  // stops the search for a swap partner
    parent_[kRoot] = 0;
  }

  // The first child of `node` (the second is the next index); values of
  // kNodes and above are leaves, symbol + kNodes.
  int Child(int node) const { return son_[node]; }
  int Parent(int node) const { return parent_[node]; }
  int LeafNode(int symbol) const { return parent_[symbol + kNodes]; }
  uint32_t Rebuilds() const { return rebuilds_; }

  // Counts one more occurrence of `symbol` (0 .. kSymbols - 1), moving nodes
  // so that the frequencies stay ordered.
  void Update(int symbol) {
    if (freq_[kRoot] == kMaxFreq) Reconstruct();
    int c = parent_[symbol + kNodes];
    do {
      const unsigned k = ++freq_[c];
      int l = c + 1;
      if (k > freq_[l]) {
        // Swap with the last node of a lower frequency.
        while (k > freq_[++l]) {
        }
        --l;
        freq_[c] = freq_[l];
        freq_[l] = static_cast<uint16_t>(k);

        const int i = son_[c];
        parent_[i] = static_cast<uint16_t>(l);
        if (i < kNodes) parent_[i + 1] = static_cast<uint16_t>(l);
        const int j = son_[l];
        son_[l] = static_cast<uint16_t>(i);
        parent_[j] = static_cast<uint16_t>(c);
        if (j < kNodes) parent_[j + 1] = static_cast<uint16_t>(c);
        son_[c] = static_cast<uint16_t>(j);
        c = l;
      }
      c = parent_[c];
    } while (c != 0);
  }

 private:
  // Halves all leaf frequencies and builds the tree anew.
  void Reconstruct() {
    ++rebuilds_;
    int j = 0;
    for (int i = 0; i < kNodes; ++i) {
      if (son_[i] >= kNodes) {
        freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
        son_[j] = son_[i];
        ++j;
      }
    }
    // Pair the nodes in order; each new node goes after the last one whose
    // frequency does not exceed its own. The search stops at i + 1 at the
    // latest, since that child's frequency is at most the sum.
    for (int i = 0, node = kSymbols; node < kNodes; i += 2, ++node) {
      const unsigned f = freq_[i] + freq_[i + 1];
      int k = node - 1;
      while (f < freq_[k])
        --k;
      ++k;
      for (int m = node; m > k; --m) {
        freq_[m] = freq_[m - 1];
        son_[m] = son_[m - 1];
      }
      freq_[k] = static_cast<uint16_t>(f);
      son_[k] = static_cast<uint16_t>(i);
    }
    for (int i = 0; i < kNodes; ++i) {
      const int k = son_[i];
      parent_[k] = static_cast<uint16_t>(i);
      if (k < kNodes) parent_[k + 1] = static_cast<uint16_t>(i);
    }
    AssertSiblingProperty();
  }

  // Debug builds: frequencies never fall from node to node, each inner
  // node's is its children's sum, and parents and children agree. Checked
  // at each rebuild (a few hundred steps once in thousands of symbols).
  void AssertSiblingProperty() const {
#ifndef NDEBUG
    for (int i = 0; i < kRoot; ++i)
      assert(freq_[i] <= freq_[i + 1]);
    for (int i = 0; i < kNodes; ++i) {
      const int k = son_[i];
      assert(parent_[k] == i);
      if (k < kNodes) assert(parent_[k + 1] == i && freq_[i] == freq_[k] + freq_[k + 1]);
    }
#endif
  }

  std::array<uint16_t, kNodes + 1> freq_{};
  std::array<uint16_t, kNodes + kSymbols> parent_{};
  std::array<uint16_t, kNodes> son_{};
  uint32_t rebuilds_ = 0;
};

// Writes symbols and positions as the decoder reads them.
class SymbolEncoder {
 public:
  explicit SymbolEncoder(CodedOutput& out) : bits_(out) {}

  // Writes the path from the root to the symbol's leaf, updates the tree and
  // returns the code's length. Codes can be longer than 16 bits (with leaf
  // frequencies >= 1 and the root capped at 8000h, Fibonacci-like weights
  // reach depth 21), so the bits are gathered leaf to root in 64-bit words,
  // without assuming any limit, and written root first.
  int PutSymbol(int symbol) {
    uint64_t words[(kSymbols + 63) / 64];
    int full_words = 0;
    uint64_t code = 0;
    int length = 0;
    for (int node = tree_.LeafNode(symbol); node != kRoot; node = tree_.Parent(node)) {
      code |= static_cast<uint64_t>(node & 1) << length;  // the second child is odd
      if (++length == 64) {
        words[full_words++] = code;
        code = 0;
        length = 0;
      }
    }
    const int total = full_words * 64 + length;
    PutLong(code, length);
    while (full_words > 0)
      PutLong(words[--full_words], 64);
    tree_.Update(symbol);
    return total;
  }

  // A position (distance minus one, 0 .. 4095).
  void PutPosition(int position) {
    const int upper = position >> 6;
    bits_.Put((static_cast<uint32_t>(kPositionEncode.code[upper]) << 6) |
                  static_cast<uint32_t>(position & 0x3F),
              kPositionEncode.bits[upper] + 6);
  }

  // Pads the last byte with zero bits.
  void Finish() { bits_.Flush(); }

  uint32_t Rebuilds() const { return tree_.Rebuilds(); }

 private:
  void PutLong(uint64_t value, int count) {
    while (count > 24) {
      count -= 24;
      bits_.Put(static_cast<uint32_t>(value >> count), 24);
    }
    if (count > 0) bits_.Put(static_cast<uint32_t>(value), count);
  }

  BitWriter bits_;
  AdaptiveTree tree_;
};

}  // namespace vx::lzhuf

#endif  // VX_ENGINE_CODEC_LZHUF_TREE_H_
