// The engine's messages to the user. Where the data engine has something to
// tell the user (a list it cannot open, a posting beyond a selection, a row
// outside a list), it calls the installed message sink: the desktop program
// shows a message box, the command-line programs write to standard error.
//
// A message is reported as data (a Message of the catalogue) or as text.
// A sink that takes data keeps it, to be rendered in the chosen language
// where it is shown; any other sink gets the text in the message language
// (Swedish until a program chooses another). Texts are Windows-1252; lines
// inside one end with a single CR.
// Single-threaded, like the rest of the engine.
#ifndef VX_ENGINE_UTIL_MESSAGE_SINK_H_
#define VX_ENGINE_UTIL_MESSAGE_SINK_H_

#include <concepts>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "engine/util/message.h"
#include "engine/util/status.h"
#include "language/language.h"

namespace vx {

class MessageSink {
 public:
  using TextFunction = std::function<void(const std::string& text_cp1252)>;
  using SaidFunction = std::function<void(const Message& message)>;

  // No sink: installing it installs WriteMessageToStderr.
  MessageSink() = default;
  // A sink for texts; messages given as data reach it rendered.
  template <typename F>
  requires(!std::same_as<std::decay_t<F>, MessageSink> &&
           std::is_invocable_v<F&, const std::string&>) MessageSink(F text)
      : text_(std::move(text)) {}  // NOLINT: any text function is a sink
  // A sink that also takes messages as data.
  MessageSink(TextFunction text, SaidFunction said)
      : text_(std::move(text)), said_(std::move(said)) {}

  explicit operator bool() const { return static_cast<bool>(text_); }
  void operator()(const std::string& text_cp1252) const { text_(text_cp1252); }
  void operator()(const Message& message) const;

 private:
  TextFunction text_;
  SaidFunction said_;
};

// Writes `text_cp1252` as UTF-8 to standard error, CRs turned into line
// feeds, followed by a line feed. The sink in use until another is set.
void WriteMessageToStderr(const std::string& text_cp1252);

// Installs `sink` for all later messages and returns the one it replaces.
// An empty sink installs WriteMessageToStderr.
MessageSink SetMessageSink(MessageSink sink);

// The language a sink that takes only texts gets messages in; chosen once
// by a program at start.
void SetMessageLanguage(Language language);
Language MessageLanguage();

// Passes `text_cp1252` to the installed sink. A sink may install another
// sink or report a message itself.
void ReportMessage(const std::string& text_cp1252);
// Passes `message` to the installed sink, as data where it takes that.
void ReportMessage(const Message& message);
// Passes a failed status's message on, as data when it was given so.
void ReportMessage(const Status& status);

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
