#include "builder/csv_reader.h"

#include <gtest/gtest.h>

#include "tests/support/files.h"

namespace vx {
namespace {

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
    while (reader_.Next(fields, error_) == CsvRow::kRecord)
      rows.push_back(fields);
    return rows;
  }

  std::string content_;
  CsvReader reader_;
  SourceError error_;
};

TEST_F(CsvReaderTest, DetectsTheDelimiterFromTheHeader) {
  for (const std::string d : {";", ",", "\t"}) {
    ASSERT_TRUE(OpenText("A" + d + "B\n1" + d + "2\n")) << error_.ToString();
    EXPECT_EQ(reader_.Header(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ReadAll(), (Rows{{"1", "2"}}));
  }
  // Semicolons win over commas, which then belong to the values.
  ASSERT_TRUE(OpenText("A;B\nAndersson, Per;2\n"));
  EXPECT_EQ(ReadAll()[0][0], "Andersson, Per");
  // Empty lines before the header do not hide its delimiter.
  ASSERT_TRUE(OpenText("\r\n\nA,B\r\n1,2\n"));
  EXPECT_EQ(reader_.Header(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ReadAll(), (Rows{{"1", "2"}}));
}

TEST_F(CsvReaderTest, QuotedValuesHoldDelimitersQuotesAndLineBreaksThatCountAsLines) {
  ASSERT_TRUE(OpenText(
      "ENAMN;OVRIGT\r\n\"Berg; d.y.\";\"Sade \"\"nej\"\"\r\nandra raden\ntredje\"\r\nNils;x\r\n"));
  const auto rows = ReadAll();
  ASSERT_EQ(rows.size(), 2u) << error_.ToString();
  EXPECT_EQ(rows[0][0], "Berg; d.y.");
  EXPECT_EQ(rows[0][1], "Sade \"nej\"\randra raden\rtredje");
  EXPECT_EQ(rows[1], (std::vector<std::string>{"Nils", "x"}));
  ASSERT_TRUE(OpenText("A;B\n\"1\n2\n3\";x\n\nfel\n"));
  std::vector<std::string> fields;
  ASSERT_EQ(reader_.Next(fields, error_), CsvRow::kRecord);
  EXPECT_EQ(reader_.RecordLine(), 2u);
  EXPECT_EQ(reader_.Next(fields, error_), CsvRow::kError);
  EXPECT_EQ(error_.ToString(), "fodda.csv:6: posten har 1 fält, men rubrikraden har 2");
}

TEST_F(CsvReaderTest, ConvertsUtf8KeepsWindows1252AndRefusesOtherCharactersWithTheirLine) {
  ASSERT_TRUE(OpenText("\xEF\xBB\xBFNAMN\nJ\xC3\xB6ns \xC3\x85kesson \xE2\x82\xAC\n"));
  EXPECT_EQ(reader_.Header()[0], "NAMN");  // the byte-order mark is dropped
  EXPECT_EQ(ReadAll()[0][0], "J\xF6ns \xC5kesson \x80");

  ASSERT_TRUE(OpenText("NAMN\nJ\xF6ns \xC5kesson\n"));  // not UTF-8: Windows-1252 as it is
  EXPECT_EQ(ReadAll()[0][0], "J\xF6ns \xC5kesson");
  EXPECT_FALSE(OpenText("NAMN\nPer\nL\xC5\x91rinc\n"));  // U+0151, o with double acute
  EXPECT_EQ(error_.line, 3u);
  EXPECT_NE(error_.message.find("U+0151"), std::string::npos) << error_.message;
}

TEST_F(CsvReaderTest, ReportsMalformedRowsAndReadsEmptyValuesAndALastLineWithoutLineEnd) {
  ASSERT_TRUE(OpenText("A;B\n1;2;3\n"));
  ReadAll();
  EXPECT_EQ(error_.line, 2u);

  ASSERT_TRUE(OpenText("A;B\n1;2\n\"öppet;3\n4;5\n"));
  ReadAll();
  EXPECT_EQ(error_.line, 3u);
  EXPECT_NE(error_.message.find("avslutas aldrig"), std::string::npos) << error_.message;

  ASSERT_TRUE(OpenText("A;B\n\"1\"x;2\n"));
  ReadAll();
  EXPECT_EQ(error_.line, 2u);

  EXPECT_FALSE(OpenText("\n\r\n"));
  EXPECT_EQ(error_.line, 0u);
  ASSERT_TRUE(OpenText("A;B;C\n;;\n1;;3"));
  EXPECT_EQ(ReadAll(), (Rows{{"", "", ""}, {"1", "", "3"}}));
  EXPECT_TRUE(error_.message.empty());
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
    std::vector<std::string> fields;
    ASSERT_EQ(reader_.Next(fields, error_), CsvRow::kRecord) << error_.ToString();
    EXPECT_EQ(fields, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(reader_.RecordLine(), 2u);
    ASSERT_EQ(reader_.Next(fields, error_), CsvRow::kRecord) << error_.ToString();
    EXPECT_EQ(fields, (std::vector<std::string>{"s\xE5 \"ja\"\rrad", "\xE5r"}));
    EXPECT_EQ(reader_.RecordLine(), 4u);
    ASSERT_EQ(reader_.Next(fields, error_), CsvRow::kRecord) << error_.ToString();
    EXPECT_EQ(fields, (std::vector<std::string>{"z", ""}));
    EXPECT_EQ(reader_.RecordLine(), 6u);
    EXPECT_EQ(reader_.Next(fields, error_), CsvRow::kEnd);
  }
}

}  // namespace
}  // namespace vx
