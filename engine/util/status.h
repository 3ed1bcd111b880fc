// How an operation of the engine, the search or the record layer ended: OK,
// or a code with a message for the user (Windows-1252, Swedish, naming the
// file concerned where there is one). A message given as data (a Message
// of the catalogue) can also be shown in the other language (Text). An OK status holds no
// allocation, so returning one costs a null pointer.
//
// A Status is a plain value: copies are independent, and separate statuses
// may be used from separate threads.
#ifndef VX_ENGINE_UTIL_STATUS_H_
#define VX_ENGINE_UTIL_STATUS_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/util/message.h"

namespace vx {

class Status {
 public:
  enum class Code {
    kOk,
    kNotFound,         // the record, row, word or Lokal-ID asked for is not there
    kCorruption,       // a data file holds what its format does not allow
    kInvalidArgument,  // the caller's text or number cannot be used
    kIOError,          // a file could not be opened or read
  };

  Status() = default;
  Status(const Status& other);
  Status& operator=(const Status& other);
  Status(Status&&) noexcept = default;
  Status& operator=(Status&&) noexcept = default;

  static Status OK() { return Status(); }
  static Status NotFound(std::string_view message) { return Status(Code::kNotFound, message); }
  static Status Corruption(std::string_view message) { return Status(Code::kCorruption, message); }
  static Status InvalidArgument(std::string_view message) {
    return Status(Code::kInvalidArgument, message);
  }
  static Status IOError(std::string_view message) { return Status(Code::kIOError, message); }
  // A status whose message is `message` of the catalogue.
  static Status Said(Code code, Message message);

  bool ok() const { return state_ == nullptr; }
  Code code() const { return state_ ? state_->code : Code::kOk; }
  bool IsNotFound() const { return code() == Code::kNotFound; }
  bool IsCorruption() const { return code() == Code::kCorruption; }
  bool IsInvalidArgument() const { return code() == Code::kInvalidArgument; }
  bool IsIOError() const { return code() == Code::kIOError; }

  // The message for the user, in Swedish; empty when OK.
  const std::string& message() const;

  // The message in `language`: a catalogue message rendered in it, any
  // other as it was given. Windows-1252; empty when OK.
  std::string Text(Language language) const;

  // The catalogue message it was given as, or null.
  const Message* said() const { return state_ && state_->said ? &*state_->said : nullptr; }

 private:
  struct State {
    Code code;
    std::string message;
    std::optional<Message> said;  // when given as data
  };

  Status(Code code, std::string_view message);

  std::unique_ptr<State> state_;  // null when OK
};

}  // namespace vx

#endif  // VX_ENGINE_UTIL_STATUS_H_
