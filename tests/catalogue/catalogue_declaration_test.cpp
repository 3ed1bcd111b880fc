#include "catalogue/catalogue_declaration.h"

#include <gtest/gtest.h>

#include <set>

namespace vx {
namespace {

TEST(CatalogueDeclaration, NamesFilesOfARegisterSet) {
  EXPECT_EQ(RegisterSetNumber(1), "0001");
  EXPECT_EQ(RegisterSetNumber(7), "0007");
  EXPECT_EQ(RegisterSetNumber(12345), "12345");
  EXPECT_EQ(RenameForSet("vaxor0000s101", "0007"), "vaxor0007s101");
  EXPECT_EQ(RenameForSet("vaxor0000h1", "12345"), "vaxor12345h1");
}

TEST(CatalogueDeclaration, SearchSlotsOfEachRegister) {
  auto slots = [](int r) {
    std::vector<int> found;
    for (int s = 1; s <= 20; ++s) {
      if (SearchListDecl(r, s) != nullptr) found.push_back(s);
    }
    return found;
  };
  EXPECT_EQ(slots(1), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19}));
  EXPECT_EQ(slots(2), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 16}));
  EXPECT_EQ(slots(3), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 13, 14, 15, 16}));
  // Free-search lists are not word-list slots.
  EXPECT_EQ(SearchListDecl(1, 17), nullptr);
  EXPECT_EQ(FindComponent("vaxors117")->kind, ComponentKind::kFreeSearchList);
}

TEST(CatalogueDeclaration, ListPropertiesByKind) {
  const ComponentDecl* parish = SearchListDecl(2, 1);
  EXPECT_EQ(parish->list.radmaxlen, 100);
  EXPECT_FALSE(parish->list.lzh);
  const ComponentDecl* dates = SearchListDecl(3, 6);
  EXPECT_EQ(dates->list.radmaxlen, 20);
  EXPECT_FALSE(dates->list.finnsurval);
  EXPECT_EQ(SearchListDecl(1, 19)->list.radmaxlen, 30);
  EXPECT_EQ(SearchListDecl(3, 16)->list.radmaxlen, 200);
  EXPECT_EQ(SearchListDecl(1, 7)->list.radmaxlen, 80);
  const ComponentDecl* persons = FindComponent("vaxorl2");
  EXPECT_EQ(persons->file_template, "vaxor0000l2");
  EXPECT_FALSE(persons->list.keepaccent);
  EXPECT_FALSE(persons->list.finnsBLOB);
  EXPECT_EQ(FindComponent("vaxors404")->free_search.urvalbufsiz, 1000000);
  EXPECT_EQ(FindComponent("vaxorlokaltext")->store.textmaxsiz, 80000);
  EXPECT_EQ(FindComponent("vaxortext")->store.lzh, TblobfilLZHmode::LZHpackainte);
}

TEST(CatalogueDeclaration, NamesFromRegisterAndSlot) {
  EXPECT_EQ(RecordStoreName(2), "vaxorh2");
  EXPECT_EQ(PersonListName(3), "vaxorl3");
  EXPECT_EQ(DateOrderName(1), "vaxoro1");
  EXPECT_EQ(ScratchSelectionName(2), "sokur2");
  EXPECT_EQ(SearchComponentName(1, 7), "vaxors107");
  EXPECT_EQ(SearchComponentName(3, 12), "vaxors312");
  EXPECT_EQ(AllFieldsListName(), "vaxors404");
  // Every per-register name is a declared component of the right class.
  for (int r = 1; r <= 3; ++r) {
    EXPECT_EQ(FindComponent(RecordStoreName(r))->kind, ComponentKind::kRecordStore);
    EXPECT_EQ(FindComponent(PersonListName(r))->kind, ComponentKind::kWordList);
    EXPECT_EQ(FindComponent(DateOrderName(r))->kind, ComponentKind::kSortOrder);
    EXPECT_EQ(FindComponent(ScratchSelectionName(r))->kind, ComponentKind::kSelection);
  }
  EXPECT_EQ(FindComponent(AllFieldsListName())->kind, ComponentKind::kFreeSearchList);
  EXPECT_EQ(FindComponent(kHelpTextStore)->kind, ComponentKind::kRecordStore);
  EXPECT_EQ(FindComponent(kOwnTextStore)->kind, ComponentKind::kRecordStore);
  EXPECT_EQ(FindComponent(kNormalisationList)->kind, ComponentKind::kWordList);
}

TEST(CatalogueDeclaration, FreeSearchListsOfEachRegister) {
  auto names = [](int r) {
    std::vector<std::string> found;
    for (const ComponentDecl* c : FreeSearchListsOf(r))
      found.push_back(c->name);
    return found;
  };
  EXPECT_EQ(names(1), (std::vector<std::string>{"vaxors117", "vaxors118"}));
  // vaxors215 is declared but neither opened nor written.
  EXPECT_EQ(names(2), (std::vector<std::string>{"vaxors214"}));
  EXPECT_EQ(names(3), (std::vector<std::string>{"vaxors311", "vaxors312"}));
  EXPECT_TRUE(FreeSearchListsOf(4).empty());
  ASSERT_NE(FindComponent("vaxors215"), nullptr);
  EXPECT_FALSE(FindComponent("vaxors215")->free_search.in_use);
  EXPECT_EQ(FreeSearchListDecl(2, 15), nullptr);
  EXPECT_EQ(FreeSearchListDecl(1, 7), nullptr);  // a word list
  EXPECT_EQ(FreeSearchListDecl(1, 17)->free_search.urvalbufsiz, 32000);
}

TEST(CatalogueDeclaration, FileTemplatesFollowTheNames) {
  for (const ComponentDecl& c : Catalogue()) {
    SCOPED_TRACE(c.name);
    switch (c.kind) {
      case ComponentKind::kWordList:
      case ComponentKind::kFreeSearchList:
      case ComponentKind::kSortOrder:
        EXPECT_EQ(c.file_template, "vaxor0000" + c.name.substr(5));
        break;
      case ComponentKind::kRecordStore:
        if (c.store.register_number != 0) {
          EXPECT_EQ(c.file_template, "vaxor0000" + c.name.substr(5));
        } else {
          EXPECT_EQ(c.file_template, "vaxortext");  // both text stores' block lists
        }
        break;
      default:
        break;
    }
  }
  EXPECT_EQ(FindComponent(kOwnTextStore)->store.own_file_template, "vaxor0000text");
  EXPECT_EQ(FindComponent(kHelpTextStore)->store.own_file_template, "");
  EXPECT_EQ(FindComponent(RecordStoreName(2))->store.antpc, 2);
  EXPECT_EQ(FindComponent(RecordStoreName(3))->store.antpc, 3);
}

TEST(CatalogueDeclaration, NamesAreUnique) {
  std::set<std::string> names;
  for (const ComponentDecl& c : Catalogue())
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
  EXPECT_EQ(FindComponent("nothing"), nullptr);
}

}  // namespace
}  // namespace vx
