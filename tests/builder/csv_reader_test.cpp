#include "builder/csv_reader.h"

#include <gtest/gtest.h>

#include "tests/support/files.h"

namespace vx {
namespace {

class CsvReaderTest : public ::testing::Test {
 protected:
  // Opens a file with the given content; false with error_ set on failure.
  bool OpenText(const std::string& content) {
    testing::WriteFileBytes(dir_ / "fodda.csv",
                            std::vector<uint8_t>(content.begin(), content.end()));
    return reader_.Open(dir_ / "fodda.csv", error_);
  }
  std::vector<std::vector<std::string>> ReadAll() {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> fields;
    while (reader_.Next(fields, error_) == CsvRow::kRecord)
      rows.push_back(fields);
    return rows;
  }

  testing::TempDir dir_;
  CsvReader reader_;
  SourceError error_;
};

TEST_F(CsvReaderTest, DetectsTheDelimiterFromTheHeader) {
  for (const std::string d : {";", ",", "\t"}) {
    ASSERT_TRUE(OpenText("A" + d + "B\n1" + d + "2\n")) << error_.ToString();
    EXPECT_EQ(reader_.Header(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ReadAll(), (std::vector<std::vector<std::string>>{{"1", "2"}}));
  }
  // Semicolons win over commas, which then belong to the values.
  ASSERT_TRUE(OpenText("A;B\nAndersson, Per;2\n"));
  EXPECT_EQ(ReadAll()[0][0], "Andersson, Per");
  // Empty lines before the header do not hide its delimiter.
  ASSERT_TRUE(OpenText("\r\n\nA,B\r\n1,2\n"));
  EXPECT_EQ(reader_.Header(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ReadAll(), (std::vector<std::vector<std::string>>{{"1", "2"}}));
}

TEST_F(CsvReaderTest, QuotedValuesHoldDelimitersQuotesAndLineBreaks) {
  ASSERT_TRUE(OpenText(
      "ENAMN;OVRIGT\r\n\"Berg; d.y.\";\"Sade \"\"nej\"\"\r\nandra raden\ntredje\"\r\nNils;x\r\n"));
  const auto rows = ReadAll();
  ASSERT_EQ(rows.size(), 2u) << error_.ToString();
  EXPECT_EQ(rows[0][0], "Berg; d.y.");
  EXPECT_EQ(rows[0][1], "Sade \"nej\"\randra raden\rtredje");
  EXPECT_EQ(rows[1], (std::vector<std::string>{"Nils", "x"}));
}

TEST_F(CsvReaderTest, CountsLinesAcrossQuotedLineBreaks) {
  ASSERT_TRUE(OpenText("A;B\n\"1\n2\n3\";x\n\nfel\n"));
  std::vector<std::string> fields;
  ASSERT_EQ(reader_.Next(fields, error_), CsvRow::kRecord);
  EXPECT_EQ(reader_.RecordLine(), 2u);
  EXPECT_EQ(reader_.Next(fields, error_), CsvRow::kError);
  EXPECT_EQ(error_.ToString(), "fodda.csv:6: posten har 1 fält, men rubrikraden har 2");
}

TEST_F(CsvReaderTest, ConvertsUtf8AndKeepsWindows1252) {
  ASSERT_TRUE(OpenText("\xEF\xBB\xBFNAMN\nJ\xC3\xB6ns \xC3\x85kesson \xE2\x82\xAC\n"));
  EXPECT_EQ(reader_.Header()[0], "NAMN");  // the byte-order mark is dropped
  EXPECT_EQ(ReadAll()[0][0], "J\xF6ns \xC5kesson \x80");

  ASSERT_TRUE(OpenText("NAMN\nJ\xF6ns \xC5kesson\n"));  // not UTF-8: Windows-1252 as it is
  EXPECT_EQ(ReadAll()[0][0], "J\xF6ns \xC5kesson");
}

TEST_F(CsvReaderTest, RefusesCharactersOutsideWindows1252WithTheirLine) {
  EXPECT_FALSE(OpenText("NAMN\nPer\nL\xC5\x91rinc\n"));  // U+0151, o with double acute
  EXPECT_EQ(error_.line, 3u);
  EXPECT_NE(error_.message.find("U+0151"), std::string::npos) << error_.message;
}

TEST_F(CsvReaderTest, ReportsMalformedRows) {
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
  EXPECT_FALSE(reader_.Open(dir_ / "saknas.csv", error_));
}

TEST_F(CsvReaderTest, EmptyValuesAndLastLineWithoutLineEnd) {
  ASSERT_TRUE(OpenText("A;B;C\n;;\n1;;3"));
  EXPECT_EQ(ReadAll(), (std::vector<std::vector<std::string>>{{"", "", ""}, {"1", "", "3"}}));
  EXPECT_TRUE(error_.message.empty());
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// The reader takes the file in pieces of 4 MB. Whatever falls on the seam
// between two pieces (a CR LF, a character of two bytes, a doubled quote,
// a closing quote, a line break inside quotes) reads as it would anywhere
// else, with the right line numbers.
TEST_F(CsvReaderTest, ReadsTheSameAcrossTheSeamsOfItsPieces) {
  constexpr size_t kPiece = 4 << 20;
  const std::string special = "\"s\xC3\xA5 \"\"ja\"\"\r\nrad\";\xC3\xA5r\r\n";
  for (size_t before = 0; before < special.size(); ++before) {
    SCOPED_TRACE(before);
    // Filler rows, then the special row placed so that the seam falls
    // `before` bytes into it.
    std::string text = "A;B\r\n";
    size_t rows = 0;
    while (text.size() + 8 <= kPiece - before) {
      text += "1;2\r\n";
      ++rows;
    }
    text += std::string(kPiece - before - text.size() - 2, 'x') + ";\n";  // one more row
    ++rows;
    text += special + "z;\"\"\r\n";
    ASSERT_TRUE(OpenText(text)) << error_.ToString();
    std::vector<std::string> fields;
    size_t read = 0;
    while (read < rows && reader_.Next(fields, error_) == CsvRow::kRecord)
      ++read;
    ASSERT_EQ(read, rows) << error_.ToString();
    ASSERT_EQ(reader_.Next(fields, error_), CsvRow::kRecord) << error_.ToString();
    EXPECT_EQ(fields, (std::vector<std::string>{"s\xE5 \"ja\"\rrad", "\xE5r"}));
    EXPECT_EQ(reader_.RecordLine(), rows + 2);
    ASSERT_EQ(reader_.Next(fields, error_), CsvRow::kRecord);
    EXPECT_EQ(fields, (std::vector<std::string>{"z", ""}));
    EXPECT_EQ(reader_.RecordLine(), rows + 4);
    EXPECT_EQ(reader_.Next(fields, error_), CsvRow::kEnd);
  }
}

}  // namespace
}  // namespace vx
