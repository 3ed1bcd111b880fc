// Writes the files of one register: its record store, person list, date
// order, search word lists and free-search lists.
#ifndef VX_BUILDER_REGISTER_WRITER_H_
#define VX_BUILDER_REGISTER_WRITER_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "builder/register_source.h"
#include "builder/source_error.h"
#include "builder/word_index.h"

namespace vx {

using Progress = std::function<void(const std::string&)>;

// The person list of a register: `order[r - 1]` is the source index of
// record r, `rows[r - 1]` its row.
struct PersonList {
  std::vector<uint32_t> order;
  std::vector<std::string> rows;
};
PersonList MakePersonList(const RegisterSource& source);

// Writes register `source`, numbered by `persons`, into `dir` (ending in a
// separator) for set `regnr`.
bool WriteRegister(const RegisterSource& source, const PersonList& persons, const std::string& dir,
                   const std::string& regnr, const Progress& progress, SourceError& error);

// Adds every non-empty field of the register's records (long texts line by
// line) to the all-fields index, record r as number `first_number` + r - 1.
void AddToAllFields(const RegisterSource& source, const std::vector<uint32_t>& order,
                    uint32_t first_number, WordIndex& all_fields);

// Writes the free-search list `name` (a catalogue component) from rows.
bool WriteFreeSearchList(const std::string& name, std::vector<WordRow> rows, const std::string& dir,
                         const std::string& regnr, SourceError& error);

// An error of writing the file `file`.
SourceError WriteError(const std::string& file, const std::string& detail);

}  // namespace vx

#endif  // VX_BUILDER_REGISTER_WRITER_H_
