// Text for one-line messages: a value from a source file or a search text
// may hold line breaks and other control characters, which would split a
// "file:line: message" line or reach the terminal raw.
#ifndef VX_ENGINE_UTIL_VISIBLE_TEXT_H_
#define VX_ENGINE_UTIL_VISIBLE_TEXT_H_

#include <string>
#include <string_view>

namespace vx {

// `text` with every control character written visibly: "\n", "\r", "\t",
// and "\xNN" for the others (bytes 00-1F and 7F). Other bytes, UTF-8 or
// Windows-1252, are kept.
std::string VisibleText(std::string_view text);

// VisibleText in double quotes: "\"Anna\\nMaria\"".
std::string QuotedText(std::string_view text);

}  // namespace vx

#endif  // VX_ENGINE_UTIL_VISIBLE_TEXT_H_
