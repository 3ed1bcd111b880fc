#include "engine/lists/index_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/files/pointer_list.h"
#include "engine/lists/struct_list.h"
#include "tests/support/files.h"
#include "tests/support/list_test_util.h"
#include "tests/support/record_store_test_util.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::ListRow;
using testing::MessageLog;
using testing::PatchU32;
using testing::ReadFileBytes;
using testing::WordListProperties;
using testing::WriteFileBytes;
using testing::WriteWordList;

// Distinct words in AccentOrderTable order: "ord000", "ord001", ...
std::vector<ListRow> NumberedWords(int n) {
  std::vector<ListRow> rows;
  for (int i = 0; i < n; ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "ord%03d", i);
    rows.push_back({text, {static_cast<uint32_t>(i + 1)}});
  }
  return rows;
}

class IndexFind : public ::testing::TestWithParam<bool> {
 protected:
  void Open(const std::vector<ListRow>& rows, bool keep_accent = true, int32_t hash = 0) {
    ListProperties p = WordListProperties(dir_.path(), GetParam(), keep_accent);
    WriteWordList(p, rows);
    p.hash = hash;
    list_.properties() = p;
    ASSERT_TRUE(list_.Open());
    ASSERT_EQ(list_.RowCount(), static_cast<int32_t>(rows.size()));
  }

  testing::TempDir dir_;
  TVXindex list_;
};

TEST_P(IndexFind, EdgesOfTheListAndPrefixes) {
  Open({{"Berg", {1}},
        {"Berggren", {2}},
        {"Bergman", {3}},
        {"Dahl", {4}},
        {"Ek", {5}},
        {"Ekstr\xF6m", {6}},
        {"Lind", {7}}});
  EXPECT_EQ(list_.FindExact("Aaa"), -1);  // before every row
  EXPECT_EQ(list_.FindExact("berg"), 1);
  EXPECT_EQ(list_.FindExact("Lind"), 7);
  EXPECT_EQ(list_.FindExact("Linda"), -1);  // after every row
  EXPECT_EQ(list_.FindExact("Zorn"), -1);
  EXPECT_EQ(list_.FindExact("Ber"), -1);
  EXPECT_EQ(list_.FindPrefix(""), 1);
  EXPECT_EQ(list_.FindPrefix("Ber"), 1);
  EXPECT_EQ(list_.FindPrefix("Bergm"), 3);
  EXPECT_EQ(list_.RowText(), "Bergman");  // the row found stays in the buffer
  EXPECT_EQ(list_.RowValue1(), 3u);
  EXPECT_EQ(list_.FindPrefix("EK"), 5);
  EXPECT_EQ(list_.FindPrefix("Ekstr\xD6"), 6);
  EXPECT_EQ(list_.FindPrefix("Bergz"), -1);
  EXPECT_EQ(list_.FindPrefix("C"), -1);
  // A text ends at its zero byte.
  EXPECT_EQ(list_.FindExact(std::string("Dahl\0xyz", 8)), 4);
}

TEST_P(IndexFind, EveryRowIsFoundByItsTextAndItsPrefix) {
  const std::vector<ListRow> rows = NumberedWords(457);
  Open(rows);
  for (size_t i = 0; i < rows.size(); ++i) {
    const int32_t row = static_cast<int32_t>(i + 1);
    EXPECT_EQ(list_.FindExact(rows[i].text), row) << rows[i].text;
    EXPECT_EQ(list_.FindPrefix(rows[i].text.substr(0, 5)), row - static_cast<int32_t>(i % 10));
  }
  EXPECT_EQ(list_.FindExact("ord457"), -1);
  EXPECT_EQ(list_.FindExact("ord0005"), -1);
}

TEST_P(IndexFind, KeyCacheNeverChangesAResult) {
  const std::vector<ListRow> rows = NumberedWords(600);
  Open(rows, true, 50);
  TVXindex plain;
  plain.properties() = list_.properties();
  plain.properties().hash = 0;
  ASSERT_TRUE(plain.Open());
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    std::string word = rows[random() % rows.size()].text;
    word.resize(random() % 7);  // prefixes of all lengths, the empty one too
    if (random() % 5 == 0) word += "5";
    const bool prefix = random() % 2 == 0;
    const int32_t expected = prefix ? plain.FindPrefix(word) : plain.FindExact(word);
    ASSERT_EQ(prefix ? list_.FindPrefix(word) : list_.FindExact(word), expected)
        << (prefix ? "prefix " : "exact ") << word;
  }
}

TEST_P(IndexFind, RepeatedAndRefinedSearchesReadNoBlocks) {
  const std::vector<ListRow> rows = NumberedWords(900);
  Open(rows);
  ASSERT_EQ(list_.FindExact("ord613"), 614);
  const uint64_t expansions = list_.BlockExpansions();
  EXPECT_EQ(list_.FindExact("ord613"), 614);
  EXPECT_EQ(list_.FindPrefix("ord61"), 611);
  EXPECT_EQ(list_.RowText(), "ord610");
  EXPECT_EQ(list_.FindExact("ord613"), 614);
  EXPECT_EQ(list_.RowValue1(), 614u);  // the row buffer holds the row found
  EXPECT_EQ(list_.BlockExpansions(), expansions);
}

TEST_P(IndexFind, ReopeningForgetsTheRowsSearchesKept) {
  Open(NumberedWords(300));
  ASSERT_EQ(list_.FindExact("ord150"), 151);
  list_.Close();
  std::vector<ListRow> shifted = NumberedWords(300);
  shifted.erase(shifted.begin(), shifted.begin() + 50);  // "ord050" ... "ord299"
  WriteWordList(list_.properties(), shifted);
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.FindExact("ord150"), 101);
  EXPECT_EQ(list_.FindExact("ord010"), -1);
}

TEST_P(IndexFind, WordsAreCutTo255Characters) {
  ListProperties p = WordListProperties(dir_.path(), GetParam());
  p.radmaxlen = 300;
  const std::string stem(255, 'a');
  WriteWordList(p, {{stem + "b", {1}}, {stem + "c", {2}}});
  list_.properties() = p;
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.FindPrefix(stem + "c"), 1);  // "c" is beyond the 255 compared
  EXPECT_EQ(list_.FindExact(stem + "c"), -1);  // stem alone equals no row
}

TEST_P(IndexFind, KeepAccentFoldsCaseOnly) {
  // AccentOrderTable: each accented letter directly after its base letter,
  // Å after every other letter.
  Open({{"A", {1}}, {"\xC1", {2}}, {"B", {3}}, {"\xC5", {4}}});
  EXPECT_EQ(list_.FindExact("a"), 1);
  EXPECT_EQ(list_.FindExact("\xE1"), 2);   // á
  EXPECT_EQ(list_.FindExact("\xC1"), 2);   // Á
  EXPECT_EQ(list_.FindExact("\xE5"), 4);   // å
  EXPECT_EQ(list_.FindExact("\xE0"), -1);  // à is neither a nor á
}

TEST_P(IndexFind, FoldingKeepsOnlyTheSwedishLettersApart) {
  Open({{"ANDERS", {1}},
        {"ASA", {2}},
        {"ZETA", {3}},
        {"\xC5SA", {4}},
        {"\xC4NG", {5}},
        {"\xD6ST", {6}}},
       false);
  for (const char* anders : {"anders", "\xC1NDERS", "\xE1nders", "\xC0nders"})
    EXPECT_EQ(list_.FindExact(anders), 1) << anders;
  EXPECT_EQ(list_.FindExact("asa"), 2);
  EXPECT_EQ(list_.FindExact("\xE5sa"), 4);  // åsa is not asa
  EXPECT_EQ(list_.FindPrefix("\xE4"), 5);
  EXPECT_EQ(list_.FindPrefix("\xE6"), 5);  // æ folds to Ä
  EXPECT_EQ(list_.FindPrefix("\xF6"), 6);
  EXPECT_EQ(list_.FindPrefix("\xF8"), 6);  // ø folds to Ö
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

TEST_F(IndexOpen, ReadOnlyMissingFilesStayClosedAndCreateNothing) {
  for (const bool blocks : {false, true}) {
    list_.properties() = Properties(blocks);
    EXPECT_FALSE(list_.Open());
    EXPECT_FALSE(list_.Opened());
    EXPECT_EQ(list_.RowCount(), 0);
    EXPECT_EQ(list_.FindPrefix(""), -1);
  }
  EXPECT_TRUE(fs::is_empty(dir_.path()));
  EXPECT_TRUE(log_.messages.empty());
}

TEST_F(IndexOpen, WritableMissingFileIsCreatedEmpty) {
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
  list_.properties() = Properties(false);
  EXPECT_FALSE(list_.Open());
  ASSERT_EQ(log_.messages.size(), 1u);
  EXPECT_EQ(log_.messages[0], "4: Listan " + (dir_ / "w.i").string() + " kan inte \xF6ppnas.");

  fs::remove(dir_ / "w.i");
  fs::create_directory(dir_ / "w.i");  // exists, cannot be opened as a file
  EXPECT_FALSE(list_.Open());
  EXPECT_EQ(log_.messages.size(), 2u);
  EXPECT_FALSE(list_.Opened());
}

TEST_F(IndexOpen, OpeningTakesShapeAndCapacityFromTheFile) {
  ListProperties p = Properties(true);
  p.radmaxlen = 30;
  p.maxrader = 1234;
  WriteWordList(p, {{"Berg", {1}}});
  list_.properties() = Properties(true);  // radmaxlen 80, maxrader 200000
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.properties().radmaxlen, 30);
  EXPECT_EQ(list_.properties().maxrader, 1234);
}

TEST_F(IndexOpen, RowCountIsBoundByWhatThePlainFileHolds) {
  const std::vector<ListRow> rows = NumberedWords(50);
  WriteWordList(Properties(false), rows);
  std::vector<uint8_t> file = ReadFileBytes(dir_ / "w.i");
  const uint32_t row_length = 88;
  file.resize(22 + 20 * row_length + 5);  // cut inside row 21
  WriteFileBytes(dir_ / "w.i", file);
  list_.properties() = Properties(false);
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.RowCount(), 20);
  EXPECT_EQ(list_.FindExact(rows[9].text), 10);
  EXPECT_EQ(list_.FindExact(rows[30].text), -1);
  EXPECT_TRUE(list_.ReadRow(21).IsNotFound());

  PatchU32(dir_ / "w.i", 2, 0xFFFFFFFF);
  ASSERT_TRUE(list_.Open());
  EXPECT_EQ(list_.RowCount(), 20);
}

TEST_F(IndexOpen, RowCountIsBoundByTheBlocksTheListNames) {
  WriteWordList(Properties(true), NumberedWords(250));  // blocks of 100, 100, 50
  PatchU32(dir_ / "w.i", 2, 0x7FFFFFFF);
  list_.properties() = Properties(true);
  ASSERT_TRUE(list_.Open());
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

TEST_F(IndexOpen, BlockBeyondTheFileReadsNothing) {
  const std::vector<ListRow> rows = NumberedWords(250);
  WriteWordList(Properties(true), rows);
  Tvxpeklista blocks(PointerListType::kLoaded);
  blocks.SetFileNames(dir_.path().string() + "/", "w.iz");
  blocks.SetReadOnly(true);
  ASSERT_TRUE(blocks.Open(false));
  const uint32_t second = blocks.Get(2);
  blocks.Close();
  PatchU32(dir_ / "w.i", second, 0x7FFFFFF0);  // block 2's length word
  list_.properties() = Properties(true);
  ASSERT_TRUE(list_.Open());
  EXPECT_TRUE(list_.ReadRow(150).IsNotFound());
  EXPECT_TRUE(list_.ReadRow(50).ok());
  EXPECT_EQ(list_.RowText(), rows[49].text);
  // Every search probes row 125 first, in the damaged block.
  EXPECT_EQ(list_.FindExact(rows[149].text), -1);
  EXPECT_EQ(list_.FindExact(rows[240].text), -1);
  EXPECT_TRUE(list_.ReadRow(241).ok());
}

TEST_F(IndexOpen, TextWithoutItsZeroEndsAtTheArea) {
  std::vector<uint8_t> row(8, 0);
  row.resize(8 + 20, 'x');  // a text area of 20 without a zero byte
  WriteFileBytes(dir_ / "w.i", testing::PlainRowFile(28, {row}));
  list_.properties() = Properties(false);
  ASSERT_TRUE(list_.Open());
  ASSERT_TRUE(list_.ReadRow(1).ok());
  EXPECT_EQ(list_.RowText(), std::string(20, 'x'));
  EXPECT_EQ(list_.FindExact(std::string(20, 'x')), 1);
  EXPECT_EQ(list_.FindExact(std::string(21, 'x')), -1);
}

}  // namespace
}  // namespace vx
