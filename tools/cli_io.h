// Standard input and output for the command-line programs: whole binary
// reads and checked writes.
#ifndef VX_TOOLS_CLI_IO_H_
#define VX_TOOLS_CLI_IO_H_

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/stream.h"

namespace vx::cli {

// Reads a file descriptor to its end; false on a read error.
bool ReadAll(int fd, std::vector<uint8_t>& bytes);
// Writes all bytes; false on a write error (a full disc, a closed pipe).
bool WriteAll(int fd, std::span<const uint8_t> bytes);

// A write-only stream onto a file descriptor, such as standard output.
class FdOutputStream final : public TStream {
 public:
  explicit FdOutputStream(int fd) : fd_(fd) {}
  uint64_t Size() const override { return written_; }
  uint64_t Position() const override { return written_; }
  void Seek(uint64_t) override {}
  size_t Read(void*, size_t) override { return 0; }
  size_t Write(const void* source, size_t n) override;

 private:
  int fd_;
  uint64_t written_ = 0;
};

// Prints a message in UTF-8 (converted from Windows-1252 data text by the
// caller where needed) to standard error, ending the line.
void PrintError(const std::string& message);

}  // namespace vx::cli

#endif  // VX_TOOLS_CLI_IO_H_
