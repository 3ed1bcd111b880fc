// The hits of a register in name and in date order, over a built set.
#include "resulttable/hit_list.h"

#include <gtest/gtest.h>

#include "builder/register_set_builder.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_declaration.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

class HitListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteText(dir_ / "kalla" / "doda.csv",
                       testing::SourceTable(3, {{{"ENAMN", "\xD6stberg"}, {"DODAT", "17500101"}},
                                                {{"ENAMN", "Berg"}, {"BEGRDAT", "17400101"}},
                                                {{"ENAMN", "Aspe"}, {"DODAT", "17600101"}},
                                                {{"ENAMN", "Ceder"}, {"DODAT", "17300101"}}}));
    BuildOptions options{dir_ / "kalla", dir_ / "data", 1, {}, {}};
    BuildSummary summary;
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summary, error)) << error.ToString();
    Configuration config;
    config.hdbasen = (dir_ / "data").string() + "/";
    ShellHooks hooks;
    evf_.oppnadatabas(config, hooks);
  }

  std::vector<std::string> Names(HitList& hits) {
    std::vector<std::string> names;
    HitRow row;
    for (int32_t k = 1; hits.Row(k, row); ++k)
      names.push_back(row.name);
    return names;
  }

  testing::TempDir dir_;
  TEVF evf_;
};

TEST_F(HitListTest, ListsTheHitsByNameOrByDate) {
  TVXstruktlista& persons = evf_.PersonList(3);
  HitList hits(persons, evf_.DateOrder(3));
  hits.Refresh(false);
  EXPECT_EQ(hits.Count(), 0);

  // Records are numbered in name order: Aspe 1, Berg 2, Ceder 3, Östberg 4.
  for (int32_t r : {1, 2, 4})
    persons.vald().SetBit(r, true);
  hits.Refresh(false);
  EXPECT_EQ(Names(hits), (std::vector<std::string>{"Aspe", "Berg", "\xD6stberg"}));
  hits.Refresh(true);
  EXPECT_EQ(Names(hits), (std::vector<std::string>{"Berg", "\xD6stberg", "Aspe"}));
  HitRow row;
  ASSERT_TRUE(hits.Row(1, row));
  EXPECT_EQ(row.record, 2u);
  EXPECT_EQ(row.date, "bg 17400101");
  EXPECT_FALSE(hits.Row(4, row));
  EXPECT_FALSE(hits.Row(0, row));
}

TEST(HitCellsTest, NamesAndDatesAsTheTableShowsThem) {
  EXPECT_EQ(CellsOf("Berg, Anna\rbg 17450312").date, "\tbg 1745-03-12");
  EXPECT_EQ(CellsOf("Berg, Anna\r17450312").date, "\t1745-03-12");
  EXPECT_EQ(CellsOf("Berg\r174503").date, "\t1745-03");
  EXPECT_EQ(CellsOf("Berg\r1745").date, "\t1745");
  EXPECT_EQ(CellsOf("Berg\r1745").name, "Berg");
  EXPECT_EQ(CellsOf("\r1745").name, "(Ingen namnuppgift)");
  EXPECT_EQ(CellsOf("utan radbrytning").name, "(Ingen namnuppgift)");
  EXPECT_EQ(CellsOf("utan radbrytning").date, "\tutan- r-adbrytning");
  EXPECT_EQ(CellsOf(std::string(150, 'x') + "\r1745").name.size(), 100u);
}

TEST_F(HitListTest, HandsThePersonListBackAsItFoundIt) {
  TVXstruktlista& persons = evf_.PersonList(3);
  for (int32_t r : {1, 2, 4})
    persons.vald().SetBit(r, true);
  // The table's own date view, as the main window keeps it.
  SortOrderViewOf<TVXsortordning> table_order(evf_.DateOrder(3));
  persons.RebuildVisible();
  ASSERT_TRUE(persons.SetSortedVisible(true, &table_order));
  {
    HitList export_by_date(persons, evf_.DateOrder(3));
    export_by_date.Refresh(true);
    EXPECT_EQ(Names(export_by_date).size(), 3u);
  }
  // Once the date-ordered list is gone, nothing points at its order: a
  // list by name reads the rows, and the table's view is back.
  EXPECT_EQ(persons.SortedVisibleOrder(), &table_order);
  {
    HitList by_name(persons, evf_.DateOrder(3));
    by_name.Refresh(false);
    EXPECT_EQ(Names(by_name), (std::vector<std::string>{"Aspe", "Berg", "\xD6stberg"}));
  }
  EXPECT_EQ(persons.SortedVisibleOrder(), &table_order);
  persons.SetSortedVisible(false, nullptr);
}

}  // namespace
}  // namespace vx
