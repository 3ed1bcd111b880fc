// kuvo-data exempel SOURCE_DIR [--fodda N] [--vigda N] [--doda N] [--fro S]:
// writes the synthetic sample source (sample/sample_source.h) into
// SOURCE_DIR. Returns the exit code: 0 done, 1 the folder could not be
// written (message on standard error), 2 wrong usage.
#ifndef VX_TOOLS_DATA_EXEMPEL_H_
#define VX_TOOLS_DATA_EXEMPEL_H_

#include <string>
#include <vector>

namespace vx::cli {

int RunExempel(const std::vector<std::string>& args);

}  // namespace vx::cli

#endif  // VX_TOOLS_DATA_EXEMPEL_H_
