// Coded text as plain text, for the clipboard and the catalogue's routines.
#include <string>
#include <string_view>

#include "codedtext/coded_text.h"

namespace vx {

std::string RemoveTags(std::string_view coded) {
  std::string out;
  out.reserve(coded.size());
  size_t at = 0;
  while (at < coded.size()) {
    const size_t open = coded.find('[', at);
    out.append(coded.substr(at, open == std::string_view::npos ? open : open - at));
    if (open == std::string_view::npos) break;
    const size_t close = coded.find(']', open);
    if (close == std::string_view::npos) break;  // an unclosed tag swallows the rest
    at = close + 1;
  }
  return out;
}

std::string PlainText(std::string_view coded) {
  const std::string bare = RemoveTags(coded);
  std::string out;
  out.reserve(bare.size() + bare.size() / 16);
  for (size_t i = 0; i < bare.size(); ++i) {
    out += bare[i];
    if (bare[i] == '\r') {
      out += '\n';
      if (i + 1 < bare.size() && bare[i + 1] == '\n') ++i;
    }
  }
  return out;
}

}  // namespace vx
