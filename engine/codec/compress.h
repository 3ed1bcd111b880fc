// TCompress: reads and writes the compressed streams inside the data files.
//
// A stream is a 21-byte header followed by coded data:
//   0  5  magic "ZEFA" 1Ah
//   5  3  method id: "NON", "RLE", "LZH" (LZHUF), "CUS" or "LH5" (-lh5-)
//   8  4  expanded size (u32)
//  12  1  archive type, 0 = single stream
//  13  4  checksum: sum of the expanded bytes modulo 2^32
//  17  4  lock, 0 = not locked
// Stored data is written without a header, and data of 21 bytes or less, or
// without the magic, expands to itself.
//
// Errors are reported by the exceptions of compress_errors.h.
//
// Threads: ExpandStream keeps its counters in the instance, so no two
// threads may expand through one instance at once, nor read
// LastExpandStats while one expands. CompressStream keeps nothing in the
// instance and the coders share no state: compressing through one instance
// on several threads at once is safe, and so is anything on separate
// instances. SharedCodec() is one instance for the whole process: the
// block-mode lists and record stores expand through it and the block
// appender and the sorter's spill file use it, so separate components that
// expand blocks on two threads still race on its counters.
#ifndef VX_ENGINE_CODEC_COMPRESS_H_
#define VX_ENGINE_CODEC_COMPRESS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "engine/codec/codec_io.h"
#include "engine/codec/compress_errors.h"

namespace vx {

class TStream;

// Method numbers in the order of the method table.
enum class CompressMethod : uint8_t { kNon = 0, kRle = 1, kLzh = 2, kCus = 3, kLh5 = 4 };

// The three-letter identifier of a method ("NON", "RLE", ...).
const char* CompressMethodId(CompressMethod method);
// The method whose identifier is exactly `id` (case-sensitive), if any.
std::optional<CompressMethod> CompressMethodFromId(std::string_view id);

struct CompressedHeader {
  static constexpr size_t kSize = 21;
  static constexpr std::array<uint8_t, 5> kMagic = {'Z', 'E', 'F', 'A', 0x1A};

  std::array<char, 3> compress_id = {'N', 'O', 'N'};
  uint32_t expanded_size = 0;
  uint8_t archive_type = 0;
  uint32_t checksum = 0;
  uint32_t lock = 0;

  // Reads a header from exactly kSize bytes; false when the magic is absent.
  static bool Parse(std::span<const uint8_t, kSize> bytes, CompressedHeader& header);
  std::array<uint8_t, kSize> Serialize() const;
  std::string Id() const { return std::string(compress_id.data(), compress_id.size()); }
};

// Sum of the bytes modulo 2^32, as stored in the header.
uint32_t ByteSum(std::span<const uint8_t> bytes, uint32_t start = 0);

class TCompress {
 public:
  static constexpr uint32_t kNoLimit = UINT32_MAX;

  // Expands the stream from `source`'s position to its end, appending the
  // bytes at `destination`'s position. A header announcing more than
  // `max_expanded_size` bytes raises EExpandedSizeTooLarge before any work.
  void ExpandStream(TStream& destination, TStream& source, uint32_t max_expanded_size = kNoLimit);

  // Compresses `source` from its position to its end into `destination` at
  // its position. Falls back to storing (no header) when the coded data
  // would not be smaller. "CUS" has no coder here and stores.
  void CompressStream(TStream& destination, TStream& source, CompressMethod method);

  // Counters of the last ExpandStream call.
  const ExpandStats& LastExpandStats() const { return stats_; }

 private:
  void ExpandCoded(TStream& destination, std::span<const uint8_t> coded,
                   const CompressedHeader& header, CompressMethod method);
  static void WriteOrThrow(TStream& destination, std::span<const uint8_t> bytes);
  static void Store(TStream& destination, std::span<const uint8_t> bytes);

  ExpandStats stats_;
};

// The codec instance that every store and list of the program uses.
TCompress& SharedCodec();

}  // namespace vx

#endif  // VX_ENGINE_CODEC_COMPRESS_H_
