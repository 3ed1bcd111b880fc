// The trigram filters the builder writes beside its free-search lists: a
// search through them finds what reading the whole list finds.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "builder/register_set_builder.h"
#include "builder/set_files.h"
#include "catalogue/catalogue_declaration.h"
#include "engine/lists/free_search_list.h"
#include "engine/util/byte_order.h"
#include "sample/sample_source.h"
#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Mode = FreeSearchMode;

// The entry texts of an entry file, in file order.
std::vector<std::string> EntryTexts(const fs::path& f1) {
  const std::vector<uint8_t> bytes = testing::ReadFileBytes(f1);
  std::vector<std::string> texts;
  for (size_t at = 16; at + 4 <= bytes.size();) {
    const size_t end = at + 4 + LoadU32(bytes.data() + at);
    for (size_t p = at + 4; p < end;) {
      const auto* text = reinterpret_cast<const char*>(bytes.data() + p);
      texts.emplace_back(text);
      p += texts.back().size() + 9;
    }
    at = end;
  }
  return texts;
}

// Pieces of entries, of the entries' ends and beginnings joined, and whole
// entries, as typed in any case.
std::vector<std::string> Terms(const std::vector<std::string>& texts, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::string> terms = {"Qwxyz", "son;Qwx", "fader", "gården", "ANNA", "\xe6ng"};
  for (int i = 0; i < 60 && !texts.empty(); ++i) {
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
  return terms;
}

TEST(FilterBuild, EveryFreeSearchListIsFilteredAndFindsWhatItsWholeListFinds) {
  testing::TempDir dir;
  SampleSourceOptions sample;
  sample.births = 900;
  sample.marriages = 300;
  sample.deaths = 700;
  sample.seed = 21;
  std::string sample_error;
  ASSERT_TRUE(WriteSampleSource(dir / "kalla", sample, sample_error)) << sample_error;
  BuildOptions options;
  options.source_dir = dir / "kalla";
  options.data_dir = dir / "data";
  BuildSummary summary;
  SourceError error;
  ASSERT_TRUE(BuildRegisterSet(options, summary, error)) << error.ToString();

  std::vector<const ComponentDecl*> lists = {FindComponent(AllFieldsListName())};
  for (int r = 1; r <= 3; ++r) {
    for (const ComponentDecl* decl : FreeSearchListsOf(r))
      lists.push_back(decl);
  }
  ASSERT_EQ(lists.size(), 6u);
  Tvxsmalurval selection;
  selection.Resize(1900);
  uint32_t seed = 1;
  for (const ComponentDecl* decl : lists) {
    SCOPED_TRACE(decl->name);
    TVXfrisoeklista list;
    list.properties() = FreeSearchPropertiesFor(*decl, (dir / "data").string() + "/", "0001");
    ASSERT_TRUE(fs::exists(dir / "data" / list.properties().FilterFileName()));
    ASSERT_TRUE(list.Open());
    const std::vector<std::string> texts =
        EntryTexts(dir / "data" / list.properties().EntryFileName());
    ASSERT_FALSE(texts.empty());
    auto found = [&](const std::string& text, Mode mode, bool filter) {
      list.set_filter_wanted(filter);
      const int32_t hits = list.Search(text, mode, selection);
      std::vector<int32_t> records;
      for (int32_t k = 0; selection.Next(k);)
        records.push_back(k);
      EXPECT_EQ(hits, static_cast<int32_t>(records.size()));
      return records;
    };
    for (const std::string& term : Terms(texts, ++seed)) {
      for (const Mode mode : {Mode::kEqual, Mode::kBeginsWith, Mode::kContains})
        EXPECT_EQ(found(term, mode, true), found(term, mode, false)) << term;
    }
    EXPECT_TRUE(list.FilterInUse());
  }
}

}  // namespace
}  // namespace vx
