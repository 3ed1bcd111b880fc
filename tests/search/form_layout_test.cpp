// The three search forms' layouts: every group inside the form and above
// the command buttons, none overlapping, in tab order.
#include "search/form_layout.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.width > 0 && b.width > 0 && a.left < b.right() && b.left < a.right() &&
         a.top < b.bottom() && b.top < a.bottom();
}

TEST(SearchFormLayoutTest, GroupsFitInTabOrderWithoutOverlapping) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    const SearchFormLayout m = LayOutSearchForm(form);
    SCOPED_TRACE(r);
    std::vector<Rect> rects = {m.heading,   m.helpknapp,  m.slutknapp,
                               m.normknapp, m.rensaknapp, m.soekknapp};
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
      for (const Rect& part : {g.label, g.edit, g.type_button, g.list_button}) {
        if (part.width == 0) continue;
        EXPECT_GE(part.left, 0);
        EXPECT_LE(part.right(), m.width);
        for (const Rect& other : rects)
          EXPECT_FALSE(Overlap(part, other));
        rects.push_back(part);
      }
    }
  }
}

TEST(SearchFormLayoutTest, EachRegisterHasItsSize) {
  EXPECT_EQ(LayOutSearchForm(SearchForm(1)).height, 545);
  EXPECT_EQ(LayOutSearchForm(SearchForm(2)).height, 467);
  EXPECT_EQ(LayOutSearchForm(SearchForm(3)).height, 449);
}

}  // namespace
}  // namespace vx
