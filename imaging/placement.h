// Placement codes of figures: where a figure of a given size sits inside an
// area.
#ifndef VX_IMAGING_PLACEMENT_H_
#define VX_IMAGING_PLACEMENT_H_

#include <string_view>

namespace vx {

struct PlacedPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PlacedPoint&) const = default;
};

// "C2" top centre, "C3" top right, "C5" bottom right, "C6" bottom centre,
// "C7" bottom left; any other code top left. The area is `width` x `height`
// at (left, top); the figure `figure_width` x `figure_height`.
PlacedPoint PlaceFigure(std::string_view code, int left, int top, int width, int height,
                        int figure_width, int figure_height);

}  // namespace vx

#endif  // VX_IMAGING_PLACEMENT_H_
