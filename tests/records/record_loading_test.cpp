// Records loaded from a register set built by the builder: every field in
// its member, the read statuses, and the information texts.
#include "records/record_loading.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "builder/register_set_builder.h"
#include "builder/set_files.h"
#include "records/current_records.h"
#include "records/date_text.h"
#include "records/information_text.h"
#include "tests/support/record_store_test_util.h"
#include "tests/support/source_fixture.h"
#include "tests/support/text.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::SourceRecord;
using testing::W;

const std::set<std::string> kDateFields = {"FODAT",   "DOPDAT", "VIGDDAT",
                                           "LYSNDAT", "DODAT",  "BEGRDAT"};

// A value for every field of register r, each different from the others
// and telling where it belongs; dates are real dates, long texts have lines.
SourceRecord FullRecord(int r, const std::string& id) {
  SourceRecord record;
  int date = 10;
  for (const std::string& label : RegisterLabels(r)) {
    const std::string name(FieldName(label));
    if (kDateFields.count(name)) {
      record[name] = "17" + std::to_string(date++) + "0403";
    } else if (label[0] == '5') {
      record[name] = name + " rad 1\r" + name + W(" rad 2 åäö");
    } else {
      record[name] = "v" + name;
    }
  }
  record["LOKALID"] = id;
  return record;
}

class RecordLoading : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir();
    const fs::path source = dir_->path() / "kalla";
    const char* files[] = {"", "fodda.csv", "vigda.csv", "doda.csv"};
    for (int r = kBirths; r <= kDeaths; ++r) {
      // The sparse record sorts first by name, the full one after it.
      const SourceRecord sparse = testing::Fields("LOKALID=GLES|FNAMN=Anna|ENAMN=Aberg");
      testing::WriteText(source / files[r],
                         testing::SourceTable(r, {FullRecord(r, "FULL"), sparse}));
    }
    testing::WriteText(source / "register.txt",
                       "Tuna församling\nUnderrubrik\nOm registret\nAndra raden\n");
    testing::WriteText(source / "hjalp/HJ001.txt", "Hjälp 1\n[b 3]Text ett\n");
    testing::WriteText(source / "hjalp/HJ005.txt", "Hjälp 5\nText fem\n");
    testing::WriteText(source / "hjalp/HJ005A.txt", "Hjälp 5A\nText fem A\n");
    BuildOptions options{source, dir_->path() / "data", 1, {}, {}};
    BuildSummary summary;
    SourceError error;
    ASSERT_TRUE(BuildRegisterSet(options, summary, error)) << error.ToString();
  }
  static void TearDownTestSuite() { delete dir_; }

  static void Open(TVXregtext& store, const std::string& component) {
    store.properties() = StorePropertiesFor(*FindComponent(component),
                                            (dir_->path() / "data").string() + "/", "0001");
    store.properties().RO = true;
    ASSERT_TRUE(store.Open()) << component;
  }

  // The record number whose LOKALID is `id`, found by loading each record.
  template <typename Record, typename LoadFn>
  static int64_t Find(TVXregtext& store, LoadFn load, const std::string& id, Record& record) {
    for (int64_t n = 1; n <= store.RecordCount(); ++n)
      if (load(store, n, record).ok() && record.LOKALID == id) return n;
    return -1;
  }

  // Every member holds the source value of its own label.
  template <typename Record>
  static void ExpectFields(const Record& record, const SourceRecord& source) {
    for (const FieldBinding<Record>& field : Record::Fields()) {
      const auto it = source.find(std::string(FieldName(field.label)));
      const std::string expected = it == source.end() ? "" : it->second;
      EXPECT_EQ(record.*field.member, expected) << field.label;
    }
  }

  template <typename Record, typename LoadFn>
  static void ExpectFullRecord(const std::string& component, int r, LoadFn load) {
    SCOPED_TRACE(component);
    TVXregtext store;
    Open(store, component);
    Record record;
    ASSERT_GT(Find(store, load, "FULL", record), 0);
    ExpectFields(record, FullRecord(r, "FULL"));
  }

  static inline testing::TempDir* dir_ = nullptr;
};

TEST_F(RecordLoading, EveryFieldLandsInItsMember) {
  ExpectFullRecord<Tenfodd>("vaxorh1", kBirths, laddafodd);
  ExpectFullRecord<Tenvigd>("vaxorh2", kMarriages, laddavigd);
  ExpectFullRecord<Tendod>("vaxorh3", kDeaths, laddadod);
}

TEST_F(RecordLoading, ASparseRecordEmptiesWhatTheFullOneLeft) {
  TVXregtext store;
  Open(store, "vaxorh3");
  Tendod record;
  ASSERT_GT(Find(store, laddadod, "FULL", record), 0);
  ASSERT_GT(Find(store, laddadod, "GLES", record), 0);
  ExpectFields(record, testing::Fields("LOKALID=GLES|FNAMN=Anna|ENAMN=Aberg"));
}

TEST_F(RecordLoading, AFailedReadLeavesTheRecordAsItWas) {
  TVXregtext store;
  Open(store, "vaxorh1");
  Tenfodd sparse;
  Tenfodd full;
  ASSERT_GT(Find(store, laddafodd, "GLES", sparse), 0);
  ASSERT_GT(Find(store, laddafodd, "FULL", full), 0);
  // The store now holds the full record's bytes; a failed read must not
  // decode them again into another record.
  const Tenfodd before = sparse;
  EXPECT_TRUE(laddafodd(store, 0, sparse).IsNotFound());
  EXPECT_TRUE(laddafodd(store, -1, sparse).IsNotFound());
  EXPECT_TRUE(laddafodd(store, store.RecordCount() + 1, sparse).IsNotFound());
  EXPECT_EQ(sparse, before);
  TVXregtext closed;
  EXPECT_TRUE(laddafodd(closed, 1, sparse).IsIOError());
  EXPECT_EQ(sparse, before);
}

template <typename Record>
std::vector<std::string> TableLabels() {
  std::vector<std::string> labels;
  for (const FieldBinding<Record>& field : Record::Fields())
    labels.emplace_back(field.label);
  return labels;
}

TEST(RecordFields, FollowTheStoreLabelsInOrder) {
  EXPECT_EQ(TableLabels<Tenfodd>(), RegisterLabels(kBirths));
  EXPECT_EQ(TableLabels<Tenvigd>(), RegisterLabels(kMarriages));
  EXPECT_EQ(TableLabels<Tendod>(), RegisterLabels(kDeaths));
}

TEST_F(RecordLoading, CurrentRecordsLoadComposeAndListTheirRegister) {
  TVXregtext births, marriages;
  Open(births, "vaxorh1");
  Open(marriages, "vaxorh2");
  CurrentRecords current;
  Tenfodd probe;
  const int64_t n = Find(births, laddafodd, "FULL", probe);
  ASSERT_TRUE(current.Load(kBirths, births, n).ok());
  EXPECT_EQ(current.enfodd(), probe);
  EXPECT_TRUE(current.Load(kMarriages, marriages, 1).ok());
  EXPECT_TRUE(current.Load(4, marriages, 1).IsInvalidArgument());
  EXPECT_EQ(current.listtext(kBirths, 6), "vKAELLA");
  EXPECT_EQ(current.listnyckel(kBirths, 3), std::string(W("vKAELLAÿ")) + "17100403");
  EXPECT_EQ(current.listtext(kMarriages, 1), DashedDate(current.envigd().VIGDDAT));
  EXPECT_EQ(current.listtext(4, 1), "");
  current.Compose(kBirths, true);
  EXPECT_EQ(current.posttext().rfind("[5][f]vENAMNO, vFNAMNO[\\f]\r", 0), 0u);
  current.ComposeBirthText(false);
  EXPECT_EQ(current.posttext().find('['), std::string::npos);
  current.Compose(0, true);
  EXPECT_EQ(current.posttext(), "");
}

TEST_F(RecordLoading, HamtatextFindsHelpCodesExactly) {
  TVXregtext help;
  Open(help, "vaxortext");
  CurrentRecords current;
  const int32_t n = current.hamtatext(help, "HJ005");
  EXPECT_GE(n, 1);
  EXPECT_EQ(current.information().textkod, "HJ005");
  EXPECT_EQ(current.information().textrubrik, W("Hjälp 5"));
  EXPECT_EQ(current.information().texttext, "Text fem");
  EXPECT_NE(current.hamtatext(help, "HJ005A"), n) << "a longer code is another text";
  EXPECT_EQ(current.information().texttext, "Text fem A");
  EXPECT_EQ(current.hamtatext(help, "HJ001"), 1);
  EXPECT_EQ(current.information().texttext, "[b 3]Text ett");

  // Missing codes, prefixes of codes included, leave the text as it was.
  EXPECT_LT(current.hamtatext(help, "HJ009"), 1);
  EXPECT_LT(current.hamtatext(help, "HJ00"), 1);
  EXPECT_LT(current.hamtatext(help, ""), 1);
  EXPECT_EQ(current.information().textkod, "HJ001");
  TVXregtext closed;
  EXPECT_LT(current.hamtatext(closed, "HJ001"), 1);
}

TEST_F(RecordLoading, HamtaomtextLoadsTheThirdOwnText) {
  TVXregtext own;
  Open(own, "vaxorlokaltext");
  CurrentRecords current;
  EXPECT_EQ(current.hamtaomtext(own), "Om registret\rAndra raden");
  EXPECT_EQ(current.information().textkod, "OM");
  EXPECT_EQ(current.information().texttext, "Om registret\rAndra raden");

  // Without a third record the previous text stays and nothing is returned.
  RegtextProperties two = StorePropertiesFor(*FindComponent("vaxorlokaltext"),
                                             (dir_->path() / "kort").string() + "/", "0002");
  fs::create_directories(dir_->path() / "kort");
  testing::WriteTextStore(two, {{"RUBRIK", "Rubrik", "R"}, {"UNDERRUBRIK", "Underrubrik", "U"}});
  TVXregtext short_store;
  two.RO = true;
  short_store.properties() = two;
  ASSERT_TRUE(short_store.Open());
  ASSERT_EQ(short_store.RecordCount(), 2u);
  EXPECT_EQ(current.hamtaomtext(short_store), "");
  EXPECT_EQ(current.information().texttext, "Om registret\rAndra raden");
  TVXregtext closed;
  EXPECT_EQ(current.hamtaomtext(closed), "");
  EXPECT_EQ(current.information().textkod, "OM");
}

}  // namespace
}  // namespace vx
