// The configuration read from kuvo.ini, and the text routines.
#include <gtest/gtest.h>

#include "catalogue/configuration.h"
#include "catalogue/ini_file.h"
#include "catalogue/text_routines.h"
#include "tests/support/files.h"
#include "tests/support/text.h"

namespace vx {
namespace {

TEST(IniFile, SectionsKeysAndIntegers) {
  IniFile ini;
  ini.Parse(
      "; a comment\r\n[Databaser]\r\nHuvudRegister = 7 (sju)\r\n[hdbaser]\nhdbasen=D:\\reg\\\n"
      "[limits]\nutskrift=x\nutskrift=5\n[tom]\nnyckel=\n");
  EXPECT_EQ(ini.ReadInteger("databaser", "huvudregister", 1), 7);    // leading digits
  EXPECT_EQ(ini.ReadString("HDBASER", "HDBASEN", ""), "D:\\reg\\");  // backslashes kept
  EXPECT_EQ(ini.ReadInteger("limits", "utskrift", 50), 50);          // the first value counts
  EXPECT_EQ(ini.ReadString("tom", "nyckel", "standard"), "");
  EXPECT_EQ(ini.ReadString("tom", "saknas", "standard"), "standard");
  EXPECT_EQ(ini.ReadInteger("saknas", "saknas", -3), -3);
}

TEST(IniFile, AByteOrderMarkIsNoPartOfTheFirstLine) {
  IniFile ini;
  ini.Parse("\xEF\xBB\xBF[Databaser]\nhuvudregister=7\n[hdbaser]\nhdbasen=reg/\n");
  EXPECT_EQ(ini.ReadInteger("databaser", "huvudregister", 1), 7);
  EXPECT_EQ(ini.ReadString("hdbaser", "hdbasen", ""), "reg/");
  // A first key before any section is found as well.
  IniFile keys_only;
  keys_only.Parse("\xEF\xBB\xBFnyckel=1\n");
  EXPECT_EQ(keys_only.ReadInteger("", "nyckel", 0), 1);
}

class Configure : public ::testing::Test {
 protected:
  Configuration Read(const std::string& text) {
    testing::WriteFileBytes(dir_ / "kuvo.ini", std::vector<uint8_t>(text.begin(), text.end()));
    return lasinifil(dir_ / "kuvo.ini");
  }
  std::string Dir() const { return std::filesystem::absolute(dir_.path()).string() + "/"; }
  testing::TempDir dir_;
};

TEST_F(Configure, DefaultsWithoutFileOrKeys) {
  const Configuration config = lasinifil(dir_ / "saknas.ini");
  EXPECT_FALSE(config.ini_found);
  EXPECT_EQ(config.huvudregister, 1);
  EXPECT_EQ(config.regnr, "0001");
  EXPECT_EQ(config.maxutskrift, 50);
  EXPECT_EQ(config.hdbasen, Dir());  // the folder of the kuvo.ini
}

TEST_F(Configure, NumbersAndDataPrefix) {
  Configuration config = Read("[databaser]\nhuvudregister=12345\n[limits]\nutskrift=0\n");
  EXPECT_EQ(config.regnr, "12345");
  EXPECT_EQ(config.maxutskrift, 0);
  // A plain prefix: no separator is added; backslashes are read as '/'.
  EXPECT_EQ(Read("[hdbaser]\nhdbasen=data\\reg\n").hdbasen, Dir() + "data/reg");
  EXPECT_EQ(Read("[hdbaser]\nhdbasen=/srv/reg/\n").hdbasen, "/srv/reg/");
  EXPECT_EQ(Read("[databaser]\nhuvudregister=7\n").regnr, "0007");
  // As written, for messages about it.
  EXPECT_EQ(Read("[hdbaser]\nhdbasen=data\\reg\n").hdbasen_written, "data\\reg");
}

TEST_F(Configure, FileSavedWithAByteOrderMark) {
  const Configuration config =
      Read("\xEF\xBB\xBF[databaser]\r\nhuvudregister=7\r\n[hdbaser]\r\nhdbasen=/srv/reg/\r\n");
  EXPECT_EQ(config.regnr, "0007");
  EXPECT_EQ(config.hdbasen, "/srv/reg/");
}

TEST(ProgramDirectoryTest, EndsWithASeparator) {
  const std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(dir));
}

using Items = std::vector<std::string>;

TEST(TextRoutines, WithoutMarkup) {
  EXPECT_EQ(utanmarkering(testing::W("[5][f]Berg, Anna[\\f]\rFödd [b 3]1745")),
            testing::W("Berg, Anna\rFödd 1745"));
  EXPECT_EQ(utanmarkering("a]b[c"), "a]b");  // an unclosed bracket drops the rest
  EXPECT_EQ(utanmarkering(""), "");
}

TEST(TextRoutines, PiecesBetweenSeparators) {
  EXPECT_EQ(delatext(" Anna ; Maria;Stina", ';'), (Items{"Anna", "Maria", "Stina"}));
  EXPECT_EQ(delatext("Anna;", ';'), (Items{"Anna", ""}));  // a final empty piece
  EXPECT_EQ(delatext("", ';'), (Items{""}));
  EXPECT_EQ(delatext(";;", ';'), (Items{"", "", ""}));
  EXPECT_EQ(delatext("a\tb", '\t'), (Items{"a", "b"}));
}

TEST(TextRoutines, WordsTrimsAndZeros) {
  EXPECT_EQ(ordlista("  Anna  Maria "), (Items{"Anna", "Maria"}));
  EXPECT_EQ(ordlista(";;A;B", ";"), (Items{"A", "B"}));
  EXPECT_TRUE(ordlista("   ").empty());
  EXPECT_EQ(trimtecken("**Berg*", "*"), "Berg");
  EXPECT_EQ(trimtecken("***", "*"), "");
  EXPECT_EQ(trimtecken(" x ", ""), " x ");
  EXPECT_EQ(nollfyll("7", 4), "0007");
  EXPECT_EQ(nollfyll("12345", 4), "12345");
  EXPECT_EQ(nollfyll("", 2), "00");
}

}  // namespace
}  // namespace vx
