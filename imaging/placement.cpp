#include "imaging/placement.h"

namespace vx {

PlacedPoint PlaceFigure(std::string_view code, int left, int top, int width, int height,
                        int figure_width, int figure_height) {
  const int centre = left + (width - figure_width) / 2;
  const int right = left + width - figure_width;
  const int bottom = top + height - figure_height;
  if (code.size() == 2 && (code[0] == 'C' || code[0] == 'c')) {
    switch (code[1]) {
      case '2':
        return {centre, top};
      case '3':
        return {right, top};
      case '5':
        return {right, bottom};
      case '6':
        return {centre, bottom};
      case '7':
        return {left, bottom};
      default:
        break;
    }
  }
  return {left, top};
}

}  // namespace vx
