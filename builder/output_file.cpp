#include "builder/output_file.h"

#include <cerrno>

#include "builder/system_error_text.h"

namespace vx {

OutputFile::~OutputFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool OutputFile::Create(const std::filesystem::path& path, std::string& error) {
  path_ = path;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    error = "Kan inte skapa filen " + path.string() + ": " + SwedishErrorText(errno);
    return false;
  }
  buffer_.reserve(kDrainSize + (1 << 16));
  return true;
}

void OutputFile::WriteBuffer() {
  if (!failed_ && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    failed_ = true;
    error_number_ = errno;
  }
  buffer_.clear();
}

bool OutputFile::Close(std::string& error) {
  if (file_ == nullptr) return !failed_;
  WriteBuffer();
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (failed_ || !closed) {
    error = "Kan inte skriva filen " + path_.string() + ": " +
            SwedishErrorText(failed_ ? error_number_ : errno);
    return false;
  }
  return true;
}

}  // namespace vx
