// Writes the files of one register from its records in person order: its
// record store, person list, date order, search word lists and
// free-search lists. The records stream through once; the orders and lists
// that need other orders are gathered in bounded memory on the way.
#ifndef VX_BUILDER_REGISTER_WRITER_H_
#define VX_BUILDER_REGISTER_WRITER_H_

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "builder/person_sort.h"
#include "builder/source_error.h"
#include "builder/source_records.h"
#include "engine/sort/spill_sorter.h"

namespace vx {

using Progress = std::function<void(const std::string&)>;

// Receives every record in number order (1, 2, ...).
using RecordSink = std::function<void(uint32_t record, std::string_view payload)>;

struct RegisterWriteOptions {
  std::string dir;    // the folder written to, ending in a separator
  std::string regnr;  // the register set's number as in file names
  std::filesystem::path temp_dir;
  size_t list_budget = 0;  // memory for the word and free-search lists
  size_t date_budget = 0;  // memory for the date order
  // Called once the last record has been read from the sorter.
  std::function<void()> records_done;
  // Receives the number of runs written to temporary files.
  std::function<void(size_t)> count_runs;
};

// Writes register `reader`'s register from `records` (SortByPerson's
// sorter, finished). False with `error` set.
bool WriteRegister(const SourceRecordReader& reader, SpillSorter& records,
                   const RegisterWriteOptions& options, const RecordSink& every_record,
                   const Progress& progress, SourceError& error);

// The values that the list of all fields takes from a record: every
// non-empty field, long texts line by line.
void ForEachFieldValue(const FieldNames& names, std::span<const std::string_view> values,
                       const std::function<void(std::string_view)>& take);

}  // namespace vx

#endif  // VX_BUILDER_REGISTER_WRITER_H_
