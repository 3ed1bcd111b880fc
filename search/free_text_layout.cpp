#include "search/free_text_layout.h"

#include <cassert>

namespace vx {
namespace {

constexpr Extent kSize{540, 153};
constexpr int kMargin = 20;
constexpr Extent kCommand{92, 26};
constexpr int kFigure = 24;

}  // namespace

FreeTextFormLayout LayOutFreeTextForm() {
  FreeTextFormLayout m;
  m.size = kSize;
  m.ovrigtlabel = {kMargin, 22, 400, 24};
  m.alltedit = {kMargin, 54, kSize.width - 2 * kMargin, 26};
  m.soekknapp = {kSize.width - kMargin - kCommand.width, kSize.height - 16 - kCommand.height,
                 kCommand.width, kCommand.height};
  m.rensaknapp = {m.soekknapp.left - 8 - kCommand.width, m.soekknapp.top, kCommand.width,
                  kCommand.height};
  m.slutknapp = {kSize.width - 8 - kFigure, 8, kFigure, kFigure};
  m.helpknapp = {m.slutknapp.left - 6 - kFigure, 8, kFigure, kFigure};
  assert(LayoutFault(m.Panels()).empty());
  return m;
}

std::vector<PanelLayout> FreeTextFormLayout::Panels() const {
  return {{"huvudpanel",
           size,
           {{"ovrigtlabel", ovrigtlabel},
            {"alltedit", alltedit},
            {"soekknapp", soekknapp},
            {"rensaknapp", rensaknapp},
            {"slutknapp", slutknapp},
            {"helpknapp", helpknapp}}}};
}

}  // namespace vx
