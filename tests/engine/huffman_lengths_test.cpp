#include "engine/codec/huffman_lengths.h"

#include <gtest/gtest.h>

#include <queue>

namespace vx {
namespace {

// Sum of 2^(max - length) over used symbols: 2^max for a complete code.
uint64_t KraftSum(const std::vector<uint8_t>& lengths, int max_length) {
  uint64_t sum = 0;
  for (uint8_t l : lengths) {
    if (l > 0) sum += uint64_t{1} << (max_length - l);
  }
  return sum;
}

uint64_t Cost(const std::vector<uint32_t>& freqs, const std::vector<uint8_t>& lengths) {
  uint64_t cost = 0;
  for (size_t i = 0; i < freqs.size(); ++i)
    cost += uint64_t{freqs[i]} * lengths[i];
  return cost;
}

// Cost of an unrestricted Huffman code, by the classic merging of weights.
uint64_t HuffmanCost(const std::vector<uint32_t>& freqs) {
  std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<>> heap;
  for (uint32_t f : freqs) {
    if (f > 0) heap.push(f);
  }
  uint64_t cost = 0;
  while (heap.size() > 1) {
    const uint64_t a = heap.top();
    heap.pop();
    const uint64_t b = heap.top();
    heap.pop();
    cost += a + b;
    heap.push(a + b);
  }
  return cost;
}

TEST(LimitedCodeLengths, MatchesHuffmanWhenTheLimitDoesNotBind) {
  const std::vector<uint32_t> freqs = {45, 13, 12, 16, 9, 5, 0, 0, 1};
  const auto lengths = LimitedCodeLengths(freqs, 16);
  EXPECT_EQ(KraftSum(lengths, 16), uint64_t{1} << 16);
  EXPECT_EQ(Cost(freqs, lengths), HuffmanCost(freqs));
  EXPECT_EQ(lengths[6], 0);
  EXPECT_EQ(lengths[7], 0);
}

TEST(LimitedCodeLengths, RespectsTheLimitOnSkewedFrequencies) {
  // Fibonacci weights give an unrestricted code as deep as the alphabet.
  std::vector<uint32_t> freqs = {1, 1};
  while (freqs.size() < 30)
    freqs.push_back(freqs[freqs.size() - 1] + freqs[freqs.size() - 2]);
  const auto lengths = LimitedCodeLengths(freqs, 16);
  for (uint8_t l : lengths) {
    EXPECT_GE(l, 1);
    EXPECT_LE(l, 16);
  }
  EXPECT_EQ(KraftSum(lengths, 16), uint64_t{1} << 16);
  EXPECT_GE(Cost(freqs, lengths), HuffmanCost(freqs));
}

TEST(LimitedCodeLengths, FullAlphabetAtTheTightestLimit) {
  std::vector<uint32_t> freqs(16, 1);
  freqs[0] = 1000000;
  const auto lengths = LimitedCodeLengths(freqs, 4);  // 16 symbols in 4 bits: all length 4
  for (uint8_t l : lengths)
    EXPECT_EQ(l, 4);
}

TEST(LimitedCodeLengths, OneOrNoUsedSymbols) {
  EXPECT_EQ(LimitedCodeLengths(std::vector<uint32_t>{0, 7, 0}, 16),
            (std::vector<uint8_t>{0, 1, 0}));
  EXPECT_EQ(LimitedCodeLengths(std::vector<uint32_t>{0, 0}, 16), (std::vector<uint8_t>{0, 0}));
}

}  // namespace
}  // namespace vx
