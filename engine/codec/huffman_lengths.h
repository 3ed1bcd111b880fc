// Code lengths of optimal length-limited prefix codes (package-merge).
#ifndef VX_ENGINE_CODEC_HUFFMAN_LENGTHS_H_
#define VX_ENGINE_CODEC_HUFFMAN_LENGTHS_H_

#include <cstdint>
#include <span>
#include <vector>

namespace vx {

// Lengths of a prefix code of minimal total cost whose lengths are at most
// `max_length`. Symbols of frequency 0 get length 0. With a single used
// symbol it gets length 1 (callers send such codes in a special form).
// Requires 2^max_length >= the number of used symbols.
std::vector<uint8_t> LimitedCodeLengths(std::span<const uint32_t> frequencies, int max_length);

}  // namespace vx

#endif  // VX_ENGINE_CODEC_HUFFMAN_LENGTHS_H_
