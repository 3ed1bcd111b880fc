#include "engine/util/message_sink.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "engine/util/cp1252.h"

namespace vx {
namespace {

MessageSink& InstalledSink() {
  static MessageSink sink = WriteMessageToStderr;
  return sink;
}

Language& InstalledLanguage() {
  static Language language = Language::kSwedish;
  return language;
}

}  // namespace

void MessageSink::operator()(const Message& message) const {
  if (said_) {
    said_(message);
  } else {
    text_(Render(message, MessageLanguage()));
  }
}

void WriteMessageToStderr(const std::string& text_cp1252) {
  std::string text = Cp1252ToUtf8(text_cp1252);
  std::replace(text.begin(), text.end(), '\r', '\n');
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

MessageSink SetMessageSink(MessageSink sink) {
  if (!sink) sink = WriteMessageToStderr;
  return std::exchange(InstalledSink(), std::move(sink));
}

void SetMessageLanguage(Language language) {
  InstalledLanguage() = language;
}

Language MessageLanguage() {
  return InstalledLanguage();
}

// Each passes a copy, so that a sink that installs another sink is not
// destroyed while it runs.
void ReportMessage(const std::string& text_cp1252) {
  const MessageSink sink = InstalledSink();
  sink(text_cp1252);
}

void ReportMessage(const Message& message) {
  const MessageSink sink = InstalledSink();
  sink(message);
}

void ReportMessage(const Status& status) {
  if (const Message* said = status.said()) {
    ReportMessage(*said);
  } else {
    ReportMessage(status.message());
  }
}

}  // namespace vx
