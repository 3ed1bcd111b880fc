// SpillFile: the temporary file where the external sorter keeps the runs
// that do not fit in memory. Written only at its end, read at any offset;
// removed when the object goes. How runs are laid out in it is the
// RunFormat's (run_format.h).
#ifndef VX_ENGINE_SORT_SPILL_FILE_H_
#define VX_ENGINE_SORT_SPILL_FILE_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/files/file.h"

namespace vx {

class SpillFile {
 public:
  // Creates an empty file in `directory` under a unique name beginning
  // with `prefix`. Unless `keep_name`, the name is removed at once where
  // the system allows, so that nothing is left behind even when the
  // program is killed. Null when the file cannot be created.
  static std::unique_ptr<SpillFile> Create(const std::filesystem::path& directory,
                                           const std::string& prefix, bool keep_name);

  ~SpillFile();
  SpillFile(const SpillFile&) = delete;
  SpillFile& operator=(const SpillFile&) = delete;

  // Appends n bytes. False when they could not all be written; Size() then
  // stays as it was, and the next append writes over what did get out.
  bool Append(const void* bytes, size_t n);

  // Reads exactly n bytes at `offset`; false when they are not all there.
  bool ReadAt(uint64_t offset, void* destination, size_t n) const {
    return file_.ReadAt(offset, destination, n);
  }

  // Bytes written so far: the offset of the next append.
  uint64_t Size() const { return file_.Size(); }
  // The name the file was created under.
  const std::string& path() const { return file_.path(); }

 private:
  SpillFile(File file, bool named) : file_(std::move(file)), named_(named) {}

  File file_;
  bool named_;  // the name still exists and goes with the object
};

}  // namespace vx

#endif  // VX_ENGINE_SORT_SPILL_FILE_H_
