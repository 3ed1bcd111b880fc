#include "engine/lists/struct_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/lists/sort_order_view.h"
#include "engine/util/byte_order.h"
#include "tests/support/files.h"
#include "tests/support/list_test_util.h"
#include "tests/support/record_store_test_util.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::ListRow;
using testing::MessageLog;
using testing::PatchU32;
using testing::RegisterListProperties;
using testing::WordListProperties;
using testing::WriteFileBytes;
using testing::WriteRegisterList;
using testing::WriteWordList;

// A row of a raw file: the two values, then the text area's bytes.
std::vector<uint8_t> RawRow(const std::string& text, const std::vector<uint32_t>& words) {
  std::vector<uint8_t> row(8 + text.size() + 1 + 4 * words.size(), 0);
  std::copy(text.begin(), text.end(), row.begin() + 8);
  for (size_t i = 0; i < words.size(); ++i)
    StoreU32(row.data() + 8 + text.size() + 1 + 4 * i, words[i]);
  return row;
}

class StructListWords : public ::testing::Test {
 protected:
  void Open(const std::vector<std::vector<uint8_t>>& rows, bool stat) {
    WriteFileBytes(dir_ / "w.i", testing::PlainRowFile(28, rows));  // text area 20
    ListProperties p = WordListProperties(dir_.path(), false);
    p.finnsstat = stat;
    list_.properties() = p;
    ASSERT_TRUE(list_.Open());
  }

  void ExpectWords(int64_t row, uint32_t first, uint32_t count, uint32_t stat) {
    ASSERT_TRUE(list_.ReadRow(row).ok());
    EXPECT_EQ(list_.FirstRecord(), first) << "row " << row;
    EXPECT_EQ(list_.PostingCount(), count) << "row " << row;
    EXPECT_EQ(list_.StatCount(), stat) << "row " << row;
  }

  testing::TempDir dir_;
  TVXstruktlista list_;
};

TEST_F(StructListWords, WordsFollowTheZeroByteAndOnlyWholeOnesCount) {
  std::vector<uint8_t> full(28, 'x');
  std::fill_n(full.begin(), 8, 0);
  std::vector<uint8_t> date = RawRow("18230501", {11, 3});
  date.resize(28, 0xFF);  // three bytes left: no room for StatCount
  Open({RawRow("abc", {7, 0, 9}), full, RawRow(std::string(15, 'y'), {0x01020304}), date}, true);
  ExpectWords(1, 7, 0, 9);
  ExpectWords(2, 0, 0, 0);
  EXPECT_EQ(list_.RowText(), std::string(20, 'x'));
  ExpectWords(3, 0x01020304, 0, 0);
  ExpectWords(4, 11, 3, 0);
  EXPECT_EQ(list_.RowText(), "18230501");
  EXPECT_TRUE(list_.ReadRow(5).IsNotFound());
  EXPECT_EQ(list_.FirstRecord(), 11u);  // the last row read stays

  Open({RawRow("abc", {7, 2, 9})}, false);  // without statistics
  ExpectWords(1, 7, 2, 0);
}

TEST_F(StructListWords, AppendedWordsReadBack) {
  ListProperties p = WordListProperties(dir_.path(), true);
  p.RO = false;
  p.finnsstat = true;
  p.radmaxlen = 20;
  list_.properties() = p;
  ASSERT_TRUE(list_.CreateNew());
  EXPECT_EQ(list_.MaxTextLength(), 7u);
  ASSERT_TRUE(list_.AppendRow("abc", 4, {5, 6, 7}));
  ASSERT_TRUE(list_.AppendRow("abcdefghij", 8, {9, 10, 11}));  // cut to 7
  list_.Close();
  list_.properties().RO = true;
  ASSERT_TRUE(list_.Open());
  ExpectWords(1, 5, 6, 7);
  EXPECT_EQ(list_.RowValue1(), 4u);
  ExpectWords(2, 9, 10, 11);
  EXPECT_EQ(list_.RowText(), "abcdefg");
}

class MarkRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteWordList(WordListProperties(dir_.path(), false),
                  {{"Berg", {5}}, {"Dahl", {3, 9, 300, 70000}}, {"Ek", {2000000}}});
    Open();
  }

  void Open() {
    list_.properties() = WordListProperties(dir_.path(), false);
    ASSERT_TRUE(list_.Open());
    hits_.Resize(100000);
  }

  std::vector<int32_t> Marked(const std::string& word, bool expect_whole = true) {
    hits_.Clear();
    EXPECT_GT(list_.FindExact(word), 0) << word;
    EXPECT_EQ(list_.MarkRecords(hits_), expect_whole) << word;
    std::vector<int32_t> numbers;
    for (int32_t k = 0; hits_.Next(k);)
      numbers.push_back(k);
    EXPECT_EQ(hits_.Count(), static_cast<int32_t>(numbers.size()));
    return numbers;
  }

  testing::TempDir dir_;
  MessageLog log_;
  TVXstruktlista list_;
  Tvxsmalurval hits_;
};

TEST_F(MarkRecords, SingleRecordAndPostingsMarkExactlyTheirRecords) {
  EXPECT_EQ(Marked("Berg"), std::vector<int32_t>{5});
  EXPECT_EQ(list_.PostingCount(), 0u);
  EXPECT_EQ(Marked("Dahl"), (std::vector<int32_t>{3, 9, 300, 70000}));
  EXPECT_EQ(list_.PostingCount(), 4u);
  EXPECT_TRUE(log_.messages.empty());
}

TEST_F(MarkRecords, ARecordBeyondTheSelectionIsReportedNotSet) {
  hits_.Resize(1999999);
  EXPECT_TRUE(Marked("Ek").empty());
  EXPECT_EQ(log_.messages, std::vector<std::string>{
                               "Postnummer 2000000 i w.i ligger utanf\xF6r urvalet (1-1999999)."});
  hits_.Resize(2000000);
  EXPECT_EQ(Marked("Ek"), std::vector<int32_t>{2000000});
  EXPECT_EQ(log_.messages.size(), 1u);
}

TEST_F(MarkRecords, NothingBeforeARowOrWithoutPostings) {
  EXPECT_FALSE(list_.MarkRecords(hits_));  // no row read yet
  list_.Close();
  EXPECT_FALSE(list_.MarkRecords(hits_));

  fs::remove(dir_ / "w.b1");
  Open();
  EXPECT_FALSE(fs::exists(dir_ / "w.b1"));             // read-only: not created
  EXPECT_EQ(Marked("Berg"), std::vector<int32_t>{5});  // needs no postings file
  EXPECT_TRUE(Marked("Dahl", false).empty());
}

TEST_F(MarkRecords, DamagedPostingsAreReportedAndStopSafely) {
  list_.Close();
  PatchU32(dir_ / "w.i", 22 + 88 + 8 + 5, 1u << 30);  // Dahl's FirstRecord
  Open();
  EXPECT_TRUE(Marked("Dahl", false).empty());
  EXPECT_EQ(log_.messages.size(), 1u);
}

TEST(StructListWithoutPostings, MarksNothing) {
  testing::TempDir dir;
  WriteRegisterList(RegisterListProperties(dir.path()), 5);
  TVXstruktlista list;
  list.properties() = RegisterListProperties(dir.path());
  ASSERT_TRUE(list.Open());
  ASSERT_TRUE(list.ReadRow(3).ok());
  EXPECT_EQ(list.RowText(), "rad 0003");
  Tvxsmalurval hits;
  hits.Resize(10);
  EXPECT_FALSE(list.MarkRecords(hits));
  EXPECT_EQ(hits.Count(), 0);
}

// A sort order held in memory.
class VectorOrder final : public SortOrderView {
 public:
  explicit VectorOrder(std::vector<int32_t> positions) : rows(std::move(positions)) {}
  int32_t Count() const override { return static_cast<int32_t>(rows.size()); }
  int32_t Get(int32_t p) const override { return p >= 1 && p <= Count() ? rows[p - 1] : -1; }
  std::vector<int32_t> rows;
};

class VisibleRows : public ::testing::Test {
 protected:
  void Open(int32_t rows, bool sorted_wanted = false) {
    WriteRegisterList(RegisterListProperties(dir_.path()), rows);
    list_.properties() = RegisterListProperties(dir_.path());
    list_.SetSortedVisibleWanted(sorted_wanted);
    ASSERT_TRUE(list_.Open());
  }

  void Show(const std::vector<int32_t>& rows) {
    list_.vald().Clear();
    for (const int32_t row : rows)
      list_.vald().SetBit(row, true);
    list_.RebuildVisible();
  }

  testing::TempDir dir_;
  MessageLog log_;
  TVXstruktlista list_;
};

// The steps themselves are checked in visible_anchors_test.cpp; here the
// list goes to the rows they stand for.
TEST_F(VisibleRows, HundredAndOneRowsTakeStepTwo) {
  Open(101);
  list_.vald().SetAll();
  list_.RebuildVisible();
  EXPECT_EQ(list_.VisibleCount(), 101);
  EXPECT_EQ(list_.anchors().step(), 2);
  ASSERT_TRUE(list_.GoToVisible(101));
  EXPECT_EQ(list_.CurrentRow(), 101);
  EXPECT_EQ(list_.RowText(), "rad 0101");
  ASSERT_TRUE(list_.GoToVisible(100));
  EXPECT_EQ(list_.RowText(), "rad 0100");
  for (const int32_t outside : {102, 0, -1}) {
    EXPECT_FALSE(list_.GoToVisible(outside));
    EXPECT_EQ(list_.CurrentRow(), 100);
    EXPECT_EQ(list_.RowText(), "rad 0100");
  }
  Show({7, 14, 98});
  EXPECT_EQ(list_.VisiblePosition(14), 2);
  EXPECT_EQ(list_.VisiblePosition(8), -1);
}

TEST_F(VisibleRows, NothingVisibleHasNoAnchors) {
  Open(10);
  list_.RebuildVisible();
  EXPECT_EQ(list_.VisibleCount(), 0);
  EXPECT_TRUE(list_.anchors().empty());
  EXPECT_FALSE(list_.GoToVisible(1));
  EXPECT_EQ(list_.CurrentRow(), -1);
  EXPECT_EQ(list_.VisiblePosition(1), -1);
}

TEST_F(VisibleRows, ReopeningKeepsValdWhenTheRowCountIsUnchanged) {
  Open(150);
  Show({3, 150});
  list_.Close();
  EXPECT_EQ(list_.VisibleCount(), 0);
  EXPECT_FALSE(list_.GoToVisible(1));
  ASSERT_TRUE(list_.Open());
  EXPECT_TRUE(list_.vald().IsSet(3));
  EXPECT_TRUE(list_.vald().IsSet(150));
  EXPECT_EQ(list_.VisibleCount(), 2);  // Open rebuilds synl from vald
  ASSERT_TRUE(list_.GoToVisible(2));
  EXPECT_EQ(list_.CurrentRow(), 150);

  list_.Close();
  WriteRegisterList(RegisterListProperties(dir_.path()), 151);
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.vald().Size(), 151);
  EXPECT_EQ(list_.vald().Count(), 0);
  EXPECT_FALSE(list_.vald().IsSet(3));
  EXPECT_EQ(list_.VisibleCount(), 0);
}

TEST_F(VisibleRows, SortedViewFollowsTheOrderAndTheResult) {
  Open(20, true);
  std::vector<int32_t> reversed;
  for (int32_t row = 20; row >= 1; --row)
    reversed.push_back(row);
  VectorOrder order(reversed);  // row r at position 21 - r
  Show({2, 5, 9});
  ASSERT_TRUE(list_.SetSortedVisible(true, &order));
  EXPECT_TRUE(list_.SortedVisibleOn());
  EXPECT_FALSE(list_.SortedVisibleStale());
  ASSERT_TRUE(list_.GoToVisible(1));
  EXPECT_EQ(list_.CurrentRow(), 9);
  EXPECT_EQ(list_.CurrentSortPosition(), 12);
  ASSERT_TRUE(list_.GoToVisible(3));
  EXPECT_EQ(list_.CurrentRow(), 2);
  EXPECT_EQ(list_.CurrentSortPosition(), 19);
  EXPECT_EQ(list_.VisiblePosition(16), 2);  // positions, not rows
  EXPECT_EQ(list_.VisiblePosition(5), -1);

  Show({2, 5, 7, 9});  // a new result while the view is on
  EXPECT_EQ(list_.VisibleCount(), 4);
  ASSERT_TRUE(list_.GoToVisible(2));
  EXPECT_EQ(list_.CurrentRow(), 7);

  ASSERT_TRUE(list_.SetSortedVisible(false, nullptr));
  ASSERT_TRUE(list_.GoToVisible(1));
  EXPECT_EQ(list_.CurrentRow(), 2);
  EXPECT_EQ(list_.VisiblePosition(9), 4);
}

TEST_F(VisibleRows, AnotherOrderRebuildsTheSortedBits) {
  Open(10, true);
  VectorOrder forward({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  VectorOrder backward({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
  Show({3, 4});
  ASSERT_TRUE(list_.SetSortedVisible(true, &forward));
  ASSERT_TRUE(list_.SetSortedVisible(true, &backward));
  ASSERT_TRUE(list_.GoToVisible(1));
  EXPECT_EQ(list_.CurrentRow(), 4);
}

TEST_F(VisibleRows, SortedViewNeedsItsSelection) {
  Open(10, false);
  VectorOrder order({1, 2, 3});
  Show({1, 2});
  EXPECT_EQ(list_.synlsort(), nullptr);
  EXPECT_FALSE(list_.SetSortedVisible(true, &order));
  EXPECT_FALSE(list_.SortedVisibleOn());
  ASSERT_TRUE(list_.GoToVisible(2));
  EXPECT_EQ(list_.CurrentRow(), 2);
}

TEST_F(VisibleRows, ARowOutsideTheListIsReportedNotRead) {
  Open(20, true);
  VectorOrder order({4, 3, 2, 1});
  Show({1, 3});
  ASSERT_TRUE(list_.SetSortedVisible(true, &order));
  ASSERT_TRUE(list_.GoToVisible(2));
  EXPECT_EQ(list_.CurrentRow(), 1);
  order.rows[1] = 9999;  // the order changed under the view
  EXPECT_FALSE(list_.GoToVisible(1));
  EXPECT_EQ(log_.messages,
            std::vector<std::string>{"Rad 9999 (plats 2) i l.i finns inte i listan (20 rader)."});
  EXPECT_EQ(list_.CurrentRow(), 1);
  EXPECT_EQ(list_.CurrentSortPosition(), 2);
}

// A sort order that knows nothing of SortOrderView, as TVXsortordning.
struct PlainOrder {
  int32_t Count() const { return static_cast<int32_t>(rows.size()); }
  int32_t Get(int32_t p) const { return p >= 1 && p <= Count() ? rows[p - 1] : -1; }
  std::vector<int32_t> rows;
};

TEST_F(VisibleRows, AShortOrderShowsOnlyTheRowsItHolds) {
  Open(20, true);
  const PlainOrder plain{{20, 19, 18, 3}};
  const SortOrderViewOf<PlainOrder> order(plain);
  Show({3, 5, 9});
  ASSERT_TRUE(list_.SetSortedVisible(true, &order));
  EXPECT_EQ(list_.VisibleCount(), 3);
  ASSERT_TRUE(list_.GoToVisible(1));
  EXPECT_EQ(list_.CurrentRow(), 3);
  EXPECT_FALSE(list_.GoToVisible(2));  // rows 5 and 9 have no position
  EXPECT_EQ(list_.CurrentRow(), 3);
  EXPECT_TRUE(log_.messages.empty());
}

}  // namespace
}  // namespace vx
