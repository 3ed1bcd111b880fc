#include "tools/cli_io.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "engine/util/cp1252.h"
#include "engine/util/message_sink.h"
#include "engine/util/visible_text.h"
#include "language/messages.h"

namespace vx::cli {
namespace {

Language program_language = Language::kSwedish;

}  // namespace

void SetLanguage(Language language) {
  program_language = language;
  SetMessageLanguage(language);
}

Language CurrentLanguage() {
  return program_language;
}

std::string Said(MessageId id, std::initializer_list<std::string_view> args) {
  return Say(id, program_language, args);
}

std::string Said(const Message& message) {
  return FormatMessage(MessageText(message.id, program_language), message.args);
}

std::string StatusText(const Status& status) {
  return Cp1252ToUtf8(status.Text(program_language));
}

InputBytes::~InputBytes() {
  if (mapped_) {
    munmap(data_, size_);
  } else {
    std::free(data_);
  }
}

bool InputBytes::Load(int fd) {
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    void* mapped = mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped != MAP_FAILED) {
      data_ = static_cast<uint8_t*>(mapped);
      size_ = static_cast<size_t>(info.st_size);
      mapped_ = true;
      return true;
    }
  }
  // A pipe: read in growing pieces, without clearing the memory first.
  size_t capacity = 0;
  for (;;) {
    if (size_ == capacity) {
      capacity = capacity == 0 ? (size_t{1} << 20) : capacity * 2;
      auto* grown = static_cast<uint8_t*>(std::realloc(data_, capacity));
      if (grown == nullptr) return false;
      data_ = grown;
    }
    const ssize_t n = read(fd, data_ + size_, capacity - size_);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    size_ += static_cast<size_t>(n);
  }
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

size_t FdOutputStream::Write(const void* source, size_t n) {
  if (!WriteAll(fd_, std::span(static_cast<const uint8_t*>(source), n))) return 0;
  written_ += n;
  return n;
}

void PrintError(const std::string& message) {
  std::fputs(VisibleText(message).c_str(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace vx::cli
