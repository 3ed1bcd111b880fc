// BlockCache: the one expanded block a record or row file keeps in memory.
//
// A block file holds, somewhere after its header, blocks each stored as
//   u32  byte length L
//   L    one compressed stream (any method the codec reads)
// and a pointer list whose entry b + 1 is the file offset of block b's
// length word. Loading a block that is already current costs nothing;
// loading another one reads and expands it, and it becomes current only
// when the expansion succeeded.
#ifndef VX_ENGINE_FILES_BLOCK_CACHE_H_
#define VX_ENGINE_FILES_BLOCK_CACHE_H_

#include <cstdint>
#include <span>
#include <vector>

#include "engine/util/stream.h"

namespace vx {

class File;
class Tvxpeklista;

class BlockCache {
 public:
  static constexpr int64_t kNoBlock = -1;

  // Makes block `block` (from 0) current. False, with no block current,
  // when the list has no entry for it or its length word or bytes do not lie
  // within `file`. The codec's exceptions pass through, EExpandedSizeTooLarge
  // among them when the stream announces more than `max_expanded` bytes.
  bool Load(const File& file, const Tvxpeklista& blocks, uint64_t block, uint32_t max_expanded);

  // The expansion of the current block (empty when there is none).
  std::span<const uint8_t> Bytes() const;
  int64_t current() const { return current_; }

  // Forgets the current block and frees the buffers.
  void Reset();

  // Blocks expanded since construction.
  uint64_t expansions() const { return expansions_; }

 private:
  int64_t current_ = kNoBlock;
  uint64_t expansions_ = 0;
  std::vector<uint8_t> compressed_;
  TMemoryStream expanded_;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_BLOCK_CACHE_H_
