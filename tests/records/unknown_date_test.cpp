// A date of which nothing is known is stored as 9999: the result table and
// the printed table show an empty cell for it, not "9999--", while its sort
// key keeps it after every known date.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "records/date_text.h"
#include "records/list_columns.h"
#include "resulttable/hit_list.h"

namespace vx {
namespace {

TEST(UnknownDate, OnlyTheYear9999IsUnknown) {
  for (const char* unknown : {"9999", "99999999", "9999XX12", "99990403"})
    EXPECT_TRUE(IsUnknownDate(unknown)) << unknown;
  for (const char* known : {"", "17539999", "1999", "19990000", "999"})
    EXPECT_FALSE(IsUnknownDate(known)) << known;
}

TEST(UnknownDate, PrintedColumnsLeaveTheCellEmpty) {
  EXPECT_EQ(DashedDate("9999"), "");
  EXPECT_EQ(DashedDate("99999999"), "");
  EXPECT_EQ(DashedDate("17539999"), "1753-99-99") << "a known year is shown as stored";

  Tenfodd birth;
  birth.FODAT = "9999";
  birth.DOPDAT = "17530405";
  EXPECT_EQ(listtext(birth, 1), "");
  EXPECT_EQ(listtext(birth, 7), "1753-04-05") << "the dates the record has are shown";

  Tenvigd marriage;
  marriage.VIGDDAT = "9999";
  EXPECT_EQ(listtext(marriage, 1), "");

  Tendod death;
  death.DODAT = "9999";
  death.FODAT = "99999999";
  death.BEGRDAT = "17800102";
  EXPECT_EQ(listtext(death, 1), "");
  EXPECT_EQ(listtext(death, 3), "");
  EXPECT_EQ(listtext(death, 7), "1780-01-02");
}

TEST(UnknownDate, SortKeyKeepsItAfterEveryKnownDate) {
  std::vector<std::string> keys;
  for (const char* date : {"9999", "18991231", "17530000", "17539999"}) {
    Tenfodd birth;
    birth.FODAT = date;
    keys.push_back(listnyckel(birth, 1));
  }
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys, (std::vector<std::string>{"17530000", "17539999", "18991231", "9999"}));
}

TEST(UnknownDate, ResultTableCellIsEmpty) {
  EXPECT_EQ(CellsOf("Berg, Anna\r9999").date, "\t");
  EXPECT_EQ(CellsOf("Berg, Anna\r99999999").date, "\t");
  EXPECT_EQ(CellsOf("Berg, Anna\rdp 9999").date, "\t");
  EXPECT_EQ(CellsOf("Berg, Anna\r1753").date, "\t1753");
  EXPECT_EQ(CellsOf("Berg, Anna\r9999").name, "Berg, Anna");
}

}  // namespace
}  // namespace vx
