// Standard input and output for the command-line programs: whole binary
// reads and checked writes.
#ifndef VX_TOOLS_CLI_IO_H_
#define VX_TOOLS_CLI_IO_H_

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/util/message.h"
#include "engine/util/status.h"
#include "engine/util/stream.h"
#include "language/language.h"
#include "language/message_id_fwd.h"

namespace vx::cli {

// The whole content of a file descriptor: mapped when it is a regular file,
// read to its end otherwise (a pipe).
class InputBytes {
 public:
  InputBytes() = default;
  ~InputBytes();
  InputBytes(const InputBytes&) = delete;
  InputBytes& operator=(const InputBytes&) = delete;

  // False on a read error.
  bool Load(int fd);
  std::span<const uint8_t> Bytes() const { return {data_, size_}; }

 private:
  uint8_t* data_ = nullptr;
  size_t size_ = 0;
  bool mapped_ = false;
};
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
// caller where needed) to standard error as one line: control characters
// inside it are written visibly (visible_text.h), and a line break ends it.
void PrintError(const std::string& message);

// The language the program speaks, chosen once at start (--sprak or the
// locale); Swedish until then.
void SetLanguage(Language language);
Language CurrentLanguage();

// The catalogue's text of `id` in the program's language with `args`
// filled in, UTF-8.
std::string Said(MessageId id, std::initializer_list<std::string_view> args = {});

// A message of the program itself (its arguments UTF-8) in the program's
// language, UTF-8.
std::string Said(const Message& message);

// A status's message in the program's language, UTF-8.
std::string StatusText(const Status& status);

}  // namespace vx::cli

#endif  // VX_TOOLS_CLI_IO_H_
