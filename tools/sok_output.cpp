#include "tools/sok_output.h"

#include "engine/util/cp1252.h"

namespace vx::cli {
namespace {

// Data text for the terminal: UTF-8 with LF line ends.
std::string Utf8Lines(const std::string& data) {
  std::string utf8 = Cp1252ToUtf8(data);
  for (char& c : utf8) {
    if (c == '\r') c = '\n';
  }
  return utf8;
}

}  // namespace

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void PrintHits(const std::vector<SokHit>& hits, bool json, bool show_text, std::FILE* out) {
  if (json) std::fputs("[", out);
  for (size_t i = 0; i < hits.size(); ++i) {
    const SokHit& hit = hits[i];
    const std::string name = Utf8Lines(hit.name);
    const std::string date = Utf8Lines(hit.date);
    if (!json) {
      std::fprintf(out, "%s\t%u\t%s\t%s\n", hit.register_name.c_str(), hit.record, name.c_str(),
                   date.c_str());
      if (show_text) std::fprintf(out, "%s\n\n", Utf8Lines(hit.text).c_str());
      continue;
    }
    std::fprintf(out, "%s\n  {\"register\": %s, \"post\": %u, \"namn\": %s, \"datum\": %s",
                 i == 0 ? "" : ",", JsonString(hit.register_name).c_str(), hit.record,
                 JsonString(name).c_str(), JsonString(date).c_str());
    if (show_text) std::fprintf(out, ", \"text\": %s", JsonString(Utf8Lines(hit.text)).c_str());
    std::fputs("}", out);
  }
  if (json) std::fputs(hits.empty() ? "]\n" : "\n]\n", out);
}

}  // namespace vx::cli
