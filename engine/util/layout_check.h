// The check every window's layout states and asserts: each control lies
// inside the panel that holds it, and no two controls of one panel share a
// pixel. The layouts list their panels for it; the tests run it at every
// size a window can take.
#ifndef VX_ENGINE_UTIL_LAYOUT_CHECK_H_
#define VX_ENGINE_UTIL_LAYOUT_CHECK_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/util/rect.h"

namespace vx {

// A control's place in its panel, by the control's name.
struct PlacedControl {
  std::string_view name;
  Rect place;
};

// A panel (a window's background, a framed panel on it) and the controls
// placed on it, in the panel's own coordinates.
struct PanelLayout {
  std::string_view name;
  Extent size;
  std::vector<PlacedControl> controls;
};

// The first fault of a layout in words ("huvpost: texten reaches out of
// the panel"), or an empty string. A hidden control (an empty rectangle)
// has no place and is not checked.
std::string LayoutFault(std::span<const PanelLayout> panels);

}  // namespace vx

#endif  // VX_ENGINE_UTIL_LAYOUT_CHECK_H_
