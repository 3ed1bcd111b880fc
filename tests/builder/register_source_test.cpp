// Reading and checking a register's source table.
#include "builder/register_source.h"

#include <gtest/gtest.h>

#include "tests/support/source_fixture.h"

namespace vx {
namespace {

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
  ASSERT_TRUE(Load(SourceTable(1, {{{"ENAMN", "  \xC5kesson "}, {"FODAT", "17450312"}},
                                   {{"OVRIGT", " rad ett\rrad tv\xE5 "}}})))
      << error_.ToString();
  ASSERT_EQ(source_.Count(), 2u);
  EXPECT_EQ(source_.Field(0, "ENAMN"), "\xC5kesson");
  EXPECT_EQ(source_.Field(0, "FODAT"), "17450312");
  EXPECT_EQ(source_.Field(1, "OVRIGT"), " rad ett\rrad tv\xE5 ");
  EXPECT_EQ(source_.Field(1, "ENAMN"), "");
  EXPECT_EQ(source_.Line(1), 3u);
  EXPECT_EQ(source_.Field(0, "NOSUCH"), "");
}

TEST_F(RegisterSourceTest, ColumnsMayComeInAnyOrder) {
  std::string table = SourceTable(2, {{{"KENAMN", "Berg"}, {"VIGDDAT", "17600101"}}});
  // Move the first column to the end.
  std::string moved;
  size_t line_start = 0;
  while (line_start < table.size()) {
    const size_t end = table.find('\n', line_start);
    const std::string line = table.substr(line_start, end - line_start);
    const size_t first = line.find(';');
    moved += line.substr(first + 1) + ";" + line.substr(0, first) + "\n";
    line_start = end + 1;
  }
  ASSERT_TRUE(Load(moved, 2)) << error_.ToString();
  EXPECT_EQ(source_.Field(0, "KENAMN"), "Berg");
}

TEST_F(RegisterSourceTest, HeaderMustNameExactlyTheRegistersFields) {
  std::string table = SourceTable(1, {});
  EXPECT_FALSE(Load("EXTRA;" + table));
  EXPECT_EQ(error_.ToString(), "fodda.csv:1: okänt fält \"EXTRA\"");

  EXPECT_FALSE(Load(table.substr(table.find(';') + 1)));  // POSTNUMMER missing
  EXPECT_EQ(error_.ToString(), "fodda.csv:1: fältet POSTNUMMER saknas i rubrikraden");

  EXPECT_FALSE(Load("ENAMN;" + table));
  EXPECT_NE(error_.message.find("två gånger"), std::string::npos);

  EXPECT_FALSE(Load(";" + table));
  EXPECT_EQ(error_.line, 1u);
}

TEST_F(RegisterSourceTest, RefusesValuesThatDoNotFit) {
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
}

TEST_F(RegisterSourceTest, BannsHoldSeveralDates) {
  EXPECT_TRUE(Load(SourceTable(2, {{{"LYSNDAT", "17600301, 17600308,17600315"}}}), 2))
      << error_.ToString();
  EXPECT_FALSE(Load(SourceTable(2, {{{"LYSNDAT", "17600301; 1760"}}}), 2));
}

}  // namespace
}  // namespace vx
