#include "engine/util/visible_text.h"

namespace vx {

std::string VisibleText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string visible;
  visible.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      visible += c;
    } else if (c == '\n') {
      visible += "\\n";
    } else if (c == '\r') {
      visible += "\\r";
    } else if (c == '\t') {
      visible += "\\t";
    } else {
      visible += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    }
  }
  return visible;
}

std::string QuotedText(std::string_view text) {
  // Appended rather than "\"" + ...: GCC 12 warns falsely (-Wrestrict) on
  // a literal prepended to a temporary string.
  std::string quoted(1, '"');
  quoted.append(VisibleText(text));
  quoted.push_back('"');
  return quoted;
}

}  // namespace vx
