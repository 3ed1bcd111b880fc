// The engine's messages to the user. Where the data engine has something to
// tell the user (a list it cannot open, a posting beyond a selection, a row
// outside a list), it calls the installed message sink: the desktop program
// shows a message box, the command-line programs write to standard error.
//
// Messages are Windows-1252 text; lines inside one end with a single CR.
// Single-threaded, like the rest of the engine.
#ifndef VX_ENGINE_UTIL_MESSAGE_SINK_H_
#define VX_ENGINE_UTIL_MESSAGE_SINK_H_

#include <functional>
#include <string>
#include <utility>

namespace vx {

using MessageSink = std::function<void(const std::string& text_cp1252)>;

// Writes `text_cp1252` as UTF-8 to standard error, CRs turned into line
// feeds, followed by a line feed. The sink in use until another is set.
void WriteMessageToStderr(const std::string& text_cp1252);

// Installs `sink` for all later messages and returns the one it replaces.
// An empty function installs WriteMessageToStderr.
MessageSink SetMessageSink(MessageSink sink);

// Passes `text_cp1252` to the installed sink. A sink may install another
// sink or report a message itself.
void ReportMessage(const std::string& text_cp1252);

// Installs a sink for the lifetime of the object and restores the previous
// one afterwards; for tests and for tools that collect messages.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink sink) : previous_(SetMessageSink(std::move(sink))) {}
  ~ScopedMessageSink() { SetMessageSink(std::move(previous_)); }
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink previous_;
};

}  // namespace vx

#endif  // VX_ENGINE_UTIL_MESSAGE_SINK_H_
