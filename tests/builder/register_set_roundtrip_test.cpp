// A register set built from the sample source, read back through the engine
// and checked against the source itself.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "builder/register_set_builder.h"
#include "builder/register_source.h"
#include "builder/set_files.h"
#include "engine/lists/free_search_list.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/struct_list.h"
#include "engine/store/record_store.h"
#include "engine/text/collation.h"
#include "records/register_labels.h"
#include "sample/sample_source.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// What each slot of a register holds, written out here independently of the
// builder: the fields, and whether values are split into words or dates.
enum class Split { kNone, kWords, kDates };
struct SlotExpectation {
  int slot;
  Split split;
  std::vector<std::pair<std::string, std::string>> fields;  // field, fallback
};

const std::vector<SlotExpectation>& ExpectedSlots(int r) {
  static const std::vector<SlotExpectation> kBirths = {
      {1, Split::kNone, {{"FORSKX", ""}}},    {2, Split::kNone, {{"LAN", ""}}},
      {3, Split::kNone, {{"KAELLA", ""}}},    {4, Split::kDates, {{"FODAT", ""}, {"DOPDAT", ""}}},
      {6, Split::kWords, {{"FNAMN", ""}}},    {7, Split::kNone, {{"ENAMN", ""}}},
      {8, Split::kNone, {{"ORT", ""}}},       {9, Split::kWords, {{"MORFNAMN", ""}}},
      {10, Split::kNone, {{"MORENAMN", ""}}}, {11, Split::kNone, {{"MORORT", ""}}},
      {12, Split::kNone, {{"MORTITEL", ""}}}, {13, Split::kWords, {{"FARFNAMN", ""}}},
      {14, Split::kNone, {{"FARENAMN", ""}}}, {15, Split::kNone, {{"FARORT", ""}}},
      {16, Split::kNone, {{"FARTITEL", ""}}}, {19, Split::kNone, {{"LOKALID", ""}}}};
  static const std::vector<SlotExpectation> kMarriages = {
      {1, Split::kNone, {{"FORSKX", ""}}},   {2, Split::kNone, {{"LAN", ""}}},
      {3, Split::kNone, {{"KAELLA", ""}}},   {4, Split::kDates, {{"VIGDDAT", ""}, {"LYSNDAT", ""}}},
      {6, Split::kWords, {{"KFNAMN", ""}}},  {7, Split::kNone, {{"KENAMN", ""}}},
      {8, Split::kNone, {{"KORT", ""}}},     {9, Split::kNone, {{"KTITEL", ""}}},
      {10, Split::kWords, {{"MFNAMN", ""}}}, {11, Split::kNone, {{"MENAMN", ""}}},
      {12, Split::kNone, {{"MORT", ""}}},    {13, Split::kNone, {{"MTITEL", ""}}},
      {16, Split::kNone, {{"LOKALID", ""}}}};
  static const std::vector<SlotExpectation> kDeaths = {
      {1, Split::kNone, {{"FORSKX", ""}}},
      {2, Split::kNone, {{"LAN", ""}}},
      {3, Split::kNone, {{"KAELLA", ""}}},
      {4, Split::kDates, {{"DODAT", ""}, {"BEGRDAT", ""}}},
      {6, Split::kDates, {{"FODAT", ""}}},
      {7, Split::kWords, {{"FNAMN", ""}}},
      {8, Split::kNone, {{"ENAMN", ""}}},
      {9, Split::kNone, {{"ORT", ""}}},
      {10, Split::kNone, {{"TITEL", ""}}},
      {13, Split::kNone, {{"LOKALID", ""}}},
      {14, Split::kWords, {{"ANF1FNAMNO", "ANF1FNAMN"}, {"ANF2FNAMNO", "ANF2FNAMN"}}},
      {15, Split::kNone, {{"ANF1ENAMNO", "ANF1ENAMN"}, {"ANF2ENAMNO", "ANF2ENAMN"}}},
      {16, Split::kNone, {{"DORSAK", ""}}}};
  return r == 1 ? kBirths : r == 2 ? kMarriages : kDeaths;
}

std::vector<std::string> Pieces(const std::string& value, char separator) {
  std::vector<std::string> out;
  std::string piece;
  auto flush = [&] {
    const size_t a = piece.find_first_not_of(' ');
    if (a != std::string::npos) out.push_back(piece.substr(a, piece.find_last_not_of(' ') - a + 1));
    piece.clear();
  };
  for (char c : value) {
    if (c == separator) {
      flush();
    } else {
      piece += c;
    }
  }
  flush();
  return out;
}

class RegisterSetRoundTrip : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir();
    SampleSourceOptions sample;
    sample.births = 650;  // several blocks of 200 records and 100 rows
    sample.marriages = 260;
    sample.deaths = 470;
    std::string message;
    ASSERT_TRUE(WriteSampleSource(Source(), sample, message)) << message;
    BuildOptions options{Source(), Data(), 1, {}, {}};
    BuildSummary summary;
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summary, error)) << error.ToString();
    for (int r = 1; r <= 3; ++r) {
      sources_[r] = new RegisterSource();
      const char* names[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
      ASSERT_TRUE(sources_[r]->Load(Source() / names[r], r, error)) << error.ToString();
    }
  }
  static void TearDownTestSuite() {
    for (int r = 1; r <= 3; ++r)
      delete sources_[r];
    delete dir_;
  }
  static fs::path Source() { return dir_->path() / "kalla"; }
  static fs::path Data() { return dir_->path() / "data"; }
  static std::string Dir() { return Data().string() + "/"; }

  // Opens a catalogue component read-only from the built set.
  static void OpenList(TVXstruktlista& list, const std::string& name) {
    list.properties() = ListPropertiesFor(*FindComponent(name), Dir(), "0001", 0);
    list.properties().RO = true;
    ASSERT_TRUE(list.Open()) << name;
  }
  static void OpenStore(TVXregtext& store, const std::string& name) {
    store.properties() = StorePropertiesFor(*FindComponent(name), Dir(), "0001");
    store.properties().RO = true;
    ASSERT_TRUE(store.Open()) << name;
  }

  // Source index of each record number, found by the record's Lokal-ID.
  static std::vector<size_t> SourceOfRecords(int r) {
    const RegisterSource& source = *sources_[r];
    std::map<std::string, size_t> by_id;
    for (size_t i = 0; i < source.Count(); ++i)
      by_id[std::string(source.Field(i, "LOKALID"))] = i;
    TVXregtext store;
    OpenStore(store, "vaxorh" + std::to_string(r));
    std::vector<size_t> of(store.RecordCount() + 1, SIZE_MAX);
    const int id_index = source.IndexOf("LOKALID");
    for (uint32_t n = 1; n <= store.RecordCount(); ++n) {
      EXPECT_TRUE(store.ReadRecord(n).ok());
      store.DecodeFields();
      of[n] = by_id.at(store.ShortFields()[id_index]);
    }
    return of;
  }

  static testing::TempDir* dir_;
  static RegisterSource* sources_[4];
};

testing::TempDir* RegisterSetRoundTrip::dir_ = nullptr;
RegisterSource* RegisterSetRoundTrip::sources_[4] = {};

TEST_F(RegisterSetRoundTrip, EveryRecordComesBackWhole) {
  for (int r = 1; r <= 3; ++r) {
    const RegisterSource& source = *sources_[r];
    TVXregtext store;
    OpenStore(store, "vaxorh" + std::to_string(r));
    ASSERT_EQ(store.RecordCount(), source.Count());
    const std::vector<size_t> of = SourceOfRecords(r);
    std::set<size_t> seen;
    for (uint32_t n = 1; n <= store.RecordCount(); ++n) {
      ASSERT_TRUE(store.ReadRecord(n).ok());
      ASSERT_TRUE(store.DecodeFields());
      EXPECT_TRUE(seen.insert(of[n]).second) << "two records from one source line";
      size_t short_index = 0, long_index = 0;
      for (size_t f = 0; f < source.Labels().size(); ++f) {
        const std::string stored = source.Labels()[f][0] == '5'
                                       ? store.LongTexts()[long_index++]
                                       : store.ShortFields()[short_index++];
        EXPECT_EQ(stored, source.Field(of[n], static_cast<int>(f)))
            << "register " << r << " record " << n << " field " << source.Labels()[f];
      }
    }
  }
}

TEST_F(RegisterSetRoundTrip, PersonListsAreSortedAndNumberTheRecords) {
  for (int r = 1; r <= 3; ++r) {
    TVXstruktlista persons;
    OpenList(persons, "vaxorl" + std::to_string(r));
    ASSERT_EQ(static_cast<size_t>(persons.RowCount()), sources_[r]->Count());
    const std::vector<size_t> of = SourceOfRecords(r);
    std::string previous;
    for (int32_t row = 1; row <= persons.RowCount(); ++row) {
      ASSERT_TRUE(persons.ReadRow(row).ok());
      EXPECT_EQ(persons.RowValue1(), static_cast<uint32_t>(row));
      const std::string text(persons.RowText());
      if (row > 1) {
        const int c = CompareTexts(previous.c_str(), text.c_str(), FoldTable());
        EXPECT_LE(c, 0) << "rows " << row - 1 << " and " << row;
        if (c == 0) {
          EXPECT_LT(of[row - 1], of[row]) << "equal rows keep the source order";
        }
      }
      previous = text;
    }
  }
}

TEST_F(RegisterSetRoundTrip, SortOrdersArePermutationsInDateOrder) {
  for (int r = 1; r <= 3; ++r) {
    TVXstruktlista persons;
    OpenList(persons, "vaxorl" + std::to_string(r));
    TVXsortordning order;
    order.properties() =
        SortOrderPropertiesFor(*FindComponent("vaxoro" + std::to_string(r)), Dir(), "0001", 0);
    order.properties().RO = true;
    ASSERT_TRUE(order.Open());
    ASSERT_EQ(order.Count(), persons.RowCount());
    std::set<int32_t> rows;
    std::string previous_date;
    int32_t previous_row = 0;
    for (int32_t p = 1; p <= order.Count(); ++p) {
      const int32_t row = order.Get(p);
      ASSERT_TRUE(rows.insert(row).second);
      ASSERT_TRUE(persons.ReadRow(row).ok());
      std::string date(persons.RowText());
      date = date.substr(date.find('\r') + 1);
      for (const char* marker : {"dp ", "ly ", "bg "}) {
        if (date.starts_with(marker)) date = date.substr(3);
      }
      if (p > 1) {
        EXPECT_LE(previous_date, date);
        if (previous_date == date) {
          EXPECT_LT(previous_row, row);
        }
      }
      previous_date = date;
      previous_row = row;
    }
    EXPECT_EQ(*rows.begin(), 1);
    EXPECT_EQ(*rows.rbegin(), order.Count());
  }
}

TEST_F(RegisterSetRoundTrip, EveryWordListRowMarksExactlyItsRecords) {
  for (int r = 1; r <= 3; ++r) {
    const RegisterSource& source = *sources_[r];
    const std::vector<size_t> of = SourceOfRecords(r);
    for (const SlotExpectation& slot : ExpectedSlots(r)) {
      // Records per value, distinct under the accent-keeping table.
      std::map<std::string, std::set<uint32_t>> expected;
      for (uint32_t n = 1; n < of.size(); ++n) {
        for (const auto& [field, fallback] : slot.fields) {
          std::string value(source.Field(of[n], field));
          if (value.empty() && !fallback.empty()) value = source.Field(of[n], fallback);
          if (value.empty()) continue;
          std::vector<std::string> values = {value};
          if (slot.split == Split::kWords) values = Pieces(value, ' ');
          if (slot.split == Split::kDates) values = Pieces(value, ',');
          for (const std::string& v : values)
            expected[MapText(v, AccentOrderTable())].insert(n);
        }
      }
      TVXstruktlista list;
      const std::string name = "vaxors" + std::to_string(100 * r + slot.slot);
      OpenList(list, name);
      const bool lokal_id = slot.slot == (r == 1 ? 19 : r == 2 ? 16 : 13);
      std::map<std::string, std::set<uint32_t>> found;
      Tvxsmalurval marked;
      marked.Resize(static_cast<int32_t>(source.Count()));
      for (int32_t row = 1; row <= list.RowCount(); ++row) {
        ASSERT_TRUE(list.ReadRow(row).ok());
        marked.Clear();
        list.MarkRecords(marked);
        std::set<uint32_t>& records =
            found[MapText(std::string(list.RowText()), AccentOrderTable())];
        EXPECT_TRUE(lokal_id || records.empty()) << name << ": a value stands in two rows";
        int32_t k = 0;
        while (marked.Next(k))
          records.insert(static_cast<uint32_t>(k));
        EXPECT_EQ(list.RowValue1(), *records.begin()) << name << " row " << row;
      }
      EXPECT_TRUE(found == expected)
          << name << ": " << found.size() << " values against " << expected.size();
    }
  }
}

TEST_F(RegisterSetRoundTrip, FreeSearchEntriesHoldTheirRecords) {
  struct Case {
    int r;
    std::string list;
    std::vector<std::string> fields;  // joined by blanks into one line
    bool by_lines;
  };
  const std::vector<Case> cases = {
      {1, "vaxors117", {"DOPVITTNEN"}, true},
      {2, "vaxors214", {"OVRIGT"}, true},
      {3, "vaxors311", {"ANF1TITEL", "ANF1FNAMN", "ANF1ENAMN", "ANF1ORT", "ANF1RELAT"}, false},
  };
  for (const Case& c : cases) {
    const RegisterSource& source = *sources_[c.r];
    const std::vector<size_t> of = SourceOfRecords(c.r);
    std::map<std::string, std::set<uint32_t>> lines;  // exact line -> records
    for (uint32_t n = 1; n < of.size(); ++n) {
      std::string joined;
      for (const std::string& field : c.fields) {
        const std::string value(source.Field(of[n], field));
        if (c.by_lines) {
          for (const std::string& line : Pieces(value, '\r'))
            lines[line].insert(n);
        } else if (!value.empty()) {
          joined += (joined.empty() ? "" : " ") + value;
        }
      }
      if (!joined.empty()) lines[joined].insert(n);
    }
    ASSERT_FALSE(lines.empty()) << c.list;
    TVXfrisoeklista list;
    list.properties() = FreeSearchPropertiesFor(*FindComponent(c.list), Dir(), "0001");
    list.properties().RO = true;
    ASSERT_TRUE(list.Open()) << c.list;
    Tvxsmalurval hits;
    hits.Resize(static_cast<int32_t>(source.Count()));
    size_t checked = 0;
    for (const auto& [line, records] : lines) {
      if (line.find(';') != std::string::npos || ++checked % 7 != 0) continue;
      list.Search(line, FreeSearchMode::kEqual, hits);
      for (uint32_t n : records)
        EXPECT_TRUE(hits.IsSet(static_cast<int32_t>(n))) << line;
      EXPECT_GE(static_cast<size_t>(hits.Count()), records.size());
    }
  }
}

TEST_F(RegisterSetRoundTrip, AllFieldsListNumbersTheRegistersInTurn) {
  TVXfrisoeklista all;
  all.properties() = FreeSearchPropertiesFor(*FindComponent("vaxors404"), Dir(), "0001");
  all.properties().RO = true;
  ASSERT_TRUE(all.Open());
  const size_t n1 = sources_[1]->Count(), n2 = sources_[2]->Count(), n3 = sources_[3]->Count();
  Tvxsmalurval hits;
  hits.Resize(static_cast<int32_t>(n1 + n2 + n3));
  // A Lokal-ID is in exactly one record; its number shows the register's offset.
  for (int r = 1; r <= 3; ++r) {
    const std::vector<size_t> of = SourceOfRecords(r);
    const size_t offset = r == 1 ? 0 : r == 2 ? n1 : n1 + n2;
    for (uint32_t n : {1u, static_cast<uint32_t>(of.size() - 1)}) {
      const std::string id(sources_[r]->Field(of[n], "LOKALID"));
      ASSERT_EQ(all.Search(id, FreeSearchMode::kEqual, hits), 1) << id;
      EXPECT_TRUE(hits.IsSet(static_cast<int32_t>(offset + n))) << id;
    }
  }
}

TEST_F(RegisterSetRoundTrip, NormalisationRowsCountThePairs) {
  // kind, normalised, written, addition -> count
  std::map<std::tuple<std::string, std::string, std::string, std::string>, int> expected;
  auto add = [&](const RegisterSource& s, size_t i, const char* plain, const char* written,
                 const std::string& kind) {
    if (s.Field(i, written).empty() || kind.empty()) return;
    const std::string addition = kind == "2" ? std::string(s.Field(i, "FORSKX")) : "";
    ++expected[{kind, std::string(s.Field(i, plain)), std::string(s.Field(i, written)), addition}];
  };
  auto sex = [](std::string_view v) -> std::string {
    return v == "k" || v == "K" ? "3" : v == "m" || v == "M" ? "4" : "";
  };
  const RegisterSource &b = *sources_[1], &m = *sources_[2], &d = *sources_[3];
  for (size_t i = 0; i < b.Count(); ++i) {
    add(b, i, "ENAMN", "ENAMNO", "1");
    add(b, i, "MORENAMN", "MORENAMNO", "1");
    add(b, i, "FARENAMN", "FARENAMNO", "1");
    add(b, i, "ORT", "ORTO", "2");
    add(b, i, "MORORT", "MORORTO", "2");
    add(b, i, "FARORT", "FARORTO", "2");
    add(b, i, "FNAMN", "FNAMNO", sex(b.Field(i, "GENUS")));
    add(b, i, "MORFNAMN", "MORFNAMNO", "3");
    add(b, i, "FARFNAMN", "FARFNAMNO", "4");
  }
  for (size_t i = 0; i < m.Count(); ++i) {
    add(m, i, "KENAMN", "KENAMNO", "1");
    add(m, i, "MENAMN", "MENAMNO", "1");
    add(m, i, "KORT", "KORTO", "2");
    add(m, i, "MORT", "MORTO", "2");
    add(m, i, "KFNAMN", "KFNAMNO", "3");
    add(m, i, "MFNAMN", "MFNAMNO", "4");
  }
  for (size_t i = 0; i < d.Count(); ++i) {
    add(d, i, "ENAMN", "ENAMNO", "1");
    add(d, i, "ANF1ENAMN", "ANF1ENAMNO", "1");
    add(d, i, "ANF2ENAMN", "ANF2ENAMNO", "1");
    add(d, i, "ORT", "ORTO", "2");
    add(d, i, "FNAMN", "FNAMNO", sex(d.Field(i, "GENUS")));
    add(d, i, "ANF1FNAMN", "ANF1FNAMNO", sex(d.Field(i, "ANF1GENUS")));
    add(d, i, "ANF2FNAMN", "ANF2FNAMNO", sex(d.Field(i, "ANF2GENUS")));
  }
  ASSERT_FALSE(expected.empty());

  TVXstruktlista norm;
  OpenList(norm, "vaxornrm");
  std::map<std::tuple<std::string, std::string, std::string, std::string>, int> found;
  std::string previous_kind = "0", previous_plain;
  for (int32_t row = 1; row <= norm.RowCount(); ++row) {
    ASSERT_TRUE(norm.ReadRow(row).ok());
    const std::vector<std::string> parts = Pieces(std::string(norm.RowText()), '\r');
    const bool place = parts[0] == "2";
    ASSERT_EQ(parts.size() + (place && parts.size() == 4 ? 1 : 0), place ? 5u : 4u);
    const std::string addition = place && parts.size() == 5 ? parts[3] : "";
    found[{parts[0], parts[1], parts[2], addition}] += std::stoi(parts.back());
    // Ordered by kind, then by the normalised form under the folding table.
    EXPECT_LE(previous_kind, parts[0]);
    if (previous_kind == parts[0]) {
      EXPECT_LE(CompareTexts(previous_plain.c_str(), parts[1].c_str(), FoldTable()), 0);
    }
    previous_kind = parts[0];
    previous_plain = parts[1];
  }
  EXPECT_TRUE(found == expected) << found.size() << " rows against " << expected.size();
}

TEST_F(RegisterSetRoundTrip, HelpTextsAreFoundByTheirCodes) {
  TVXregtext help;
  OpenStore(help, "vaxortext");
  for (const char* code : {"HJ000", "HJ001", "HJ002", "HJ003", "HJ004", "HJ005", "HJ005A", "HJ006",
                           "HJ007", "HJ008", "HJ009"}) {
    const int32_t n = help.FindRecord(code, false);
    ASSERT_GE(n, 1) << code;
    ASSERT_TRUE(help.ReadRecord(n).ok());
    help.DecodeFields();
    EXPECT_EQ(help.ShortFields()[0], code);
    EXPECT_FALSE(help.LongTexts()[0].empty()) << code;
  }
  EXPECT_EQ(help.FindRecord("HJ999", false), -1);

  // The English help texts beside them, one for every Swedish code.
  TVXregtext english;
  OpenStore(english, std::string(kEnglishHelpTextStore));
  EXPECT_EQ(english.RecordCount(), help.RecordCount());
  for (uint32_t n = 1; n <= help.RecordCount(); ++n) {
    ASSERT_TRUE(help.ReadRecord(n).ok());
    help.DecodeFields();
    const std::string code = help.ShortFields()[0];
    const std::string swedish = help.LongTexts()[0];
    const int32_t e = english.FindRecord(code, false);
    ASSERT_GE(e, 1) << code;
    ASSERT_TRUE(english.ReadRecord(e).ok());
    english.DecodeFields();
    EXPECT_EQ(english.ShortFields()[0], code);
    EXPECT_NE(english.ShortFields()[1], help.ShortFields()[1]) << code << ": an English heading";
    EXPECT_FALSE(english.LongTexts()[0].empty()) << code;
    EXPECT_NE(english.LongTexts()[0], swedish) << code;
  }

  TVXregtext own;
  OpenStore(own, "vaxorlokaltext");
  ASSERT_EQ(own.RecordCount(), 3u);
  ASSERT_TRUE(own.ReadRecord(1).ok());
  own.DecodeFields();
  EXPECT_FALSE(own.LongTexts()[0].empty());  // the heading
  ASSERT_TRUE(own.ReadRecord(3).ok());
  own.DecodeFields();
  EXPECT_NE(own.LongTexts()[0].find('\r'), std::string::npos);  // the About text, several lines
}

// A build that fails on either of its two threads leaves by its exception
// with both threads joined, and without its work folder.
class BuildFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteText(dir_ / "kalla" / "fodda.csv",
                       testing::SourceTable(1, {{{"ENAMN", "Berg"}}, {{"ENAMN", "Ek"}}}));
    testing::WriteText(dir_ / "kalla" / "register.txt", "Rubrik\nUnderrubrik\nOm.\n");
  }
  // Builds with a progress sink that throws at the line beginning `at`.
  void BuildThrowingAt(const std::string& at) {
    BuildOptions options{dir_ / "kalla",
                         dir_ / "data",
                         1,
                         [at](const std::string& line) {
                           if (line.starts_with(at)) throw std::runtime_error(line);
                         },
                         {}};
    BuildSummary summary;
    SourceError error;
    EXPECT_THROW(BuildRegisterSet(options, summary, error), std::runtime_error);
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.path()))
      names.push_back(entry.path().filename().string());
    return names;
  }
  testing::TempDir dir_;
};

TEST_F(BuildFailure, OnTheMainThreadWhileTheWorkerRunsOrOnTheWorker) {
  for (const char* at : {"Skriver fodda", "Skriver fritextlistan"}) {
    BuildThrowingAt(at);
    EXPECT_EQ(Entries(), std::vector<std::string>{"kalla"}) << at;
  }
}

// Sources are read beside each other on two threads; the error reported
// is still that of the first register that fails, as on one thread.
TEST(BuildErrors, TheFirstFailingRegisterIsReportedOnEitherThreadCount) {
  struct Case {
    std::vector<int> broken;
    std::string reported;
  } const cases[] = {{{1, 3}, "fodda.csv"}, {{2, 3}, "vigda.csv"}, {{1}, "fodda.csv"}};
  for (const Case& c : cases) {
    for (const int threads : {1, 2}) {
      testing::TempDir dir;
      for (int r = 1; r <= 3; ++r) {
        const std::string name = r == 1 ? "fodda.csv" : r == 2 ? "vigda.csv" : "doda.csv";
        // A broken source is refused at its header. The largest source
        // present is read on a thread of its own: the broken deaths where
        // they are broken, else the broken births.
        std::string text = "ENAMN;OKANT\n";
        for (int line = 0; line < 1000 * r; ++line)
          text += "Berg;x\n";
        const bool broken = std::find(c.broken.begin(), c.broken.end(), r) != c.broken.end();
        testing::WriteText(dir / "kalla" / name,
                           broken ? text : testing::SourceTable(r, {{{"ENAMN", "Berg"}}}));
      }
      BuildOptions options;
      options.source_dir = dir / "kalla";
      options.data_dir = dir / "data";
      options.threads = threads;
      BuildSummary summary;
      SourceError error;
      EXPECT_FALSE(BuildRegisterSet(options, summary, error));
      EXPECT_TRUE(error.file.ends_with(c.reported)) << error.ToString() << ", " << threads;
      EXPECT_FALSE(fs::exists(dir / "data"));
    }
  }
}

}  // namespace
}  // namespace vx
