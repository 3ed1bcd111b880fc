// kuvo-sok as a process on the bundled sample, against the same searches
// run through the library.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "catalogue/catalogue.h"
#include "engine/util/cp1252.h"
#include "records/hit_list.h"
#include "search/free_text_search.h"
#include "search/lokal_id.h"
#include "search/picked_rows.h"
#include "search/run_search.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::RunProcess;

const std::string kProgram = VX_KUVO_SOK;
const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";
const char* const kRegisterNames[] = {"", "fodda", "vigda", "doda"};

struct Hit {
  std::string register_name;
  uint32_t record;
  bool operator==(const Hit&) const = default;
};

std::vector<Hit> ParseTsv(const std::vector<uint8_t>& out) {
  std::vector<Hit> hits;
  std::istringstream lines(std::string(out.begin(), out.end()));
  std::string line;
  while (std::getline(lines, line)) {
    const size_t tab = line.find('\t');
    hits.push_back({line.substr(0, tab), static_cast<uint32_t>(std::stoul(line.substr(tab + 1)))});
  }
  return hits;
}

class KuvoSok : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    evf_ = new TEVF();
    ShellHooks hooks;
    evf_->oppnadatabas(lasinifil(kIni), hooks);
  }
  static void TearDownTestSuite() { delete evf_; }

  // The register's hits in name (or date) order, as the library lists them.
  static std::vector<Hit> LibraryHits(int r, bool by_date = false) {
    HitList list(evf_->PersonList(r), evf_->DateOrder(r));
    list.Refresh(by_date);
    std::vector<Hit> hits;
    HitRow row;
    for (int32_t k = 1; list.Row(k, row); ++k)
      hits.push_back({kRegisterNames[r], row.record});
    return hits;
  }

  static std::vector<Hit> Sok(const std::vector<std::string>& args, int expected_exit = 0) {
    std::vector<std::string> argv = {kProgram, "--ini", kIni.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    const auto result = RunProcess(argv);
    EXPECT_EQ(result.exit_code, expected_exit) << result.err;
    return ParseTsv(result.out);
  }

  // A text to search a field with: a word from its list, or a range.
  static std::string QueryFor(int r, const FormField& field) {
    switch (field.routine) {
      case FieldRoutine::kDateRange:
        return "1780-1789";
      case FieldRoutine::kFreeField:
        return "anders";
      default: {
        TVXstruktlista* list = evf_->soklistor(r, field.slot);
        if (list == nullptr || list->RowCount() == 0) return "";
        list->ReadRow(list->RowCount() / 2);
        return Cp1252ToUtf8(list->RowText());
      }
    }
  }

  static TEVF* evf_;
};

TEVF* KuvoSok::evf_ = nullptr;

TEST_F(KuvoSok, EveryFormFieldAnswersAsTheLibrary) {
  for (int r = 1; r <= 3; ++r) {
    for (const FormField& field : SearchForm(r).fields) {
      const std::string query = QueryFor(r, field);
      if (query.empty()) continue;
      SearchFormInput input(r);
      std::string data;
      ASSERT_TRUE(Utf8ToCp1252(query, data));
      input.Set(field.prefix, data);
      ASSERT_TRUE(RunSearch(*evf_, input).ok());
      const std::vector<Hit> expected = LibraryHits(r);
      const std::string prefix(field.prefix);
      EXPECT_EQ(Sok({kRegisterNames[r], "--" + prefix, query}), expected)
          << kRegisterNames[r] << " --" << prefix << " " << query;
      EXPECT_FALSE(expected.empty()) << kRegisterNames[r] << " --" << prefix << " " << query;
    }
  }
}

TEST_F(KuvoSok, SeveralFieldsDateOrderAndPickedRows) {
  SearchFormInput input(1);
  input.Set("en", "Berg*");
  input.Set("fod", "1700-1850");
  ASSERT_TRUE(RunSearch(*evf_, input).ok());
  const std::vector<Hit> by_date = LibraryHits(1, true);
  ASSERT_FALSE(by_date.empty());
  EXPECT_EQ(Sok({"fodda", "--en", "Berg*", "--fod", "1700-1850", "--ordning", "datum"}), by_date);

  // Ticking two first names in the picker.
  TVXstruktlista& names = *evf_->soklistor(1, 6);
  names.ReadRow(1);
  const std::string first = names.RowText();
  names.ReadRow(2);
  const std::string second = names.RowText();
  names.vald().Clear();
  TickWords(names, {first, second});
  SearchFormInput picked(1);
  picked.Set("fn", BuildPickSummary(names), true);
  ASSERT_TRUE(RunSearch(*evf_, picked).ok());
  EXPECT_EQ(Sok({"fodda", "--fn-rader", Cp1252ToUtf8(first + ";" + second)}), LibraryHits(1));
}

TEST_F(KuvoSok, LokalIdFoundAndMissing) {
  TVXstruktlista& ids = *evf_->soklistor(3, 13);
  ids.ReadRow(7);
  const std::string id = Cp1252ToUtf8(ids.RowText());
  const std::vector<Hit> hits = Sok({"doda", "--lokalid", id});
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].record, ids.RowValue1());

  const auto missing = RunProcess({kProgram, "--ini", kIni.string(), "doda", "--lokalid", "X1"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "Lokal-ID X1 finns inte!\n");
}

TEST_F(KuvoSok, FreeTextOverAllRegisters) {
  ASSERT_TRUE(RunFreeSearch(*evf_, "Kinne"));
  std::vector<Hit> expected;
  for (int r = 1; r <= 3; ++r) {
    const std::vector<Hit> hits = LibraryHits(r);
    expected.insert(expected.end(), hits.begin(), hits.end());
  }
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(Sok({"alla", "Kinne"}), expected);
}

TEST_F(KuvoSok, TextAndJson) {
  const auto result = RunProcess(
      {kProgram, "--ini", kIni.string(), "fodda", "--en", "Berg", "--visa", "--format", "json"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string out(result.out.begin(), result.out.end());
  EXPECT_TRUE(out.starts_with("[\n  {\"register\": \"fodda\", \"post\": ")) << out.substr(0, 80);
  EXPECT_NE(out.find("\"text\": \""), std::string::npos);
  EXPECT_NE(out.find("K\xC3\xA4lla: "), std::string::npos);  // "Källa: " in UTF-8
  EXPECT_EQ(out.find('\r'), std::string::npos);
  EXPECT_TRUE(result.err.ends_with(" träffar\n")) << result.err;
}

TEST_F(KuvoSok, WrongUsageAndUserErrors) {
  auto exit_code = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {kProgram, "--ini", kIni.string()});
    return RunProcess(args).exit_code;
  };
  EXPECT_EQ(exit_code({}), 2);
  EXPECT_EQ(exit_code({"fodda", "--ordning", "slump"}), 2);
  EXPECT_EQ(exit_code({"alla"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--lokalid", "x", "--en", "y"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--nosuch", "x"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--fod-rader", "1780"}), 2);
  EXPECT_EQ(exit_code({"fodda", "--en", std::string(501, 'a')}), 1);
  EXPECT_EQ(exit_code({"fodda", "--en", "\xC5\x81ukasz"}), 1);  // no Windows-1252 form
  EXPECT_EQ(RunProcess({kProgram, "--ini", "/nonexistent/kuvo.ini", "fodda"}).exit_code, 1);
  // No hits is a success.
  EXPECT_EQ(exit_code({"fodda", "--en", "\"Zzzz\""}), 0);
}

TEST_F(KuvoSok, DamagedRecordStoreIsNamed) {
  testing::TempDir dir;
  const fs::path sample = kIni.parent_path() / "exempel";
  for (const auto& entry : fs::directory_iterator(sample)) {
    fs::copy_file(entry.path(), dir / entry.path().filename().string());
  }
  // Spoil a byte in every kilobyte of the births' record blocks.
  std::vector<uint8_t> records = testing::ReadFileBytes(dir / "vaxor0001h1.b");
  for (size_t at = 100; at < records.size(); at += 1000)
    records[at] ^= 0x5A;
  testing::WriteFileBytes(dir / "vaxor0001h1.b", records);
  const std::string ini_text = "[hdbaser]\nhdbasen=" + dir.path().string() + "/\n";
  testing::WriteFileBytes(dir / "kuvo.ini", std::vector<uint8_t>(ini_text.begin(), ini_text.end()));

  const auto result = RunProcess(
      {kProgram, "--ini", (dir / "kuvo.ini").string(), "fodda", "--fod", "1700-1900", "--visa"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("skadad registerfil vaxor0001h1.b"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace vx
