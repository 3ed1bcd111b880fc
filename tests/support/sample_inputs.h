// Deterministic inputs for codec tests and benchmarks.
#ifndef VX_TESTS_SUPPORT_SAMPLE_INPUTS_H_
#define VX_TESTS_SUPPORT_SAMPLE_INPUTS_H_

#include <cstdint>
#include <string>
#include <vector>

namespace vx::testing {

std::vector<uint8_t> RandomBytes(size_t n, uint64_t seed);

// Register-like lines in Windows-1252 (names, parishes, dates, sources with
// å, ä, ö), CR line ends, about `n` bytes.
std::vector<uint8_t> RecordLikeText(size_t n, uint64_t seed);

// A 37-byte pattern repeated to `n` bytes with three bytes of every
// repetition replaced at random, so that a coder sees many short matches.
std::vector<uint8_t> NoisyRepetition(size_t n, uint64_t seed);

std::vector<uint8_t> Bytes(const std::string& text);

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_SAMPLE_INPUTS_H_
