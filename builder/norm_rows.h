// The rows of the normalisation list: for every normalised field whose
// written form is set, the pair (normalised, written) with its number of
// occurrences, by kind: 1 surnames, 2 places (with the parish as addition),
// 3 women's and 4 men's first names.
//
// Row text: kind CR normalised CR written CR count, for places
// kind CR normalised CR written CR addition CR count. Rows are ordered by
// kind, then by the normalised form under the folding table.
#ifndef VX_BUILDER_NORM_ROWS_H_
#define VX_BUILDER_NORM_ROWS_H_

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "builder/source_error.h"
#include "builder/source_records.h"

namespace vx {

class NormRows {
 public:
  // The longest row text the list holds.
  static constexpr size_t kMaxRowText = 250 - 13;

  // Counts the pairs of one record of register `register_number`, read
  // from line `line` of `file`. False with `error` set when a pair would
  // not fit a row.
  bool Add(int register_number, const RecordFields& record, const std::string& file, size_t line,
           SourceError& error);

  // Adds the counts of `other`, gathered from other registers.
  void Merge(const NormRows& other);

  // The row texts, in list order.
  std::vector<std::string> SortedRowTexts() const;

 private:
  using Key = std::tuple<int, std::string, std::string, std::string>;
  std::map<Key, uint32_t> counts_;
};

}  // namespace vx

#endif  // VX_BUILDER_NORM_ROWS_H_
