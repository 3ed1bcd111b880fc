// The result table: the hits of a register in name and date order, the row
// cache, and the table itself on a small built register set; the texts taken
// from it read the person list's whole rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "builder/person_rows.h"
#include "builder/register_set_builder.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_declaration.h"
#include "records/current_records.h"
#include "resulttable/hit_list.h"
#include "resulttable/result_table.h"
#include "resulttable/row_cache.h"
#include "tests/support/search_fixture.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

using testing::W;

// The hits of a register in name and in date order, over a built set.
class HitListTest : public ::testing::Test {
 protected:
  testing::OpenSet set_{{{3,
                          {testing::Fields("ENAMN=Östberg|DODAT=17500101"),
                           testing::Fields("ENAMN=Berg|BEGRDAT=17400101"),
                           testing::Fields("ENAMN=Aspe|DODAT=17600101"),
                           testing::Fields("ENAMN=Ceder|DODAT=17300101")}}}};
  TEVF& evf_ = set_.evf();

  std::vector<std::string> Names(HitList& hits) {
    std::vector<std::string> names;
    HitRow row;
    for (int32_t k = 1; hits.Row(k, row); ++k)
      names.push_back(row.name);
    return names;
  }
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
  EXPECT_EQ(Names(hits), (std::vector<std::string>{"Aspe", "Berg", W("Östberg")}));
  hits.Refresh(true);
  EXPECT_EQ(Names(hits), (std::vector<std::string>{"Berg", W("Östberg"), "Aspe"}));
  HitRow row;
  ASSERT_TRUE(hits.Row(1, row));
  EXPECT_EQ(row.record, 2u);
  EXPECT_EQ(row.date, "bg 17400101");
  EXPECT_FALSE(hits.Row(4, row));
  EXPECT_FALSE(hits.Row(0, row));
}

TEST(HitCellsTest, NamesAndDatesAsTheTableShowsAndReadsThem) {
  const char* const cases[][3] = {
      {"Berg, Anna\rbg 17450312", "Berg, Anna", "\tbg 1745-03-12"},
      {"Berg, Anna\r17450312", "Berg, Anna", "\t1745-03-12"},
      {"Berg\r174503", "Berg", "\t1745-03"},
      {"Berg\r1745", "Berg", "\t1745"},
      {"\r1745", "(Ingen namnuppgift)", "\t1745"},
      {"utan radbrytning", "(Ingen namnuppgift)", "\tutan- r-adbrytning"},
      // A date of which nothing is known (9999) leaves the cell empty.
      {"Berg, Anna\r9999", "Berg, Anna", "\t"},
      {"Berg, Anna\r99999999", "Berg, Anna", "\t"},
      {"Berg, Anna\rdp 9999", "Berg, Anna", "\t"},
  };
  for (const auto& [row, name, date] : cases) {
    EXPECT_EQ(CellsOf(row).name, name) << row;
    EXPECT_EQ(CellsOf(row).date, date) << row;
  }
  EXPECT_EQ(CellsOf(std::string(150, 'x') + "\r1745").name.size(), 100u);
  // Read aloud, the marker stays, the tab goes and the name is whole.
  EXPECT_EQ(ReadableCellsOf("Berg, Anna\rbg 17450312").date, "bg 1745-03-12");
  EXPECT_EQ(ReadableCellsOf("\r1745").name, "(Ingen namnuppgift)");
  EXPECT_EQ(ReadableCellsOf(std::string(150, 'x') + "\r1745").name.size(), 150u);
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
    EXPECT_EQ(Names(by_name), (std::vector<std::string>{"Aspe", "Berg", W("Östberg")}));
  }
  EXPECT_EQ(persons.SortedVisibleOrder(), &table_order);
  persons.SetSortedVisible(false, nullptr);
}

// radcache over a row source that counts its reads: full repaints of a
// million rows, and the cache's limits (scrolling one row at a time: the
// table's test below).
// Rows 1..count whose text names the row; counts the reads.
class NumberedRows final : public RowSource {
 public:
  explicit NumberedRows(int32_t count) : count_(count) {}
  bool Read(int32_t k, std::string& text) override {
    if (k < 1 || k > count_) return false;
    ++reads_;
    text = "Person " + std::to_string(k) + "\r18000105";
    return true;
  }
  int64_t reads() const { return reads_; }

 private:
  int32_t count_;
  int64_t reads_ = 0;
};

// The table paints its visible rows from the top, both cells of each.
void Paint(RowCache& cache, RowSource& rows, int32_t top, int32_t synliga) {
  std::string text;
  for (int32_t i = top + 1; i <= top + synliga; ++i) {
    for (int cell = 0; cell < 2; ++cell)
      ASSERT_TRUE(cache.Text(i, rows, text));
  }
}

constexpr int32_t kMillion = 1000000;
constexpr int32_t kSynliga = 24;

TEST(RowCacheTest, AFullRepaintReadsAtMostOneRowPerVisibleRow) {
  NumberedRows rows(kMillion);
  RowCache cache;
  for (int32_t top : {0, 500000, 499990, 500030, 999976, 3}) {
    const int64_t before = rows.reads();
    Paint(cache, rows, top, kSynliga);
    EXPECT_LE(rows.reads() - before, kSynliga) << "top row " << top;
  }
  // Painted again unchanged, nothing is read.
  const int64_t before = rows.reads();
  Paint(cache, rows, 3, kSynliga);
  EXPECT_EQ(rows.reads(), before);
}

TEST(RowCacheTest, KeepsOneRunOfAtMostFiftyRows) {
  NumberedRows rows(100);
  RowCache cache;
  std::string text;
  for (int32_t i = 20; i <= 22; ++i)
    ASSERT_TRUE(cache.Text(i, rows, text));
  // A row before the first takes the last one's place.
  ASSERT_TRUE(cache.Text(19, rows, text));
  EXPECT_EQ(cache.first(), 19);
  EXPECT_EQ(cache.count(), 3);
  EXPECT_FALSE(cache.Holds(22));
  // A row apart from the cached ones starts the cache anew.
  ASSERT_TRUE(cache.Text(70, rows, text));
  EXPECT_EQ(cache.first(), 70);
  EXPECT_EQ(cache.count(), 1);
  EXPECT_EQ(text, "Person 70\r18000105");
  // A missing row is not kept.
  EXPECT_FALSE(cache.Text(101, rows, text));
  EXPECT_FALSE(cache.Holds(101));
  // Full, the cache drops its first row.
  for (int32_t i = 1; i <= 60; ++i)
    ASSERT_TRUE(cache.Text(i, rows, text));
  EXPECT_EQ(cache.first(), 11);
  EXPECT_EQ(cache.count(), RowCache::kCapacity);
  EXPECT_TRUE(cache.Holds(60));
  EXPECT_FALSE(cache.Holds(10));
}

TEST(RowCacheTest, CutsLongRowsAndForgetsOnInvalidate) {
  class LongRows final : public RowSource {
   public:
    bool Read(int32_t, std::string& text) override {
      text = std::string(150, 'x');
      return true;
    }
  } rows;
  RowCache cache;
  std::string text;
  ASSERT_TRUE(cache.Text(5, rows, text));
  EXPECT_EQ(text.size(), RowCache::kMaxText);
  cache.Invalidate();
  EXPECT_EQ(cache.first(), 0);
  EXPECT_EQ(cache.count(), 0);
  EXPECT_FALSE(cache.Holds(5));
}

// The result table on a small built register set: filling, switching
// registers, sorting, removing persons, scrolling and the record panel,
// with the list reads counted where the cost matters.
using testing::SourceRecord;

// Sixty births "Namn01, Per" .. "Namn60, Per" (records in name order,
// born 1899 down to 1840, so date order is name order reversed; the first
// marked E, the second k, the third without Lokal-ID), two marriages and
// three deaths, the first known by its burial only.
testing::Tables TableSet() {
  std::vector<SourceRecord> births;
  for (int k = 1; k <= 60; ++k) {
    const std::string number = (k < 10 ? "0" : "") + std::to_string(k);
    SourceRecord record = {{"ENAMN", "Namn" + number},
                           {"FNAMN", "Per"},
                           {"FODAT", std::to_string(1900 - k) + "0101"},
                           {"POSTNUMMER", std::to_string(100 + k)}};
    if (k != 3) record["LOKALID"] = "F" + number;
    if (k == 1) record["STATUS"] = "E";
    if (k == 2) record["STATUS"] = "k";
    births.push_back(record);
  }
  return {{1, births},
          {2,
           {testing::Fields("MENAMN=Lind|KENAMN=Ek|VIGDDAT=17900610"),
            testing::Fields("MENAMN=Holm|KENAMN=Ros|VIGDDAT=17950101")}},
          {3,
           {testing::Fields("ENAMN=Holm|FNAMN=Lars|BEGRDAT=18000105|LOKALID=D1"),
            testing::Fields("ENAMN=Lund|FNAMN=Karin|DODAT=18800101|LOKALID=D2"),
            testing::Fields("ENAMN=Ros|FNAMN=Stina|DODAT=18900101|LOKALID=D3")}}};
}

// Counts the reads of the visible rows of a list.
class CountingRows final : public RowSource {
 public:
  explicit CountingRows(TVXstruktlista& list) : rows_(list) {}
  bool Read(int32_t k, std::string& text) override {
    ++reads_;
    return rows_.Read(k, text);
  }
  int64_t reads() const { return reads_; }

 private:
  VisibleRowSource rows_;
  int64_t reads_ = 0;
};

class ResultTableTest : public ::testing::Test {
 protected:
  ResultTableTest()
      : set_(TableSet()),
        stores_(records_, {&Evf().RecordStore(1), &Evf().RecordStore(2), &Evf().RecordStore(3)}),
        births_rows_(Evf().PersonList(1)),
        table_(Registers(), stores_) {
    table_.SetVisibleRows(20);
  }

  TEVF& Evf() { return set_.evf(); }
  std::array<ResultRegister, 3> Registers() {
    std::array<ResultRegister, 3> registers;
    for (int r = 1; r <= 3; ++r)
      registers[static_cast<size_t>(r - 1)] = {&Evf().PersonList(r), &Evf().DateOrder(r), nullptr};
    registers[0].rows = &births_rows_;
    return registers;
  }

  // A search of register r that leaves `records` selected.
  void Found(int r, const std::vector<int32_t>& records) {
    TVXstruktlista& persons = Evf().PersonList(r);
    persons.vald().Clear();
    for (int32_t record : records)
      persons.vald().SetBit(record, true);
    table_.ForgetPosition(r);
    ASSERT_TRUE(table_.valjregister(r).ok());
  }
  void FoundAll(int r) {
    std::vector<int32_t> all;
    for (int32_t k = 1; k <= Evf().PersonList(r).RowCount(); ++k)
      all.push_back(k);
    Found(r, all);
  }

  // The grid paints its visible rows, both cells each.
  void Paint() {
    for (int32_t row = table_.top_row(); row < table_.top_row() + table_.synliga(); ++row) {
      table_.CellText(row, 0);
      table_.CellText(row, 1);
    }
  }

  std::string Name(int32_t row) { return table_.CellText(row, 0); }

  // The current row, the top row and the record shown, as "current/top/record".
  std::string Where() {
    return std::to_string(table_.current_row()) + "/" + std::to_string(table_.top_row()) + "/" +
           std::to_string(table_.record_view().record);
  }

  testing::OpenSet set_;
  CurrentRecords records_;
  StoreRecordSource stores_;
  CountingRows births_rows_;
  ResultTable table_;
};

TEST_F(ResultTableTest, NoHitsLeaveTheTableDisabledAndTheCommandsOff) {
  ASSERT_TRUE(set_.built());
  Found(1, {});
  EXPECT_EQ(table_.aktregister(), 1);
  EXPECT_FALSE(table_.enabled());
  EXPECT_EQ(table_.row_count(), 0);
  EXPECT_FALSE(table_.scroll_bar().shown);
  EXPECT_TRUE(table_.record_view().empty());
  EXPECT_EQ(table_.CellText(0, 0), "");
  const HitCounter& counter = table_.hit_counter();
  EXPECT_EQ(counter.text, "0 valda");
  EXPECT_EQ(counter.captions, (std::array<std::string, 3>{"60", "2", "3"}));
  EXPECT_FALSE(counter.buttons.skrivknapp || counter.buttons.kopilistaknapp ||
               counter.buttons.kopipostknapp || counter.buttons.postejknapp ||
               counter.buttons.postskrivknapp);
  // Nothing to select, move, sort or remove.
  EXPECT_TRUE(table_.SelectRow(0).ok());
  EXPECT_TRUE(table_.MoveCurrent(TableKey::kDown).ok());
  EXPECT_TRUE(table_.RemoveCurrent().ok());
  EXPECT_FALSE(table_.enabled());
}

TEST_F(ResultTableTest, ListsTheHitsWithDashedDatesAndShowsTheFirstRecord) {
  FoundAll(1);
  EXPECT_TRUE(table_.enabled());
  EXPECT_EQ(table_.row_count(), 60);
  EXPECT_EQ(table_.current_row(), 0);
  const ScrollBarState bar = table_.scroll_bar();
  EXPECT_TRUE(bar.shown);
  EXPECT_EQ(bar.maximum, 41);
  EXPECT_EQ(bar.position, 1);
  EXPECT_EQ(Name(0), "Namn01, Per");
  EXPECT_EQ(table_.CellText(0, 1), "\t1899-01-01");
  EXPECT_EQ(table_.CellText(0, 2), "");
  EXPECT_EQ(table_.CellText(60, 0), "");
  const RecordView& view = table_.record_view();
  EXPECT_EQ(view.record, 1u);
  EXPECT_EQ(view.label, "F01");
  EXPECT_EQ(view.dot, StatusDot::kRed);
  EXPECT_EQ(view.mark_figure, "f01");
  EXPECT_NE(view.coded_text.find("Namn01"), std::string::npos);
  EXPECT_EQ(table_.hit_counter().text, "60 valda");
  EXPECT_TRUE(table_.hit_counter().buttons.postejknapp);
  EXPECT_EQ(records_.enfodd().ENAMN, "Namn01");
  // Date cells carry dashes and are right-aligned.
  FoundAll(3);
  EXPECT_EQ(Name(0), "Holm, Lars");
  EXPECT_EQ(table_.CellText(0, 1), "\tbg 1800-01-05");
  EXPECT_EQ(table_.CellText(1, 1), "\t1880-01-01");
}

TEST_F(ResultTableTest, RecordPanelFollowsTheSelectedRow) {
  FoundAll(1);
  ASSERT_TRUE(table_.SelectRow(1).ok());
  EXPECT_EQ(table_.record_view().dot, StatusDot::kGreen);
  ASSERT_TRUE(table_.SelectRow(2).ok());
  EXPECT_EQ(table_.record_view().label, "(103)");
  EXPECT_EQ(table_.record_view().dot, StatusDot::kHidden);
  ASSERT_TRUE(table_.visapost(0).ok());
  EXPECT_TRUE(table_.record_view().empty());
  // A number beyond the register shows its last record.
  ASSERT_TRUE(table_.visapost(1000).ok());
  EXPECT_EQ(table_.record_view().record, 60u);
}

TEST_F(ResultTableTest, SwitchingRegistersKeepsEachPositionUntilASearch) {
  FoundAll(1);
  table_.SetTopRow(30);
  ASSERT_TRUE(table_.SelectRow(40).ok());
  EXPECT_EQ(table_.top_row(), 30);
  FoundAll(3);
  EXPECT_EQ(table_.current_row(), 0);
  EXPECT_EQ(table_.record_view().mark_figure, "d01");
  ASSERT_TRUE(table_.valjregister(1).ok());
  EXPECT_EQ(Where(), "40/30/41");
  EXPECT_EQ(table_.scroll_bar().position, 31);
  EXPECT_EQ(table_.hit_counter().text, "60 valda");
  // A new search starts the register at its first row.
  FoundAll(3);
  FoundAll(1);
  EXPECT_EQ(Where(), "0/0/1");
}

TEST_F(ResultTableTest, TogglingTheOrderCentresThePersonOnlyWhenOutOfView) {
  table_.SetVisibleRows(10);
  FoundAll(1);
  ASSERT_TRUE(table_.SelectRow(5).ok());
  ASSERT_TRUE(table_.ToggleOrder().ok());
  EXPECT_TRUE(table_.datumsort());
  EXPECT_EQ(Where(), "54/49/6");
  EXPECT_EQ(Name(54), "Namn06, Per");
  EXPECT_EQ(Name(0), "Namn60, Per");
  EXPECT_EQ(table_.behallpost(), -1);

  ASSERT_TRUE(table_.ToggleOrder().ok());
  EXPECT_FALSE(table_.datumsort());
  EXPECT_EQ(Where(), "5/0/6");
  // A person who stays in view keeps the view.
  table_.SetTopRow(25);
  ASSERT_TRUE(table_.SelectRow(29).ok());
  ASSERT_TRUE(table_.ToggleOrder().ok());
  EXPECT_EQ(Where(), "30/25/30");
}

TEST_F(ResultTableTest, TogglingNearTheEndKeepsTheTopWithinTheRows) {
  FoundAll(1);
  ASSERT_TRUE(table_.SelectRow(2).ok());
  ASSERT_TRUE(table_.ToggleOrder().ok());
  EXPECT_EQ(Where(), "57/40/3");
}

TEST_F(ResultTableTest, RemovingTheLastRowsEmptiesTheTable) {
  Found(3, {1, 2});
  ASSERT_TRUE(table_.SelectRow(1).ok());
  ASSERT_TRUE(table_.RemoveCurrent().ok());  // the last of two: the saved position
  EXPECT_EQ(table_.row_count(), 1);
  EXPECT_EQ(Where(), "0/0/1");
  EXPECT_EQ(table_.hit_counter().text, "1 valda");
  ASSERT_TRUE(table_.RemoveCurrent().ok());  // the only person
  EXPECT_FALSE(table_.enabled());
  EXPECT_EQ(table_.row_count(), 0);
  EXPECT_TRUE(table_.record_view().empty());
  EXPECT_EQ(table_.hit_counter().text, "0 valda");
  EXPECT_FALSE(table_.hit_counter().buttons.kopipostknapp);
  EXPECT_EQ(Evf().PersonList(3).vald().Count(), 0);
}

TEST_F(ResultTableTest, ASavedRowBeyondTheRowsSelectsTheLastRow) {
  FoundAll(3);
  ASSERT_TRUE(table_.SelectRow(2).ok());
  ASSERT_TRUE(table_.valjregister(1).ok());
  EXPECT_EQ(table_.minnesrad(3), 2);
  // Record 1 leaves the deaths' hits while another register is shown.
  Evf().PersonList(3).vald().SetBit(1, false);
  Evf().PersonList(3).SetSortedVisibleStale(true);
  ASSERT_TRUE(table_.valjregister(3).ok());
  EXPECT_EQ(table_.current_row(), 1);
  ASSERT_TRUE(table_.RemoveCurrent().ok());
  EXPECT_EQ(table_.row_count(), 1);
  EXPECT_EQ(Where(), "0/0/2");
}

TEST_F(ResultTableTest, RemovingSelectsTheNextRowElseThePrevious) {
  FoundAll(3);
  ASSERT_TRUE(table_.SelectRow(1).ok());
  ASSERT_TRUE(table_.RemoveCurrent().ok());
  EXPECT_EQ(Name(table_.current_row()), "Ros, Stina");
  EXPECT_EQ(table_.record_view().record, 3u);

  FoundAll(3);
  ASSERT_TRUE(table_.SelectRow(2).ok());
  ASSERT_TRUE(table_.RemoveCurrent().ok());
  EXPECT_EQ(Where(), "1/0/2");
}

TEST_F(ResultTableTest, RemovingInDateOrderKeepsTheNextPersonByDate) {
  table_.SetVisibleRows(10);
  FoundAll(1);
  ASSERT_TRUE(table_.ToggleOrder().ok());
  ASSERT_TRUE(table_.SelectRow(10).ok());  // Namn50
  ASSERT_TRUE(table_.RemoveCurrent().ok());
  EXPECT_EQ(table_.row_count(), 59);
  EXPECT_EQ(Where(), "10/10/49");
  EXPECT_EQ(Name(10), "Namn49, Per");
  EXPECT_FALSE(Evf().PersonList(1).vald().IsSet(50));
}

TEST_F(ResultTableTest, ScrollingOneRowReadsOneRowAndRepaintsReadOnePerRow) {
  FoundAll(1);
  const int64_t filled = births_rows_.reads();
  Paint();
  EXPECT_EQ(births_rows_.reads() - filled, 20);
  for (int32_t position = 2; position <= table_.scroll_bar().maximum; ++position) {
    const int64_t before = births_rows_.reads();
    table_.SetScrollPosition(position);
    Paint();
    ASSERT_EQ(births_rows_.reads() - before, 1) << "position " << position;
  }
  // Back up: the 50 rows kept cost nothing, the ten before them one each.
  const int64_t at_bottom = births_rows_.reads();
  for (int32_t top = table_.top_row() - 1; top >= 0; --top) {
    const int64_t before = births_rows_.reads();
    table_.SetTopRow(top);
    Paint();
    ASSERT_LE(births_rows_.reads() - before, 1) << "top row " << top;
  }
  EXPECT_EQ(births_rows_.reads() - at_bottom, 10);
  table_.SetTopRow(35);
  const int64_t before = births_rows_.reads();
  Paint();
  EXPECT_LE(births_rows_.reads() - before, 20);
  EXPECT_EQ(table_.scroll_bar().position, 36);
}

TEST_F(ResultTableTest, TheListCopyHoldsExactlyTheRowsShown) {
  FoundAll(1);
  table_.SetTopRow(10);  // rows 11 to 30
  const std::string text = table_.VisibleListText();
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2)
    lines.push_back(text.substr(start, end - start));
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines.front(), "Namn11, Per\t18890101");  // the stored date, without dashes
  EXPECT_EQ(lines.back(), "Namn30, Per\t18700101");
  Found(1, {1, 2, 3});  // fewer hits than rows that fit
  const std::string few = table_.VisibleListText();
  EXPECT_EQ(std::count(few.begin(), few.end(), '\n'), 3);
  EXPECT_TRUE(few.ends_with("Namn03, Per\t18970101\r\n"));
  Found(1, {});
  EXPECT_EQ(table_.VisibleListText(), "");
}

TEST_F(ResultTableTest, TheWheelScrollsTenRowsPerNotchWithinTheScrollBar) {
  FoundAll(1);
  for (const auto& [delta, top] : {std::pair{-120, 10}, {-360, 40}, {240, 20}, {2400, 0}}) {
    table_.Wheel(delta);
    EXPECT_EQ(table_.top_row(), top) << delta;
  }
  EXPECT_EQ(table_.current_row(), 0);
  // Without a scroll bar the wheel does nothing.
  FoundAll(3);
  table_.Wheel(-120);
  EXPECT_EQ(table_.top_row(), 0);
}

TEST_F(ResultTableTest, KeysMoveTheCurrentRowAndTheViewFollows) {
  FoundAll(1);
  table_.SetTopRow(0);
  ASSERT_TRUE(table_.SelectRow(19).ok());
  for (const auto& [key, where] :
       std::vector<std::pair<TableKey, std::string>>{{TableKey::kDown, "20/1/21"},
                                                     {TableKey::kPageDown, "40/21/41"},
                                                     {TableKey::kEnd, "59/40/60"},
                                                     {TableKey::kDown, "59/40/60"},
                                                     {TableKey::kPageUp, "39/39/40"},
                                                     {TableKey::kUp, "38/38/39"},
                                                     {TableKey::kHome, "0/0/1"}}) {
    ASSERT_TRUE(table_.MoveCurrent(key).ok());
    EXPECT_EQ(Where(), where);
  }
}

TEST_F(ResultTableTest, ALargerWindowHidesTheScrollBar) {
  FoundAll(1);
  table_.SetTopRow(40);
  table_.SetVisibleRows(70);
  EXPECT_FALSE(table_.scroll_bar().shown);
  EXPECT_EQ(table_.top_row(), 0);
  table_.SetVisibleRows(50);
  EXPECT_EQ(table_.scroll_bar().maximum, 11);
}

TEST_F(ResultTableTest, ClearEmptiesEveryRegisterAndReturnsToNameOrder) {
  FoundAll(3);
  FoundAll(1);
  ASSERT_TRUE(table_.ToggleOrder().ok());
  ASSERT_TRUE(table_.Clear().ok());
  EXPECT_FALSE(table_.datumsort(1));
  EXPECT_FALSE(table_.enabled());
  EXPECT_TRUE(table_.record_view().empty());
  EXPECT_EQ(table_.hit_counter().text, "0 valda");
  EXPECT_EQ(Evf().PersonList(3).vald().Count(), 0);
  EXPECT_FALSE(Evf().PersonList(1).SortedVisibleOn());
}

// A record of the same life shown from elsewhere joins its register's
// hits, and its row is chosen in the register's order.
TEST_F(ResultTableTest, AChosenRecordJoinsTheHitsOfItsRegisterAndIsShown) {
  Found(1, {1, 5});
  ASSERT_TRUE(table_.ChooseRecord(3, 2).ok());
  EXPECT_EQ(table_.aktregister(), 3);
  EXPECT_EQ(table_.hit_counter().text, "1 valda");
  EXPECT_EQ(table_.record_view().label, "D2");
  EXPECT_EQ(table_.record_view().mark_figure, "d01");
  // Back to births in name order: the record between the two hits.
  ASSERT_TRUE(table_.ChooseRecord(1, 3).ok());
  EXPECT_EQ(Where(), "1/0/3");
  EXPECT_EQ(table_.hit_counter().text, "3 valda");
  // In date order: Namn50, born 1850, comes before the three of the 1890s.
  ASSERT_TRUE(table_.ToggleOrder().ok());
  ASSERT_TRUE(table_.ChooseRecord(1, 50).ok());
  EXPECT_EQ(Where(), "0/0/50");
  ASSERT_TRUE(table_.ChooseRecord(1, 4).ok());
  EXPECT_EQ(Where(), "2/0/4");
  // A record or register that is not there changes nothing.
  EXPECT_FALSE(table_.ChooseRecord(1, 61).ok());
  EXPECT_FALSE(table_.ChooseRecord(1, 0).ok());
  EXPECT_FALSE(table_.ChooseRecord(4, 1).ok());
  EXPECT_EQ(Where(), "2/0/4");
  EXPECT_EQ(table_.hit_counter().text, "5 valda");
}

TEST(RecordViewChoice, LabelDotMarkAndTheTextsScrollBar) {
  ShownRecord shown{"", "12", " E", "[1]Text"};
  RecordView view = ChooseRecordView(2, 7, shown);
  EXPECT_EQ(view.label, "(12)");
  EXPECT_EQ(view.dot, StatusDot::kHidden);
  EXPECT_EQ(view.mark_figure, "v01");
  EXPECT_EQ(view.coded_text, "[1]Text");
  shown = {"V7", "12", "e", ""};
  view = ChooseRecordView(3, 7, shown);
  EXPECT_EQ(view.label, "V7");
  EXPECT_EQ(view.dot, StatusDot::kRed);
  EXPECT_EQ(view.mark_figure, "d01");
  EXPECT_TRUE(ChooseRecordView(0, 7, shown).empty());
  // The text's scroll bar only for a taller text.
  const TextScrollBar tall = TextScrollBarFor(300, 200);
  EXPECT_TRUE(tall.shown);
  EXPECT_EQ(tall.maximum, 101);
  EXPECT_EQ(tall.position, 1);
  EXPECT_FALSE(TextScrollBarFor(200, 200).shown);
}

TEST(HitCounterTest, CaptionsCountAndButtons) {
  HitCounter counter = uppdateraantal({9, 0, 2}, 3, 2);
  EXPECT_EQ(counter.captions, (std::array<std::string, 3>{"9", "", "2"}));
  // A screen reader hears the register and its persons, never a bare count.
  EXPECT_EQ(counter.toggle_names,
            (std::array<std::string, 3>{W("Födda, 9 personer"), "Vigda, inga personer",
                                        W("Döda, 2 personer")}));
  const HitCounter million = uppdateraantal({1000000, 1, 0}, 1, 0);
  EXPECT_EQ(million.toggle_names[0], W("Födda, 1\u00A0000\u00A0000 personer"));
  EXPECT_EQ(million.captions[0], W("1\u00A0000\u00A0000"));
  EXPECT_EQ(counter.text, "2 valda");
  EXPECT_TRUE(counter.buttons.skrivknapp);
  // A current register without rows has no hits.
  counter = uppdateraantal({9, 0, 2}, 2, 5);
  EXPECT_EQ(counter.text, "0 valda");
  EXPECT_FALSE(counter.buttons.postskrivknapp);
}

// Texts taken from the result table for the clipboard and for screen
// readers come from the person list's whole rows: the 120-character cache
// that painting uses would cut a long marriage row.

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

TEST_F(FullRowsTest, TheLongRowFillsThePersonListItsListCopyAndWhatAScreenReaderHears) {
  ASSERT_TRUE(set_.built());
  ASSERT_EQ(table_.row_count(), 2);
  std::string text;
  ASSERT_TRUE(table_.FullRowText(1, text));  // "Mxx..." after "Holm"
  EXPECT_EQ(text.size(), kMaxPersonRowText);
  EXPECT_EQ(text, StoredNames() + "\r" + kDate);
  EXPECT_GT(text.size(), RowCache::kMaxText) << "longer than the painting cache keeps";
  // The list copy of it is whole.
  table_.CellText(1, 0);  // painted first: the cache holds the cut row
  EXPECT_EQ(table_.VisibleListText(),
            "Holm och Ros\t17950101\r\n" + StoredNames() + "\t" + std::string(kDate) + "\r\n");
  // A screen reader hears the whole name and the dashed date.
  EXPECT_LT(table_.CellText(1, 0).size(), StoredNames().size()) << "the painted cell is cut";
  EXPECT_EQ(table_.ReadableCellText(1, 0), StoredNames());
  EXPECT_EQ(table_.ReadableCellText(1, 1), "1790-06-10");
  EXPECT_EQ(table_.ReadableCellText(0, 0), "Holm och Ros");
  EXPECT_EQ(table_.ReadableCellText(2, 0), "") << "no such row";
  EXPECT_EQ(table_.ReadableCellText(0, 2), "") << "no such column";
}

TEST_F(FullRowsTest, ARegisterMissingFromTheSetShowsAnEmptyDisabledTable) {
  EXPECT_EQ(table_.hit_counter().captions, (std::array<std::string, 3>{"", "2", ""}));
  ASSERT_TRUE(table_.valjregister(1).ok());
  EXPECT_FALSE(table_.enabled());
  EXPECT_TRUE(table_.record_view().empty());
  EXPECT_TRUE(table_.valjregister(4).IsInvalidArgument());
}

}  // namespace
}  // namespace vx
