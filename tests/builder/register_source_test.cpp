// Reading a register's source: the CSV reader under it, the table checked
// against the register's fields, and what the builder derives from its
// records.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

#include "builder/csv_reader.h"
#include "builder/list_keys.h"
#include "builder/norm_rows.h"
#include "builder/person_rows.h"
#include "builder/posting_collector.h"
#include "builder/register_schema.h"
#include "builder/register_source.h"
#include "catalogue/catalogue_declaration.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

using testing::W;

// Reading and checking a register's source table.
using testing::SourceRecord;
using testing::SourceTable;

class RegisterSourceTest : public ::testing::Test {
 protected:
  bool Load(const std::string& table, int register_number = 1) {
    testing::WriteText(dir_ / "fodda.csv", table);
    return source_.Load(dir_ / "fodda.csv", register_number, error_);
  }

  testing::TempDir dir_;
  RegisterSource source_;
  SourceError error_;
};

TEST_F(RegisterSourceTest, KeepsEveryFieldTrimmedAndLongTextsWhole) {
  ASSERT_TRUE(Load(SourceTable(1, {{{"ENAMN", W("  Åkesson ")}, {"FODAT", "17450312"}},
                                   {{"OVRIGT", W(" rad ett\rrad två ")}}})))
      << error_.ToString();
  ASSERT_EQ(source_.Count(), 2u);
  EXPECT_EQ(source_.Field(0, "ENAMN"), W("Åkesson"));
  EXPECT_EQ(source_.Field(0, "FODAT"), "17450312");
  EXPECT_EQ(source_.Field(1, "OVRIGT"), W(" rad ett\rrad två "));
  EXPECT_EQ(source_.Field(1, "ENAMN"), "");
  EXPECT_EQ(source_.Line(1), 3u);
  EXPECT_EQ(source_.Field(0, "NOSUCH"), "");
}

TEST_F(RegisterSourceTest, ColumnsMayComeInAnyOrder) {
  std::istringstream table(SourceTable(2, {{{"KENAMN", "Berg"}, {"VIGDDAT", "17600101"}}}));
  std::string moved;  // the first column moved to the end
  for (std::string line; std::getline(table, line);)
    moved += line.substr(line.find(';') + 1) + ";" + line.substr(0, line.find(';')) + "\n";
  ASSERT_TRUE(Load(moved, 2)) << error_.ToString();
  EXPECT_EQ(source_.Field(0, "KENAMN"), "Berg");
}

TEST_F(RegisterSourceTest, HeaderMustNameExactlyTheRegistersFields) {
  std::string table = SourceTable(1, {});
  EXPECT_FALSE(Load("EXTRA;" + table));
  EXPECT_EQ(error_.ToString(), "fodda.csv:1: okänt fält \"EXTRA\"");
  EXPECT_EQ(error_.ToString(Language::kEnglish), "fodda.csv:1: unknown field \"EXTRA\"");

  EXPECT_FALSE(Load(table.substr(table.find(';') + 1)));  // POSTNUMMER missing
  EXPECT_EQ(error_.ToString(), "fodda.csv:1: fältet POSTNUMMER saknas i rubrikraden");

  EXPECT_FALSE(Load("ENAMN;" + table));
  EXPECT_NE(error_.message.find("två gånger"), std::string::npos);

  EXPECT_FALSE(Load(";" + table));
  EXPECT_EQ(error_.line, 1u);
}

TEST_F(RegisterSourceTest, RefusesValuesThatDoNotFitAndTakesSeveralBannsDates) {
  auto fails_on_line_2 = [&](const SourceRecord& record, const std::string& words) {
    EXPECT_FALSE(Load(SourceTable(1, {record}))) << words;
    EXPECT_EQ(error_.line, 2u) << error_.ToString();
    EXPECT_NE(error_.message.find(words), std::string::npos) << error_.ToString();
  };
  fails_on_line_2({{"ENAMN", std::string(68, 'a')}}, "för långt för sökordslistan");
  fails_on_line_2({{"LOKALID", std::string(18, '1')}}, "för långt");
  fails_on_line_2({{"FODAT", "1745-03-12"}}, "ÅÅÅÅMMDD");
  fails_on_line_2({{"ORTO", std::string(6001, 'x')}}, "för långt");
  fails_on_line_2({{"ENAMNO", "Berg\rBerg"}}, "radbrytningar");
  fails_on_line_2({{"OVRIGT", std::string(19000, 'x')}, {"REGANM", std::string(1000, 'y')}},
                  "posten är för lång");

  // The same values at their limits pass.
  EXPECT_TRUE(Load(SourceTable(1, {{{"ENAMN", std::string(67, 'a')},
                                    {"LOKALID", std::string(17, '1')},
                                    {"FODAT", "1745XX99"},
                                    {"DOPDAT", "9999"},
                                    {"OVRIGT", std::string(19000, 'x')}}})))
      << error_.ToString();
  // First names go to their list word by word.
  EXPECT_TRUE(
      Load(SourceTable(1, {{{"FNAMN", std::string(60, 'a') + " " + std::string(60, 'b')}}})))
      << error_.ToString();
  // Banns hold several dates.
  EXPECT_TRUE(Load(SourceTable(2, {{{"LYSNDAT", "17600301, 17600308,17600315"}}}), 2))
      << error_.ToString();
  EXPECT_FALSE(Load(SourceTable(2, {{{"LYSNDAT", "17600301; 1760"}}}), 2));
}

// What the builder derives from records: person rows and their orders, the
// distinct words of a list, the normalisation rows.

class DerivedRows : public ::testing::Test {
 protected:
  RegisterSource& Load(int register_number, const std::vector<SourceRecord>& records) {
    testing::WriteText(dir_ / "t.csv", testing::SourceTable(register_number, records));
    SourceError error;
    EXPECT_TRUE(source_.Load(dir_ / "t.csv", register_number, error)) << error.ToString();
    return source_;
  }

  std::string Row(size_t i) {
    return PersonRowText(source_.register_number(), source_.Record(i, values_));
  }

  testing::TempDir dir_;
  RegisterSource source_;
  std::vector<std::string_view> values_;
};

TEST_F(DerivedRows, PersonRowsFollowTheNameAndDateRulesAndKeepTheirDate) {
  Load(1, {testing::Fields("ENAMN=Berg|FNAMN=Anna|FODAT=17450312|DOPDAT=17450314"),
           {{"FNAMN", "Per"}, {"DOPDAT", "17460101"}},
           {}});
  EXPECT_EQ(Row(0), "Berg, Anna\r17450312");
  EXPECT_EQ(Row(1), "Per\rdp 17460101");
  EXPECT_EQ(Row(2), "\r");

  Load(2, {testing::Fields("MENAMN=Ek|MFNAMN=Olof|KFNAMN=Brita|LYSNDAT=17600301, 17600308"),
           {{"VIGDDAT", "17600401"}}});
  EXPECT_EQ(Row(0), "Ek, Olof och Brita\rly 17600301");
  EXPECT_EQ(Row(1), "\r17600401");

  Load(3, {{{"ENAMN", "Ek"}, {"BEGRDAT", "18000105"}}});
  EXPECT_EQ(Row(0), "Ek\rbg 18000105");
  EXPECT_EQ(RowDate("Ek\rbg 18000105"), "18000105");

  // A row too long keeps its date.
  Load(3, {{{"ENAMN", std::string(60, 'a')},
            {"FNAMN", std::string(60, 'b') + " " + std::string(60, 'c')},
            {"DODAT", "18000105"}}});
  const std::string row = Row(0);
  EXPECT_EQ(row.size(), kMaxPersonRowText);
  EXPECT_TRUE(row.ends_with("\r18000105"));
}

TEST(PersonOrder, IsSwedishAndStable) {
  const std::vector<std::string> rows = {W("Öberg\r1"),  "Zorn\r1", W("Åkesson\r1"),
                                         W("Ärling\r1"), "zorn\r1", "Andersson\r2",
                                         "ANDERSSON\r1"};
  // Sorted as the builder's sorter does: by the keys' bytes, equal keys in
  // their first order. Record r is source row order[r - 1].
  std::vector<uint32_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return PersonOrderKey(rows[a]) < PersonOrderKey(rows[b]);
  });
  EXPECT_EQ(order, (std::vector<uint32_t>{6, 5, 1, 4, 2, 3, 0}));
  // Dates, then record numbers; markers do not count.
  const std::vector<std::string> by_record = {"A\r1750", "B\rdp 1740", "C\r1750", "D\r",
                                              "E\r17501"};
  std::vector<std::string> keys;
  for (uint32_t r = 1; r <= by_record.size(); ++r)
    keys.push_back(DateOrderKey(by_record[r - 1], r * 300));
  std::sort(keys.begin(), keys.end());
  std::vector<uint32_t> records;
  for (const std::string& key : keys)
    records.push_back(RecordOfDateOrderKey(key) / 300);
  EXPECT_EQ(records, (std::vector<uint32_t>{4, 2, 1, 3, 5}));
}

struct CollectedRow {
  int list;
  std::string text;
  std::vector<uint32_t> records;
  bool operator==(const CollectedRow&) const = default;
};

// The rows a collector gives, with as much memory as it likes and with so
// little that every value goes to disc on its own.
std::vector<CollectedRow> Collect(const std::function<void(PostingCollector&)>& add,
                                  size_t budget) {
  testing::TempDir temp;
  PostingCollector collector(budget, temp.path());
  add(collector);
  EXPECT_TRUE(collector.Finish());
  EXPECT_TRUE(collector.CountRows());
  EXPECT_EQ(collector.RunCount() > 0, budget == 0);
  std::vector<CollectedRow> rows;
  collector.ForEachRow([&](uint8_t list, std::string_view text, const std::vector<uint32_t>& r) {
    rows.push_back({list, std::string(text), r});
    return true;
  });
  size_t counted = 0;
  for (int list = 0; list < 3; ++list)
    counted += collector.RowCount(static_cast<uint8_t>(list));
  EXPECT_EQ(counted, rows.size());
  return rows;
}

TEST(PostingCollector, WordsDistinctUnderTheTableWithTheMostFrequentSpelling) {
  auto add = [](PostingCollector& c) {
    const std::pair<const char*, uint32_t> values[] = {
        {"Andersson", 1},    {"ANDERSSON", 2},
        {"andersson", 3},    {"ANDERSSON", 3},  // the same record twice counts once
        {"And\xE9rsson", 4},                    // an accent keeps the spelling apart
        {"Berg", 5},         {"\xC5kesson", 5},
        {"berg", 6},         {"BERG", 7}};
    for (const auto& [value, record] : values)
      c.Add(1, WordKey(value), value, record);
    c.Add(0, LokalIdKey("B-2", 2), "B-2", 2);
    c.Add(0, LokalIdKey("a-1", 9), "a-1", 9);
    c.Add(0, LokalIdKey("B-2", 7), "B-2", 7);  // the same ID twice: two rows
  };
  const std::vector<CollectedRow> expected = {
      {0, "a-1", {9}},
      {0, "B-2", {2}},
      {0, "B-2", {7}},
      {1, "ANDERSSON", {1, 2, 3}},
      {1, W("Andérsson"), {4}},
      {1, "BERG", {5, 6, 7}},  // three spellings once each: the first in byte order
      {1, W("Åkesson"), {5}},  // after every plain letter
  };
  EXPECT_EQ(Collect(add, 1 << 20), expected);
  EXPECT_EQ(Collect(add, 0), expected);
}

TEST(PostingCollector, ExactLinesInFoldedOrderThenByBytes) {
  auto add = [](PostingCollector& c) {
    c.AddExact(2, LineKey("Per i Berg"), 1);
    c.AddExact(2, LineKey("PER I BERG"), 2);
    c.AddExact(2, LineKey("Per i Berg"), 7);
    c.AddExact(2, LineKey("Per"), 8);
    // A line longer than the table's chunks, in more records than one
    // chunk of records holds.
    for (uint32_t record = 1; record <= 20; ++record)
      c.AddExact(2, LineKey(std::string(20000, 'X')), record);
  };
  std::vector<uint32_t> every(20);
  std::iota(every.begin(), every.end(), 1u);
  const std::vector<CollectedRow> expected = {
      {2, "Per", {8}},         // a shorter line first
      {2, "PER I BERG", {2}},  // equal when folded: then by bytes
      {2, "Per i Berg", {1, 7}},
      {2, std::string(20000, 'X'), every},
  };
  EXPECT_EQ(Collect(add, 1 << 20), expected);
  EXPECT_EQ(Collect(add, 0), expected);
}

TEST_F(DerivedRows, NormalisationRowsByKindWithCounts) {
  Load(1, {testing::Fields(
               "ENAMN=Persson|ENAMNO=Pehrsson|FNAMN=Karl|FNAMNO=Carl|GENUS=m|ORT=Berg|ORTO=Bergh|"
               "FORSKX=Hov|MORFNAMN=Kristina|MORFNAMNO=Christina"),
           testing::Fields("ENAMN=Persson|ENAMNO=Pehrsson|FNAMN=Anna|FNAMNO=Anne"),
           testing::Fields("ENAMN=Andersson|ENAMNO=Andersson|ORT=Berg|ORTO=Bergh")});
  NormRows rows;
  SourceError error;
  for (size_t i = 0; i < source_.Count(); ++i)
    ASSERT_TRUE(rows.Add(1, source_.Record(i, values_), "t.csv", source_.Line(i), error));
  // Anna has no sex given: her written form is not counted.
  EXPECT_EQ(rows.SortedRowTexts(),
            (std::vector<std::string>{"1\rAndersson\rAndersson\r1", "1\rPersson\rPehrsson\r2",
                                      "2\rBerg\rBergh\r\r1", "2\rBerg\rBergh\rHov\r1",
                                      "3\rKristina\rChristina\r1", "4\rKarl\rCarl\r1"}));
}

using Rows = std::vector<std::vector<std::string>>;

class CsvReaderTest : public ::testing::Test {
 protected:
  // Opens fodda.csv with the given content, from memory in pieces of
  // `piece` bytes; false with error_ set on failure.
  bool OpenText(const std::string& content, size_t piece = SourceStream::kFilePiece) {
    content_ = content;
    return reader_.OpenBytes(content_, "fodda.csv", piece, error_);
  }
  Rows ReadAll() {
    Rows rows;
    std::vector<std::string> fields;
    lines_.clear();
    while (reader_.Next(fields, error_) == CsvRow::kRecord) {
      rows.push_back(fields);
      lines_.push_back(reader_.RecordLine());
    }
    return rows;
  }
  std::vector<size_t> lines_;  // the first line of each record read

  std::string content_;
  CsvReader reader_;
  SourceError error_;
};

// Each text's header and records, and the line and words of its first
// fault (line 0: none): delimiters, quoting, line ends and encodings.
TEST_F(CsvReaderTest, ReadsTheHeaderAndRecordsOrReportsTheLineOfTheFault) {
  const struct {
    std::string text;
    Rows read;  // the header, then the records before the end or the fault
    size_t line;
    std::string words;
  } cases[] = {
      {"A;B\n1;2\n", {{"A", "B"}, {"1", "2"}}, 0, ""},
      {"A,B\n1,2\n", {{"A", "B"}, {"1", "2"}}, 0, ""},
      {"A\tB\n1\t2\n", {{"A", "B"}, {"1", "2"}}, 0, ""},
      // Semicolons win over commas, which then belong to the values.
      {"A;B\nAndersson, Per;2\n", {{"A", "B"}, {"Andersson, Per", "2"}}, 0, ""},
      // Empty lines before the header do not hide its delimiter.
      {"\r\n\nA,B\r\n1,2\n", {{"A", "B"}, {"1", "2"}}, 0, ""},
      // Quotes hold delimiters, quotes and line breaks, which count as lines.
      {"ENAMN;OVRIGT\r\n\"Berg; d.y.\";\"Sade \"\"nej\"\"\r\nandra raden\ntredje\"\r\nNils;x\r\n",
       {{"ENAMN", "OVRIGT"}, {"Berg; d.y.", "Sade \"nej\"\randra raden\rtredje"}, {"Nils", "x"}},
       0,
       ""},
      {"A;B\n\"1\n2\n3\";x\n\nfel\n",
       {{"A", "B"}, {"1\r2\r3", "x"}},
       6,
       "posten har 1 fält, men rubrikraden har 2"},
      // UTF-8 is converted and its byte-order mark dropped; other text is
      // taken as Windows-1252.
      {"\xEF\xBB\xBFNAMN\nJ\xC3\xB6ns \xC3\x85kesson \xE2\x82\xAC\n",
       {{"NAMN"}, {"J\xF6ns \xC5kesson \x80"}},
       0,
       ""},
      {"NAMN\nJ\xF6ns \xC5kesson\n", {{"NAMN"}, {"J\xF6ns \xC5kesson"}}, 0, ""},
      {"A;B\n1;2;3\n", {{"A", "B"}}, 2, ""},
      {"A;B\n1;2\n\"öppet;3\n4;5\n", {{"A", "B"}, {"1", "2"}}, 3, "avslutas aldrig"},
      {"A;B\n\"1\"x;2\n", {{"A", "B"}}, 2, ""},
      // Empty values, and a last line without its line end.
      {"A;B;C\n;;\n1;;3", {{"A", "B", "C"}, {"", "", ""}, {"1", "", "3"}}, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    error_ = {};
    ASSERT_TRUE(OpenText(c.text)) << error_.ToString();
    Rows got = ReadAll();
    got.insert(got.begin(), reader_.Header());
    EXPECT_EQ(got, c.read);
    EXPECT_EQ(error_.line, c.line) << error_.ToString();
    EXPECT_EQ(error_.message.empty(), c.line == 0) << error_.ToString();
    EXPECT_NE(error_.message.find(c.words), std::string::npos) << error_.ToString();
  }
  // Refused when opened: nothing but empty lines, and a character outside
  // Windows-1252 (U+0151, o with double acute).
  EXPECT_FALSE(OpenText("\n\r\n"));
  EXPECT_EQ(error_.line, 0u);
  EXPECT_FALSE(OpenText("NAMN\nPer\nL\xC5\x91rinc\n"));
  EXPECT_EQ(error_.line, 3u);
  EXPECT_NE(error_.message.find("U+0151"), std::string::npos) << error_.message;
}

// A file reads as its bytes do from memory; one that is missing cannot be
// read.
TEST_F(CsvReaderTest, ReadsAFileAsItsBytes) {
  const std::string content =
      "\xEF\xBB\xBF"
      "A;B\r\n\"J\xC3\xB6ns\r\nPer\";2\n3;4";
  testing::TempDir dir;
  testing::WriteFileBytes(dir / "doda.csv", std::vector<uint8_t>(content.begin(), content.end()));
  ASSERT_TRUE(reader_.Open(dir / "doda.csv", error_)) << error_.ToString();
  EXPECT_EQ(reader_.Header(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ReadAll(), (Rows{{"J\xF6ns\rPer", "2"}, {"3", "4"}}));
  EXPECT_TRUE(error_.message.empty()) << error_.ToString();

  EXPECT_FALSE(reader_.Open(dir / "saknas.csv", error_));
  EXPECT_EQ(error_.ToString(), "saknas.csv: filen kan inte läsas");
}

// Whatever falls on the seam between two pieces (the byte-order mark, a CR
// LF, an empty line, a character of two bytes, a doubled quote, a closing quote, a line
// break inside quotes) reads as it would anywhere else, with the right line
// numbers: the text is read in pieces of every size up to its own.
TEST_F(CsvReaderTest, ReadsTheSameAcrossTheSeamsOfItsPieces) {
  const std::string text =
      "\xEF\xBB\xBF"
      "A;B\r\n1;2\r\n\r\n\"s\xC3\xA5 \"\"ja\"\"\r\nrad\";\xC3\xA5r\r\nz;\"\"\r\n";
  for (size_t piece = 1; piece <= text.size(); ++piece) {
    SCOPED_TRACE(piece);
    ASSERT_TRUE(OpenText(text, piece)) << error_.ToString();
    EXPECT_EQ(reader_.Header(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ReadAll(), (Rows{{"1", "2"}, {"s\xE5 \"ja\"\rrad", "\xE5r"}, {"z", ""}}));
    EXPECT_EQ(lines_, (std::vector<size_t>{2, 4, 6}));
    EXPECT_TRUE(error_.message.empty()) << error_.ToString();
  }
}

}  // namespace
}  // namespace vx
