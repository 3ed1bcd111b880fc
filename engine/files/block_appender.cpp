#include "engine/files/block_appender.h"

#include <cstdint>

#include "engine/codec/compress.h"
#include "engine/files/file.h"
#include "engine/files/pointer_list.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr uint64_t kLengthSize = 4;

}  // namespace

uint64_t BlockAppender::Add(std::span<const uint8_t> bytes) {
  const uint64_t offset = expanded_.Size();
  expanded_.Seek(offset);
  if (!bytes.empty()) expanded_.Write(bytes.data(), bytes.size());
  ++pending_;
  return offset;
}

bool BlockAppender::Flush(File& file, Tvxpeklista& blocks) {
  // Length placeholder first, so that length and stream go out in one write.
  compressed_.Clear();
  compressed_.SetSize(kLengthSize);
  compressed_.Seek(kLengthSize);
  expanded_.Seek(0);
  SharedCodec().CompressStream(compressed_, expanded_, CompressMethod::kLh5);
  Reset();

  const uint64_t stream_size = compressed_.Size() - kLengthSize;
  const uint64_t offset = file.Size();
  if (stream_size > UINT32_MAX || offset > UINT32_MAX) return false;
  StoreU32(compressed_.MutableBytes().data(), static_cast<uint32_t>(stream_size));
  if (!file.WriteAt(offset, compressed_.Bytes().data(), compressed_.Size())) return false;
  return blocks.Append(static_cast<uint32_t>(offset)) >= 0;
}

void BlockAppender::Reset() {
  pending_ = 0;
  expanded_.Clear();
}

}  // namespace vx
