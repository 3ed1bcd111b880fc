#include "builder/source_error.h"

#include <utility>
#include <vector>

#include "engine/util/cp1252.h"
#include "language/messages.h"

namespace vx {

std::string RenderUtf8(const Message& message, Language language) {
  std::vector<std::string> args = message.args;
  for (const Message& inner : message.inner)
    args.push_back(RenderUtf8(inner, language));
  return FormatMessage(MessageText(message.id, language), args);
}

std::string SourceError::ToString(Language language) const {
  return Located(said ? RenderUtf8(*said, language) : message);
}

SourceError SaidError(std::string file, size_t line, Message said) {
  std::string swedish = RenderUtf8(said, Language::kSwedish);
  return {std::move(file), line, std::move(swedish), std::move(said)};
}

Message Utf8Message(const Message& message) {
  Message utf8{message.id, {}};
  for (const std::string& arg : message.args)
    utf8.args.push_back(Cp1252ToUtf8(arg));
  for (const Message& inner : message.inner)
    utf8.inner.push_back(Utf8Message(inner));
  return utf8;
}

}  // namespace vx
