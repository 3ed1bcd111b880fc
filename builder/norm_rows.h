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

#include "builder/register_source.h"

namespace vx {

class NormRows {
 public:
  // The longest row text the list holds.
  static constexpr size_t kMaxRowText = 250 - 13;

  // Counts the pairs of every record of `source`. False with `error` set
  // when a pair would not fit a row.
  bool AddRegister(const RegisterSource& source, SourceError& error);

  // The row texts, in list order.
  std::vector<std::string> SortedRowTexts() const;

 private:
  using Key = std::tuple<int, std::string, std::string, std::string>;
  std::map<Key, uint32_t> counts_;
};

}  // namespace vx

#endif  // VX_BUILDER_NORM_ROWS_H_
