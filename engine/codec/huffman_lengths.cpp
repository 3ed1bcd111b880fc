#include "engine/codec/huffman_lengths.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace vx {
namespace {

// A coin of package-merge: a leaf (a symbol) or a package of two coins of
// the level below.
struct Coin {
  uint64_t weight;
  int symbol;  // -1 for a package
  int first;   // packages: index of the first of the two coins in `pool`
};

void CountLeaves(const std::vector<Coin>& pool, int coin, std::vector<uint8_t>& lengths) {
  const Coin& c = pool[coin];
  if (c.symbol >= 0) {
    ++lengths[c.symbol];
    return;
  }
  CountLeaves(pool, c.first, lengths);
  CountLeaves(pool, c.first + 1, lengths);
}

// Package-merge gives a complete prefix code of lengths 1..max_length to
// the symbols used: the Kraft sum of the lengths is exactly 1.
void AssertCompleteCode([[maybe_unused]] const std::vector<uint8_t>& lengths,
                        [[maybe_unused]] int max_length) {
#ifndef NDEBUG
  uint64_t kraft = 0;
  for (const uint8_t length : lengths) {
    assert(length <= max_length);
    if (length > 0) kraft += uint64_t{1} << (max_length - length);
  }
  assert(kraft == uint64_t{1} << max_length);
#endif
}

}  // namespace

std::vector<uint8_t> LimitedCodeLengths(std::span<const uint32_t> frequencies, int max_length) {
  std::vector<uint8_t> lengths(frequencies.size(), 0);
  std::vector<int> used;
  for (size_t i = 0; i < frequencies.size(); ++i) {
    if (frequencies[i] > 0) used.push_back(static_cast<int>(i));
  }
  if (used.size() == 1) lengths[used[0]] = 1;
  if (used.size() < 2) return lengths;
  assert(max_length < 32 && used.size() <= (size_t{1} << max_length));
  std::stable_sort(used.begin(), used.end(),
                   [&](int a, int b) { return frequencies[a] < frequencies[b]; });

  // Each level's list lives in `pool` as a contiguous run, sorted by weight;
  // packages pair consecutive coins of the previous level's run.
  std::vector<Coin> pool;
  pool.reserve(used.size() * 2 * static_cast<size_t>(max_length));
  size_t previous_begin = 0, previous_end = 0;
  for (int level = 0; level < max_length; ++level) {
    const size_t begin = pool.size();
    size_t leaf = 0;
    size_t pair = previous_begin;
    const bool has_packages = level > 0;
    while (leaf < used.size() || (has_packages && pair + 1 < previous_end)) {
      const bool take_package = has_packages && pair + 1 < previous_end &&
                                (leaf == used.size() || pool[pair].weight + pool[pair + 1].weight <
                                                            frequencies[used[leaf]]);
      if (take_package) {
        pool.push_back({pool[pair].weight + pool[pair + 1].weight, -1, static_cast<int>(pair)});
        pair += 2;
      } else {
        pool.push_back({frequencies[used[leaf]], used[leaf], 0});
        ++leaf;
      }
    }
    previous_begin = begin;
    previous_end = pool.size();
  }
  // The cheapest 2n - 2 coins of the last list give each symbol's length.
  const size_t take = 2 * used.size() - 2;
  for (size_t i = 0; i < take; ++i)
    CountLeaves(pool, static_cast<int>(previous_begin + i), lengths);
  AssertCompleteCode(lengths, max_length);
  return lengths;
}

}  // namespace vx
