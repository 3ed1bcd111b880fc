#include "builder/source_text.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "engine/util/cp1252.h"

namespace vx {
namespace {

size_t LineOfOffset(const std::string& text, size_t offset) {
  return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// The character that starts at `offset` of UTF-8 text, as U+XXXX and as itself.
std::string DescribeCharacter(const std::string& utf8, size_t offset) {
  const auto lead = static_cast<unsigned char>(utf8[offset]);
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  uint32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (size_t i = 1; i < length && offset + i < utf8.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(utf8[offset + i]) & 0x3F);
  }
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", code);
  return std::string(name) + " (" + utf8.substr(offset, length) + ")";
}

}  // namespace

bool ReadSourceText(const std::filesystem::path& path, const std::string& display_name,
                    std::string& text, SourceError& error) {
  std::ifstream in(path, std::ios::binary);
  std::string raw;
  if (in) raw.assign(std::istreambuf_iterator<char>(in), {});
  if (!in || in.bad()) {
    error = {display_name, 0, "filen kan inte läsas"};
    return false;
  }
  if (raw.starts_with("\xEF\xBB\xBF")) raw.erase(0, 3);
  if (!IsValidUtf8(raw)) {
    text = std::move(raw);  // not UTF-8: taken as Windows-1252
    return true;
  }
  size_t bad = 0;
  if (!Utf8ToCp1252(raw, text, &bad)) {
    error = {display_name, LineOfOffset(raw, bad),
             "tecknet " + DescribeCharacter(raw, bad) + " finns inte i Windows-1252"};
    return false;
  }
  return true;
}

}  // namespace vx
