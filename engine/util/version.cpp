#include "engine/util/version.h"

namespace vx {

const char* ProgramVersion() { return VX_VERSION; }

}  // namespace vx
