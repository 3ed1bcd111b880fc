// Builds a register set: every data file of the catalogue for one register
// set number, from a source folder (fodda.csv, vigda.csv, doda.csv,
// register.txt, hjalp/, bilder/).
//
// The files are written into a temporary folder beside the data folder and
// moved into it only when all are complete, so a failed build leaves the
// data folder as it was. Files of the same register set that the new build
// does not write (a register left out) are removed from it.
#ifndef VX_BUILDER_REGISTER_SET_BUILDER_H_
#define VX_BUILDER_REGISTER_SET_BUILDER_H_

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

#include "builder/source_error.h"
#include "imaging/picture_record.h"

namespace vx {

// The memory the builder keeps within unless told otherwise.
constexpr size_t kDefaultBuildMemory = size_t{2} << 30;

struct BuildOptions {
  std::filesystem::path source_dir;
  std::filesystem::path data_dir;
  int register_set = 1;
  // Receives a line of progress (UTF-8, in `language`) now and then.
  std::function<void(const std::string&)> progress;
  // The program's own pictures, written as the data folder's "vaxorgrfk";
  // none when empty. The set's own pictures come from source_dir/bilder/.
  std::vector<PictureRecord> program_pictures;
  // Bytes of memory for what grows with the number of records (orders,
  // word lists, free-search lists); beyond it they are sorted in
  // temporary files beside the data folder. The files written are the
  // same whatever the budget.
  size_t memory_budget = kDefaultBuildMemory;
  // 1: everything on the calling thread. 2 (or more): the record stores,
  // the lists and the list of all fields are written beside each other,
  // for two cores, within the same budget. The files are the same.
  int threads = 2;
  // The language of the progress lines.
  Language language = Language::kSwedish;
};

struct BuildSummary {
  size_t records[4] = {0, 0, 0, 0};  // per register 1..3
  size_t files = 0;
  size_t temporary_runs = 0;  // sorted runs written to temporary files
};

// False with `error` set when a source is malformed or a file cannot be
// written.
bool BuildRegisterSet(const BuildOptions& options, BuildSummary& summary, SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_REGISTER_SET_BUILDER_H_
