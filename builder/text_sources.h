// The texts of a register set: the help texts (hjalp/CODE.txt: the first
// line the heading, the rest the coded text; their English versions, when
// the set has them, in hjalp/en/) and register.txt (the heading,
// the sub-heading, then the About text). Lines are joined with CR, the line
// end of data text.
#ifndef VX_BUILDER_TEXT_SOURCES_H_
#define VX_BUILDER_TEXT_SOURCES_H_

#include <filesystem>
#include <string>
#include <vector>

#include "builder/source_error.h"

namespace vx {

// One record of a text store: its code, heading and text (Windows-1252).
struct TextRecord {
  std::string code;
  std::string heading;
  std::string text;
};

// The help texts of `directory` (files named CODE.txt), ordered by code
// under the folding table. A missing directory gives none. Errors name a
// file as `folder` + its name ("hjalp/HJ001.txt").
bool ReadHelpTexts(const std::filesystem::path& directory, const std::string& folder,
                   std::vector<TextRecord>& texts, SourceError& error);

// Records 1 to 3 of the register set's own text store: heading, sub-heading
// and About text. Without the file, the heading is "Register " + `regnr`
// and the others are empty.
bool ReadRegisterTexts(const std::filesystem::path& file, const std::string& regnr,
                       std::vector<TextRecord>& texts, SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_TEXT_SOURCES_H_
