// What the builder derives from records: person rows and their orders, the
// distinct words of a list, the normalisation rows.
#include <gtest/gtest.h>

#include "builder/norm_rows.h"
#include "builder/person_rows.h"
#include "builder/register_schema.h"
#include "builder/word_index.h"
#include "catalogue/catalogue_declaration.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

using testing::SourceRecord;

class DerivedRows : public ::testing::Test {
 protected:
  RegisterSource& Load(int register_number, const std::vector<SourceRecord>& records) {
    testing::WriteText(dir_ / "t.csv", testing::SourceTable(register_number, records));
    SourceError error;
    EXPECT_TRUE(source_.Load(dir_ / "t.csv", register_number, error)) << error.ToString();
    return source_;
  }

  testing::TempDir dir_;
  RegisterSource source_;
};

TEST_F(DerivedRows, PersonRowsFollowTheNameAndDateRules) {
  Load(1, {{{"ENAMN", "Berg"}, {"FNAMN", "Anna"}, {"FODAT", "17450312"}, {"DOPDAT", "17450314"}},
           {{"FNAMN", "Per"}, {"DOPDAT", "17460101"}},
           {}});
  EXPECT_EQ(PersonRowText(source_, 0), "Berg, Anna\r17450312");
  EXPECT_EQ(PersonRowText(source_, 1), "Per\rdp 17460101");
  EXPECT_EQ(PersonRowText(source_, 2), "\r");

  Load(2, {{{"MENAMN", "Ek"},
            {"MFNAMN", "Olof"},
            {"KFNAMN", "Brita"},
            {"LYSNDAT", "17600301, 17600308"}},
           {{"VIGDDAT", "17600401"}}});
  EXPECT_EQ(PersonRowText(source_, 0), "Ek, Olof och Brita\rly 17600301");
  EXPECT_EQ(PersonRowText(source_, 1), "\r17600401");

  Load(3, {{{"ENAMN", "Ek"}, {"BEGRDAT", "18000105"}}});
  EXPECT_EQ(PersonRowText(source_, 0), "Ek\rbg 18000105");
  EXPECT_EQ(RowDate("Ek\rbg 18000105"), "18000105");
}

TEST_F(DerivedRows, TooLongRowsKeepTheirDate) {
  Load(3, {{{"ENAMN", std::string(60, 'a')},
            {"FNAMN", std::string(60, 'b') + " " + std::string(60, 'c')},
            {"DODAT", "18000105"}}});
  const std::string row = PersonRowText(source_, 0);
  EXPECT_EQ(row.size(), kMaxPersonRowText);
  EXPECT_TRUE(row.ends_with("\r18000105"));
}

TEST_F(DerivedRows, PersonOrderIsSwedishAndStable) {
  const std::vector<std::string> rows = {
      "\xD6"
      "berg\r1",
      "Zorn\r1",
      "\xC5kesson\r1",
      "\xC4rling\r1",
      "zorn\r1",
      "Andersson\r2",
      "ANDERSSON\r1"};
  // Record r is source row PersonOrder[r - 1].
  EXPECT_EQ(PersonOrder(rows), (std::vector<uint32_t>{6, 5, 1, 4, 2, 3, 0}));
  // Dates, then record numbers; markers do not count.
  EXPECT_EQ(DateOrder({"A\r1750", "B\rdp 1740", "C\r1750", "D\r"}),
            (std::vector<uint32_t>{4, 2, 1, 3}));
}

TEST(WordIndex, DistinctUnderTheTableWithTheMostFrequentSpelling) {
  WordIndex index(&AccentOrderTable(), AccentOrderTable());
  index.Add("Andersson", 1);
  index.Add("ANDERSSON", 2);
  index.Add("andersson", 3);
  index.Add("ANDERSSON", 3);     // the same record twice counts once
  index.Add("And\xE9rsson", 4);  // an accent keeps the spelling apart
  index.Add("Berg", 2);
  index.Add("\xC5kesson", 5);
  const std::vector<WordRow> rows = index.TakeSortedRows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].text, "ANDERSSON");
  EXPECT_EQ(rows[0].records, (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(rows[1].text, "And\xE9rsson");
  EXPECT_EQ(rows[2].text, "Berg");
  EXPECT_EQ(rows[3].text, "\xC5kesson");  // after every plain letter
}

TEST(WordIndex, ExactValuesWhenNoTableMakesThemEqual) {
  WordIndex index(nullptr, FoldTable());
  index.Add("Per i Berg", 1);
  index.Add("PER I BERG", 2);
  index.Add("Per i Berg", 7);
  const std::vector<WordRow> rows = index.TakeSortedRows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].text, "PER I BERG");  // equal when folded: then by bytes
  EXPECT_EQ(rows[1].records, (std::vector<uint32_t>{1, 7}));
}

TEST_F(DerivedRows, NormalisationRowsByKindWithCounts) {
  Load(1, {{{"ENAMN", "Persson"},
            {"ENAMNO", "Pehrsson"},
            {"FNAMN", "Karl"},
            {"FNAMNO", "Carl"},
            {"GENUS", "m"},
            {"ORT", "Berg"},
            {"ORTO", "Bergh"},
            {"FORSKX", "Hov"},
            {"MORFNAMN", "Kristina"},
            {"MORFNAMNO", "Christina"}},
           {{"ENAMN", "Persson"}, {"ENAMNO", "Pehrsson"}, {"FNAMN", "Anna"}, {"FNAMNO", "Anne"}},
           {{"ENAMN", "Andersson"}, {"ENAMNO", "Andersson"}, {"ORT", "Berg"}, {"ORTO", "Bergh"}}});
  NormRows rows;
  SourceError error;
  ASSERT_TRUE(rows.AddRegister(source_, error));
  // Anna has no sex given: her written form is not counted.
  EXPECT_EQ(rows.SortedRowTexts(),
            (std::vector<std::string>{"1\rAndersson\rAndersson\r1", "1\rPersson\rPehrsson\r2",
                                      "2\rBerg\rBergh\r\r1", "2\rBerg\rBergh\rHov\r1",
                                      "3\rKristina\rChristina\r1", "4\rKarl\rCarl\r1"}));
}

// The builder writes the lists that the catalogue declares for a register,
// no more and no fewer, so that every list the viewer opens exists.
TEST(RegisterSchemaTest, DerivesEveryDeclaredListOfItsRegister) {
  for (int r = 1; r <= 3; ++r) {
    SCOPED_TRACE(r);
    std::vector<int> written, declared;
    for (const SlotSource& slot : SchemaOf(r).slots)
      written.push_back(slot.slot);
    for (int slot = 1; slot <= 20; ++slot) {
      if (SearchListDecl(r, slot) != nullptr) declared.push_back(slot);
    }
    EXPECT_EQ(written, declared);
    std::vector<std::string> free_written, free_declared;
    for (const FreeSearchSource& list : SchemaOf(r).free_search)
      free_written.push_back(SearchComponentName(r, list.slot));
    for (const ComponentDecl* list : FreeSearchListsOf(r))
      free_declared.push_back(list->name);
    EXPECT_EQ(free_written, free_declared);
  }
}

}  // namespace
}  // namespace vx
