// Writes runs of numbers in the delta code that ReadPostings reads (see
// engine/postings.h), for the builder and for tests.
#ifndef VX_ENGINE_LISTS_POSTINGS_WRITER_H_
#define VX_ENGINE_LISTS_POSTINGS_WRITER_H_

#include <cstdint>
#include <span>
#include <vector>

namespace vx {

// Appends the postings of `numbers` to `out`: the first number, then chunks
// of at most kMaxChunkCodeBytes code bytes, a gap of 1..254 as one byte, of
// 255..65535 as 00h and a u16, any larger gap as FFh and the number itself.
// An empty list appends nothing.
//
// The numbers must be strictly ascending and at least 1, since a run is the
// set of records of one entry and its length counts them: a duplicate would
// make the count lie, and record numbers start at 1. Otherwise returns false
// and leaves `out` unchanged.
bool AppendPostings(std::span<const uint32_t> numbers, std::vector<uint8_t>& out);

}  // namespace vx

#endif  // VX_ENGINE_LISTS_POSTINGS_WRITER_H_
