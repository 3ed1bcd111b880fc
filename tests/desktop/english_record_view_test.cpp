// The main window's record view in English, as kuvo --sprak en shows it:
// the record text's own words in English, the record's values as stored.
#include <gtest/gtest.h>

#include <string>

#include "engine/util/cp1252.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class EnglishRecordViewTest : public testing::MainWindowFixture<EnglishRecordViewTest> {
 public:
  static void WriteSource(const fs::path& source) { testing::WriteSample(source, 20, 5, 5, 2); }

 protected:
  // The record view's text after births first..first + 4 were found (the
  // language is chosen at start: a record already shown keeps its text).
  std::string ShownBirth(Language language, int first) {
    window_->session().SetLanguage(language);
    Tvxsmalurval& vald = window_->session().catalogue().PersonList(1).vald();
    vald.Clear();
    for (int k = first; k < first + 5; ++k)
      vald.SetBit(k, true);
    window_->ShowSearchResult({1});
    return Cp1252ToUtf8(c().texten->Text());
  }
};

TEST_F(EnglishRecordViewTest, TheRecordTextSpeaksTheSessionsLanguage) {
  const std::string english = ShownBirth(Language::kEnglish, 1);
  EXPECT_NE(english.find("Source: "), std::string::npos) << english;
  EXPECT_EQ(english.find("Källa: "), std::string::npos) << english;
  const std::string swedish = ShownBirth(Language::kSwedish, 11);
  EXPECT_NE(swedish.find("Källa: "), std::string::npos) << swedish;
  EXPECT_EQ(swedish.find("Source: "), std::string::npos) << swedish;
}

}  // namespace
}  // namespace vx
