// The random generator of the sample source: xoshiro256** seeded through
// splitmix64. Fast, and the same seed gives the same numbers on every
// platform, so that a sample source can be made again byte for byte.
#ifndef VX_SAMPLE_SAMPLE_RANDOM_H_
#define VX_SAMPLE_SAMPLE_RANDOM_H_

#include <cstdint>

namespace vx {

// One step of splitmix64: advances `state` and returns a well-mixed word.
inline uint64_t SplitMix64(uint64_t& state) {
  uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

class SampleRandom {
 public:
  explicit SampleRandom(uint64_t seed) {
    for (uint64_t& word : state_)
      word = SplitMix64(seed);
  }

  uint64_t Next() {
    const uint64_t result = Rotate(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotate(state_[3], 45);
    return result;
  }

  // A number in 0 .. n-1 (n > 0). The bias of the remainder is below
  // n / 2^64, far too small to matter for weights and counts.
  uint64_t Below(uint64_t n) { return Next() % n; }

  // A number in low .. high (low <= high).
  int Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<uint64_t>(high - low) + 1));
  }

  // A number in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

  // True with probability p.
  bool Chance(double p) { return Unit() < p; }

 private:
  static uint64_t Rotate(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

  uint64_t state_[4];
};

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_RANDOM_H_
