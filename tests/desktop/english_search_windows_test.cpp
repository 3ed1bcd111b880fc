// The search windows in English, as kuvo --sprak en shows them: the three
// register forms (captions of fields with rows and of fields without), the
// word picker opened from a form, the normalisation view and the free-text
// search, each built in Swedish and in English on the same set. No
// Swedish may stand in the English windows, and no caption may stay the
// same in both.
#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "controls/bitmap_button.h"
#include "desktop/search/free_text_window.h"
#include "desktop/search/normalisation_window.h"
#include "desktop/search/picker_window.h"
#include "desktop/search/search_form_window.h"
#include "engine/util/cp1252.h"
#include "tests/desktop/shown_texts.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class EnglishSearchWindowsTest : public testing::SessionFixture<EnglishSearchWindowsTest> {
 public:
  // No deaths: the death form shows every field without rows.
  static void WriteSource(const fs::path& source) { testing::WriteSample(source, 40, 10, 0, 7); }

 protected:
  // What every search window shows, built in the catalogue's language of
  // the moment, each text keyed by its window and place.
  testing::ShownTexts ShownByTheSearchWindows() {
    testing::ShownTexts shown;
    auto add = [&](const QString& window, QWidget* root) {
      const testing::ShownTexts texts = testing::TextsShownBy(root);
      for (auto it = texts.begin(); it != texts.end(); ++it)
        shown.insert(window + it.key(), it.value());
    };
    Tsoktabform picker(*session_, *pictures_, nullptr, &main_);
    Tnormform norm(*session_, *pictures_, nullptr, &main_);
    for (int r = 1; r <= 3; ++r) {
      Tsok_form form(r, *session_, *pictures_, nullptr, &picker, &norm, &main_);
      form.show();
      add(QStringLiteral("form%1").arg(r), &form);
      if (r != 1) continue;
      const bool picked = testing::WhileModal(
          [&] {
            add(QStringLiteral("picker"), &picker);
            picker.reject();
          },
          [&] { QTest::mouseClick(form.ListButton("foo"), Qt::LeftButton); });
      EXPECT_TRUE(picked) << "the place of birth's list button opens the picker";
    }
    testing::WhileActive(
        &norm, [&] { add(QStringLiteral("norm"), &norm); }, [&] { norm.ShowModal(); });
    Tsoka_form free_text(*session_, *pictures_, nullptr, &main_);
    free_text.show();
    add(QStringLiteral("free"), &free_text);
    return shown;
  }
};

TEST_F(EnglishSearchWindowsTest, NoSwedishInTheEnglishSearchWindows) {
  const testing::ShownTexts swedish = ShownByTheSearchWindows();
  testing::ShownTexts english;
  {
    const testing::EnglishWindows speaking_english;
    ASSERT_TRUE(speaking_english.loaded());
    english = ShownByTheSearchWindows();
  }
  ASSERT_EQ(english.keys(), swedish.keys());
  // The set's heading stands in the titles as stored.
  QSet<QString> set_words;
  const QString heading = QString::fromStdString(Cp1252ToUtf8(session_->Heading()));
  for (const QString& word : heading.split(' ', Qt::SkipEmptyParts))
    set_words.insert(word);
  testing::ExpectEnglishWindow("search windows", swedish, english, set_words);
  // Both kinds of field caption were looked at: with rows and without.
  EXPECT_TRUE(english.values().contains(QStringLiteral("Place of birth")));
  EXPECT_TRUE(english.values().contains(QStringLiteral("Place of death (not given)")));
}

}  // namespace
}  // namespace vx
