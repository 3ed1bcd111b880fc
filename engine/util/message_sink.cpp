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

}  // namespace

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

void ReportMessage(const std::string& text_cp1252) {
  // A copy, so that a sink that installs another sink is not destroyed
  // while it runs.
  const MessageSink sink = InstalledSink();
  sink(text_cp1252);
}

}  // namespace vx
