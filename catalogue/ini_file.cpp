#include "catalogue/ini_file.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <string_view>

namespace vx {
namespace {

std::string Lower(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

bool IniFile::Load(const std::filesystem::path& path) {
  values_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  Parse(std::string(std::istreambuf_iterator<char>(in), {}));
  return true;
}

void IniFile::Parse(const std::string& text) {
  std::string section;
  // Editors that save UTF-8 may put a byte-order mark first; it is no part
  // of the first line's section or key.
  constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
  size_t start = text.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      section =
          Lower(Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = Lower(Trim(line.substr(0, equals)));
    // The first value of a key counts, as with the system's INI reader.
    values_.try_emplace(section + '\n' + key, Trim(line.substr(equals + 1)));
  }
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  const auto it = values_.find(Lower(section) + '\n' + Lower(key));
  return it == values_.end() ? fallback : it->second;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const std::string value = ReadString(section, key, "");
  size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
  if (i >= value.size() || !std::isdigit(static_cast<unsigned char>(value[i]))) return fallback;
  long long number = 0;
  for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i) {
    number = number * 10 + (value[i] - '0');
    if (number > 2147483647LL) return fallback;
  }
  return static_cast<int>(negative ? -number : number);
}

}  // namespace vx
