// The three search forms' layouts: every group, the Lokal-ID group too, in
// tab order above the command buttons (that none overlaps another, at
// the forms' sizes, is swept with every window in window_layouts_test).
#include "search/form_layout.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(SearchFormLayoutTest, GroupsComeInTabOrderAboveTheButtons) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    const SearchFormLayout m = LayOutSearchForm(form);
    SCOPED_TRACE(r);
    int previous_tab = -1;
    size_t visible = 0;
    for (const FormField& field : form.fields)
      visible += field.visible ? 1 : 0;
    ASSERT_EQ(m.groups.size(), visible + 1);
    for (const FieldGroupPlace& g : m.groups) {
      const int tab = g.field < 0 ? form.lokalid_tab_order
                                  : form.fields[static_cast<size_t>(g.field)].tab_order;
      EXPECT_GT(tab, previous_tab) << g.field;
      previous_tab = tab;
      if (g.field >= 0) {
        const FormField& field = form.fields[static_cast<size_t>(g.field)];
        EXPECT_EQ(g.type_button.width > 0, field.ListBacked()) << field.prefix;
      }
      EXPECT_LE(g.edit.bottom(), m.normknapp.top);
    }
  }
  // The death form's Lokal-ID (12) comes before Dödsorsak (13).
  const SearchFormTable& deaths = SearchForm(3);
  const SearchFormLayout m = LayOutSearchForm(deaths);
  EXPECT_EQ(m.groups[m.groups.size() - 2].field, -1);
  EXPECT_EQ(m.groups.back().field, deaths.FieldIndex("dors"));
}

}  // namespace
}  // namespace vx
