#include "records/clipboard_text.h"

namespace vx {

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) out += '\n';
  }
  return out;
}

std::string RecordClipboardText(std::string_view id, std::string_view plain_text) {
  std::string text = "Post ";
  text += id;
  text += "\r\r";
  text += plain_text;
  return WithCrLf(text);
}

}  // namespace vx
