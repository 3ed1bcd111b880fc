// Where the free-text search form's controls go (Tsoka_form): a form of
// fixed size, its one field under its label, the search and clear buttons
// bottom right, the close and help buttons top right. Every control lies
// inside the form and none overlaps another (asserted).
#ifndef VX_SEARCH_FREE_TEXT_LAYOUT_H_
#define VX_SEARCH_FREE_TEXT_LAYOUT_H_

#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"

namespace vx {

struct FreeTextFormLayout {
  Extent size;  // the client area, all of it the background panel
  Rect ovrigtlabel, alltedit, soekknapp, rensaknapp, slutknapp, helpknapp;

  std::vector<PanelLayout> Panels() const;
};

// The form's 540 x 153 pixels.
FreeTextFormLayout LayOutFreeTextForm();

}  // namespace vx

#endif  // VX_SEARCH_FREE_TEXT_LAYOUT_H_
