// Opening a register set built by the builder through the catalogue.
#include "catalogue/catalogue.h"

#include "catalogue/catalogue_declaration.h"

#include <gtest/gtest.h>

#include "builder/register_set_builder.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

class RecordingHooks : public ShellHooks {
 public:
  void DisableSearchButton(int r) override { disabled_search.push_back(r); }
  void DisableRegisterToggle(int r) override { greyed.push_back(r); }
  void InvalidateResultCache() override { ++invalidated; }
  std::vector<int> disabled_search, greyed;
  int invalidated = 0;
};

class CatalogueTest : public ::testing::Test {
 protected:
  // Builds a set from the given tables (register -> records) as set `number`.
  void Build(const std::map<int, std::vector<testing::SourceRecord>>& tables, int number = 1) {
    const char* names[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
    for (const auto& [r, records] : tables) {
      testing::WriteText(dir_ / "kalla" / names[r], testing::SourceTable(r, records));
    }
    testing::WriteText(dir_ / "kalla" / "register.txt", "Testregistret\nEn underrubrik\nOm.\n");
    BuildOptions options{dir_ / "kalla", dir_ / "data", number, {}};
    BuildSummary summary;
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summary, error)) << error.ToString();
  }
  Configuration Config(int number = 1) {
    Configuration config;
    config.huvudregister = number;
    config.regnr = RegisterSetNumber(number);
    config.hdbasen = (dir_ / "data").string() + "/";
    return config;
  }

  testing::TempDir dir_;
  RecordingHooks hooks_;
};

TEST_F(CatalogueTest, OpensEveryRegisterThatHasAPersonList) {
  Build({{1, {{{"ENAMN", "Berg"}, {"FNAMN", "Anna"}}, {{"ENAMN", "Ek"}}}},
         {2, {{{"MENAMN", "Ek"}}}},
         {3, {{{"ENAMN", "Ros"}}, {}, {}}}});
  TEVF evf;
  evf.oppnadatabas(Config(), hooks_);
  for (int r = 1; r <= 3; ++r) {
    EXPECT_TRUE(evf.RegisterOn(r));
    EXPECT_TRUE(evf.RecordStore(r).Opened());
    EXPECT_TRUE(evf.DateOrder(r).Opened());
  }
  EXPECT_EQ(evf.PersonList(1).RowCount(), 2);
  EXPECT_EQ(evf.RecordStore(3).RecordCount(), 3u);
  EXPECT_EQ(evf.sokur(1).Size(), 6);  // 2 + 1 + 3
  EXPECT_EQ(evf.sokur(3).Count(), 0);
  ASSERT_NE(evf.soklistor(1, 7), nullptr);
  EXPECT_TRUE(evf.soklistor(1, 7)->Opened());
  EXPECT_EQ(evf.soklistor(1, 7)->FindExact("Berg"), 1);
  EXPECT_EQ(evf.soklistor(1, 5), nullptr);
  EXPECT_TRUE(evf.FreeSearch("vaxors404")->Opened());
  EXPECT_TRUE(evf.FreeSearch("vaxors117")->Opened());
  EXPECT_FALSE(evf.FreeSearch("vaxors215")->Opened());
  EXPECT_TRUE(evf.List("vaxornrm")->Opened());
  EXPECT_TRUE(evf.Store("vaxortext")->Opened());
  EXPECT_EQ(evf.rubrik(), "Testregistret");
  EXPECT_EQ(evf.underrubrik(), "En underrubrik");
  EXPECT_TRUE(hooks_.disabled_search.empty());
  EXPECT_TRUE(hooks_.greyed.empty());
  EXPECT_EQ(hooks_.invalidated, 1);

  evf.stangdatabas();
  EXPECT_FALSE(evf.PersonList(1).Opened());
  EXPECT_FALSE(evf.soklistor(1, 7)->Opened());
  evf.stangdatabas();  // closing twice does nothing more
}

TEST_F(CatalogueTest, OnlyBirthsPresent) {
  Build({{1, {{{"ENAMN", "Berg"}}, {{"ENAMN", "Ek"}}}}});
  TEVF evf;
  evf.oppnadatabas(Config(), hooks_);
  EXPECT_TRUE(evf.RegisterOn(1));
  EXPECT_FALSE(evf.RegisterOn(2));
  EXPECT_EQ(hooks_.disabled_search, (std::vector<int>{2, 3}));
  EXPECT_EQ(hooks_.greyed, (std::vector<int>{2, 3}));
  EXPECT_EQ(evf.soklistor(2, 7), nullptr);
  EXPECT_NE(evf.soklistor(1, 7), nullptr);
  EXPECT_EQ(evf.sokur(2).Size(), 2);  // births only
  EXPECT_FALSE(evf.FreeSearch("vaxors214")->Opened());
}

TEST_F(CatalogueTest, RegisterSetNumberNamesTheFiles) {
  Build({{1, {{{"ENAMN", "Berg"}}}}, {3, {}}}, 7);
  TEVF evf;
  evf.oppnadatabas(Config(7), hooks_);
  EXPECT_EQ(evf.regnr(), "0007");
  EXPECT_TRUE(evf.RegisterOn(1));
  EXPECT_EQ(evf.soklistor(1, 7)->properties().filnamn, "vaxor0007s107");
  // A register with a person list but no records is on, with a greyed toggle.
  EXPECT_TRUE(evf.RegisterOn(3));
  EXPECT_EQ(hooks_.greyed, (std::vector<int>{2, 3}));
}

TEST_F(CatalogueTest, MissingFolderLeavesEverythingClosedAndCreatesNothing) {
  TEVF evf;
  Configuration config = Config();
  config.hdbasen = (dir_ / "saknas").string() + "/";
  std::filesystem::create_directories(dir_ / "saknas");
  evf.oppnadatabas(config, hooks_);
  EXPECT_EQ(hooks_.disabled_search, (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(evf.Store("vaxortext")->Opened());
  EXPECT_TRUE(std::filesystem::is_empty(dir_ / "saknas"));
  EXPECT_EQ(evf.sokur(1).Size(), 0);
}

}  // namespace
}  // namespace vx
