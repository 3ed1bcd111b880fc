// A message for the user as data: its name in the catalogue (language/)
// and its arguments, rendered in the chosen language only where it is
// shown. Arguments are data text (Windows-1252), as the engine holds it.
#ifndef VX_ENGINE_UTIL_MESSAGE_H_
#define VX_ENGINE_UTIL_MESSAGE_H_

#include <string>
#include <vector>

#include "language/language.h"
#include "language/message_id_fwd.h"

namespace vx {

struct Message {
  MessageId id;
  std::vector<std::string> args;  // Windows-1252
  // Messages standing as the arguments after `args` (a message that wraps
  // another), rendered in the same language.
  std::vector<Message> inner = {};
};

// The catalogue's text of `id` in `language` as Windows-1252, arguments
// still written %1 .. %9. Converted once, on first use.
const std::string& CatalogueText(MessageId id, Language language);

// `message` in `language`, Windows-1252.
std::string Render(const Message& message, Language language);

}  // namespace vx

#endif  // VX_ENGINE_UTIL_MESSAGE_H_
