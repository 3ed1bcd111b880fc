#include "engine/util/layout_check.h"

namespace vx {
namespace {

std::string PanelFault(const PanelLayout& panel) {
  const Rect area{0, 0, panel.size.width, panel.size.height};
  const std::string prefix = std::string(panel.name) + ": ";
  for (size_t i = 0; i < panel.controls.size(); ++i) {
    const PlacedControl& control = panel.controls[i];
    if (control.place.empty()) continue;
    if (!area.Contains(control.place))
      return prefix + std::string(control.name) + " reaches out of the panel";
    for (size_t j = i + 1; j < panel.controls.size(); ++j) {
      if (control.place.Overlaps(panel.controls[j].place))
        return prefix + std::string(control.name) + " overlaps " +
               std::string(panel.controls[j].name);
    }
  }
  return {};
}

}  // namespace

std::string LayoutFault(std::span<const PanelLayout> panels) {
  for (const PanelLayout& panel : panels) {
    std::string fault = PanelFault(panel);
    if (!fault.empty()) return fault;
  }
  return {};
}

}  // namespace vx
