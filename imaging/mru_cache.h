// The ranking of a picture cache: entries kept sorted by name (case is
// ignored), each with a rank, 1 being the most recently used, and a
// capacity.
//
// A look-up of a cached name moves it to rank 1 and every entry ranked
// above it (a lower number) down by one. A name not cached is loaded; when
// the cache is full, the entry with the highest rank is dropped first
// (entries ranked after it move up by one), then every remaining entry
// goes down by one and the new one gets rank 1, in its place by name.
#ifndef VX_IMAGING_MRU_CACHE_H_
#define VX_IMAGING_MRU_CACHE_H_

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/util/cp1252.h"

namespace vx {

template <typename Picture>
class MruCache {
 public:
  struct Entry {
    std::string name;
    std::string key;  // the name upper-cased, the sort key
    int rank = 0;
    Picture picture;
  };

  // A capacity of 0 is taken as 1.
  explicit MruCache(size_t capacity) : capacity_(std::max<size_t>(capacity, 1)) {}

  // The index of `name`'s entry, loading it with `load` (a callable
  // returning std::optional<Picture>) when it is not cached; -1 when it is
  // not cached and `load` finds nothing. Indices stay valid until the next
  // look-up.
  template <typename Load>
  int Get(std::string_view name, Load&& load) {
    const std::string key = UpperCase(std::string(name));
    auto place = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const Entry& e, const std::string& k) { return e.key < k; });
    if (place != entries_.end() && place->key == key) {
      Promote(*place);
      return static_cast<int>(place - entries_.begin());
    }
    std::optional<Picture> picture = load();
    if (!picture) return -1;
    if (entries_.size() >= capacity_) DropLeastRecent();
    for (Entry& e : entries_)
      ++e.rank;
    place = std::lower_bound(entries_.begin(), entries_.end(), key,
                             [](const Entry& e, const std::string& k) { return e.key < k; });
    place = entries_.insert(place, Entry{std::string(name), key, 1, std::move(*picture)});
    return static_cast<int>(place - entries_.begin());
  }

  // Null for an index outside the entries.
  const Entry* At(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= entries_.size()) return nullptr;
    return &entries_[static_cast<size_t>(index)];
  }
  const std::vector<Entry>& Entries() const { return entries_; }
  size_t Capacity() const { return capacity_; }
  void Clear() { entries_.clear(); }

 private:
  void Promote(Entry& hit) {
    if (hit.rank == 1) return;
    for (Entry& e : entries_) {
      if (e.rank < hit.rank) ++e.rank;
    }
    hit.rank = 1;
  }

  void DropLeastRecent() {
    auto last = std::max_element(entries_.begin(), entries_.end(),
                                 [](const Entry& a, const Entry& b) { return a.rank < b.rank; });
    const int dropped = last->rank;
    entries_.erase(last);
    for (Entry& e : entries_) {
      if (e.rank > dropped) --e.rank;
    }
  }

  size_t capacity_;
  std::vector<Entry> entries_;
};

}  // namespace vx

#endif  // VX_IMAGING_MRU_CACHE_H_
