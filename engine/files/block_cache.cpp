#include "engine/files/block_cache.h"

#include "engine/codec/compress.h"
#include "engine/codec/compress_errors.h"
#include "engine/files/file.h"
#include "engine/files/pointer_list.h"
#include "engine/util/byte_order.h"

namespace vx {

bool BlockCache::Load(const File& file, const Tvxpeklista& blocks, uint64_t block,
                      uint32_t max_expanded) {
  if (static_cast<int64_t>(block) == current_) return true;
  current_ = kNoBlock;
  const uint32_t offset = blocks.Get(static_cast<int64_t>(block) + 1);
  if (offset == Tvxpeklista::kNone) return false;
  uint8_t length_bytes[4];
  if (!file.ReadAt(offset, length_bytes, sizeof length_bytes)) return false;
  const uint32_t length = LoadU32(length_bytes);
  // Checked before allocating: the length word is as untrusted as the rest.
  if (length > file.Size() - offset - sizeof length_bytes) return false;
  compressed_.resize(length);
  if (!file.ReadAt(offset + sizeof length_bytes, compressed_.data(), length)) return false;

  TViewStream source(compressed_);
  expanded_.Clear();
  try {
    SharedCodec().ExpandStream(expanded_, source, max_expanded);
  } catch (ECompressError& error) {
    error.set_file(file.path());
    throw;
  }
  ++expansions_;
  current_ = static_cast<int64_t>(block);
  return true;
}

std::span<const uint8_t> BlockCache::Bytes() const {
  if (current_ == kNoBlock) return {};
  return expanded_.Bytes();
}

void BlockCache::Reset() {
  current_ = kNoBlock;
  compressed_.clear();
  compressed_.shrink_to_fit();
  expanded_.Take();
}

}  // namespace vx
