// A file written from start to end through a large buffer: the writer
// appends text to Buffer() and calls Drain() now and then; write errors are
// kept until Close() reports them.
#ifndef VX_BUILDER_OUTPUT_FILE_H_
#define VX_BUILDER_OUTPUT_FILE_H_

#include <cstdio>
#include <filesystem>
#include <string>

namespace vx {

class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates `path`, replacing an existing file. False with `error` set (a
  // Swedish message in UTF-8 naming the file) when it cannot be created.
  bool Create(const std::filesystem::path& path, std::string& error);

  std::string& Buffer() { return buffer_; }

  // Writes the buffer out once it holds at least a few megabytes.
  void Drain() {
    if (buffer_.size() >= kDrainSize) WriteBuffer();
  }

  // Writes what is left and closes the file. False with `error` set when
  // any write failed (a full disc).
  bool Close(std::string& error);

 private:
  static constexpr size_t kDrainSize = 4 << 20;

  void WriteBuffer();

  std::FILE* file_ = nullptr;
  std::filesystem::path path_;
  std::string buffer_;
  bool failed_ = false;
  int error_number_ = 0;
};

}  // namespace vx

#endif  // VX_BUILDER_OUTPUT_FILE_H_
