// kuvo-sok's output: one hit per line, or a JSON array.
#ifndef VX_TOOLS_SOK_OUTPUT_H_
#define VX_TOOLS_SOK_OUTPUT_H_

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vx::cli {

// One hit; name, date and text are Windows-1252 data text.
struct SokHit {
  std::string register_name;  // "fodda", "vigda" or "doda"
  uint32_t record = 0;
  std::string name;
  std::string date;
  std::string text;  // the plain record text, with --visa
};

// TSV: register TAB record TAB name TAB date, then with `show_text` the
// record's text and an empty line. JSON: an array of objects with the keys
// register, post, namn, datum and, with `show_text`, text. UTF-8, with the
// data's CR line ends as "\n".
void PrintHits(const std::vector<SokHit>& hits, bool json, bool show_text, std::FILE* out);

// A JSON string literal of UTF-8 text.
std::string JsonString(const std::string& utf8);

}  // namespace vx::cli

#endif  // VX_TOOLS_SOK_OUTPUT_H_
