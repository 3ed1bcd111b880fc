// The every-size check of a window's layout, shared by every window: at
// each size the window can take, its first panel is the window itself at
// that size, every control lies inside its panel, and no two controls of
// one panel overlap.
#ifndef VX_TESTS_SUPPORT_LAYOUT_SWEEP_H_
#define VX_TESTS_SUPPORT_LAYOUT_SWEEP_H_

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"

namespace vx::test {

// From the smallest size to the largest, both included, `step` apart in
// each direction. A window of fixed size has one size: {size, size}.
struct SizeRange {
  Extent smallest;
  Extent largest;
  Extent step{1, 1};
};

using PanelsAtSize = std::function<std::vector<PanelLayout>(Extent size)>;

inline std::vector<int> SweptValues(int from, int to, int step) {
  std::vector<int> values;
  for (int v = from; v < to; v += step)
    values.push_back(v);
  values.push_back(to);
  return values;
}

inline testing::AssertionResult LaysOutCleanly(const SizeRange& range,
                                               const PanelsAtSize& panels_at) {
  for (int width : SweptValues(range.smallest.width, range.largest.width, range.step.width)) {
    for (int height : SweptValues(range.smallest.height, range.largest.height, range.step.height)) {
      const Extent size{width, height};
      const std::vector<PanelLayout> panels = panels_at(size);
      std::string fault = LayoutFault(panels);
      if (panels.empty() || !(panels.front().size == size)) fault = "the window has another size";
      if (!fault.empty())
        return testing::AssertionFailure() << width << " x " << height << ": " << fault;
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace vx::test

#endif  // VX_TESTS_SUPPORT_LAYOUT_SWEEP_H_
