// The three search forms' layouts: every group in tab order, the Lokal-ID
// group last, above the command buttons (that none overlaps another, at
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
    EXPECT_EQ(m.groups.back().field, -1) << "the Lokal-ID group comes last";
    for (const FieldGroupPlace& g : m.groups) {
      if (g.field >= 0) {
        const FormField& field = form.fields[static_cast<size_t>(g.field)];
        EXPECT_GT(field.tab_order, previous_tab);
        previous_tab = field.tab_order;
        EXPECT_EQ(g.type_button.width > 0, field.ListBacked()) << field.prefix;
      }
      EXPECT_LE(g.edit.bottom(), m.normknapp.top);
    }
  }
}

}  // namespace
}  // namespace vx
