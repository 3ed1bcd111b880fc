// The program's own pictures, drawn by the build and compiled in, so that
// every register set that kuvo-data writes gets them in its picture base
// "vaxorgrfk".
//
// Each picture comes twice: under its name at the size the windows use,
// and under its name + "@2x" at twice that size for dense screens.
#ifndef VX_IMAGING_PROGRAM_PICTURES_H_
#define VX_IMAGING_PROGRAM_PICTURES_H_

#include <cstdint>
#include <span>
#include <string_view>

#include "imaging/region_data.h"

namespace vx {

struct ProgramPicture {
  std::string_view name;         // at most 20 characters
  std::string_view description;  // Windows-1252
  int32_t type = 0;              // 10 when it has a shape (`region`)
  std::string_view placement;    // "C2", ...; empty for top left
  std::span<const uint8_t> png;
  std::span<const Rect> region;  // the opaque pixels, for type 10
  int32_t kept1 = 0;             // hotspot of a cursor: x, y
  int32_t kept2 = 0;
};

std::span<const ProgramPicture> ProgramPictures();

// The sample register set's logo (PNG), at its own size and twice as large.
std::span<const uint8_t> SampleLogoPng();
std::span<const uint8_t> SampleLogoPng2x();

// The suffix of the twice-as-large form of a picture.
inline constexpr std::string_view kDoubleSizeSuffix = "@2x";

}  // namespace vx

#endif  // VX_IMAGING_PROGRAM_PICTURES_H_
