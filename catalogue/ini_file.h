// A small reader of INI files: [sections], key=value lines, ';' comments.
// Section and key names compare without regard to case; values keep their
// backslashes. A UTF-8 byte-order mark at the start is skipped. A missing
// file or key gives the caller's default.
#ifndef VX_CATALOGUE_INI_FILE_H_
#define VX_CATALOGUE_INI_FILE_H_

#include <filesystem>
#include <map>
#include <string>

namespace vx {

class IniFile {
 public:
  // Reads `path`; false (and an empty file) when it cannot be read.
  bool Load(const std::filesystem::path& path);
  // Parses INI text.
  void Parse(const std::string& text);

  // The value of `key` in `section`, or `fallback`.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // The leading decimal digits of the value (an optional sign before them),
  // or `fallback` when the key is missing or the value starts with none.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;

 private:
  std::map<std::string, std::string> values_;  // "section\nkey" in lower case -> value
};

}  // namespace vx

#endif  // VX_CATALOGUE_INI_FILE_H_
