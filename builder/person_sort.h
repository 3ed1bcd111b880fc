// The first pass over a register's source table: every record is checked,
// its pairs counted for the normalisation list, and the record put into a
// SpillSorter under its person-order key, so that reading the sorter gives
// the records in the order that numbers them.
#ifndef VX_BUILDER_PERSON_SORT_H_
#define VX_BUILDER_PERSON_SORT_H_

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "builder/norm_rows.h"
#include "builder/source_error.h"
#include "builder/source_records.h"
#include "engine/sort/spill_sorter.h"

namespace vx {

// A record as the sorter holds it: its source line, its person-list row
// and its values in label order.
struct SortedRecord {
  size_t line = 0;
  std::string_view row;
  std::vector<std::string_view> values;

  static std::string Encode(size_t line, std::string_view row, const RecordFields& record);
  // False when `payload` is not a record of `fields` values.
  bool Decode(std::string_view payload, size_t fields);
};

// Reads register `reader.register_number()` from `file` into `records`
// and `norm_rows`. False with `error` set for a malformed source or a
// failed temporary file.
bool SortByPerson(const std::filesystem::path& file, SourceRecordReader& reader,
                  NormRows& norm_rows, SpillSorter& records, const ReadProgress& progress,
                  SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_PERSON_SORT_H_
