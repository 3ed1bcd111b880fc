#include "search/form_layout.h"

#include <algorithm>
#include <cassert>

namespace vx {
namespace {

constexpr int kMargin = 16;
constexpr int kColumnGap = 16;
constexpr int kFirstRow = 50;
constexpr int kMinGroupHeight = 42;
constexpr int kMaxGroupHeight = 52;
constexpr int kLabelHeight = 16;
constexpr int kEditHeight = 24;
constexpr int kButton = 24;
constexpr int kLokalIdButton = 104;

int ClientHeight(int register_number) {
  switch (register_number) {
    case 2:
      return 467;
    case 3:
      return 449;
    default:
      return 545;
  }
}

// The label over the edit; `buttons` pixels right of the edit for the
// group's buttons.
FieldGroupPlace Group(int field, int left, int top, int width, int buttons) {
  FieldGroupPlace g;
  g.field = field;
  g.label = {left, top, width, kLabelHeight};
  g.edit = {left, top + kLabelHeight, width - buttons, kEditHeight};
  return g;
}

FieldGroupPlace ListGroup(int field, int left, int top, int width) {
  FieldGroupPlace g = Group(field, left, top, width, 2 * (kButton + 4));
  g.type_button = {g.edit.right() + 4, g.edit.top, kButton, kButton};
  g.list_button = {g.type_button.right() + 4, g.edit.top, kButton, kButton};
  return g;
}

FieldGroupPlace LokalIdGroup(int left, int top, int width) {
  FieldGroupPlace g = Group(-1, left, top, width, kLokalIdButton + 4);
  g.list_button = {g.edit.right() + 4, g.edit.top, kLokalIdButton, kButton};
  return g;
}

}  // namespace

SearchFormLayout LayOutSearchForm(const SearchFormTable& form) {
  SearchFormLayout m;
  m.width = 615;
  m.height = ClientHeight(form.register_number);
  m.heading = {kMargin, 12, 400, 26};
  m.slutknapp = {m.width - 8 - kButton, 8, kButton, kButton};
  m.helpknapp = {m.slutknapp.left - 6 - kButton, 8, kButton, kButton};
  // The visible fields and the Lokal-ID group (-1), each at its place in
  // the tab order: the death form's Lokal-ID stands before its last field.
  std::vector<int> order;
  for (size_t i = 0; i < form.fields.size(); ++i) {
    if (form.fields[i].visible) order.push_back(static_cast<int>(i));
  }
  order.push_back(-1);
  const auto tab = [&](int field) {
    return field < 0 ? form.lokalid_tab_order : form.fields[static_cast<size_t>(field)].tab_order;
  };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return tab(a) < tab(b); });
  const int column = (m.width - 2 * kMargin - kColumnGap) / 2;
  const int bottom = m.height - 12 - 26;
  // The rows share the height above the buttons, within bounds.
  const int rows = static_cast<int>(order.size() + 1) / 2;
  const int group_height =
      std::clamp((bottom - 10 - kFirstRow) / rows, kMinGroupHeight, kMaxGroupHeight);
  for (size_t k = 0; k < order.size(); ++k) {
    const int left = kMargin + static_cast<int>(k % 2) * (column + kColumnGap);
    const int top = kFirstRow + static_cast<int>(k / 2) * group_height;
    const int field = order[k];
    if (field < 0)
      m.groups.push_back(LokalIdGroup(left, top, column));
    else if (form.fields[static_cast<size_t>(field)].ListBacked())
      m.groups.push_back(ListGroup(field, left, top, column));
    else
      m.groups.push_back(Group(field, left, top, column, 0));
  }
  m.normknapp = {kMargin, bottom, 130, 26};
  m.soekknapp = {m.width - kMargin - 92, bottom, 92, 26};
  m.rensaknapp = {m.soekknapp.left - 8 - 92, bottom, 92, 26};
  assert(LayoutFault(m.Panels()).empty());
  return m;
}

std::vector<PanelLayout> SearchFormLayout::Panels() const {
  std::vector<PlacedControl> controls = {{"heading", heading},       {"helpknapp", helpknapp},
                                         {"slutknapp", slutknapp},   {"normknapp", normknapp},
                                         {"rensaknapp", rensaknapp}, {"soekknapp", soekknapp}};
  for (const FieldGroupPlace& g : groups) {
    controls.insert(controls.end(), {{"label", g.label},
                                     {"edit", g.edit},
                                     {"type_button", g.type_button},
                                     {"list_button", g.list_button}});
  }
  return {{"huvudpanel", {width, height}, controls}};
}

}  // namespace vx
