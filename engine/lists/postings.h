// Postings: an ascending run of record (or row) numbers in delta code, as
// the word lists and the free-search lists store them.
//
//   u32  the first number
//   then, when the run holds more than one number, chunks until every
//   number is read, each
//     u16  chunk length L, these two bytes included (2 .. 2 + kMaxChunkCodeBytes)
//     L-2  codes, each giving the next number from the previous one n:
//            00h, u16 d   n + d
//            FFh, u32 v   v
//            b (01h-FEh)  n + b
//
// A run of c numbers holds the first number and c - 1 codes. A code never
// spans two chunks. Codes left in a chunk after the c-th number are skipped.
#ifndef VX_ENGINE_LISTS_POSTINGS_H_
#define VX_ENGINE_LISTS_POSTINGS_H_

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/util/byte_reader.h"
#include "engine/util/status.h"

namespace vx {

// The most code bytes one chunk holds; also the size of the engine's one
// shared chunk buffer.
inline constexpr size_t kMaxChunkCodeBytes = 64100;

// Receives the numbers of a run in order, a batch at a time. Numbers are as
// decoded: 0 or values past any selection come from damaged data, and sums
// of codes may exceed 32 bits. `ascending`: no number of the batch is below
// the one before it (codes add; only an absolute code can go back, which
// sound data never does).
class PostingsConsumer {
 public:
  virtual ~PostingsConsumer() = default;
  virtual void Accept(std::span<const uint64_t> numbers, bool ascending) = 0;
};

// Reads a run of `count` numbers from `reader` and hands them to `consumer`.
// A count below 1 reads nothing. Every chunk is read whole, so afterwards the
// reader stands after the run. On damage (the data ends inside the run, a
// chunk length below 2 or above 2 + kMaxChunkCodeBytes, a chunk ending
// inside a code) reading stops, the numbers decoded before it have been
// handed on, and the result is a Corruption naming the source and the
// damage.
//
// Chunks pass through the engine's one shared chunk buffer: not reentrant.
Status ReadPostings(ByteReader& reader, int64_t count, PostingsConsumer& consumer);

// The same over bytes in memory, without the shared buffer. `consumed`, when
// given, receives the bytes read, as many as a reader would have delivered;
// `source_name` names the bytes in messages as a reader's name would.
Status ReadPostings(std::span<const uint8_t> bytes, int64_t count, PostingsConsumer& consumer,
                    size_t* consumed = nullptr, std::string_view source_name = {});

}  // namespace vx

#endif  // VX_ENGINE_LISTS_POSTINGS_H_
