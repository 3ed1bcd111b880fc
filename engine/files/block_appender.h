// BlockAppender: gathers the bytes of the block being written and appends
// it, compressed with "LH5", to a block file (see block_cache.h for the
// layout), entering its offset in the block pointer list.
#ifndef VX_ENGINE_FILES_BLOCK_APPENDER_H_
#define VX_ENGINE_FILES_BLOCK_APPENDER_H_

#include <cstdint>
#include <span>

#include "engine/util/stream.h"

namespace vx {

class File;
class Tvxpeklista;

class BlockAppender {
 public:
  // Adds bytes to the pending block; returns their offset inside it.
  uint64_t Add(std::span<const uint8_t> bytes);

  // Compresses the pending block, writes its length word and stream at the
  // end of `file` and appends the length word's offset to `blocks`. The
  // pending block is emptied either way. False when nothing could be
  // written, the offset does not fit 32 bits or the list is full.
  bool Flush(File& file, Tvxpeklista& blocks);

  // Items added since the last flush, as counted by the caller's Add calls.
  uint32_t pending() const { return pending_; }
  uint64_t pending_size() const { return expanded_.Size(); }
  void Reset();

 private:
  uint32_t pending_ = 0;
  TMemoryStream expanded_;
  TMemoryStream compressed_;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_BLOCK_APPENDER_H_
