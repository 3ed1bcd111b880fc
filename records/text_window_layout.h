// Where the text window's controls go (Ttextform): a window of fixed size,
// the heading top left (higher for the About text, which has the version
// line under it), the copy and close buttons top right, the text with its
// scroll bar below. Every control lies inside the window and none overlaps
// another (asserted).
#ifndef VX_RECORDS_TEXT_WINDOW_LAYOUT_H_
#define VX_RECORDS_TEXT_WINDOW_LAYOUT_H_

#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"
#include "records/text_window_logic.h"

namespace vx {

struct TextWindowLayout {
  Extent size;  // the client area, all of it the background panel
  Rect arkivlabel;
  Rect verlabel;  // empty (hidden) without a version line
  Rect texten, vistextscr, slutknapp, kopipostknapp;

  std::vector<PanelLayout> Panels() const;
};

// The window's 520 x 560 pixels, for what `content` shows.
TextWindowLayout LayOutTextWindow(const TextWindowContent& content);

}  // namespace vx

#endif  // VX_RECORDS_TEXT_WINDOW_LAYOUT_H_
