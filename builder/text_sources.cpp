#include "builder/text_sources.h"

#include <algorithm>

#include "builder/source_text.h"
#include "engine/text/collation.h"
#include "language/message_id.h"

namespace vx {
namespace {

// The lines of a text (LF or CR LF line ends), without their line ends.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string JoinFrom(const std::vector<std::string>& lines, size_t first) {
  std::string joined;
  for (size_t i = first; i < lines.size(); ++i) {
    if (i > first) joined += '\r';
    joined += lines[i];
  }
  while (!joined.empty() && joined.back() == '\r')
    joined.pop_back();
  return joined;
}

}  // namespace

bool ReadHelpTexts(const std::filesystem::path& directory, const std::string& folder,
                   std::vector<TextRecord>& texts, SourceError& error) {
  texts.clear();
  std::error_code ec;
  if (!std::filesystem::is_directory(directory, ec)) return true;
  for (const auto& entry : std::filesystem::directory_iterator(directory, ec)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".txt") continue;
    const std::string display = folder + entry.path().filename().string();
    std::string text;
    if (!ReadSourceText(entry.path(), display, text, error)) return false;
    const std::vector<std::string> lines = LinesOf(text);
    const std::string code = entry.path().stem().string();
    if (code.empty() || code.size() > 255) {
      error = SaidError(display, 0, {MessageId::BuilderBadTextCode, {}});
      return false;
    }
    texts.push_back({code, lines.empty() ? "" : lines[0], JoinFrom(lines, 1)});
  }
  std::sort(texts.begin(), texts.end(), [](const TextRecord& a, const TextRecord& b) {
    return CompareTexts(a.code.c_str(), b.code.c_str(), FoldTable()) < 0;
  });
  return true;
}

bool ReadRegisterTexts(const std::filesystem::path& file, const std::string& regnr,
                       std::vector<TextRecord>& texts, SourceError& error) {
  std::vector<std::string> lines;
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) {
    std::string text;
    if (!ReadSourceText(file, file.filename().string(), text, error)) return false;
    lines = LinesOf(text);
  } else {
    lines = {"Register " + regnr};
  }
  texts = {{"RUBRIK", "Rubrik", lines.empty() ? "" : lines[0]},
           {"UNDERRUBRIK", "Underrubrik", lines.size() < 2 ? "" : lines[1]},
           {"OM", "Om registret", JoinFrom(lines, 2)}};
  return true;
}

}  // namespace vx
