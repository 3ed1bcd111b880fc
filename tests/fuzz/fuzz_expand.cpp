// Expands arbitrary bytes. Inputs whose first byte is F0h or above get a
// made-up header in front of the rest (method = first byte mod 5, a small
// expanded size from the next three bytes), so that every decoder is reached
// even without a matching header; others are taken as a stream as they are.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/util/byte_order.h"
#include "engine/util/stream.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

constexpr uint32_t kLimit = 1 << 18;

std::vector<uint8_t> WithMadeUpHeader(const uint8_t* data, size_t size) {
  vx::CompressedHeader header;
  const char* id = vx::CompressMethodId(static_cast<vx::CompressMethod>(data[0] % 5));
  std::copy_n(id, 3, header.compress_id.begin());
  header.expanded_size = size >= 4 ? vx::LoadU16(data + 1) : 0;
  const auto head = header.Serialize();
  std::vector<uint8_t> stream(head.begin(), head.end());
  if (size > 4) stream.insert(stream.end(), data + 4, data + size);
  return stream;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static vx::TCompress codec;
  std::vector<uint8_t> made;
  std::span<const uint8_t> input(data, size);
  if (size > 0 && data[0] >= 0xF0) {
    made = WithMadeUpHeader(data, size);
    input = made;
  }
  vx::TViewStream source(input);
  vx::TMemoryStream out;
  vx::fuzz::Guarded([&] { codec.ExpandStream(out, source, kLimit); });
  return 0;
}
