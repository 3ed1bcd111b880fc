#include "records/text_window_layout.h"

#include <cassert>

namespace vx {
namespace {

constexpr Extent kSize{520, 560};
constexpr int kMargin = 20;
constexpr int kTextTop = 52;
constexpr int kBarWidth = 24;
constexpr int kFigure = 24;

}  // namespace

TextWindowLayout LayOutTextWindow(const TextWindowContent& content) {
  TextWindowLayout m;
  m.size = kSize;
  m.arkivlabel = {kMargin, content.heading_top(), 400, 28};
  if (!content.version_line().empty()) m.verlabel = {kMargin + 1, 32, 400, 15};
  const int text_height = kSize.height - kTextTop - kMargin;
  m.vistextscr = {kSize.width - kMargin - kBarWidth, kTextTop, kBarWidth, text_height};
  m.texten = {kMargin, kTextTop, m.vistextscr.left - 4 - kMargin, text_height};
  m.slutknapp = {kSize.width - kMargin - kFigure, 12, kFigure, kFigure};
  m.kopipostknapp = {m.slutknapp.left - 10 - 26, 11, 26, 26};
  assert(LayoutFault(m.Panels()).empty());
  return m;
}

std::vector<PanelLayout> TextWindowLayout::Panels() const {
  return {{"huvudpanel",
           size,
           {{"arkivlabel", arkivlabel},
            {"verlabel", verlabel},
            {"texten", texten},
            {"vistextscr", vistextscr},
            {"slutknapp", slutknapp},
            {"kopipostknapp", kopipostknapp}}}};
}

}  // namespace vx
