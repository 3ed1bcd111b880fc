// The print dialog and the text window built in Swedish and in English, as
// kuvo and kuvo --sprak en build them: in English no Swedish text stands in
// them and none is left as it was, the set's own texts apart.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTest>

#include "desktop/output/print_dialog.h"
#include "desktop/output/text_window.h"
#include "tests/desktop/shown_texts.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::ShownTexts;

class EnglishOutputWindowsTest : public testing::SessionFixture<EnglishOutputWindowsTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteText(source / "fodda.csv",
                       testing::SourceTable(1, {{{"LOKALID", "F1"}, {"FNAMN", "Anna"}}}));
    testing::WriteText(source / "register.txt", "Tuna socken\nFödda\nOm registret\n");
    testing::WriteText(source / "hjalp/HJ007.txt", "Utskrift\nVälj vad som skrivs ut.\n");
    testing::WriteText(source / "hjalp/en/HJ007.txt", "Printing\nChoose what is printed.\n");
  }
  static void TearDownTestSuite() {
    if (session_ != nullptr) session_->SetLanguage(Language::kSwedish);
    SessionFixture::TearDownTestSuite();
  }

 protected:
  struct Shown {
    ShownTexts print;
    ShownTexts text;
  };

  // The two windows built and shown as in `language`: the text window with
  // the print dialog's help, the print dialog opened for 12 deaths.
  static Shown ShownIn(Language language) {
    session_->SetLanguage(language);
    Ttextform text(*session_, *pictures_);
    QPrinter printer;
    Tskriv_form print(*session_, printer, *pictures_, &text);
    Shown shown;
    text.ShowHelpText("HJ007", nullptr, Ttextform::HelpCaller::kMainWindow);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&text));
    shown.text = testing::TextsShownBy(&text);
    text.close();
    EXPECT_TRUE(testing::WhileModal(
        [&] {
          shown.print = testing::TextsShownBy(&print);
          print.reject();
        },
        [&] { print.Open(3, 12); }));
    return shown;
  }
};

TEST_F(EnglishOutputWindowsTest, ThePrintDialogAndTheTextWindowSpeakEnglish) {
  const Shown swedish = ShownIn(Language::kSwedish);
  Shown english;
  {
    testing::EnglishWindows catalogue;
    ASSERT_TRUE(catalogue.loaded());
    english = ShownIn(Language::kEnglish);
  }
  // The same word in both languages.
  const QSet<QString> neutral = {QStringLiteral("Text"), QStringLiteral("Version")};
  testing::ExpectEnglishWindow("print dialog", swedish.print, english.print, {}, neutral);
  testing::ExpectEnglishWindow("text window", swedish.text, english.text, {}, neutral);
}

}  // namespace
}  // namespace vx
