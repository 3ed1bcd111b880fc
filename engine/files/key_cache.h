// Tvxhash: a small cache of keys that earlier binary searches found, each
// with the row or record number where it was found. Before a new search the
// cache gives a lower and an upper number whose keys bracket the new key, so
// the search can start on a narrower range.
//
// Keys are null-terminated Windows-1252 texts compared through one
// collation table: FoldTable(), or AccentOrderTable() for files that keep
// accents apart. Entries stay in insertion order.
#ifndef VX_ENGINE_FILES_KEY_CACHE_H_
#define VX_ENGINE_FILES_KEY_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/text/collation.h"

namespace vx {

class Tvxhash {
 public:
  static constexpr size_t kDefaultCapacity = 50;

  // Bracketing numbers for a key; 0 for a bound the cache cannot give. The
  // caller reads a lo of 0 as 1 and a hi of 0 as its row or record count.
  struct Range {
    int32_t lo = 0;
    int32_t hi = 0;
  };

  explicit Tvxhash(const CollationTable& table = FoldTable()) : table_(&table) {}

  // Discards all entries and sets the number of entries kept.
  void SetCapacity(size_t capacity);

  // Keeps a copy of `key` with `number` unless the cache is full or already
  // holds a key equal to it under the table.
  void Add(const char* key, int32_t number);

  // lo: the number of the entry just before the first entry, in insertion
  // order, whose key is not below `key`; hi: the number of the entry just
  // after the last entry whose key is not above `key`. A scan that finds no
  // such entry, or finds it at the end it starts from, leaves its bound 0.
  // So lo belongs to a key below `key` and hi to a key above it; a key
  // outside all cached keys is not narrowed.
  Range Bounds(const char* key) const;

  size_t Count() const { return entries_.size(); }
  size_t Capacity() const { return capacity_; }

 private:
  struct Entry {
    std::string key;
    int32_t number;
  };

  const CollationTable* table_;
  size_t capacity_ = kDefaultCapacity;
  std::vector<Entry> entries_;
};

}  // namespace vx

#endif  // VX_ENGINE_FILES_KEY_CACHE_H_
