// The sample source, written once (its tables read back with a strict CSV
// reader, its help texts, the truth of which records belong together), and
// the register set built from it, read back through the engine against the
// source, the same whatever the build's memory and threads. And the
// sample's pieces, builds that fail, and the set's pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

#include "builder/register_set_builder.h"
#include "builder/register_source.h"
#include "builder/set_files.h"
#include "catalogue/catalogue_declaration.h"
#include "engine/files/pointer_list.h"
#include "engine/files/record_file.h"
#include "engine/lists/free_search_list.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/struct_list.h"
#include "engine/store/record_store.h"
#include "engine/text/collation.h"
#include "engine/util/byte_order.h"
#include "engine/util/cp1252.h"
#include "export/csv_writer.h"
#include "imaging/picture_base.h"
#include "records/register_labels.h"
#include "sample/embedded_data.h"
#include "sample/sample_data.h"
#include "sample/sample_source.h"
#include "sample/tsv_table.h"
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

// The pieces of `value` between separators, trimmed of blanks; blank ones dropped.
std::vector<std::string> Pieces(const std::string& value, char separator) {
  std::vector<std::string> out;
  std::istringstream in(value);
  for (std::string piece; std::getline(in, piece, separator);) {
    const size_t a = piece.find_first_not_of(' ');
    if (a != std::string::npos) out.push_back(piece.substr(a, piece.find_last_not_of(' ') - a + 1));
  }
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
    for (size_t i = 0; i < header.size(); ++i)
      if (header[i] == name) return record.at(i);
    throw std::out_of_range(std::string(name));
  }
};

class RegisterSetRoundTrip : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir();
    // Several blocks of 200 records and 100 rows.
    const SampleSourceOptions sample{kBirthCount, kMarriageCount, kDeathCount, 7, {}};
    std::string message;
    ASSERT_TRUE(WriteSampleSource(Source(), sample, message)) << message;
    BuildOptions options{Source(), Data(), 1, {}, {}};
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summary_, error)) << error.ToString();
    for (int r = 1; r <= 3; ++r) {
      ASSERT_TRUE(sources_[r].Load(Source() / kTableFiles[r], r, error)) << error.ToString();
      // The tables read back with a strict CSV reader, independent of the
      // builder's.
      testing::CsvRows rows;
      ASSERT_TRUE(testing::ParseCsvStrictly(ReadText(Source() / kTableFiles[r]), ';', rows));
      ASSERT_FALSE(rows.empty());
      tables_[r].header = rows.front();
      tables_[r].records.assign(rows.begin() + 1, rows.end());
    }
  }
  static void TearDownTestSuite() { delete dir_; }
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
  static void OpenFreeSearch(TVXfrisoeklista& list, const std::string& name) {
    list.properties() = FreeSearchPropertiesFor(*FindComponent(name), Dir(), "0001");
    list.properties().RO = true;
    ASSERT_TRUE(list.Open()) << name;
  }
  // Reads and decodes record n of `store`.
  static void ReadDecoded(TVXregtext& store, int64_t n) {
    ASSERT_TRUE(store.ReadRecord(n).ok()) << n;
    store.DecodeFields();
  }

  // Source index of each record number, found by the record's Lokal-ID.
  static std::vector<size_t> SourceOfRecords(int r) {
    const RegisterSource& source = sources_[r];
    std::map<std::string, size_t> by_id;
    for (size_t i = 0; i < source.Count(); ++i)
      by_id[std::string(source.Field(i, "LOKALID"))] = i;
    TVXregtext store;
    OpenStore(store, "vaxorh" + std::to_string(r));
    std::vector<size_t> of(store.RecordCount() + 1, SIZE_MAX);
    const int id_index = source.IndexOf("LOKALID");
    for (uint32_t n = 1; n <= store.RecordCount(); ++n) {
      ReadDecoded(store, n);
      of[n] = by_id.at(store.ShortFields()[id_index]);
    }
    return of;
  }

  static inline testing::TempDir* dir_ = nullptr;
  static inline RegisterSource sources_[4];
  static inline BuildSummary summary_;
  static inline Table tables_[4];
};

TEST_F(RegisterSetRoundTrip, EveryRecordComesBackWhole) {
  for (int r = 1; r <= 3; ++r) {
    const RegisterSource& source = sources_[r];
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
    ASSERT_EQ(static_cast<size_t>(persons.RowCount()), sources_[r].Count());
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
      for (const char* marker : {"dp ", "ly ", "bg "})
        if (date.starts_with(marker)) date = date.substr(3);
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
    const RegisterSource& source = sources_[r];
    const std::vector<size_t> of = SourceOfRecords(r);
    std::istringstream slots(kSlots[r]);
    for (std::string entry; slots >> entry;) {
      const int slot = std::stoi(entry);
      const char split = entry[entry.find('=') - 1];            // 'w', 'd' or the slot's last digit
      std::vector<std::pair<std::string, std::string>> fields;  // field, fallback
      std::istringstream listed(entry.substr(entry.find('=') + 1));
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
      {1, "vaxors404", {"LOKALID"}, true},  // the list of all fields: births come first
  };
  for (const Case& c : cases) {
    const RegisterSource& source = sources_[c.r];
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
    OpenFreeSearch(list, c.list);
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
      static_cast<int32_t>(sources_[1].Count() + sources_[2].Count() + sources_[3].Count()));
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
    BuildOptions options{Source(), dir_->path() / build.folder, 1, {}, {}};
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
      const RegisterSource& s = sources_[r];
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
    const Table& table = tables_[r];
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

// A help text's heading and body in Windows-1252, checked as every help
// text must be: UTF-8 that fits Windows-1252, a plain heading line, and a
// long body whose tags are sound and whose links lead to texts of the folder.
std::pair<std::string, std::string> HelpText(const fs::path& path) {
  SCOPED_TRACE(path.string());
  std::string text;
  EXPECT_TRUE(Utf8ToCp1252(ReadText(path), text));
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
// its first line, and with the same links in the same order. Each is found
// by its code in its language's store, with its heading.
TEST_F(RegisterSetRoundTrip, EveryHelpTextHasWorkingLinksAndAnEnglishOneAndIsStoredUnderItsCode) {
  std::set<std::string> swedish_codes, english_codes;
  for (const auto& entry : fs::directory_iterator(Source() / "hjalp"))
    if (entry.is_regular_file()) swedish_codes.insert(entry.path().stem().string());
  for (const auto& entry : fs::directory_iterator(Source() / "hjalp/en"))
    english_codes.insert(entry.path().stem().string());
  EXPECT_EQ(swedish_codes, HelpCodes());
  EXPECT_EQ(english_codes, swedish_codes);
  TVXregtext help, english;
  OpenStore(help, "vaxortext");
  OpenStore(english, std::string(kEnglishHelpTextStore));
  EXPECT_EQ(help.RecordCount(), std::size(kHelpCodes));
  EXPECT_EQ(english.RecordCount(), std::size(kHelpCodes));
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
    for (const auto& [store, shown] :
         {std::pair{&help, heading}, std::pair{&english, english_heading}}) {
      ReadDecoded(*store, store->FindRecord(code, false));
      EXPECT_EQ(store->ShortFields()[0], code);
      EXPECT_EQ(store->ShortFields()[1], shown) << code;
      EXPECT_FALSE(store->LongTexts()[0].empty()) << code;
    }
    EXPECT_NE(english.LongTexts()[0], help.LongTexts()[0]) << code;
  }
  EXPECT_EQ(help.FindRecord("HJ999", false), -1);
}

// The register's own text: a plain heading, a sub-heading and an About text
// of several lines, stored as the set's own texts 1 to 3.
TEST_F(RegisterSetRoundTrip, RegisterTextHasHeadingSubHeadingAndAboutText) {
  std::string text;
  ASSERT_TRUE(Utf8ToCp1252(ReadText(Source() / "register.txt"), text));
  const size_t heading_end = text.find('\n'), sub_end = text.find('\n', heading_end + 1);
  ASSERT_NE(sub_end, std::string::npos);
  EXPECT_GT(heading_end, 0u);
  EXPECT_GT(sub_end, heading_end + 1);
  EXPECT_EQ(text.substr(0, heading_end).find('['), std::string::npos);
  const std::string about = text.substr(sub_end + 1);
  EXPECT_GE(std::count(about.begin(), about.end(), '\n'), 3);
  EXPECT_NE(about.find("p\xE5hittade"), std::string::npos) << "says that the persons are invented";
  EXPECT_EQ(CodedTextProblems(about, HelpCodes()), std::vector<std::string>());
  TVXregtext own;
  OpenStore(own, "vaxorlokaltext");
  ASSERT_EQ(own.RecordCount(), 3u);
  ReadDecoded(own, 1);
  EXPECT_EQ(own.LongTexts()[0], text.substr(0, heading_end));
  ReadDecoded(own, 3);
  EXPECT_NE(own.LongTexts()[0].find('\r'), std::string::npos);  // the About text, several lines
}

// The truth beside the tables links records of one life and one family:
// every kind is there, and the records of each pair agree as the lives
// make them (names through their normalised forms, a bride under her own
// surname, the child's parents named as the couple).
TEST_F(RegisterSetRoundTrip, TheTruthLinksRecordsThatAgree) {
  std::map<std::string, std::pair<int, size_t>> records;  // Lokal-ID -> register, row
  for (int r = kBirths; r <= kDeaths; ++r) {
    const Table& table = tables_[r];
    for (size_t i = 0; i < table.records.size(); ++i)
      records[table.Value(table.records[i], "LOKALID")] = {r, i};
  }
  auto value = [&](const std::string& id, std::string_view field) {
    const auto [r, i] = records.at(id);
    return tables_[r].Value(tables_[r].records[i], field);
  };
  // Two values that agree where both are given.
  auto agree = [](const auto& a, const auto& b) { return a.empty() || b.empty() || a == b; };
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
                           "hustruns-dod", "syskon"})
    EXPECT_GT(kinds[kind], 100) << kind;
}

// A build that fails on either of its two threads (here: its progress sink
// throws) leaves by its exception with both threads joined, and without its
// work folder.
TEST(BuildFailure, OnTheMainThreadWhileTheWorkerRunsOrOnTheWorker) {
  testing::TempDir dir;
  testing::WriteText(dir / "kalla" / "fodda.csv",
                     testing::SourceTable(1, {{{"ENAMN", "Berg"}}, {{"ENAMN", "Ek"}}}));
  testing::WriteText(dir / "kalla" / "register.txt", "Rubrik\nUnderrubrik\nOm.\n");
  for (const std::string at : {"Skriver fodda", "Skriver fritextlistan"}) {
    const auto throw_at = [at](const std::string& line) {
      if (line.starts_with(at)) throw std::runtime_error(line);
    };
    const BuildOptions options{dir / "kalla", dir / "data", 1, throw_at, {}};
    BuildSummary summary;
    SourceError error;
    EXPECT_THROW(BuildRegisterSet(options, summary, error), std::runtime_error);
    EXPECT_EQ(testing::SortedFileNames(dir.path()), std::vector<std::string>{"kalla"}) << at;
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
        // A broken source is refused at its header. The largest source
        // present is read on a thread of its own: the broken deaths where
        // they are broken, else the broken births.
        std::string text = "ENAMN;OKANT\n";
        for (int line = 0; line < 1000 * r; ++line)
          text += "Berg;x\n";
        const bool broken = std::find(c.broken.begin(), c.broken.end(), r) != c.broken.end();
        testing::WriteText(dir / "kalla" / kTableFiles[r],
                           broken ? text : testing::SourceTable(r, {{{"ENAMN", "Berg"}}}));
      }
      BuildOptions options{dir / "kalla", dir / "data", 1, {}, {}};
      options.threads = threads;
      BuildSummary summary;
      SourceError error;
      EXPECT_FALSE(BuildRegisterSet(options, summary, error));
      EXPECT_TRUE(error.file.ends_with(c.reported)) << error.ToString() << ", " << threads;
      EXPECT_FALSE(fs::exists(dir / "data"));
    }
  }
}

// The sample's pieces: the CSV writer it shares with the export, its
// embedded lists and the folders it writes. What the sample holds record by
// record is checked by kuvo-sok's stored answers on the bundled sample.

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

TEST(TsvTable, ReadsRowsAfterCommentsAndHeaderAndReportsTheLineOfAMalformedRow) {
  std::vector<TsvRow> rows;
  std::string error;
  ASSERT_TRUE(ReadTsvTable("t.tsv", "# kommentar\n\nnamn\tvikt\nPer\t3\n# mer\nOlof \t 2\r\n",
                           {"namn", "vikt"}, rows, error))
      << error;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"Per", "3"}));
  EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"Olof", "2"}));
  EXPECT_EQ(rows[1].line, 6u);
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
  for (const EmbeddedFile& file : EmbeddedDataFiles())
    if (file.name != name) files.push_back(file);
  if (!content.empty()) files.push_back({name, content});
  return files;
}

TEST(SampleData, EmbeddedListsParseAndFitWindows1252AndMalformedOnesAreReported) {
  SampleData data;
  std::string error;
  ASSERT_TRUE(ParseSampleData(EmbeddedDataFiles(), data, error)) << error;
  EXPECT_GT(data.women.size(), 30u);
  EXPECT_GT(data.men.size(), 40u);
  EXPECT_GT(data.parishes.size(), 10u);
  EXPECT_GT(data.places.size(), 80u);
  EXPECT_EQ(data.help_files.size(), 22u);  // Swedish and English
  for (const EmbeddedFile& file : EmbeddedDataFiles()) {
    std::string converted;
    EXPECT_TRUE(Utf8ToCp1252(file.content, converted)) << file.name;
    EXPECT_EQ(file.content.find('\r'), std::string_view::npos) << file.name;
  }
  for (const FirstName& man : data.men)
    EXPECT_TRUE((man.stem + "son").ends_with("sson")) << man.name << ": " << man.stem;
  // Malformed lists are reported with file and line.
  for (const auto& [file, content, words] :
       {std::tuple{"orter.tsv", "socken\tort\tvikt\tskrivformer\nUppsala\tBerg\t3\t\n",
                   "orter.tsv:2: okänd socken Uppsala"},
        std::tuple{"efternamn.tsv", "namn\tslag\tvikt\tskrivformer\nModig\tsoldat\tmånga\t\n",
                   "efternamn.tsv:2: "},
        std::tuple{"efternamn.tsv",
                   "namn\tslag\tvikt\tskrivformer\nModig\tsoldat\t3\tMådig,Modig\n", "skrivformen"},
        std::tuple{"titlar.tsv", "", "titlar.tsv: filen saknas"},
        std::tuple{"titlar.tsv",
                   "titel\tbestamd\tkon\tvikt\troller\nbonde\tBonden\tm\t1\tfader,brudgum\n",
                   "saknar titlar"}}) {
    EXPECT_FALSE(ParseSampleData(WithFile(file, content), data, error)) << file;
    EXPECT_NE(error.find(words), std::string::npos) << error;
  }
}

TEST(SampleSource, ZeroRecordsGiveAHeaderRowOnlyReplacingItsOwnFilesAndLeavingOthers) {
  testing::TempDir folder;
  testing::WriteFileBytes(folder / "fodda.csv", std::vector<uint8_t>(100000, 'x'));
  testing::WriteFileBytes(folder / "mina_anteckningar.txt", std::vector<uint8_t>(3, 'y'));
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder.path(), SampleSourceOptions{0, 0, 0, 1, {}}, error))
      << error;
  for (const char* table : {"fodda.csv", "vigda.csv", "doda.csv"}) {
    const std::string text = ReadText(folder / table);
    EXPECT_TRUE(text.starts_with("POSTNUMMER;LOKALID;")) << table;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << table;
  }
  EXPECT_LT(fs::file_size(folder / "fodda.csv"), 100000u);
  EXPECT_EQ(ReadText(folder / "mina_anteckningar.txt"), "yyy");
}

TEST(SampleSource, CreatesMissingFoldersReportsProgressPerTableAndSaysWhyItCannot) {
  testing::TempDir folder;
  std::vector<std::string> messages;
  const SampleSourceOptions options{
      12, 3, 4, 1, [&messages](const std::string& message) { messages.push_back(message); }};
  std::string error;
  ASSERT_TRUE(WriteSampleSource(folder / "a/b/c", options, error)) << error;
  EXPECT_TRUE(fs::exists(folder / "a/b/c/hjalp/HJ005A.txt"));
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Skriver fodda.csv: 12 poster", "Skriver vigda.csv: 3 poster",
                                      "Skriver doda.csv: 4 poster"}));
  // A folder that cannot be made is reported in Swedish.
  testing::WriteFileBytes(folder / "fil", std::vector<uint8_t>(1, 'x'));
  EXPECT_FALSE(WriteSampleSource(folder / "fil", SampleSourceOptions{5, 5, 5, 1, {}}, error));
  EXPECT_NE(error.find("Kan inte skapa mappen"), std::string::npos) << error;
  EXPECT_NE(error.find((folder / "fil").string()), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(WriteSampleSource(folder / "fil/under", SampleSourceOptions{5, 5, 5, 1, {}}, error));
  EXPECT_NE(error.find("Kan inte skapa mappen"), std::string::npos) << error;
}

// A build packs the program's pictures into "vaxorgrfk" with its name index
// and the source's bilder/ into the set's own base, the logo under the
// set's number; a picture that is not a PNG stops the build. Both bases keep
// each record's data to its fields and the image right after it.

// The smallest header that passes for a PNG of 2 x 3 pixels, padded to
// `size` bytes.
std::vector<uint8_t> Png(size_t size = 24) {
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                              'I',  'H', 'D', 'R', 0,    0,    0,    2,    0, 0, 0, 3};
  png.resize(size, 0x42);
  return png;
}

const std::vector<uint8_t> kPng = Png();

// The image of every record of base `name`, read with a buffer of 1000
// bytes from the position after the record's data.
std::vector<std::vector<uint8_t>> ImagesAfterData(const std::filesystem::path& dir,
                                                  const std::string& name) {
  Tvxpeklista list(PointerListType::kOnDisk);
  list.SetFileNames(dir.string() + "/", name + ".p");
  list.SetReadOnly(true);
  EXPECT_TRUE(list.Open(false)) << name;
  Tvxblobfil file;
  file.SetFileNames(dir.string() + "/", name + ".b");
  file.SetReadOnly(true);
  file.SetPointerLists(&list, nullptr);
  file.SetBufferSize(1000);
  EXPECT_TRUE(file.Open(false)) << name;
  std::vector<std::vector<uint8_t>> images;
  for (uint32_t recno = 1; recno <= file.RecordCount(); ++recno) {
    EXPECT_EQ(file.ReadRecord(recno), Tvxblobfil::kOk) << name << " " << recno;
    uint8_t length[4] = {};
    EXPECT_TRUE(file.ReadBytesAt(file.PositionAfterRecord(), length));
    std::vector<uint8_t> image(LoadU32(length));
    EXPECT_TRUE(file.ReadBytesAt(file.PositionAfterRecord() + 4, image));
    images.push_back(image);
  }
  return images;
}

class SetPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteText(dir_ / "kalla" / "fodda.csv",
                       testing::SourceTable(1, {{{"POSTNUMMER", "1"}, {"FNAMN", "Anna"}}}));
    std::filesystem::create_directories(dir_ / "kalla" / "bilder");
  }

  bool Build(int number, SourceError& error, const std::vector<uint8_t>& button_image = kPng) {
    PictureRecord button;
    button.name = "tomknapp73_23";
    button.image = button_image;
    const BuildOptions options{dir_ / "kalla", dir_ / "data", number, {}, {button}};
    BuildSummary summary;
    return BuildRegisterSet(options, summary, error);
  }

  testing::TempDir dir_;
};

// However large the picture, the image follows the record's data.
TEST_F(SetPicturesTest, ProgramAndSetPicturesAreFoundByNameAndStoredAfterTheRecordData) {
  testing::WriteFileBytes(dir_ / "kalla" / "bilder" / "logovaxor.png", Png(5882));
  testing::WriteFileBytes(dir_ / "kalla" / "bilder" / "karta.png", kPng);
  SourceError error;
  ASSERT_TRUE(Build(7, error, Png(1056))) << error.ToString();

  TVXbildbas program;
  program.SetFiles((dir_ / "data").string() + "/", "vaxorgrfk");
  program.SetHasIndex(true);
  ASSERT_TRUE(program.Open());
  EXPECT_TRUE(program.IndexOpen());
  PictureRecord read;
  EXPECT_EQ(program.GetPicture("tomknapp73_23", read), 1);
  EXPECT_EQ(read.image, Png(1056));

  TVXbildbas set;
  set.SetFiles((dir_ / "data").string() + "/", "vaxor0007grfk");
  ASSERT_TRUE(set.Open());
  EXPECT_GT(set.GetPicture("logovaxor0007", read), 0);
  EXPECT_EQ(read.image, Png(5882));
  EXPECT_GT(set.GetPicture("karta", read), 0);
  EXPECT_EQ(read.image, kPng);
  EXPECT_EQ(set.FindPicture("logovaxor"), 0) << "the logo carries the set's number";

  EXPECT_EQ(ImagesAfterData(dir_ / "data", "vaxorgrfk"),
            std::vector<std::vector<uint8_t>>{Png(1056)});
  std::vector<std::vector<uint8_t>> images = ImagesAfterData(dir_ / "data", "vaxor0007grfk");
  std::sort(images.begin(), images.end());
  EXPECT_EQ(images, (std::vector<std::vector<uint8_t>>{kPng, Png(5882)}));
}

TEST_F(SetPicturesTest, AnImageThatIsNotPngStopsTheBuild) {
  const std::vector<uint8_t> bmp = {'B', 'M', 0, 0};
  testing::WriteFileBytes(dir_ / "kalla" / "bilder" / "logovaxor.bmp", bmp);
  SourceError error;
  EXPECT_FALSE(Build(1, error));
  EXPECT_EQ(error.file, "bilder/logovaxor.bmp");
  EXPECT_NE(error.message.find("PNG"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "data"));
}

TEST_F(SetPicturesTest, WithoutBilderThereIsNoSetBase) {
  std::filesystem::remove(dir_ / "kalla" / "bilder");
  SourceError error;
  ASSERT_TRUE(Build(1, error)) << error.ToString();
  EXPECT_TRUE(std::filesystem::exists(dir_ / "data" / "vaxorgrfk.bi"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "data" / "vaxor0001grfk.b"));
}

}  // namespace
}  // namespace vx
