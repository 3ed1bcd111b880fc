// Checks that keep a drawing mistake from reaching the picture base.
#ifndef VX_CONTROLS_ART_CHECKS_H_
#define VX_CONTROLS_ART_CHECKS_H_

#include <string>

#include "render.h"

namespace vx::art {

// Empty when `picture` may be stored; else what is wrong with it.
std::string CheckPicture(const RenderedPicture& picture);

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_CHECKS_H_
