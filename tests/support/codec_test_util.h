// Helpers for the codec tests: expanding and compressing whole buffers.
#ifndef VX_TESTS_SUPPORT_CODEC_TEST_UTIL_H_
#define VX_TESTS_SUPPORT_CODEC_TEST_UTIL_H_

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/util/stream.h"

namespace vx::testing {

inline std::vector<uint8_t> Expand(TCompress& codec, std::span<const uint8_t> stream) {
  TViewStream source(stream);
  TMemoryStream out;
  codec.ExpandStream(out, source);
  return out.Take();
}

inline std::vector<uint8_t> Compress(TCompress& codec, std::span<const uint8_t> data,
                                     CompressMethod method) {
  TViewStream source(data);
  TMemoryStream out;
  codec.CompressStream(out, source, method);
  return out.Take();
}

// A header in front of `coded`, with the given fields.
inline std::vector<uint8_t> WithHeader(const std::string& id, uint32_t expanded_size,
                                       uint32_t checksum, std::span<const uint8_t> coded,
                                       uint8_t archive_type = 0, uint32_t lock = 0) {
  CompressedHeader header;
  for (size_t i = 0; i < 3; ++i)
    header.compress_id[i] = id[i];
  header.expanded_size = expanded_size;
  header.checksum = checksum;
  header.archive_type = archive_type;
  header.lock = lock;
  const auto head = header.Serialize();
  std::vector<uint8_t> out(head.begin(), head.end());
  out.insert(out.end(), coded.begin(), coded.end());
  return out;
}

// The exception message of `f()`, or "" when it does not throw.
template <typename F>
std::string ThrownMessage(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_CODEC_TEST_UTIL_H_
