#include "engine/files/data_file.h"

namespace vx {

DataFileOpening OpenDataFile(File& file, const std::string& path, bool read_only, bool create) {
  file.Close();
  if (!create) {
    const FileAccess access = read_only ? FileAccess::kReadOnly : FileAccess::kReadWrite;
    switch (file.OpenExisting(path, access)) {
      case OpenResult::kOpened:
        return DataFileOpening::kOpened;
      case OpenResult::kFailed:
        return DataFileOpening::kUnopenable;
      case OpenResult::kNotFound:
        break;
    }
  }
  if (read_only || !file.Create(path)) return DataFileOpening::kNotCreated;
  return DataFileOpening::kCreated;
}

DataFileOpening OpenWithHeader(File& file, const std::string& path, bool read_only, bool create,
                               const std::function<bool()>& write_empty_header,
                               const std::function<bool()>& read_header) {
  const DataFileOpening opening = OpenDataFile(file, path, read_only, create);
  if (opening == DataFileOpening::kCreated && !write_empty_header()) {
    file.Close();
    return DataFileOpening::kNotCreated;
  }
  if (opening == DataFileOpening::kOpened && !read_header()) {
    file.Close();
    return DataFileOpening::kUnopenable;
  }
  return opening;
}

}  // namespace vx
