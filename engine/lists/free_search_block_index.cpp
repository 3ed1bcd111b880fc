#include "engine/lists/free_search_block_index.h"

#include <algorithm>
#include <cstring>

#include "engine/util/byte_order.h"

namespace vx {

size_t FreeSearchEntryEnd(std::span<const uint8_t> block, size_t position) {
  if (position >= block.size()) return FreeSearchBlockIndex::kNone;
  const auto* zero =
      static_cast<const uint8_t*>(std::memchr(block.data() + position, 0, block.size() - position));
  if (zero == nullptr) return FreeSearchBlockIndex::kNone;
  const auto end = static_cast<size_t>(zero - block.data());
  if (block.size() - end < FreeSearchEntry::kTrailerSize) return FreeSearchBlockIndex::kNone;
  return end;
}

void FreeSearchBlockIndex::Build(std::span<const uint8_t> block) {
  starts_.assign(1, 0);
  for (size_t end = FreeSearchEntryEnd(block, 0); end != kNone;
       end = FreeSearchEntryEnd(block, starts_.back())) {
    starts_.push_back(static_cast<uint32_t>(end + FreeSearchEntry::kTrailerSize));
  }
  block_size_ = block.size();
  built_ = true;
}

FreeSearchEntry FreeSearchBlockIndex::Entry(std::span<const uint8_t> block, size_t k) const {
  FreeSearchEntry entry;
  entry.begin = starts_[k];
  entry.end = starts_[k + 1] - FreeSearchEntry::kTrailerSize;
  entry.a = LoadU32(block.data() + entry.end + 1);
  entry.b = LoadU32(block.data() + entry.end + 5);
  return entry;
}

size_t FreeSearchBlockIndex::EntryAt(size_t p, size_t hint) const {
  if (p >= starts_.back()) return kNone;
  // A search moving forward mostly lands in the entry of its last match or
  // one of the next few: step there before galloping.
  const size_t entries = starts_.size() - 1;
  for (size_t k = hint, steps = 0; k < entries && steps < 4; ++k, ++steps) {
    if (starts_[k + 1] > p) return k;
  }
  size_t low = std::min(hint + 4, entries - 1);  // starts_[low] <= p
  size_t step = 1;
  while (low + step < entries && starts_[low + step] <= p) {
    low += step;
    step *= 2;
  }
  const size_t high = std::min(low + step, entries);  // starts_[high] > p
  const auto after = std::upper_bound(starts_.begin() + static_cast<ptrdiff_t>(low) + 1,
                                      starts_.begin() + static_cast<ptrdiff_t>(high) + 1, p);
  return static_cast<size_t>(after - starts_.begin()) - 1;
}

}  // namespace vx
