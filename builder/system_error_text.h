// Swedish wording of the operating system's error numbers, for messages
// about files and folders.
#ifndef VX_BUILDER_SYSTEM_ERROR_TEXT_H_
#define VX_BUILDER_SYSTEM_ERROR_TEXT_H_

#include <string>

namespace vx {

// "åtkomst nekad" for EACCES, "disken är full" for ENOSPC and so on;
// "systemfel N" for a number without a wording of its own.
std::string SwedishErrorText(int error_number);

}  // namespace vx

#endif  // VX_BUILDER_SYSTEM_ERROR_TEXT_H_
