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

TEST(CatalogueDeclaration, NamesAreUnique) {
  std::set<std::string> names;
  for (const ComponentDecl& c : Catalogue())
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
  EXPECT_EQ(FindComponent("nothing"), nullptr);
}

}  // namespace
}  // namespace vx
