// Writes the files of one register from its records in person order: its
// record store, person list, date order, search word lists and
// free-search lists. The records stream through once; the orders and lists
// that need other orders are gathered in bounded memory on the way, and
// written afterwards, which may overlap the next register's records.
#ifndef VX_BUILDER_REGISTER_WRITER_H_
#define VX_BUILDER_REGISTER_WRITER_H_

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "builder/person_sort.h"
#include "builder/posting_collector.h"
#include "builder/source_error.h"
#include "builder/source_records.h"
#include "engine/sort/spill_sorter.h"

namespace vx {

// Receives a line of progress (arguments UTF-8).
using Progress = std::function<void(const Message&)>;

// Receives every record in number order (1, 2, ...).
using RecordSink = std::function<void(uint32_t record, std::string_view payload)>;

struct RegisterWriteOptions {
  std::string dir;    // the folder written to, ending in a separator
  std::string regnr;  // the register set's number as in file names
  std::filesystem::path temp_dir;
  size_t list_budget = 0;   // memory for the word and free-search lists
  size_t date_budget = 0;   // memory for the date order
  size_t queue_budget = 0;  // memory for the records on their way to the record store
  // Whether the record store is written on a thread of its own.
  bool own_threads = true;
  // Called once the last record has been read from the sorter.
  std::function<void()> records_done;
  // Receives the number of runs written to temporary files.
  std::function<void(size_t)> count_runs;
};

// What a register's records gave its date order and lists, to be written.
struct GatheredLists {
  int register_number = 0;
  std::unique_ptr<SpillSorter> dates;
  std::unique_ptr<PostingCollector> lists;
};

// Writes register `reader`'s record store (on a thread of its own) and
// person list from `records` (SortByPerson's sorter, finished), and
// gathers its date order and lists into `gathered`. False with `error`
// set.
bool WriteRegisterRecords(const SourceRecordReader& reader, SpillSorter& records,
                          const RegisterWriteOptions& options, const RecordSink& every_record,
                          const Progress& progress, GatheredLists& gathered, SourceError& error);

// Writes the date order and lists gathered by WriteRegisterRecords. It
// touches nothing of the records' pass: it may run on another thread
// while the next register's records are written.
bool WriteGatheredLists(GatheredLists& gathered, const RegisterWriteOptions& options,
                        const Progress& progress, SourceError& error);

// The values that the list of all fields takes from a record: every
// non-empty field, long texts line by line.
void ForEachFieldValue(const FieldNames& names, std::span<const std::string_view> values,
                       const std::function<void(std::string_view)>& take);

}  // namespace vx

#endif  // VX_BUILDER_REGISTER_WRITER_H_
