// The generated C++ source that compiles the pictures into the program:
// byte arrays of the PNGs, rectangle arrays of the regions, and the table
// that `vx::ProgramPictures()` returns.
#ifndef VX_CONTROLS_ART_CPP_WRITER_H_
#define VX_CONTROLS_ART_CPP_WRITER_H_

#include <span>
#include <string>
#include <string_view>

#include "render.h"

namespace vx::art {

// `pictures` in table order; `logo` and `logo2x` the sample set's logo.
std::string ProgramPicturesSource(std::span<const RenderedPicture> pictures,
                                  const RenderedPicture& logo, const RenderedPicture& logo2x);

// A C++ string literal of `utf8` in Windows-1252, other bytes as escapes.
std::string Cp1252Literal(std::string_view utf8);

}  // namespace vx::art

#endif  // VX_CONTROLS_ART_CPP_WRITER_H_
