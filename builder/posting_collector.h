// PostingCollector: gathers the rows of several word lists or free-search
// lists at once, in bounded memory. A row is a distinct key with the
// records that hold it.
//
// Rows are gathered in a table (collector_table.h) until its share of the
// budget is used;
// the table is then handed to a SpillSorter as one batch of rows, and
// reading merges the batches, joining the rows of equal keys. Records are
// added in ascending order, so a later batch's records follow an earlier
// one's and joined postings stay ascending.
#ifndef VX_BUILDER_POSTING_COLLECTOR_H_
#define VX_BUILDER_POSTING_COLLECTOR_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "builder/collector_table.h"
#include "engine/sort/spill_sorter.h"

namespace vx {

class PostingCollector {
 public:
  static constexpr size_t kLists = 256;

  PostingCollector(size_t budget, std::filesystem::path temp_dir);

  // Adds `spelling` of `record` to list `list`. Values with equal keys make
  // one row, whose text is its most frequent spelling (the first in byte
  // order among equally frequent ones). Rows come out by list, then in key
  // order (keys compare as unsigned bytes). Records must ascend.
  bool Add(uint8_t list, std::string_view key, std::string_view spelling, uint32_t record);

  // As Add for a key that holds its row's text after its first zero byte:
  // no spellings are kept.
  bool AddExact(uint8_t list, std::string_view key, uint32_t record);

  // Ends adding. False when the disc fails.
  bool Finish();

  // Counts the rows of each list, a pass over them all; for lists whose
  // files must know their size before the first row. False when a row
  // could not be read back.
  bool CountRows();

  // The rows of `list`, known after CountRows.
  size_t RowCount(uint8_t list) const { return row_counts_[list]; }

  // Calls `row` for every row in order; stops when it returns false.
  // False when a row could not be read back or `row` stopped.
  using RowSink = std::function<bool(uint8_t list, std::string_view text,
                                     const std::vector<uint32_t>& records)>;
  bool ForEachRow(const RowSink& row);

  bool Ok() const { return sorter_.Ok(); }
  // Batches written to disc so far (for tests and progress).
  size_t RunCount() const { return sorter_.RunCount(); }

 private:
  // The row of `key` in `list`.
  uint32_t RowFor(uint8_t list, std::string_view key);
  // Hands the table to the sorter once it has outgrown its share.
  bool DumpIfFull();
  // Hands the table to the sorter; with `release` its memory goes back.
  bool Dump(bool release);

  size_t table_budget_;
  std::string scratch_;
  CollectorTable table_;
  std::string encoded_;
  std::vector<uint32_t> records_;
  SpillSorter sorter_;
  std::vector<size_t> row_counts_ = std::vector<size_t>(kLists, 0);
};

}  // namespace vx

#endif  // VX_BUILDER_POSTING_COLLECTOR_H_
