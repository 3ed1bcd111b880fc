// kuvo-sok's help text: the usage, then every field prefix of the three
// search forms with its caption, read from the forms' tables, the criteria
// language with examples, the output formats and the exit codes. The bash
// completion reads the field lists from it: a register's name alone on a
// line ("fodda:"), then one line per field beginning with its option.
#ifndef VX_TOOLS_SOK_HELP_H_
#define VX_TOOLS_SOK_HELP_H_

#include <string>

namespace vx::cli {

// UTF-8, ending with a line break.
std::string SokHelp();

}  // namespace vx::cli

#endif  // VX_TOOLS_SOK_HELP_H_
