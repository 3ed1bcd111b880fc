// MessageId by name only, for headers that pass messages around without
// naming one. The enumeration itself is made by the build from the
// catalogue (message_id.h) and changes with every text added; a header
// that included it would make every file that sees a Status compile again
// with each new text.
#ifndef VX_LANGUAGE_MESSAGE_ID_FWD_H_
#define VX_LANGUAGE_MESSAGE_ID_FWD_H_

namespace vx {

enum class MessageId : unsigned short;

}  // namespace vx

#endif  // VX_LANGUAGE_MESSAGE_ID_FWD_H_
