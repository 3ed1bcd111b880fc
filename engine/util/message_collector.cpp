#include "engine/util/message_collector.h"

#include <utility>

namespace vx {

MessageCollector::MessageCollector()
    : previous_(SetMessageSink([this](const std::string& text) { Take(text); })) {}

MessageCollector::~MessageCollector() { SetMessageSink(std::move(previous_)); }

void MessageCollector::Take(const std::string& text) {
  if (count_++ == 0) first_ = text;
}

Status MessageCollector::status() const {
  if (count_ == 0) return Status::OK();
  if (count_ == 1) return Status::Corruption(first_);
  return Status::Corruption(first_ + " (Ytterligare " + std::to_string(count_ - 1) +
                            " meddelanden under samma \xE5tg\xE4rd visas inte.)");
}

}  // namespace vx
