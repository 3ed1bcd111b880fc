// The sample source, written once: its tables read back with a strict CSV
// reader and checked against what the builder expects, its help texts, and
// the truth of which records belong together. And the register set built
// from it, read back through the engine and checked against the source
// itself, the same whatever the build's memory and threads.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>

#include "builder/register_set_builder.h"
#include "builder/register_source.h"
#include "builder/set_files.h"
#include "catalogue/catalogue_declaration.h"
#include "engine/lists/free_search_list.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/struct_list.h"
#include "engine/store/record_store.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/cp1252.h"
#include "records/register_labels.h"
#include "sample/sample_source.h"
#include "tests/support/csv_reference.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// What each slot of a register holds, written out here independently of the
// builder: "slot=FIELD,FIELD/FALLBACK" per list, with "w" after the slot when
// its values are split into words, "d" when into dates.
const char* const kSlots[] = {
    "",
    "1=FORSKX 2=LAN 3=KAELLA 4d=FODAT,DOPDAT 6w=FNAMN 7=ENAMN 8=ORT 9w=MORFNAMN 10=MORENAMN "
    "11=MORORT 12=MORTITEL 13w=FARFNAMN 14=FARENAMN 15=FARORT 16=FARTITEL 19=LOKALID",
    "1=FORSKX 2=LAN 3=KAELLA 4d=VIGDDAT,LYSNDAT 6w=KFNAMN 7=KENAMN 8=KORT 9=KTITEL 10w=MFNAMN "
    "11=MENAMN 12=MORT 13=MTITEL 16=LOKALID",
    "1=FORSKX 2=LAN 3=KAELLA 4d=DODAT,BEGRDAT 6d=FODAT 7w=FNAMN 8=ENAMN 9=ORT 10=TITEL 13=LOKALID "
    "14w=ANF1FNAMNO/ANF1FNAMN,ANF2FNAMNO/ANF2FNAMN 15=ANF1ENAMNO/ANF1ENAMN,ANF2ENAMNO/ANF2ENAMN "
    "16=DORSAK"};

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

constexpr int64_t kBirthCount = 1500, kMarriageCount = 600, kDeathCount = 1200;
const char* const kTableFiles[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
const char* const kHelpCodes[] = {"HJ000",  "HJ001", "HJ002", "HJ003", "HJ004", "HJ005",
                                  "HJ005A", "HJ006", "HJ007", "HJ008", "HJ009"};

std::string ReadText(const fs::path& path) {
  const std::vector<uint8_t> bytes = testing::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// One register's table read back: its rows as values by field name.
struct Table {
  std::vector<std::string> header;
  testing::CsvRows records;

  const std::string& Value(const std::vector<std::string>& record, std::string_view name) const {
    for (size_t i = 0; i < header.size(); ++i) {
      if (header[i] == name) return record.at(i);
    }
    throw std::out_of_range(std::string(name));
  }
};

class RegisterSetRoundTrip : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir();
    SampleSourceOptions sample;
    sample.births = kBirthCount;  // several blocks of 200 records and 100 rows
    sample.marriages = kMarriageCount;
    sample.deaths = kDeathCount;
    sample.seed = 7;
    std::string message;
    ASSERT_TRUE(WriteSampleSource(Source(), sample, message)) << message;
    BuildOptions options{Source(), Data(), 1, {}, {}};
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summary_, error)) << error.ToString();
    for (int r = 1; r <= 3; ++r) {
      sources_[r] = new RegisterSource();
      ASSERT_TRUE(sources_[r]->Load(Source() / kTableFiles[r], r, error)) << error.ToString();
      // The tables read back with a strict CSV reader, independent of the
      // builder's.
      testing::CsvRows rows;
      ASSERT_TRUE(testing::ParseCsvStrictly(ReadText(Source() / kTableFiles[r]), ';', rows));
      ASSERT_FALSE(rows.empty());
      tables_[r].header = rows.front();
      tables_[r].records.assign(rows.begin() + 1, rows.end());
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
  static const Table& TableOf(int r) { return tables_[r]; }

  static BuildSummary summary_;
  static Table tables_[4];
};

testing::TempDir* RegisterSetRoundTrip::dir_ = nullptr;
RegisterSource* RegisterSetRoundTrip::sources_[4] = {};
BuildSummary RegisterSetRoundTrip::summary_;
Table RegisterSetRoundTrip::tables_[4];

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

// The person lists are sorted and number the records; their sort orders
// are permutations in date order.
TEST_F(RegisterSetRoundTrip, PersonListsAndTheirSortOrders) {
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
    std::istringstream slots(kSlots[r]);
    for (std::string spec; slots >> spec;) {
      const int slot = std::stoi(spec);
      const char split = spec[spec.find('=') - 1];              // 'w', 'd' or the slot's last digit
      std::vector<std::pair<std::string, std::string>> fields;  // field, fallback
      std::istringstream listed(spec.substr(spec.find('=') + 1));
      for (std::string f; std::getline(listed, f, ',');)
        fields.push_back(
            {f.substr(0, f.find('/')), f.find('/') == f.npos ? "" : f.substr(f.find('/') + 1)});
      // Records per value, distinct under the accent-keeping table.
      std::map<std::string, std::set<uint32_t>> expected;
      for (uint32_t n = 1; n < of.size(); ++n) {
        for (const auto& [field, fallback] : fields) {
          std::string value(source.Field(of[n], field));
          if (value.empty() && !fallback.empty()) value = source.Field(of[n], fallback);
          if (value.empty()) continue;
          std::vector<std::string> values = {value};
          if (split == 'w') values = Pieces(value, ' ');
          if (split == 'd') values = Pieces(value, ',');
          for (const std::string& v : values)
            expected[MapText(v, AccentOrderTable())].insert(n);
        }
      }
      TVXstruktlista list;
      const std::string name = "vaxors" + std::to_string(100 * r + slot);
      OpenList(list, name);
      const bool lokal_id = slot == (r == 1 ? 19 : r == 2 ? 16 : 13);
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

// The entry texts of an entry file, in file order.
std::vector<std::string> EntryTexts(const fs::path& f1) {
  const std::vector<uint8_t> bytes = testing::ReadFileBytes(f1);
  std::vector<std::string> texts;
  for (size_t at = 16; at + 4 <= bytes.size();) {
    const size_t end = at + 4 + LoadU32(bytes.data() + at);
    for (size_t p = at + 4; p < end; p += texts.back().size() + 9)
      texts.emplace_back(reinterpret_cast<const char*>(bytes.data() + p));
    at = end;
  }
  return texts;
}

// Every free-search list has its trigram filter, and a search through it
// finds what reading the whole list finds: pieces of entries, of the
// entries' ends and beginnings joined, and whole entries, in any case.
TEST_F(RegisterSetRoundTrip, EveryFreeSearchListIsFilteredAndFindsWhatItsWholeListFinds) {
  std::vector<const ComponentDecl*> lists = {FindComponent(AllFieldsListName())};
  for (int r = 1; r <= 3; ++r) {
    for (const ComponentDecl* decl : FreeSearchListsOf(r))
      lists.push_back(decl);
  }
  ASSERT_EQ(lists.size(), 6u);
  Tvxsmalurval selection;
  selection.Resize(
      static_cast<int32_t>(sources_[1]->Count() + sources_[2]->Count() + sources_[3]->Count()));
  std::mt19937 random(2);
  for (const ComponentDecl* decl : lists) {
    SCOPED_TRACE(decl->name);
    TVXfrisoeklista list;
    list.properties() = FreeSearchPropertiesFor(*decl, Dir(), "0001");
    ASSERT_TRUE(fs::exists(Data() / list.properties().FilterFileName()));
    ASSERT_TRUE(list.Open());
    const std::vector<std::string> texts = EntryTexts(Data() / list.properties().EntryFileName());
    ASSERT_FALSE(texts.empty());
    std::vector<std::string> terms = {"Qwxyz", "son;Qwx", "fader", "gården", "ANNA", "\xe6ng"};
    for (int i = 0; i < 60; ++i) {
      const size_t k = random() % texts.size();
      const std::string& text = texts[k];
      std::string term = text.substr(random() % text.size(), 1 + random() % 10);
      if (random() % 2 == 0) {
        for (char& c : term)
          c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      }
      terms.push_back(term);
      if (k + 1 < texts.size()) terms.push_back(text.substr(text.size() / 2) + texts[k + 1]);
      terms.push_back(text);
    }
    auto found = [&](const std::string& text, FreeSearchMode mode, bool filter) {
      list.set_filter_wanted(filter);
      const int32_t hits = list.Search(text, mode, selection);
      std::vector<int32_t> records;
      for (int32_t k = 0; selection.Next(k);)
        records.push_back(k);
      EXPECT_EQ(hits, static_cast<int32_t>(records.size()));
      return records;
    };
    for (const std::string& term : terms) {
      for (const FreeSearchMode mode :
           {FreeSearchMode::kEqual, FreeSearchMode::kBeginsWith, FreeSearchMode::kContains})
        EXPECT_EQ(found(term, mode, true), found(term, mode, false)) << term;
    }
    EXPECT_TRUE(list.FilterInUse());
  }
}

// In a small memory budget what does not fit is sorted in temporary files,
// and the register set comes out byte for byte the same, on either thread
// count.
TEST_F(RegisterSetRoundTrip, ATinyBudgetAndOneThreadBuildTheSameFiles) {
  // With room enough only the first two registers wait on disc, one run each.
  EXPECT_EQ(summary_.temporary_runs, 2u);
  const std::vector<std::string> names = testing::SortedFileNames(Data());
  EXPECT_GT(names.size(), 100u);
  const struct {
    const char* folder;
    size_t budget;
    int threads;
  } builds[] = {
      {"liten", 64 << 10, 2}, {"en-trad", kDefaultBuildMemory, 1}, {"liten-en-trad", 64 << 10, 1}};
  for (const auto& build : builds) {
    BuildOptions options;
    options.source_dir = Source();
    options.data_dir = dir_->path() / build.folder;
    options.memory_budget = build.budget;
    options.threads = build.threads;
    BuildSummary summary;
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summary, error)) << error.ToString();
    if (build.budget == kDefaultBuildMemory) {
      EXPECT_EQ(summary.temporary_runs, 2u) << build.folder;
    } else {
      EXPECT_GT(summary.temporary_runs, 100u) << build.folder;
    }
    ASSERT_EQ(names, testing::SortedFileNames(options.data_dir));
    for (const std::string& name : names) {
      EXPECT_EQ(testing::ReadFileBytes(Data() / name),
                testing::ReadFileBytes(options.data_dir / name))
          << build.folder << "/" << name;
    }
  }
  // The work and sorting folders are gone.
  EXPECT_EQ(testing::SortedFileNames(dir_->path()),
            (std::vector<std::string>{"data", "en-trad", "kalla", "liten", "liten-en-trad"}));
}

TEST_F(RegisterSetRoundTrip, NormalisationRowsCountThePairs) {
  // Per register, the normalised fields "FIELD:kind", each with its written
  // form (the field + "O"), of the kind given or of the sex in the field
  // given.
  const char* const pairs[] = {
      "", "ENAMN:1 MORENAMN:1 FARENAMN:1 ORT:2 MORORT:2 FARORT:2 FNAMN:GENUS MORFNAMN:3 FARFNAMN:4",
      "KENAMN:1 MENAMN:1 KORT:2 MORT:2 KFNAMN:3 MFNAMN:4",
      "ENAMN:1 ANF1ENAMN:1 ANF2ENAMN:1 ORT:2 FNAMN:GENUS ANF1FNAMN:ANF1GENUS ANF2FNAMN:ANF2GENUS"};
  // kind, normalised, written, addition -> count
  std::map<std::tuple<std::string, std::string, std::string, std::string>, int> expected;
  for (int r = 1; r <= 3; ++r) {
    std::istringstream words(pairs[r]);
    for (std::string word; words >> word;) {
      const std::string plain = word.substr(0, word.find(':'));
      const RegisterSource& s = *sources_[r];
      for (size_t i = 0; i < s.Count(); ++i) {
        const std::string written(s.Field(i, plain + "O"));
        std::string kind = word.substr(word.find(':') + 1);
        if (kind.size() > 1) {
          const std::string_view sex = s.Field(i, kind);
          kind = sex == "k" || sex == "K" ? "3" : sex == "m" || sex == "M" ? "4" : "";
        }
        if (written.empty() || kind.empty()) continue;
        const std::string addition = kind == "2" ? std::string(s.Field(i, "FORSKX")) : "";
        ++expected[{kind, std::string(s.Field(i, plain)), written, addition}];
      }
    }
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
  for (const char* code : kHelpCodes) {
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

// What the sample source holds.

// Whether every value fits Windows-1252 and the builder's limits is checked
// by the build.
TEST_F(RegisterSetRoundTrip, TablesAreUtf8WithLfAndHoldTheRecordsInLabelOrderWithRunningNumbers) {
  const int64_t counts[] = {0, kBirthCount, kMarriageCount, kDeathCount};
  for (int r = kBirths; r <= kDeaths; ++r) {
    const std::string text = ReadText(Source() / kTableFiles[r]);
    EXPECT_TRUE(IsValidUtf8(text)) << kTableFiles[r];
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_EQ(text.find('\r'), std::string::npos) << "LF line ends";
    const Table& table = TableOf(r);
    std::vector<std::string> header;
    for (const std::string& label : RegisterLabels(r))
      header.emplace_back(FieldName(label));
    EXPECT_EQ(table.header, header) << kTableFiles[r] << ": every field, in label order";
    ASSERT_EQ(static_cast<int64_t>(table.records.size()), counts[r]) << kTableFiles[r];
    for (size_t i = 0; i < table.records.size(); ++i) {
      ASSERT_EQ(table.records[i].size(), table.header.size()) << kTableFiles[r] << " record " << i;
      ASSERT_EQ(table.Value(table.records[i], "POSTNUMMER"), std::to_string(i + 1));
    }
  }
}

// Checks coded text: brackets closed, link tags paired, every link target
// one of `codes`. Returns the problems found.
std::vector<std::string> CodedTextProblems(const std::string& text,
                                           const std::set<std::string>& codes) {
  std::vector<std::string> problems;
  bool in_link = false;
  for (size_t open = text.find('['); open != std::string::npos; open = text.find('[', open + 1)) {
    const size_t close = text.find(']', open);
    if (close == std::string::npos) return {"a tag without ]"};
    const std::string tag = text.substr(open + 1, close - open - 1);
    if (tag.find('[') != std::string::npos) problems.push_back("[ inside a tag");
    if (tag == "\\M" || tag == "\\m") {
      if (!in_link) problems.push_back("a link closed twice");
      in_link = false;
    } else if (tag[0] == 'M' || tag[0] == 'm') {
      if (in_link) problems.push_back("a link inside a link");
      in_link = true;
      const size_t target_start = tag.find_first_not_of(' ', 1);
      const std::string target = target_start == std::string::npos ? "" : tag.substr(target_start);
      if (codes.count(target) == 0) problems.push_back("no text " + target);
    }
  }
  if (in_link) problems.push_back("an open link at the end");
  return problems;
}

std::set<std::string> HelpCodes() {
  return {std::begin(kHelpCodes), std::end(kHelpCodes)};
}

// A help text's heading and body, checked as every help text must be: UTF-8
// that fits Windows-1252, a plain heading line, and a long body whose tags
// are sound and whose links lead to texts of the folder.
std::pair<std::string, std::string> HelpText(const fs::path& path) {
  SCOPED_TRACE(path.string());
  const std::string text = ReadText(path);
  EXPECT_TRUE(IsValidUtf8(text));
  std::string converted;
  EXPECT_TRUE(Utf8ToCp1252(text, converted));
  const size_t heading_end = text.find('\n');
  EXPECT_NE(heading_end, std::string::npos);
  if (heading_end == std::string::npos) return {};
  const std::string heading = text.substr(0, heading_end);
  EXPECT_FALSE(heading.empty());
  EXPECT_EQ(heading.find('['), std::string::npos) << "the heading is plain text";
  const std::string body = text.substr(heading_end + 1);
  EXPECT_GT(body.size(), 500u);
  EXPECT_EQ(CodedTextProblems(body, HelpCodes()), std::vector<std::string>());
  return {heading, body};
}

// The link targets of a coded text, in order.
std::vector<std::string> LinkTargets(const std::string& text) {
  std::vector<std::string> targets;
  for (size_t at = text.find("[M "); at != std::string::npos; at = text.find("[M ", at + 1))
    targets.push_back(text.substr(at + 3, text.find(']', at) - at - 3));
  return targets;
}

// Every code has its help text, with working links, and an English one in
// hjalp/en/, with a plain English heading, without the heading repeated as
// its first line, and with the same links in the same order.
TEST_F(RegisterSetRoundTrip, EveryHelpTextHasWorkingLinksAndAnEnglishOne) {
  std::set<std::string> swedish_codes, english_codes;
  for (const auto& entry : fs::directory_iterator(Source() / "hjalp")) {
    if (entry.is_regular_file()) swedish_codes.insert(entry.path().stem().string());
  }
  for (const auto& entry : fs::directory_iterator(Source() / "hjalp/en"))
    english_codes.insert(entry.path().stem().string());
  EXPECT_EQ(swedish_codes, HelpCodes());
  EXPECT_EQ(english_codes, swedish_codes);
  for (const std::string code : kHelpCodes) {
    const auto [heading, body] = HelpText(Source() / ("hjalp/" + code + ".txt"));
    EXPECT_FALSE(body.starts_with("[4]"))
        << code << ": the window shows the heading above the text";
    EXPECT_NE(body.find("[6][b 3]"), std::string::npos) << code << ": coloured sub-headings";
    EXPECT_NE(body.find("[M HJ"), std::string::npos) << code << ": links to other texts";
    const auto [english_heading, english_body] = HelpText(Source() / ("hjalp/en/" + code + ".txt"));
    EXPECT_NE(english_heading, heading) << code;
    EXPECT_FALSE(english_body.starts_with("[4][b 4]")) << code << ": the heading is not repeated";
    EXPECT_EQ(LinkTargets(english_body), LinkTargets(body)) << code;
  }
}

TEST_F(RegisterSetRoundTrip, RegisterTextHasHeadingSubHeadingAndAboutText) {
  const std::string text = ReadText(Source() / "register.txt");
  EXPECT_TRUE(IsValidUtf8(text));
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end == std::string::npos ? text.size() : end + 1;
  }
  ASSERT_GT(lines.size(), 5u);
  EXPECT_FALSE(lines[0].empty());
  EXPECT_FALSE(lines[1].empty());
  EXPECT_EQ(lines[0].find('['), std::string::npos);
  const std::string about = text.substr(lines[0].size() + lines[1].size() + 2);
  EXPECT_NE(about.find("påhittade"), std::string::npos) << "says that the persons are invented";
  EXPECT_EQ(CodedTextProblems(about, HelpCodes()), std::vector<std::string>());
}

// The truth beside the tables links records of one life and one family:
// every kind is there, and the records of each pair agree as the lives
// make them (names through their normalised forms, a bride under her own
// surname, the child's parents named as the couple).
TEST_F(RegisterSetRoundTrip, TheTruthLinksRecordsThatAgree) {
  std::map<std::string, std::pair<int, size_t>> records;  // Lokal-ID -> register, row
  for (int r = kBirths; r <= kDeaths; ++r) {
    const Table& table = TableOf(r);
    for (size_t i = 0; i < table.records.size(); ++i)
      records[table.Value(table.records[i], "LOKALID")] = {r, i};
  }
  auto value = [&](const std::string& id, std::string_view field) {
    const auto [r, i] = records.at(id);
    return TableOf(r).Value(TableOf(r).records[i], field);
  };
  // Two values that agree where both are given.
  auto agree = [](const std::string& a, const std::string& b) {
    return a.empty() || b.empty() || a == b;
  };
  const std::string text = ReadText(Source() / "samband.tsv");
  ASSERT_TRUE(text.starts_with("fran\ttill\tsamband\n"));
  std::map<std::string, int> kinds;
  std::istringstream lines(text.substr(text.find('\n') + 1));
  for (std::string from, to, kind; std::getline(lines, from, '\t') &&
                                   std::getline(lines, to, '\t') && std::getline(lines, kind);) {
    SCOPED_TRACE(from + " " + to + " " + kind);
    ASSERT_EQ(records.count(from), 1u);
    ASSERT_EQ(records.count(to), 1u);
    ++kinds[kind];
    if (kind == "dod") {
      EXPECT_TRUE(agree(value(from, "FNAMN"), value(to, "FNAMN")));
      EXPECT_TRUE(agree(value(from, "ENAMN"), value(to, "ENAMN")));
    } else if (kind == "barn") {
      EXPECT_TRUE(agree(value(from, "MFNAMN"), value(to, "FARFNAMN")));
      EXPECT_TRUE(agree(value(from, "KFNAMN"), value(to, "MORFNAMN")));
      EXPECT_TRUE(agree(value(from, "KENAMN"), value(to, "MORENAMN")));
    } else if (kind == "hustruns-fodelse") {
      EXPECT_TRUE(agree(value(from, "KENAMN"), value(to, "ENAMN")));
    } else if (kind == "syskon") {
      EXPECT_EQ(value(from, "MORFNAMN"), value(to, "MORFNAMN"));
      EXPECT_EQ(value(from, "FORSKX"), value(to, "FORSKX"));
    }
  }
  for (const char* kind : {"dod", "barn", "mannens-fodelse", "hustruns-fodelse", "mannens-dod",
                           "hustruns-dod", "syskon"}) {
    EXPECT_GT(kinds[kind], 100) << kind;
  }
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
