// The catalogue's texts as the build generates them (vx-katalog, from
// messages_en.ts): for each MessageId, its name and its Swedish and English
// texts, UTF-8, arguments written %1 .. %9. Read through messages.h.
#ifndef VX_LANGUAGE_MESSAGE_TABLE_H_
#define VX_LANGUAGE_MESSAGE_TABLE_H_

#include "language/message_id.h"

namespace vx {

struct MessageEntry {
  const char* id;
  const char* swedish;
  const char* english;
  const char* comment;  // the sense, where one Swedish text has two; else ""
};

extern const MessageEntry kMessageTable[kMessageCount];

}  // namespace vx

#endif  // VX_LANGUAGE_MESSAGE_TABLE_H_
