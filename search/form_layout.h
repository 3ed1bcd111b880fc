// Where a register search form's controls go: its field groups and the
// Lokal-ID group in two columns in tab order (reading order is tab
// order), the command buttons below. One layout serves all three forms, each
// of fixed size. Every control lies inside the form and none overlaps
// another (asserted).
#ifndef VX_SEARCH_FORM_LAYOUT_H_
#define VX_SEARCH_FORM_LAYOUT_H_

#include <vector>

#include "engine/util/layout_check.h"
#include "engine/util/rect.h"
#include "search/search_forms.h"

namespace vx {

// One field group: its label over its edit, and for a list-backed field
// the type and list buttons right of the edit.
struct FieldGroupPlace {
  int field = -1;  // index in the form's fields; -1 for the Lokal-ID group
  Rect label, edit, type_button, list_button;
};

struct SearchFormLayout {
  int width = 0;  // the client area
  int height = 0;
  Rect heading, helpknapp, slutknapp;
  // The visible fields and the Lokal-ID group (field -1, whose list_button
  // is the "Sök lokal-ID >>" button) by tab order.
  std::vector<FieldGroupPlace> groups;
  Rect normknapp, rensaknapp, soekknapp;

  // The background panel (huvudpanel), which fills the form.
  std::vector<PanelLayout> Panels() const;
};

// The client sizes of the forms: births 615 x 545, marriages 615 x 467,
// deaths 615 x 449.
SearchFormLayout LayOutSearchForm(const SearchFormTable& form);

}  // namespace vx

#endif  // VX_SEARCH_FORM_LAYOUT_H_
