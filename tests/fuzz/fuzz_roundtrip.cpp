// Compresses arbitrary bytes with every method and expands them again; any
// difference is a fault of a coder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/codec/compress.h"
#include "engine/util/stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static vx::TCompress codec;
  for (vx::CompressMethod method :
       {vx::CompressMethod::kRle, vx::CompressMethod::kLzh, vx::CompressMethod::kLh5}) {
    vx::TViewStream source(std::span<const uint8_t>(data, size));
    vx::TMemoryStream packed;
    codec.CompressStream(packed, source, method);
    packed.Seek(0);
    vx::TMemoryStream back;
    codec.ExpandStream(back, packed);
    if (back.Size() != size || (size > 0 && std::memcmp(back.Bytes().data(), data, size) != 0))
      std::abort();
  }
  return 0;
}
