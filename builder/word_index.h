// Gathers the rows of a word list or free-search list: the distinct values
// of a field, each with the records that hold it.
#ifndef VX_BUILDER_WORD_INDEX_H_
#define VX_BUILDER_WORD_INDEX_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/text/collation.h"

namespace vx {

struct WordRow {
  std::string text;
  std::vector<uint32_t> records;  // ascending, without repeats
};

class WordIndex {
 public:
  // Values equal under `distinct` make one row (null: equal bytes only);
  // rows are ordered under `order`, then by their bytes.
  WordIndex(const CollationTable* distinct, const CollationTable& order)
      : distinct_(distinct), order_(order) {}

  // Adds a value of `record`. Records must be added in ascending order.
  void Add(std::string_view value, uint32_t record);

  size_t RowCount() const { return entries_.size(); }

  // The rows in order; a row's text is its most frequent spelling (the
  // first in byte order among equally frequent ones). Empties the index.
  std::vector<WordRow> TakeSortedRows();

 private:
  struct Entry {
    // Spellings with their uses; none when only equal bytes are equal.
    std::vector<std::pair<std::string, uint32_t>> spellings;
    std::vector<uint32_t> records;
  };

  // The key of `value` in `scratch_` (values equal under the table share it).
  const std::string& KeyOf(std::string_view value);

  // Lets the map be searched with a string_view, without a copy.
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };

  const CollationTable* distinct_;
  const CollationTable& order_;
  std::unordered_map<std::string, uint32_t, Hash, std::equal_to<>> index_;
  std::string scratch_;
  std::vector<Entry> entries_;
};

}  // namespace vx

#endif  // VX_BUILDER_WORD_INDEX_H_
