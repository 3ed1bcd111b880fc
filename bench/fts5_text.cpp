#include "bench/fts5_text.h"

namespace vx::bench {
namespace {

void AppendLatin1(std::string& text, std::string_view bytes) {
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
}

}  // namespace

void AppendFts5Value(std::string& text, std::string_view bytes) {
  AppendLatin1(text, bytes);
  text += kValueEnd;
}

std::optional<std::string> Fts5Phrase(std::string_view mapped, bool at_end) {
  if (mapped.size() + (at_end ? 1 : 0) < 3) return std::nullopt;
  std::string phrase = "\"";
  for (const char c : mapped) {
    // A quote inside an FTS5 string is written twice.
    if (c == '"') phrase += '"';
    AppendLatin1(phrase, std::string_view(&c, 1));
  }
  if (at_end) phrase += kValueEnd;
  return phrase + "\"";
}

}  // namespace vx::bench
