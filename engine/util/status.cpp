#include "engine/util/status.h"

#include <utility>

namespace vx {

Status::Status(Code code, std::string_view message)
    : state_(std::make_unique<State>(State{code, std::string(message), std::nullopt})) {}

Status Status::Said(Code code, Message message) {
  Status status(code, Render(message, Language::kSwedish));
  status.state_->said = std::move(message);
  return status;
}

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

std::string Status::Text(Language language) const {
  if (!state_) return {};
  return state_->said ? Render(*state_->said, language) : state_->message;
}

}  // namespace vx
