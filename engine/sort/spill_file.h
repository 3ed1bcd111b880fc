// SpillFile: the temporary file where the external sorter keeps sorted runs
// that do not fit in memory.
//
// The file is a sequence of chunks, each
//   u32  byte length n of the compressed chunk
//   n    one compressed stream ("LH5") of the expanded chunk:
//          u32 0, then up to kChunkEntries entries, each
//          u16 key length k, k bytes of key (no terminator), u32 value.
// A run is one or more consecutive chunks; the file does not record runs,
// its user does.
//
// The file lives in a temporary directory under a unique name beginning
// with "Kal" and is removed when the object is destroyed.
#ifndef VX_ENGINE_SORT_SPILL_FILE_H_
#define VX_ENGINE_SORT_SPILL_FILE_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "engine/files/file.h"
#include "engine/sort/sort_entry.h"
#include "engine/util/stream.h"

namespace vx {

// Where a run's first chunk starts and how many entries the run holds.
struct SpillRun {
  uint64_t start = 0;
  uint64_t count = 0;
};

class SpillFile {
 public:
  static constexpr size_t kChunkEntries = 1000;
  static constexpr size_t kMaxKeyLength = 0xFFFF;

  // Creates an empty file in `directory`, or in the system's temporary
  // directory when `directory` is empty. Null when it cannot be created.
  static std::unique_ptr<SpillFile> Create(const std::filesystem::path& directory);

  // Closes and removes the file.
  ~SpillFile();
  SpillFile(const SpillFile&) = delete;
  SpillFile& operator=(const SpillFile&) = delete;

  // Appends one chunk of 1..kChunkEntries entries; keys must not be longer
  // than kMaxKeyLength. False when the chunk could not be written; Size()
  // then stays as it was.
  bool AppendChunk(std::span<const SortEntry> entries);

  // Reads the chunk starting at `offset` into `entries` (replacing what they
  // held) and sets `next` to the offset after it. False when the chunk does
  // not lie within the written part or its contents are malformed. The
  // codec's exceptions pass through.
  bool ReadChunk(uint64_t offset, std::vector<SortEntry>& entries, uint64_t& next);

  // Bytes written so far: the offset of the next chunk.
  uint64_t Size() const { return file_.Size(); }
  std::filesystem::path path() const { return file_.path(); }

 private:
  explicit SpillFile(File file) : file_(std::move(file)) {}

  bool ParseChunk(std::vector<SortEntry>& entries) const;

  File file_;
  // Reused between chunks so that spilling does not allocate per chunk.
  TMemoryStream expanded_;
  TMemoryStream compressed_;
  std::vector<uint8_t> read_buffer_;
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_SPILL_FILE_H_
