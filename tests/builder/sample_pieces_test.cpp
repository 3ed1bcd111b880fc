// The pieces of the sample source: CSV values, dates, the random generator
// and weighted picks, the embedded lists and the names spelled from them.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>

#include "engine/util/cp1252.h"
#include "export/csv_writer.h"
#include "records/register_labels.h"
#include "sample/embedded_data.h"
#include "sample/name_speller.h"
#include "sample/record_frame.h"
#include "sample/sample_data.h"
#include "sample/sample_dates.h"
#include "sample/sample_random.h"
#include "sample/sample_schedule.h"
#include "sample/sample_vocabulary.h"
#include "sample/tsv_table.h"
#include "sample/weighted_table.h"
#include "tests/support/csv_reference.h"

namespace vx {
namespace {

std::string CsvValue(std::string_view value) {
  std::string out;
  AppendCsvValue(value, ';', out);
  return out;
}

TEST(CsvWriter, QuotesOnlyValuesThatNeedIt) {
  EXPECT_EQ(CsvValue("Anders Persson"), "Anders Persson");
  EXPECT_EQ(CsvValue(""), "");
  EXPECT_EQ(CsvValue("a,b"), "a,b");
  EXPECT_EQ(CsvValue("a;b"), "\"a;b\"");
  EXPECT_EQ(CsvValue("rad 1\nrad 2"), "\"rad 1\nrad 2\"");
  EXPECT_EQ(CsvValue("a\rb"), "\"a\rb\"");
  EXPECT_EQ(CsvValue("kallad \"Lill-Per\""), "\"kallad \"\"Lill-Per\"\"\"");
  EXPECT_EQ(CsvValue("\""), "\"\"\"\"");
}

TEST(CsvWriter, RowsReadBackUnchanged) {
  const std::vector<std::vector<std::string>> rows = {
      {"1", "", "Bonden Per i Berg\nHustru Anna ibid.", "\"citat\"; och semikolon", ""},
      {"", "", "", "", ""},
      {"ä;ö", "x\"y", "sista\n", "\n", ";"}};
  std::string text;
  for (const auto& row : rows)
    AppendCsvRow(row, ';', text);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6) << "three row ends, three inside values";
  testing::CsvRows parsed;
  ASSERT_TRUE(testing::ParseCsvStrictly(text, ';', parsed));
  EXPECT_EQ(parsed, rows);
}

TEST(SampleDates, DayNumbersFollowTheCalendar) {
  EXPECT_EQ(DayNumber(1970, 1, 1), 0);
  EXPECT_EQ(DayNumber(2000, 3, 1), 11017);
  EXPECT_EQ(DayNumber(1753, 3, 1) - DayNumber(1753, 2, 28), 1);
  EXPECT_EQ(DayNumber(1752, 3, 1) - DayNumber(1752, 2, 28), 2) << "1752 was a leap year";
  EXPECT_EQ(DayNumber(1700, 3, 1) - DayNumber(1700, 2, 28), 1) << "1700 was not";
  EXPECT_EQ(Weekday(DayNumber(1900, 1, 1)), 1) << "a Monday";
  EXPECT_EQ(Weekday(DayNumber(1753, 4, 1)), 0) << "a Sunday";
  for (int32_t day = DayNumber(1680, 1, 1); day <= DayNumber(1901, 1, 1); day += 17) {
    const CivilDate date = DateOfDay(day);
    ASSERT_EQ(DayNumber(date.year, date.month, date.day), day);
    const CivilDate next = DateOfDay(day + 1);
    if (next.day == 1) {
      ASSERT_GE(date.day, 28);
      ASSERT_EQ(next.month, date.month % 12 + 1);
    } else {
      ASSERT_EQ(next.day, date.day + 1);
    }
  }
}

TEST(SampleDates, StoredFormsLeaveOutTheUnknownParts) {
  const int32_t day = DayNumber(1753, 4, 3);
  const std::map<DateForm, std::string> expected = {
      {DateForm::kFull, "17530403"},       {DateForm::kNoDay, "17530400"},
      {DateForm::kDayUnknown, "17530499"}, {DateForm::kDayX, "175304XX"},
      {DateForm::kMonthX, "1753XX03"},     {DateForm::kYearOnly, "17530000"},
      {DateForm::kYear99, "17539999"},     {DateForm::kUnknownYear, "9999"}};
  for (const auto& [form, text] : expected) {
    std::string out = "x";
    AppendStoredDate(day, form, out);
    EXPECT_EQ(out, "x" + text);
  }
}

TEST(SampleDates, UncertaintyDecidesHowOftenPartsAreMissing) {
  SampleRandom random(3);
  std::set<DateForm> forms;
  for (int i = 0; i < 2000; ++i) {
    ASSERT_EQ(PickDateForm(0.0, random), DateForm::kFull);
    forms.insert(PickDateForm(1.0, random));
  }
  EXPECT_EQ(forms.count(DateForm::kFull), 0u);
  EXPECT_EQ(forms.size(), 7u) << "every unknown form occurs";
}

TEST(SampleRandom, RangesAreKept) {
  SampleRandom random(1);
  std::set<int> seen;
  for (int i = 0; i < 10000; ++i) {
    ASSERT_LT(random.Below(7), 7u);
    const int value = random.Between(-2, 3);
    ASSERT_GE(value, -2);
    ASSERT_LE(value, 3);
    seen.insert(value);
    const double unit = random.Unit();
    ASSERT_GE(unit, 0.0);
    ASSERT_LT(unit, 1.0);
  }
  EXPECT_EQ(seen.size(), 6u);
  int hits = 0;
  for (int i = 0; i < 10000; ++i)
    hits += random.Chance(0.25);
  EXPECT_NEAR(hits, 2500, 250);
}

TEST(WeightedTable, PicksInProportionAndNeverAZeroWeight) {
  WeightedTable table;
  table.Add(10, 1);
  table.Add(11, 0);
  table.Add(12, 3);
  EXPECT_FALSE(table.Empty());
  EXPECT_EQ(table.TotalWeight(), 4u);
  SampleRandom random(9);
  std::map<size_t, int> counts;
  for (int i = 0; i < 40000; ++i)
    ++counts[table.Pick(random)];
  EXPECT_EQ(counts.count(11), 0u);
  EXPECT_NEAR(counts[10], 10000, 600);
  EXPECT_NEAR(counts[12], 30000, 600);
}

TEST(TsvTable, ReadsRowsAfterCommentsAndHeader) {
  std::vector<TsvRow> rows;
  std::string error;
  ASSERT_TRUE(ReadTsvTable("t.tsv", "# kommentar\n\nnamn\tvikt\nPer\t3\n# mer\nOlof \t 2\r\n",
                           {"namn", "vikt"}, rows, error))
      << error;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"Per", "3"}));
  EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"Olof", "2"}));
  EXPECT_EQ(rows[1].line, 6u);
}

TEST(TsvTable, ReportsTheLineOfAMalformedRow) {
  std::vector<TsvRow> rows;
  std::string error;
  EXPECT_FALSE(ReadTsvTable("t.tsv", "namn\tvikt\nPer\t3\nOlof\n", {"namn", "vikt"}, rows, error));
  EXPECT_EQ(error.rfind("t.tsv:3: ", 0), 0u) << error;
  EXPECT_FALSE(ReadTsvTable("t.tsv", "namn\tantal\n", {"namn", "vikt"}, rows, error));
  EXPECT_EQ(error.rfind("t.tsv:1: ", 0), 0u) << error;
  EXPECT_FALSE(ReadTsvTable("t.tsv", "# bara kommentar\n", {"namn"}, rows, error));
  EXPECT_EQ(SplitList(" Pehr, Pär,,Peer "), (std::vector<std::string>{"Pehr", "Pär", "Peer"}));
  EXPECT_TRUE(SplitList("").empty());
}

// The embedded files with `name` replaced by `content`.
std::vector<EmbeddedFile> WithFile(std::string_view name, std::string_view content) {
  std::vector<EmbeddedFile> files;
  for (const EmbeddedFile& file : EmbeddedDataFiles()) {
    if (file.name != name) files.push_back(file);
  }
  if (!content.empty()) files.push_back({name, content});
  return files;
}

TEST(SampleData, EmbeddedListsParseAndFitWindows1252) {
  SampleData data;
  std::string error;
  ASSERT_TRUE(ParseSampleData(EmbeddedDataFiles(), data, error)) << error;
  EXPECT_GT(data.women.size(), 30u);
  EXPECT_GT(data.men.size(), 40u);
  EXPECT_GT(data.parishes.size(), 10u);
  EXPECT_GT(data.places.size(), 80u);
  EXPECT_EQ(data.help_files.size(), 10u);
  for (const EmbeddedFile& file : EmbeddedDataFiles()) {
    std::string converted;
    EXPECT_TRUE(Utf8ToCp1252(file.content, converted)) << file.name;
    EXPECT_EQ(file.content.find('\r'), std::string_view::npos) << file.name;
  }
  for (const FirstName& man : data.men) {
    EXPECT_TRUE((man.stem + "son").ends_with("sson")) << man.name << ": " << man.stem;
  }
}

TEST(SampleData, MalformedListsAreReportedWithFileAndLine) {
  SampleData data;
  std::string error;
  EXPECT_FALSE(ParseSampleData(WithFile("orter.tsv",
                                        "socken\tort\tvikt\tskrivformer\n"
                                        "Uppsala\tBerg\t3\t\n"),
                               data, error));
  EXPECT_EQ(error, "orter.tsv:2: okänd socken Uppsala");
  EXPECT_FALSE(ParseSampleData(WithFile("efternamn.tsv",
                                        "namn\tslag\tvikt\tskrivformer\n"
                                        "Modig\tsoldat\tmånga\t\n"),
                               data, error));
  EXPECT_EQ(error.rfind("efternamn.tsv:2: ", 0), 0u) << error;
  EXPECT_FALSE(ParseSampleData(WithFile("efternamn.tsv",
                                        "namn\tslag\tvikt\tskrivformer\n"
                                        "Modig\tsoldat\t3\tMådig,Modig\n"),
                               data, error));
  EXPECT_NE(error.find("skrivformen"), std::string::npos) << error;
  EXPECT_FALSE(ParseSampleData(WithFile("titlar.tsv", ""), data, error));
  EXPECT_EQ(error, "titlar.tsv: filen saknas");
  EXPECT_FALSE(ParseSampleData(WithFile("titlar.tsv",
                                        "titel\tbestamd\tkon\tvikt\troller\n"
                                        "bonde\tBonden\tm\t1\tfader,brudgum\n"),
                               data, error));
  EXPECT_NE(error.find("saknar titlar"), std::string::npos) << error;
}

TEST(SampleVocabulary, GivenNamesFollowTheirPeriod) {
  const SampleVocabulary vocabulary(SampleLists());
  SampleRandom random(5);
  for (int i = 0; i < 3000; ++i) {
    ASSERT_GT(vocabulary.GivenName('k', 1700, random).weight_1700, 0u);
    ASSERT_GT(vocabulary.GivenName('m', 1890, random).weight_1800, 0u);
  }
  std::map<std::string, int> counts;
  for (int i = 0; i < 5000; ++i)
    ++counts[vocabulary.GivenName('m', 1720, random).name];
  EXPECT_GT(counts["Anders"], counts["Gabriel"] * 5) << "the common names dominate";
}

TEST(SampleVocabulary, TitlesFitRoleAndSex) {
  const SampleVocabulary vocabulary(SampleLists());
  SampleRandom random(8);
  for (int i = 0; i < 2000; ++i) {
    const Title& father = vocabulary.TitleFor(kRoleFather, 'm', random);
    ASSERT_NE(father.roles & kRoleFather, 0u);
    ASSERT_NE(father.sex, 'k');
    const Title& child = vocabulary.TitleFor(kRoleDeadChild, 'k', random);
    ASSERT_NE(child.sex, 'm') << child.title;
    const Cause& cause = vocabulary.CauseFor(AgeGroup::kAdult, 'm', random);
    ASSERT_NE(cause.cause, "Barnsbörd");
    ASSERT_GT(cause.weights[static_cast<size_t>(AgeGroup::kAdult)], 0u);
  }
  EXPECT_EQ(vocabulary.RemarkFor(kBirths, false, "ingen sådan", random), nullptr);
  const Remark* remark = vocabulary.RemarkFor(kMarriages, true, "", random);
  ASSERT_NE(remark, nullptr);
  EXPECT_TRUE(remark->register_remark);
}

TEST(NameSpeller, PatronymicsTakeTheFathersStem) {
  const SampleVocabulary vocabulary(SampleLists());
  SampleRandom random(11);
  NameSpeller speller(vocabulary, random);
  speller.SetYear(1720);
  const FirstName* per = nullptr;
  for (const FirstName& name : SampleLists().men) {
    if (name.name == "Per") per = &name;
  }
  ASSERT_NE(per, nullptr);
  std::set<std::string> daughters_written;
  std::string normal, written;
  for (int i = 0; i < 500; ++i) {
    speller.Patronymic(*per, 'm', normal, written);
    ASSERT_EQ(normal, "Persson");
    ASSERT_TRUE(written.empty() || written == "Pehrsson" || written == "Pärsson") << written;
    speller.Patronymic(*per, 'k', normal, written);
    ASSERT_EQ(normal, "Persdotter");
    ASSERT_NE(written, normal);
    daughters_written.insert(written);
  }
  EXPECT_TRUE(daughters_written.count("") && daughters_written.count("Pehrsdotter") &&
              daughters_written.count("Persdr"));
}

TEST(NameSpeller, WrittenFormsAreRarerInLaterYears) {
  const SampleVocabulary vocabulary(SampleLists());
  SampleRandom random(12);
  NameSpeller speller(vocabulary, random);
  auto written_share = [&](int year) {
    speller.SetYear(year);
    int written_count = 0;
    std::string normal, written;
    for (int i = 0; i < 4000; ++i) {
      speller.PlaceForms(vocabulary.PlaceIn(0, random), normal, written);
      written_count += !written.empty();
    }
    return written_count;
  };
  EXPECT_GT(written_share(1700), 2 * written_share(1880));
}

TEST(SampleSchedule, SharesRecordsByWeightAndRunsInDateOrder) {
  const SampleData& data = SampleLists();
  SampleSchedule schedule(data, 10000);
  int64_t total = 0;
  for (int64_t count : schedule.Counts())
    total += count;
  EXPECT_EQ(total, 10000);
  SampleRandom random(2);
  size_t parish = 0;
  int64_t previous = INT32_MIN;
  std::set<size_t> parishes;
  for (int i = 0; i < 10000; ++i) {
    const SampleSchedule::Entry entry = schedule.Next(random);
    ASSERT_GE(entry.parish, parish) << "parish by parish";
    if (entry.parish != parish) previous = INT32_MIN;
    parish = entry.parish;
    parishes.insert(parish);
    ASSERT_GE(entry.day, DayNumber(data.parishes[parish].first_year, 1, 1));
    ASSERT_LE(entry.day, DayNumber(SampleSchedule::kLastYear, 12, 31));
    ASSERT_GE(entry.day, previous - 400) << "roughly in date order";
    previous = std::max<int64_t>(previous, entry.day);
  }
  EXPECT_EQ(parishes.size(), data.parishes.size());
}

TEST(RecordFrame, NamesTheSourceVolumeOfThePeriod) {
  Parish parish;
  parish.name = "Husaby";
  parish.code = "147104";
  parish.county = "Skaraborgs län";
  parish.first_year = 1688;
  SampleRandom random(1);
  std::vector<std::string> fields(8);
  FillRecordFrame(kBirths, 123, parish, DayNumber(1753, 4, 3), random, fields);
  EXPECT_EQ(fields[0], "123");
  EXPECT_EQ(fields[1], "F1753-000123");
  EXPECT_EQ(fields[2], "Husaby");
  EXPECT_EQ(fields[3], "Skaraborgs län");
  EXPECT_EQ(fields[4], "147104");
  EXPECT_EQ(fields[5], "Husaby C:2");
  const int page = std::stoi(fields[6]);
  EXPECT_GE(page, 1);
  EXPECT_LE(page, 260);

  fields.assign(8, "");
  FillRecordFrame(kDeaths, 1234567, parish, DayNumber(1885, 6, 1), random, fields);
  EXPECT_EQ(fields[1], "D1885-1234567");
  EXPECT_EQ(fields[5], "Husaby F I:2");
  fields.assign(8, "");
  FillRecordFrame(kMarriages, 5, parish, DayNumber(1860, 6, 1), random, fields);
  EXPECT_EQ(fields[5], "Husaby C:5");
  EXPECT_GE(std::stoi(fields[6]), 261) << "marriages follow the births in old volumes";
}

}  // namespace
}  // namespace vx
