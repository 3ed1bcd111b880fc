#include "engine/util/message_collector.h"

#include <utility>

#include "language/message_id.h"

namespace vx {

MessageCollector::MessageCollector()
    : previous_(SetMessageSink({[this](const std::string& text) {
                                  if (count_++ == 0) first_ = text;
                                },
                                [this](const Message& message) {
                                  if (count_++ == 0) first_said_ = message;
                                }})) {}

MessageCollector::~MessageCollector() {
  SetMessageSink(std::move(previous_));
}

Status MessageCollector::status() const {
  if (count_ == 0) return Status::OK();
  if (count_ == 1) {
    return first_said_ ? Status::Said(Status::Code::kCorruption, *first_said_)
                       : Status::Corruption(first_);
  }
  Message more{MessageId::EngineMoreMessages, {std::to_string(count_ - 1)}};
  if (first_said_) {
    more.inner.push_back(*first_said_);
  } else {
    more.args.push_back(first_);
  }
  return Status::Said(Status::Code::kCorruption, std::move(more));
}

}  // namespace vx
