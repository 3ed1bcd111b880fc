// Texts taken from the result table for the clipboard and for screen
// readers come from the person list's whole rows: the 120-character cache
// that painting uses would cut a long marriage row.
#include <gtest/gtest.h>

#include <string>

#include "builder/person_rows.h"
#include "records/current_records.h"
#include "resulttable/hit_list.h"
#include "resulttable/result_table.h"
#include "tests/support/search_fixture.h"

namespace vx {
namespace {

using testing::SourceRecord;

// Names long enough that "man och woman" CR date fills the person list's
// row to its last byte.
std::string LongName(char letter, size_t length) {
  return std::string(1, letter) + std::string(length - 1, 'x');
}

class FullRowsTest : public ::testing::Test {
 protected:
  static constexpr char kDate[] = "17900610";

  FullRowsTest()
      : set_({{2,
               {{{"MENAMN", LongName('M', 60)},
                 {"MFNAMN", LongName('P', 30)},
                 {"KENAMN", LongName('K', 50)},
                 {"KFNAMN", LongName('B', 40)},
                 {"VIGDDAT", kDate}},
                {{"MENAMN", "Holm"}, {"KENAMN", "Ros"}, {"VIGDDAT", "17950101"}}}}}),
        stores_(records_, {nullptr, &set_.evf().RecordStore(2), nullptr}),
        table_({ResultRegister{}, ResultRegister{&set_.evf().PersonList(2), nullptr, nullptr},
                ResultRegister{}},
               stores_) {
    table_.SetVisibleRows(10);
    TVXstruktlista& persons = set_.evf().PersonList(2);
    for (int32_t row = 1; row <= persons.RowCount(); ++row)
      persons.vald().SetBit(row, true);
    EXPECT_TRUE(table_.valjregister(2).ok());
  }

  // The long marriage's names as the list holds them, cut to its row.
  static std::string StoredNames() {
    std::string names = LongName('M', 60) + ", " + LongName('P', 30) + " och " + LongName('K', 50) +
                        ", " + LongName('B', 40);
    names.resize(kMaxPersonRowText - 1 - std::string(kDate).size());
    return names;
  }

  testing::OpenSet set_;
  CurrentRecords records_;
  StoreRecordSource stores_;
  ResultTable table_;
};

TEST_F(FullRowsTest, TheLongRowFillsThePersonList) {
  ASSERT_TRUE(set_.built());
  ASSERT_EQ(table_.row_count(), 2);
  std::string text;
  ASSERT_TRUE(table_.FullRowText(1, text));  // "Mxx..." after "Holm"
  EXPECT_EQ(text.size(), kMaxPersonRowText);
  EXPECT_EQ(text, StoredNames() + "\r" + kDate);
  EXPECT_GT(text.size(), RowCache::kMaxText) << "longer than the painting cache keeps";
}

TEST_F(FullRowsTest, TheListCopyOfALongMarriageRowIsWhole) {
  table_.CellText(1, 0);  // painted first: the cache holds the cut row
  EXPECT_EQ(table_.VisibleListText(),
            "Holm och Ros\t17950101\r\n" + StoredNames() + "\t" + std::string(kDate) + "\r\n");
}

TEST_F(FullRowsTest, AScreenReaderHearsTheWholeNameAndTheDashedDate) {
  EXPECT_LT(table_.CellText(1, 0).size(), StoredNames().size()) << "the painted cell is cut";
  EXPECT_EQ(table_.ReadableCellText(1, 0), StoredNames());
  EXPECT_EQ(table_.ReadableCellText(1, 1), "1790-06-10");
  EXPECT_EQ(table_.ReadableCellText(0, 0), "Holm och Ros");
  EXPECT_EQ(table_.ReadableCellText(2, 0), "") << "no such row";
  EXPECT_EQ(table_.ReadableCellText(0, 2), "") << "no such column";
}

TEST(ReadableCellsTest, KeepTheMarkerAndLoseTheTab) {
  EXPECT_EQ(ReadableCellsOf("Berg, Anna\rbg 17450312").date, "bg 1745-03-12");
  EXPECT_EQ(ReadableCellsOf("\r1745").name, "(Ingen namnuppgift)");
  EXPECT_EQ(ReadableCellsOf(std::string(150, 'x') + "\r1745").name.size(), 150u);
}

}  // namespace
}  // namespace vx
