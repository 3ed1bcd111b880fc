// RunFormat: how the external sorter lays out its runs in the spill file
// and what the file is called. A run is the items of one sorted batch (or
// of merged runs), in order, between two offsets of the file; the file
// does not record where runs lie, the sorter does.
//
// Formats: PlainRuns() (plain_runs.h), the sorter's own and fastest; and
// SortEntryRuns() (sort_entry_runs.h), the compressed chunks of
// Tvxsortera's (text, value) entries.
#ifndef VX_ENGINE_SORT_RUN_FORMAT_H_
#define VX_ENGINE_SORT_RUN_FORMAT_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/sort/spill_file.h"

namespace vx {

// Where a run lies in the spill file: the bytes [begin, end).
struct SpillRun {
  uint64_t begin = 0;
  uint64_t end = 0;
};

// Appends one run to the end of the spill file.
class RunWriter {
 public:
  virtual ~RunWriter() = default;
  // Appends an item; items come in sorted order. False when the file
  // cannot be written.
  virtual bool Add(std::string_view key, std::string_view payload) = 0;
  // Writes out what is still held back; false when the file cannot be
  // written. The run then ends at the file's size.
  virtual bool End() = 0;
};

// Reads one run forwards.
class RunReader {
 public:
  virtual ~RunReader() = default;
  // Moves to the next item; false at the end of the run, and when it
  // cannot be read back (then `failed` is set).
  virtual bool Advance(bool& failed) = 0;
  // The current item, valid until the next Advance.
  std::string_view key() const { return key_; }
  std::string_view payload() const { return payload_; }

 protected:
  std::string_view key_;
  std::string_view payload_;
};

class RunFormat {
 public:
  virtual ~RunFormat() = default;
  // The beginning of the spill file's unique name.
  virtual std::string NamePrefix() const = 0;
  // True when the file keeps its name while the sorter lives (see
  // SpillFile::Create).
  virtual bool KeepsName() const = 0;
  // A writer of a run that begins at the file's current end.
  virtual std::unique_ptr<RunWriter> StartRun(SpillFile& file) const = 0;
  // A reader of `run`, reading about `buffer_size` bytes at a time.
  virtual std::unique_ptr<RunReader> OpenRun(const SpillFile& file, SpillRun run,
                                             size_t buffer_size) const = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_RUN_FORMAT_H_
