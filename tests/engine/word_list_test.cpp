// The word lists: written, found by text and prefix, their postings marking
// records, and the visible rows of a result in row or sort order.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/lists/blob_file.h"
#include "engine/lists/index_list.h"
#include "engine/lists/list_properties.h"
#include "engine/lists/sort_order_view.h"
#include "engine/lists/struct_list.h"
#include "engine/lists/word_list_writer.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"
#include "tests/support/record_store_test_util.h"
#include "tests/support/text.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Status = WordListWriter::Status;
using testing::PatchU32;
using testing::ReadFileBytes;
using testing::W;
using testing::WriteFileBytes;

struct ListRow {
  std::string text;
  std::vector<uint32_t> records;
};

// A read-only search-word list "w" in `dir`, with postings and selections.
ListProperties WordListProperties(const std::filesystem::path& dir, bool blocks,
                                  bool keep_accent = true) {
  ListProperties p;
  p.filkat = p.LZHfilkat = p.rllfilkat = dir.string() + "/";
  p.filnamn = p.LZHfilnamn = "w";
  p.LZH = blocks;
  p.keepaccent = keep_accent;
  p.finnsBLOB = p.finnsurval = true;
  return p;
}

// A read-only register-like list "l" in `dir`: one row per record, no
// postings, blocks of 100 rows.
ListProperties RegisterListProperties(const std::filesystem::path& dir) {
  ListProperties p;
  p.filkat = p.LZHfilkat = dir.string() + "/";
  p.filnamn = p.LZHfilnamn = "l";
  p.radmaxlen = 200;
  p.LZH = p.finnsurval = true;
  return p;
}

bool OpenWith(TVXindex& list, const ListProperties& properties) {
  list.properties() = properties;
  return list.Open();
}

void WriteWordList(const ListProperties& properties, const std::vector<ListRow>& rows) {
  WordListWriter writer(properties);
  ASSERT_EQ(writer.Create(), Status::kOk);
  for (const ListRow& row : rows)
    ASSERT_EQ(writer.Append(row.text, row.records), Status::kOk) << row.text;
  ASSERT_EQ(writer.Finish(), Status::kOk);
}

// Rows "rad 0001" ... with RowValue1 = the row number, written through the
// list itself.
void WriteRegisterList(ListProperties properties, int32_t rows) {
  properties.RO = false;
  TVXstruktlista list;
  list.properties() = properties;
  ASSERT_TRUE(list.CreateNew());
  for (int32_t i = 1; i <= rows; ++i)
    ASSERT_TRUE(list.AppendRow("rad " + std::to_string(10000 + i).substr(1), i));
  list.Close();
}

// A plain-mode row file: the 22-byte header, then `rows`, each padded with
// zeros to `row_length`.
std::vector<uint8_t> PlainRowFile(uint32_t row_length,
                                  const std::vector<std::vector<uint8_t>>& rows) {
  std::vector<uint8_t> file(22, 0);
  StoreU32(file.data() + 2, static_cast<uint32_t>(rows.size()));
  StoreU32(file.data() + 6, 1000);
  StoreU32(file.data() + 10, 22);
  StoreU32(file.data() + 14, row_length);
  for (std::vector<uint8_t> row : rows) {
    row.resize(row_length, 0);
    file.insert(file.end(), row.begin(), row.end());
  }
  return file;
}

// Collects the engine's messages while it lives.
struct MessageLog {
  std::vector<std::string> messages;
  ScopedMessageSink sink{[this](const std::string& text) { messages.push_back(text); }};
};

// Row i (from 1) of 250: "w0001" ...; rows divisible by 3 stand for three
// records, the others for one.
std::vector<ListRow> Rows(int n) {
  std::vector<ListRow> rows;
  for (uint32_t i = 1; i <= static_cast<uint32_t>(n); ++i)
    rows.push_back({"w" + std::to_string(10000 + i).substr(1),
                    i % 3 ? std::vector<uint32_t>{i} : std::vector{i, 1000 + i, 70000 + i}});
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
  WriteWordList(Properties(), rows);
  ASSERT_TRUE(OpenWith(list_, Properties()));
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
  WriteWordList(Properties(), {{"a", {7, 8}}, {"b", {300, 400, 500}}});
  ASSERT_TRUE(OpenWith(list_, Properties()));
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
  ASSERT_TRUE(OpenWith(list_, Properties()));
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

// Opening takes the row length and capacity from the file.
TEST(WordListWriter, DateListsHoldTheDateAndBothWords) {
  testing::TempDir dir;
  ListProperties p = WordListProperties(dir.path(), true);
  p.radmaxlen = 20;
  p.maxrader = 1234;
  WordListWriter writer(p);
  ASSERT_EQ(writer.Create(), Status::kOk);
  EXPECT_EQ(writer.MaxTextLength(), 11u);
  ASSERT_EQ(writer.Append("17450000", std::vector<uint32_t>{4}), Status::kOk);
  ASSERT_EQ(writer.Append("18230501", std::vector<uint32_t>{2, 3}), Status::kOk);
  ASSERT_EQ(writer.Finish(), Status::kOk);
  TVXstruktlista list;  // opened with radmaxlen 80 and maxrader 200000
  ASSERT_TRUE(OpenWith(list, WordListProperties(dir.path(), true)));
  EXPECT_EQ(list.properties().radmaxlen, 20);
  EXPECT_EQ(list.properties().maxrader, 1234);
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
  for (const std::vector<uint32_t>& records : {std::vector<uint32_t>{3, 3}, {0, 3}, {5, 4}})
    EXPECT_EQ(writer.Append("\xF6sta", records), Status::kRecordsNotAscending);
  EXPECT_EQ(writer.RowCount(), 4);
  ASSERT_EQ(writer.Finish(), Status::kOk);
  EXPECT_EQ(writer.Finish(), Status::kNotOpen);
  // Only the accepted rows' postings were stored: none had more than one.
  EXPECT_EQ(ReadFileBytes(dir / "w.b1").size(), Tvxenkelblobfil::kHeaderSize);
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

// Rows of `words`, the row of each standing for the record of its number.
std::vector<ListRow> Numbered(const std::vector<std::string>& words) {
  std::vector<ListRow> rows;
  for (const std::string& word : words)
    rows.push_back({word, {static_cast<uint32_t>(rows.size() + 1)}});
  return rows;
}

// Distinct words in AccentOrderTable order: "ord000", "ord001", ...
std::vector<ListRow> NumberedWords(int n) {
  std::vector<ListRow> rows;
  for (int i = 0; i < n; ++i)
    rows.push_back({"ord" + std::to_string(1000 + i).substr(1), {static_cast<uint32_t>(i + 1)}});
  return rows;
}

class IndexFind : public ::testing::TestWithParam<bool> {
 protected:
  void Open(const std::vector<ListRow>& rows, bool keep_accent = true) {
    ListProperties p = WordListProperties(dir_.path(), GetParam(), keep_accent);
    WriteWordList(p, rows);
    ASSERT_TRUE(OpenWith(list_, p));
    ASSERT_EQ(list_.RowCount(), static_cast<int32_t>(rows.size()));
  }

  // The row each text is found at, exactly or as a prefix (-1: none).
  void ExpectExact(const std::vector<std::pair<std::string, int32_t>>& cases) {
    for (const auto& [text, row] : cases)
      EXPECT_EQ(list_.FindExact(text), row) << text;
  }
  void ExpectPrefix(const std::vector<std::pair<std::string, int32_t>>& cases) {
    for (const auto& [text, row] : cases)
      EXPECT_EQ(list_.FindPrefix(text), row) << text;
  }

  testing::TempDir dir_;
  TVXindex list_;
};

TEST_P(IndexFind, EdgesOfTheListAndPrefixes) {
  Open(Numbered({"Berg", "Berggren", "Bergman", "Dahl", "Ek", "Ekstr\xF6m", "Lind"}));
  // Before and after every row; a text ends at its zero byte.
  ExpectExact({{"Aaa", -1}, {"berg", 1}, {"Lind", 7}, {"Linda", -1}, {"Zorn", -1}, {"Ber", -1}});
  EXPECT_EQ(list_.FindExact(std::string("Dahl\0xyz", 8)), 4);
  ExpectPrefix(
      {{"EK", 5}, {W("EkstrÖ"), 6}, {"Bergz", -1}, {"C", -1}, {"", 1}, {"Ber", 1}, {"Bergm", 3}});
  EXPECT_EQ(list_.RowText(), "Bergman");  // the row found stays in the buffer
  EXPECT_EQ(list_.RowValue1(), 3u);
}

// Every row is found by its text and its prefix, alike with the key cache;
// a repeated or refined search reads no blocks, and a list opened again
// forgets the rows searches kept.
TEST_P(IndexFind, EveryRowIsFoundAlikeWithTheKeyCacheAndSearchesAgainReadNoBlocks) {
  std::vector<ListRow> rows = NumberedWords(957);
  Open(rows);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int32_t row = static_cast<int32_t>(i + 1);
    EXPECT_EQ(list_.FindExact(rows[i].text), row) << rows[i].text;
    EXPECT_EQ(list_.FindPrefix(rows[i].text.substr(0, 5)), row - static_cast<int32_t>(i % 10));
  }
  EXPECT_EQ(list_.FindExact("ord957"), -1);
  EXPECT_EQ(list_.FindExact("ord0005"), -1);

  TVXindex cached;
  cached.properties() = list_.properties();
  cached.properties().hash = 50;
  ASSERT_TRUE(cached.Open());
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    std::string word = rows[random() % rows.size()].text;
    word.resize(random() % 7);  // prefixes of all lengths, the empty one too
    if (random() % 5 == 0) word += "5";
    const bool prefix = random() % 2 == 0;
    const int32_t expected = prefix ? list_.FindPrefix(word) : list_.FindExact(word);
    ASSERT_EQ(prefix ? cached.FindPrefix(word) : cached.FindExact(word), expected)
        << (prefix ? "prefix " : "exact ") << word;
  }

  ASSERT_EQ(list_.FindExact("ord613"), 614);
  const uint64_t expansions = list_.BlockExpansions();
  EXPECT_EQ(list_.FindExact("ord613"), 614);
  EXPECT_EQ(list_.FindPrefix("ord61"), 611);
  EXPECT_EQ(list_.RowText(), "ord610");
  EXPECT_EQ(list_.FindExact("ord613"), 614);
  EXPECT_EQ(list_.RowValue1(), 614u);  // the row buffer holds the row found
  EXPECT_EQ(list_.BlockExpansions(), expansions);

  ASSERT_EQ(list_.FindExact("ord150"), 151);
  cached.Close();
  list_.Close();
  rows.erase(rows.begin(), rows.begin() + 50);  // "ord050" ...
  WriteWordList(list_.properties(), rows);
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.FindExact("ord150"), 101);
  EXPECT_EQ(list_.FindExact("ord010"), -1);
}

TEST_P(IndexFind, WordsAreCutTo255Characters) {
  ListProperties p = WordListProperties(dir_.path(), GetParam());
  p.radmaxlen = 300;
  const std::string stem(255, 'a');
  WriteWordList(p, {{stem + "b", {1}}, {stem + "c", {2}}});
  ASSERT_TRUE(OpenWith(list_, p));
  EXPECT_EQ(list_.FindPrefix(stem + "c"), 1);  // "c" is beyond the 255 compared
  EXPECT_EQ(list_.FindExact(stem + "c"), -1);  // stem alone equals no row
}

TEST_P(IndexFind, KeepAccentFoldsCaseOnlyAndFoldingKeepsOnlyTheSwedishLettersApart) {
  // AccentOrderTable: each accented letter directly after its base letter,
  // Å after every other letter.
  Open(Numbered({"A", W("Á"), "B", W("Å")}));
  // à is neither a nor á.
  ExpectExact({{"a", 1}, {W("á"), 2}, {W("Á"), 2}, {W("å"), 4}, {W("à"), -1}});
  list_.Close();
  Open(Numbered({"ANDERS", "ASA", "ZETA", W("ÅSA"), W("ÄNG"), W("ÖST")}), false);
  // åsa is not asa; æ folds to Ä, ø to Ö.
  ExpectExact({{"anders", 1}, {W("ÁNDERS"), 1}, {W("ánders"), 1}, {W("Ànders"), 1}});
  ExpectExact({{"asa", 2}, {W("åsa"), 4}});
  ExpectPrefix({{W("ä"), 5}, {W("æ"), 5}, {W("ö"), 6}, {W("ø"), 6}});
}

TEST_P(IndexFind, EmptyAndClosedListsFindNothing) {
  Open({});
  EXPECT_EQ(list_.FindPrefix(""), -1);
  EXPECT_EQ(list_.FindExact(""), -1);
  list_.Close();
  EXPECT_FALSE(list_.Opened());
  EXPECT_EQ(list_.FindPrefix(""), -1);
  EXPECT_TRUE(list_.ReadRow(1).IsIOError());
}

INSTANTIATE_TEST_SUITE_P(PlainAndBlocks, IndexFind, ::testing::Bool());

class IndexOpen : public ::testing::Test {
 protected:
  ListProperties Properties(bool blocks) { return WordListProperties(dir_.path(), blocks); }

  testing::TempDir dir_;
  MessageLog log_;
  TVXindex list_;
};

TEST_F(IndexOpen, ReadOnlyMissingFilesStayClosedAndCreateNothingWritableOnesAreCreatedEmpty) {
  for (const bool blocks : {false, true}) {
    EXPECT_FALSE(OpenWith(list_, Properties(blocks)));
    EXPECT_FALSE(list_.Opened());
    EXPECT_EQ(list_.RowCount(), 0);
    EXPECT_EQ(list_.FindPrefix(""), -1);
  }
  EXPECT_TRUE(fs::is_empty(dir_.path()));
  EXPECT_TRUE(log_.messages.empty());
  // A writable missing file is created empty.
  list_.properties() = Properties(false);
  list_.properties().RO = false;
  list_.properties().radmaxlen = 30;
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.RowCount(), 0);
  list_.Close();
  const std::vector<uint8_t> file = ReadFileBytes(dir_ / "w.i");
  ASSERT_EQ(file.size(), Tvxindexblobfil::kHeaderSize);
  EXPECT_EQ(LoadU32(file.data() + 14), 38u);
}

TEST_F(IndexOpen, UnopenableFileReportsFourWithItsName) {
  WriteWordList(Properties(false), {{"Berg", {1}}});
  PatchU32(dir_ / "w.i", 14, 0x7FFFFFFF);  // an absurd row length
  EXPECT_FALSE(OpenWith(list_, Properties(false)));
  ASSERT_EQ(log_.messages.size(), 1u);
  EXPECT_EQ(log_.messages[0], "4: Listan " + (dir_ / "w.i").string() + " kan inte \xF6ppnas.");

  fs::remove(dir_ / "w.i");
  fs::create_directory(dir_ / "w.i");  // exists, cannot be opened as a file
  EXPECT_FALSE(list_.Open());
  EXPECT_EQ(log_.messages.size(), 2u);
  EXPECT_FALSE(list_.Opened());
}

TEST_F(IndexOpen, RowCountIsBoundByWhatThePlainFileHoldsOrTheBlocksTheListNames) {
  const std::vector<ListRow> rows = NumberedWords(50);
  WriteWordList(Properties(false), rows);
  std::vector<uint8_t> file = ReadFileBytes(dir_ / "w.i");
  file.resize(22 + 20 * 88 + 5);  // cut inside row 21 (rows of 88 bytes)
  WriteFileBytes(dir_ / "w.i", file);
  ASSERT_TRUE(OpenWith(list_, Properties(false)));
  EXPECT_EQ(list_.RowCount(), 20);
  EXPECT_EQ(list_.FindExact(rows[9].text), 10);
  EXPECT_EQ(list_.FindExact(rows[30].text), -1);
  EXPECT_TRUE(list_.ReadRow(21).IsNotFound());

  PatchU32(dir_ / "w.i", 2, 0xFFFFFFFF);
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.RowCount(), 20);
  WriteWordList(Properties(true), NumberedWords(250));  // blocks of 100, 100, 50
  PatchU32(dir_ / "w.i", 2, 0x7FFFFFFF);
  ASSERT_TRUE(OpenWith(list_, Properties(true)));
  EXPECT_EQ(list_.RowCount(), 300);  // whole blocks
  EXPECT_TRUE(list_.ReadRow(250).ok());
  EXPECT_TRUE(list_.ReadRow(251).IsNotFound());
  EXPECT_EQ(list_.FindExact("ord260"), -1);

  fs::remove(dir_ / "w.iz");
  ASSERT_TRUE(list_.Open());  // nothing can be read without the block list
  EXPECT_EQ(list_.RowCount(), 0);
  EXPECT_EQ(list_.FindPrefix(""), -1);
  EXPECT_TRUE(log_.messages.empty());
}

TEST_F(IndexOpen, BlockBeyondTheFileReadsNothingAndTextWithoutItsZeroEndsAtTheArea) {
  const std::vector<ListRow> rows = NumberedWords(250);
  WriteWordList(Properties(true), rows);
  // Block 2's length word, where the block list's second entry points.
  PatchU32(dir_ / "w.i", testing::LoadU32At(dir_ / "w.iz", 16 + 4), 0x7FFFFFF0);
  ASSERT_TRUE(OpenWith(list_, Properties(true)));
  EXPECT_TRUE(list_.ReadRow(150).IsNotFound());
  EXPECT_TRUE(list_.ReadRow(50).ok());
  EXPECT_EQ(list_.RowText(), rows[49].text);
  // Every search probes row 125 first, in the damaged block.
  EXPECT_EQ(list_.FindExact(rows[149].text), -1);
  EXPECT_EQ(list_.FindExact(rows[240].text), -1);
  EXPECT_TRUE(list_.ReadRow(241).ok());
  // A text without its zero ends at the area.
  std::vector<uint8_t> row(8, 0);
  row.resize(8 + 20, 'x');  // a text area of 20 without a zero byte
  WriteFileBytes(dir_ / "w.i", PlainRowFile(28, {row}));
  ASSERT_TRUE(OpenWith(list_, Properties(false)));
  ASSERT_TRUE(list_.ReadRow(1).ok());
  EXPECT_EQ(list_.RowText(), std::string(20, 'x'));
  EXPECT_EQ(list_.FindExact(std::string(20, 'x')), 1);
  EXPECT_EQ(list_.FindExact(std::string(21, 'x')), -1);
}

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
    WriteFileBytes(dir_ / "w.i", PlainRowFile(28, rows));  // text area 20
    ListProperties p = WordListProperties(dir_.path(), false);
    p.finnsstat = stat;
    ASSERT_TRUE(OpenWith(list_, p));
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

TEST_F(StructListWords, WordsFollowTheZeroByteOnlyWholeOnesCountAndAppendedOnesReadBack) {
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
  // Appended words read back.
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
    ASSERT_TRUE(OpenWith(list_, WordListProperties(dir_.path(), false)));
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

TEST_F(MarkRecords, SingleRecordAndPostingsMarkExactlyTheirRecordsWithinTheSelection) {
  EXPECT_EQ(Marked("Berg"), std::vector<int32_t>{5});
  EXPECT_EQ(list_.PostingCount(), 0u);
  EXPECT_EQ(Marked("Dahl"), (std::vector<int32_t>{3, 9, 300, 70000}));
  EXPECT_EQ(list_.PostingCount(), 4u);
  EXPECT_TRUE(log_.messages.empty());
  // A record beyond the selection is reported, not set.
  hits_.Resize(1999999);
  EXPECT_TRUE(Marked("Ek").empty());
  EXPECT_EQ(log_.messages, std::vector<std::string>{
                               "Postnummer 2000000 i w.i ligger utanf\xF6r urvalet (1-1999999)."});
  hits_.Resize(2000000);
  EXPECT_EQ(Marked("Ek"), std::vector<int32_t>{2000000});
  EXPECT_EQ(log_.messages.size(), 1u);
}

TEST_F(MarkRecords, NothingBeforeARowWithDamagedPostingsOrWithoutThem) {
  EXPECT_FALSE(list_.MarkRecords(hits_));  // no row read yet
  list_.Close();
  EXPECT_FALSE(list_.MarkRecords(hits_));
  // Damaged postings are reported and stop safely.
  PatchU32(dir_ / "w.i", 22 + 88 + 8 + 5, 1u << 30);  // Dahl's FirstRecord
  Open();
  EXPECT_TRUE(Marked("Dahl", false).empty());
  EXPECT_EQ(log_.messages.size(), 1u);

  list_.Close();
  fs::remove(dir_ / "w.b1");
  Open();
  EXPECT_FALSE(fs::exists(dir_ / "w.b1"));             // read-only: not created
  EXPECT_EQ(Marked("Berg"), std::vector<int32_t>{5});  // needs no postings file
  EXPECT_TRUE(Marked("Dahl", false).empty());
}

// A sort order held in memory that knows nothing of SortOrderView, as
// TVXsortordning: the list sees it through SortOrderViewOf.
struct PlainOrder {
  int32_t Count() const { return static_cast<int32_t>(rows.size()); }
  int32_t Get(int32_t p) const { return p >= 1 && p <= Count() ? rows[p - 1] : -1; }
  std::vector<int32_t> rows;
};
using OrderView = SortOrderViewOf<PlainOrder>;

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

  // The row GoToVisible(k) goes to; 0 when it refuses.
  int32_t RowAt(int32_t k) { return list_.GoToVisible(k) ? list_.CurrentRow() : 0; }

  testing::TempDir dir_;
  MessageLog log_;
  TVXstruktlista list_;
};

// The steps themselves are checked in list_parts_test.cpp; here the
// list goes to the rows they stand for.
TEST_F(VisibleRows, HundredAndOneRowsTakeStepTwo) {
  Open(101);
  list_.vald().SetAll();
  list_.RebuildVisible();
  EXPECT_EQ(list_.VisibleCount(), 101);
  EXPECT_EQ(list_.anchors().step(), 2);
  EXPECT_EQ(RowAt(101), 101);
  EXPECT_EQ(list_.RowText(), "rad 0101");
  EXPECT_EQ(RowAt(100), 100);
  for (const int32_t outside : {102, 0, -1}) {
    EXPECT_EQ(RowAt(outside), 0);
    EXPECT_EQ(list_.CurrentRow(), 100);
    EXPECT_EQ(list_.RowText(), "rad 0100");
  }
  Show({7, 14, 98});
  EXPECT_EQ(list_.VisiblePosition(14), 2);
  EXPECT_EQ(list_.VisiblePosition(8), -1);
  // A register-like list has no postings: it marks nothing.
  ASSERT_TRUE(list_.ReadRow(3).ok());
  Tvxsmalurval hits;
  hits.Resize(10);
  EXPECT_FALSE(list_.MarkRecords(hits));
  EXPECT_EQ(hits.Count(), 0);
}

TEST_F(VisibleRows, NothingVisibleHasNoAnchorsAndNoSortedViewWithoutItsSelection) {
  Open(10);
  list_.RebuildVisible();
  EXPECT_EQ(list_.VisibleCount(), 0);
  EXPECT_TRUE(list_.anchors().empty());
  EXPECT_EQ(RowAt(1), 0);
  EXPECT_EQ(list_.CurrentRow(), -1);
  EXPECT_EQ(list_.VisiblePosition(1), -1);
  // A sorted view needs its selection.
  const PlainOrder rows{{1, 2, 3}};
  const OrderView order(rows);
  Show({1, 2});
  EXPECT_EQ(list_.synlsort(), nullptr);
  EXPECT_FALSE(list_.SetSortedVisible(true, &order));
  EXPECT_FALSE(list_.SortedVisibleOn());
  EXPECT_EQ(RowAt(2), 2);
}

TEST_F(VisibleRows, ReopeningKeepsValdWhenTheRowCountIsUnchanged) {
  Open(150);
  Show({3, 150});
  list_.Close();
  EXPECT_EQ(list_.VisibleCount(), 0);
  EXPECT_EQ(RowAt(1), 0);
  ASSERT_TRUE(list_.Open());
  EXPECT_TRUE(list_.vald().IsSet(3) && list_.vald().IsSet(150));
  EXPECT_EQ(list_.VisibleCount(), 2);  // Open rebuilds synl from vald
  EXPECT_EQ(RowAt(2), 150);

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
  std::vector<int32_t> rows(20);
  std::iota(rows.begin(), rows.end(), 1);
  const PlainOrder ascending{rows}, descending{{rows.rbegin(), rows.rend()}};
  const OrderView forward(ascending), order(descending);  // row r at position 21 - r in order
  Show({2, 5, 9});
  ASSERT_TRUE(list_.SetSortedVisible(true, &forward));
  EXPECT_EQ(RowAt(1), 2);
  ASSERT_TRUE(list_.SetSortedVisible(true, &order));  // another order rebuilds the sorted bits
  EXPECT_TRUE(list_.SortedVisibleOn());
  EXPECT_FALSE(list_.SortedVisibleStale());
  EXPECT_EQ(RowAt(1), 9);
  EXPECT_EQ(list_.CurrentSortPosition(), 12);
  EXPECT_EQ(RowAt(3), 2);
  EXPECT_EQ(list_.CurrentSortPosition(), 19);
  EXPECT_EQ(list_.VisiblePosition(16), 2);  // positions, not rows
  EXPECT_EQ(list_.VisiblePosition(5), -1);

  Show({2, 5, 7, 9});  // a new result while the view is on
  EXPECT_EQ(list_.VisibleCount(), 4);
  EXPECT_EQ(RowAt(2), 7);

  ASSERT_TRUE(list_.SetSortedVisible(false, nullptr));
  EXPECT_EQ(RowAt(1), 2);
  EXPECT_EQ(list_.VisiblePosition(9), 4);
}

TEST_F(VisibleRows, ARowOutsideTheListIsReportedAndOneWithoutAPositionIsNotShown) {
  Open(20, true);
  PlainOrder positions{{4, 3, 2, 1}};
  const OrderView order(positions);
  Show({1, 3});
  ASSERT_TRUE(list_.SetSortedVisible(true, &order));
  EXPECT_EQ(RowAt(2), 1);
  positions.rows[1] = 9999;  // the order changed under the view
  EXPECT_EQ(RowAt(1), 0);
  EXPECT_EQ(log_.messages,
            std::vector<std::string>{"Rad 9999 (plats 2) i l.i finns inte i listan (20 rader)."});
  EXPECT_EQ(list_.CurrentRow(), 1);
  EXPECT_EQ(list_.CurrentSortPosition(), 2);

  // A short order shows only the rows it holds.
  const PlainOrder plain{{20, 19, 18, 3}};
  const OrderView short_order(plain);
  Show({3, 5, 9});
  ASSERT_TRUE(list_.SetSortedVisible(true, &short_order));
  EXPECT_EQ(list_.VisibleCount(), 3);
  EXPECT_EQ(RowAt(1), 3);
  EXPECT_EQ(RowAt(2), 0);  // rows 5 and 9 have no position
  EXPECT_EQ(list_.CurrentRow(), 3);
  EXPECT_EQ(log_.messages.size(), 1u);  // nothing more reported
}

}  // namespace
}  // namespace vx
