#include "engine/lists/word_list_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/lists/blob_file.h"
#include "engine/lists/struct_list.h"
#include "engine/util/byte_order.h"
#include "tests/support/files.h"
#include "tests/support/list_test_util.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Status = WordListWriter::Status;
using testing::ListRow;
using testing::ReadFileBytes;
using testing::WordListProperties;

// Row i (from 1) of 250: "w0001" ...; rows divisible by 3 stand for three
// records, the others for one.
std::vector<ListRow> Rows(int n) {
  std::vector<ListRow> rows;
  for (uint32_t i = 1; i <= static_cast<uint32_t>(n); ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "w%04u", i);
    if (i % 3 == 0) {
      rows.push_back({text, {i, 1000 + i, 70000 + i}});
    } else {
      rows.push_back({text, {i}});
    }
  }
  return rows;
}

std::vector<int32_t> Marked(TVXstruktlista& list) {
  Tvxsmalurval hits;
  hits.Resize(100000);
  EXPECT_TRUE(list.MarkRecords(hits));
  std::vector<int32_t> numbers;
  for (int32_t k = 0; hits.Next(k);)
    numbers.push_back(k);
  return numbers;
}

class WordListRoundTrip : public ::testing::TestWithParam<bool> {
 protected:
  ListProperties Properties() const { return WordListProperties(dir_.path(), GetParam()); }

  testing::TempDir dir_;
  TVXstruktlista list_;
};

TEST_P(WordListRoundTrip, RowsAcrossBlockBoundariesReadBackWhole) {
  const std::vector<ListRow> rows = Rows(250);
  testing::WriteWordList(Properties(), rows);
  list_.properties() = Properties();
  ASSERT_TRUE(list_.Open());
  ASSERT_EQ(list_.RowCount(), 250);
  for (const int32_t row : {100, 101, 200, 201, 1, 250, 99}) {
    SCOPED_TRACE(row);
    const ListRow& expected = rows[static_cast<size_t>(row - 1)];
    ASSERT_TRUE(list_.ReadRow(row).ok());
    EXPECT_EQ(list_.RowText(), expected.text);
    EXPECT_EQ(list_.RowValue1(), expected.records.front());
    EXPECT_EQ(list_.RowValue2(), 0u);
    EXPECT_EQ(list_.PostingCount(), expected.records.size() > 1 ? expected.records.size() : 0u);
    EXPECT_EQ(Marked(list_),
              std::vector<int32_t>(expected.records.begin(), expected.records.end()));
    EXPECT_EQ(list_.FindExact(expected.text), row);
  }
  if (GetParam()) {
    EXPECT_TRUE(fs::exists(dir_ / "w.iz"));
  } else {
    EXPECT_EQ(ReadFileBytes(dir_ / "w.i").size(), 22u + 250u * 88u);
  }
}

TEST_P(WordListRoundTrip, FirstRecordIsTheOffsetOfTheFirstNumber) {
  testing::WriteWordList(Properties(), {{"a", {7, 8}}, {"b", {300, 400, 500}}});
  list_.properties() = Properties();
  ASSERT_TRUE(list_.Open());
  ASSERT_TRUE(list_.ReadRow(2).ok());
  // Items follow the 16-byte header: "a" takes 4 + 4 + 2 + 1 bytes.
  EXPECT_EQ(list_.FirstRecord(), 16u + 11u + 4u);
  const std::vector<uint8_t> postings = ReadFileBytes(dir_ / "w.b1");
  ASSERT_GE(postings.size(), list_.FirstRecord() + 4u);
  EXPECT_EQ(LoadU32(postings.data() + list_.FirstRecord()), 300u);
  EXPECT_EQ(LoadU32(postings.data() + 2), 2u);  // the items counted in the header
}

TEST_P(WordListRoundTrip, TextsOfMaximalLengthFitAndLongerOnesAreRefused) {
  WordListWriter writer(Properties());
  ASSERT_EQ(writer.Create(), Status::kOk);
  ASSERT_EQ(writer.MaxTextLength(), 80u - 9u);  // zero byte, FirstRecord, PostingCount
  const std::string longest(71, 'k');
  EXPECT_EQ(writer.Append(longest + "x", std::vector<uint32_t>{1}), Status::kTextTooLong);
  ASSERT_EQ(writer.Append(longest, std::vector<uint32_t>{1, 2}), Status::kOk);
  EXPECT_EQ(writer.RowCount(), 1);
  ASSERT_EQ(writer.Finish(), Status::kOk);
  list_.properties() = Properties();
  ASSERT_TRUE(list_.Open());
  ASSERT_EQ(list_.FindExact(longest), 1);
  EXPECT_EQ(list_.RowText(), longest);
  EXPECT_EQ(Marked(list_), (std::vector<int32_t>{1, 2}));

  ListProperties with_stat = Properties();
  with_stat.finnsstat = true;
  WordListWriter stat_writer(with_stat);
  ASSERT_EQ(stat_writer.Create(), Status::kOk);
  EXPECT_EQ(stat_writer.MaxTextLength(), 80u - 13u);  // StatCount too
}

INSTANTIATE_TEST_SUITE_P(PlainAndBlocks, WordListRoundTrip, ::testing::Bool());

TEST(WordListWriter, DateListsHoldTheDateAndBothWords) {
  testing::TempDir dir;
  ListProperties p = WordListProperties(dir.path(), true);
  p.radmaxlen = 20;
  p.finnsurval = false;
  WordListWriter writer(p);
  ASSERT_EQ(writer.Create(), Status::kOk);
  EXPECT_EQ(writer.MaxTextLength(), 11u);
  ASSERT_EQ(writer.Append("17450000", std::vector<uint32_t>{4}), Status::kOk);
  ASSERT_EQ(writer.Append("18230501", std::vector<uint32_t>{2, 3}), Status::kOk);
  ASSERT_EQ(writer.Finish(), Status::kOk);
  TVXstruktlista list;
  list.properties() = p;
  ASSERT_TRUE(list.Open());
  ASSERT_EQ(list.FindPrefix("1823"), 2);
  EXPECT_EQ(list.PostingCount(), 2u);
  EXPECT_EQ(Marked(list), (std::vector<int32_t>{2, 3}));
}

TEST(WordListWriter, RefusedRowsWriteNothing) {
  testing::TempDir dir;
  const ListProperties p = WordListProperties(dir.path(), false, false);
  WordListWriter writer(p);
  const std::vector<uint32_t> one = {1};
  EXPECT_EQ(writer.Append("a", one), Status::kNotOpen);
  ASSERT_EQ(writer.Create(), Status::kOk);
  ASSERT_EQ(writer.Append("ZETA", one), Status::kOk);
  // Under FoldTable Å, Ä and Ö follow Z in that order.
  ASSERT_EQ(writer.Append("\xC5SA", one), Status::kOk);
  EXPECT_EQ(writer.Append("ANDERS", one), Status::kOutOfOrder);
  ASSERT_EQ(writer.Append("\xD6ST", one), Status::kOk);
  EXPECT_EQ(writer.Append("\xC4NG", one), Status::kOutOfOrder);
  ASSERT_EQ(writer.Append("\xF6st", one), Status::kOk);  // equal texts may follow
  EXPECT_EQ(writer.Append(std::string("\xF6sta\0b", 6), one), Status::kZeroByteInText);
  EXPECT_EQ(writer.Append("\xF6sta", std::vector<uint32_t>{}), Status::kNoRecords);
  EXPECT_EQ(writer.Append("\xF6sta", std::vector<uint32_t>{3, 3}), Status::kRecordsNotAscending);
  EXPECT_EQ(writer.Append("\xF6sta", std::vector<uint32_t>{0, 3}), Status::kRecordsNotAscending);
  EXPECT_EQ(writer.Append("\xF6sta", std::vector<uint32_t>{5, 4}), Status::kRecordsNotAscending);
  EXPECT_EQ(writer.RowCount(), 4);
  ASSERT_EQ(writer.Finish(), Status::kOk);
  EXPECT_EQ(writer.Finish(), Status::kNotOpen);
  // Only the accepted rows' postings were stored: none had more than one.
  const std::vector<uint8_t> postings = ReadFileBytes(dir / "w.b1");
  EXPECT_EQ(postings.size(), Tvxenkelblobfil::kHeaderSize);
  EXPECT_EQ(ReadFileBytes(dir / "w.i").size(), 22u + 4u * 88u);
}

TEST(WordListWriter, FullListsAndListsWithoutPostingsAreRefused) {
  testing::TempDir dir;
  ListProperties p = WordListProperties(dir.path(), true);
  p.maxrader = 2;
  WordListWriter writer(p);
  ASSERT_EQ(writer.Create(), Status::kOk);
  const std::vector<uint32_t> two = {1, 2};
  ASSERT_EQ(writer.Append("a", two), Status::kOk);
  ASSERT_EQ(writer.Append("b", two), Status::kOk);
  EXPECT_EQ(writer.Append("c", two), Status::kListFull);
  ASSERT_EQ(writer.Finish(), Status::kOk);
  EXPECT_EQ(LoadU32(ReadFileBytes(dir / "w.b1").data() + 2), 2u);

  p.finnsBLOB = false;
  WordListWriter without(p);
  EXPECT_EQ(without.Create(), Status::kNoPostings);
}

}  // namespace
}  // namespace vx
