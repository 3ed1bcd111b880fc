// Gathers the messages the engine reports during one operation (a search,
// reading the hits, loading a record) instead of passing each to the sink:
// a damaged list met on hundreds of rows must reach the user as one
// message, not hundreds. While a collector lives it is the installed sink;
// it keeps the first message and counts the others, and gives them back as
// one status. The previous sink is restored when it ends and is never
// called by it.
//
// Like the message sink it replaces, it belongs to the one thread that runs
// the engine.
#ifndef VX_ENGINE_UTIL_MESSAGE_COLLECTOR_H_
#define VX_ENGINE_UTIL_MESSAGE_COLLECTOR_H_

#include <cstdint>
#include <optional>
#include <string>

#include "engine/util/message_sink.h"
#include "engine/util/status.h"

namespace vx {

class MessageCollector {
 public:
  MessageCollector();
  ~MessageCollector();
  MessageCollector(const MessageCollector&) = delete;
  MessageCollector& operator=(const MessageCollector&) = delete;

  // How many messages arrived.
  int64_t count() const { return count_; }

  // OK when nothing was reported; otherwise a Corruption holding the first
  // message, followed by how many more there were.
  Status status() const;

 private:
  MessageSink previous_;
  std::string first_;                  // when the first came as text
  std::optional<Message> first_said_;  // when it came as data
  int64_t count_ = 0;
};

}  // namespace vx

#endif  // VX_ENGINE_UTIL_MESSAGE_COLLECTOR_H_
