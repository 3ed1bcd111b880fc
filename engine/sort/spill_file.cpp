#include "engine/sort/spill_file.h"

#include <system_error>

namespace vx {

std::unique_ptr<SpillFile> SpillFile::Create(const std::filesystem::path& directory,
                                             const std::string& prefix, bool keep_name) {
  File file;
  if (!file.CreateUnique(directory.string(), prefix)) return nullptr;
  std::error_code ignored;
  const bool named = keep_name || !std::filesystem::remove(file.path(), ignored);
  return std::unique_ptr<SpillFile>(new SpillFile(std::move(file), named));
}

SpillFile::~SpillFile() {
  const std::string name = file_.path();
  file_.Close();
  std::error_code ignored;
  if (named_) std::filesystem::remove(name, ignored);
}

bool SpillFile::Append(const void* bytes, size_t n) {
  return n == 0 || file_.WriteAt(file_.Size(), bytes, n);
}

}  // namespace vx
