// Texts the windows put on the clipboard: plain text whose lines end with
// CR LF, as other programs on the user's desk expect.
#ifndef VX_RECORDS_CLIPBOARD_TEXT_H_
#define VX_RECORDS_CLIPBOARD_TEXT_H_

#include <string>
#include <string_view>

namespace vx {

// Every CR of `text` followed by LF (a CR LF already there stays as it is).
std::string WithCrLf(std::string_view text);

// The record copy: "Post " + `id` (LOKALID, or POSTNUMMER when it has
// none), two line breaks, then the record's plain text.
std::string RecordClipboardText(std::string_view id, std::string_view plain_text);

}  // namespace vx

#endif  // VX_RECORDS_CLIPBOARD_TEXT_H_
