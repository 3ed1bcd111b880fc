// The three forms' field tables checked against the catalogue they name
// and against kuvo-sok's field prefixes.
#include "search/search_forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue_declaration.h"

namespace vx {
namespace {

std::vector<std::string> Prefixes(int r) {
  std::vector<std::string> prefixes;
  for (const FormField& field : SearchForm(r).fields)
    prefixes.emplace_back(field.prefix);
  return prefixes;
}

TEST(SearchForms, FieldsInTheOrderOfTheSearch) {
  EXPECT_EQ(Prefixes(1),
            (std::vector<std::string>{"fn", "en", "fod", "foo", "fof", "moren", "morfn", "mortitel",
                                      "morort", "faren", "farfn", "fartitel", "farort", "kae",
                                      "fadder", "ovrigt"}));
  EXPECT_EQ(Prefixes(2),
            (std::vector<std::string>{"vigd", "vigdfors", "ken", "kfn", "ktitel", "kort", "men",
                                      "mfn", "mtitel", "mort", "kae", "ovrigt"}));
  EXPECT_EQ(Prefixes(3),
            (std::vector<std::string>{"fn", "en", "fod", "dod", "doo", "dof", "titel", "anf",
                                      "ovrigt", "anfn", "anen", "dors", "kae"}));
}

TEST(SearchForms, TabOrderRunsThroughEveryFieldAndTheLokalId) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    std::vector<int> tabs = {form.lokalid_tab_order};
    for (const FormField& field : form.fields)
      tabs.push_back(field.tab_order);
    std::sort(tabs.begin(), tabs.end());
    for (size_t i = 0; i < tabs.size(); ++i)
      EXPECT_EQ(tabs[i], static_cast<int>(i)) << "register " << r;
  }
}

TEST(SearchForms, SlotsNameListsOfTheRightShape) {
  for (int r = 1; r <= 3; ++r) {
    const SearchFormTable& form = SearchForm(r);
    for (const FormField& field : form.fields) {
      SCOPED_TRACE(std::to_string(r) + " " + std::string(field.prefix));
      if (field.routine == FieldRoutine::kFreeField) {
        // A declared free-search list of this register, named as declared.
        const ComponentDecl* list = FreeSearchListDecl(r, field.slot);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(field.free_list, list->name);
        EXPECT_EQ(FindComponent(field.free_list), list);
        continue;
      }
      // A declared word list of this register.
      EXPECT_TRUE(field.free_list.empty());
      const ComponentDecl* list = SearchListDecl(r, field.slot);
      ASSERT_NE(list, nullptr);
      EXPECT_EQ(list->kind, ComponentKind::kWordList);
      EXPECT_EQ(list->name, SearchComponentName(r, field.slot));
      // Date lists are the lists of 20-byte rows.
      EXPECT_EQ(list->list.radmaxlen == 20, field.routine == FieldRoutine::kDateRange);
    }
    const ComponentDecl* ids = SearchListDecl(r, form.lokalid_slot);
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids->list.radmaxlen, 30);
  }
}

TEST(SearchForms, EveryFreeSearchListOfARegisterHasItsField) {
  for (int r = 1; r <= 3; ++r) {
    std::multiset<std::string> used;
    for (const FormField& field : SearchForm(r).fields) {
      if (field.routine == FieldRoutine::kFreeField) used.emplace(field.free_list);
    }
    std::multiset<std::string> declared;
    for (const ComponentDecl* list : FreeSearchListsOf(r))
      declared.insert(list->name);
    EXPECT_EQ(used, declared) << "register " << r;
  }
  EXPECT_EQ(SearchForm(3).Field("anf")->free_list, "vaxors311");
}

TEST(SearchForms, WhatEachKindOfFieldCarries) {
  for (int r = 1; r <= 3; ++r) {
    for (const FormField& field : SearchForm(r).fields) {
      SCOPED_TRACE(std::to_string(r) + " " + std::string(field.prefix));
      EXPECT_EQ(!field.picker_title.empty(), field.ListBacked());
      EXPECT_EQ(!field.help_code.empty(), field.ListBacked());
      EXPECT_EQ(field.comparison == FieldComparison::kNone, !field.ListBacked());
      EXPECT_EQ(!field.date_lower_default.empty(), field.routine == FieldRoutine::kDateRange);
      // Names are compared with their accents.
      if (field.routine == FieldRoutine::kFirstNames) {
        EXPECT_TRUE(field.AccentKeeping());
      }
      // Only the sources have no empty-list caption among the list fields.
      EXPECT_EQ(field.empty_caption.empty(), !field.ListBacked() || field.prefix == "kae");
      EXPECT_EQ(field.visible, !(r == 1 && field.prefix == "en"));
    }
  }
}

TEST(SearchForms, DateDefaults) {
  EXPECT_EQ(SearchForm(3).Field("fod")->date_lower_default, "1800");
  EXPECT_EQ(SearchForm(3).Field("dod")->date_lower_default, "1600");
  EXPECT_EQ(SearchForm(1).Field("fod")->date_lower_default, "1600");
  EXPECT_EQ(SearchForm(2).Field("vigd")->date_lower_default, "1600");
}

}  // namespace
}  // namespace vx
