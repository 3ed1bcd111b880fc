// An error in a register set's source files, reported as "file:line: message".
#ifndef VX_BUILDER_SOURCE_ERROR_H_
#define VX_BUILDER_SOURCE_ERROR_H_

#include <cstddef>
#include <optional>
#include <string>

#include "engine/util/message.h"
#include "language/language.h"

namespace vx {

struct SourceError {
  std::string file;     // as the user named it (UTF-8)
  size_t line = 0;      // 1-based; 0 when the error concerns the whole file
  std::string message;  // Swedish, UTF-8
  // The message as data, when it was given so; its arguments are UTF-8
  // here, as the builder's texts are.
  std::optional<Message> said = {};

  std::string ToString() const { return Located(message); }
  // The error with its message in `language` (UTF-8).
  std::string ToString(Language language) const;

 private:
  std::string Located(const std::string& text) const {
    return line > 0 ? file + ":" + std::to_string(line) + ": " + text : file + ": " + text;
  }
};

// An error whose message is `said` of the catalogue (arguments UTF-8).
SourceError SaidError(std::string file, size_t line, Message said);

// An error of writing the file `file`.
inline SourceError WriteError(const std::string& file, const std::string& detail) {
  return {file, 0, detail};
}
inline SourceError WriteError(const std::string& file, Message said) {
  return SaidError(file, 0, std::move(said));
}

// `message` (arguments UTF-8) in `language`, UTF-8.
std::string RenderUtf8(const Message& message, Language language);

// `message` of the engine (arguments Windows-1252) with UTF-8 arguments.
Message Utf8Message(const Message& message);

}  // namespace vx

#endif  // VX_BUILDER_SOURCE_ERROR_H_
