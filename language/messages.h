// Every text the programs say, by name: a MessageId with its arguments,
// rendered in the chosen language at the edge (standard error, a window,
// a record text). The catalogue is messages_en.ts beside this file, in Qt's
// translation format: the Swedish text as the source, the English as its
// translation. The build turns it into plain C++ for the core (and fails
// when a translation is missing) and into Qt's own catalogue for the
// windows, so both read one source.
#ifndef VX_LANGUAGE_MESSAGES_H_
#define VX_LANGUAGE_MESSAGES_H_

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "language/language.h"
#include "language/message_id_fwd.h"

namespace vx {

// The text of `id` in `language`, UTF-8, its arguments still written
// %1 .. %9.
std::string_view MessageText(MessageId id, Language language);

// The text in `language` of the catalogue's message whose Swedish text is
// `swedish` (UTF-8): for texts kept as Swedish in a table of their own (a
// search form's captions), translated where they are shown. `swedish`
// itself when no message has it, so a missing translation shows Swedish
// and is caught by the tests that look for Swedish in English output.
std::string_view TextOfSwedish(std::string_view swedish, Language language);

// The sense that tells `id` from another message of the same Swedish text
// ("search button"), empty for most: Qt's disambiguation.
std::string_view MessageSense(MessageId id);

// The name of `id` in the catalogue ("SokLokalIdMissing").
std::string_view MessageName(MessageId id);

// `pattern` with %1 .. %9 replaced by the arguments in their order, in one
// pass (an argument's own "%1" stays as it is). A number without its
// argument is left standing. Byte for byte: pattern and arguments share
// one encoding.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);
std::string FormatMessage(std::string_view pattern, std::span<const std::string> args);

// MessageText formatted with `args`, UTF-8.
std::string Say(MessageId id, Language language, std::initializer_list<std::string_view> args = {});

}  // namespace vx

#endif  // VX_LANGUAGE_MESSAGES_H_
