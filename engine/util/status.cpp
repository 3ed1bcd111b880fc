#include "engine/util/status.h"

namespace vx {

Status::Status(Code code, std::string_view message)
    : state_(std::make_unique<State>(State{code, std::string(message)})) {}

Status::Status(const Status& other)
    : state_(other.state_ ? std::make_unique<State>(*other.state_) : nullptr) {}

Status& Status::operator=(const Status& other) {
  if (this != &other) state_ = other.state_ ? std::make_unique<State>(*other.state_) : nullptr;
  return *this;
}

const std::string& Status::message() const {
  static const std::string kEmpty;
  return state_ ? state_->message : kEmpty;
}

}  // namespace vx
