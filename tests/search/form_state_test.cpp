// A search form's fields through typing, picking and clearing.
#include "search/form_state.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

size_t Index(const SearchFormState& state, std::string_view prefix) {
  return static_cast<size_t>(state.form().FieldIndex(prefix));
}

TEST(SearchFormStateTest, BackToTypedModeAfterPickingTwiceShowsTheFirstSummary) {
  SearchFormState state(1);
  const size_t fn = Index(state, "fn");
  state.SetText(fn, "Anna");
  state.BeginListMode(fn);
  EXPECT_TRUE(state.field(fn).list_mode);
  EXPECT_EQ(state.field(fn).text, "Anna") << "grey until the picker confirms";
  state.EndListMode(fn, true, "Anna;Annika");
  EXPECT_EQ(state.field(fn).text, "Anna;Annika");
  state.SetText(fn, "ignored while in list mode");
  state.BeginListMode(fn);
  state.EndListMode(fn, true, "Brita");
  EXPECT_EQ(state.field(fn).text, "Brita");
  state.GoTyped(fn);
  EXPECT_FALSE(state.field(fn).list_mode);
  EXPECT_EQ(state.field(fn).text, "Anna;Annika");
}

TEST(SearchFormStateTest, ACancelledPickerKeepsTheTypedTextInListMode) {
  SearchFormState state(3);
  const size_t en = Index(state, "en");
  state.SetText(en, "Berg*");
  state.BeginListMode(en);
  state.EndListMode(en, false, "Ek");
  EXPECT_TRUE(state.field(en).list_mode);
  EXPECT_EQ(state.field(en).text, "Berg*");
  // The search then uses the picked rows, not the typed text.
  const SearchFormInput input = state.Input();
  EXPECT_TRUE(input.field(en).list_mode);
  state.GoTyped(en);
  EXPECT_EQ(state.field(en).text, "Berg*");
}

TEST(SearchFormStateTest, ConfirmedWithNoTicksTakesNoPart) {
  SearchFormState state(2);
  const size_t ken = Index(state, "ken");
  state.SetText(ken, "Ek");
  state.BeginListMode(ken);
  state.EndListMode(ken, true, "");
  EXPECT_TRUE(state.Input().Empty());
}

TEST(SearchFormStateTest, DateAndFreeFieldsHaveNoListMode) {
  SearchFormState state(1);
  for (const char* prefix : {"fod", "fadder", "ovrigt"}) {
    const size_t i = Index(state, prefix);
    state.SetText(i, "1780");
    state.BeginListMode(i);
    EXPECT_FALSE(state.field(i).list_mode) << prefix;
    EXPECT_FALSE(state.Input().field(i).list_mode) << prefix;
  }
}

TEST(SearchFormStateTest, ClearPutsEveryFieldBackToTypedAndEmpty) {
  SearchFormState state(1);
  for (size_t i = 0; i < state.size(); ++i) {
    state.SetText(i, "x");
    state.BeginListMode(i);
    state.EndListMode(i, true, "y");
  }
  state.Clear();
  for (size_t i = 0; i < state.size(); ++i) {
    EXPECT_FALSE(state.field(i).list_mode);
    EXPECT_TRUE(state.field(i).text.empty());
    EXPECT_TRUE(state.field(i).typed_text.empty());
  }
  EXPECT_TRUE(state.Input().Empty());
}

}  // namespace
}  // namespace vx
