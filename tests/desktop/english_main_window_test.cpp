// The main window, its About text and "Möjliga samband" as kuvo --sprak en
// shows them: built alike in Swedish and in English, the English shows no
// Swedish but what the register set holds, and nothing the program says
// stays Swedish at its place.
#include <gtest/gtest.h>

#include <QLabel>
#include <optional>

#include "controls/screen_text.h"
#include "controls/tlm_tab.h"
#include "desktop/linking/link_window.h"
#include "desktop/output/text_window.h"
#include "tests/desktop/shown_texts.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::Fields;
using testing::ShownTexts;

// What the windows show in one language.
struct Shown {
  ShownTexts main;
  ShownTexts about;
  ShownTexts links;
};

class EnglishMainWindowTest : public testing::SetFixture<EnglishMainWindowTest> {
 public:
  // Anders Persson's birth with his death and his sister's birth among its
  // possible links, a marriage so that every register is in the set.
  static void WriteSource(const fs::path& source) {
    testing::WriteText(
        source / "fodda.csv",
        testing::SourceTable(
            1, {Fields("ENAMN=Persson|FNAMN=Anders|GENUS=m|FODAT=17610312|FORSKX=Hjo|"
                       "FARFNAMN=Per|FARENAMN=Andersson|MORFNAMN=Maria|MORENAMN=Olsdotter|"
                       "LOKALID=F1"),
                Fields("ENAMN=Persdotter|FNAMN=Karin|GENUS=k|FODAT=17640101|FORSKX=Hjo|"
                       "FARFNAMN=Per|FARENAMN=Andersson|MORFNAMN=Maria|MORENAMN=Olsdotter|"
                       "LOKALID=F2")}));
    testing::WriteText(source / "vigda.csv",
                       testing::SourceTable(2, {Fields("MFNAMN=Per|MENAMN=Andersson|KFNAMN=Maria|"
                                                       "KENAMN=Olsdotter|VIGDDAT=17600601|"
                                                       "FORSKX=Hjo|LOKALID=V1")}));
    testing::WriteText(
        source / "doda.csv",
        testing::SourceTable(3, {Fields("ENAMN=Persson|FNAMN=Anders|GENUS=m|ALDER=63|"
                                        "DODAT=18240501|FORSKX=Hjo|LOKALID=D1")}));
    testing::WriteText(source / "register.txt",
                       "Hjo församling\nFödda, vigda och döda\nHjo kyrkoarkiv\n");
  }

 protected:
  // The main window in `language` with birth F1 shown among the births'
  // hits, then its About text, then "Möjliga samband" for F1.
  Shown ShownIn(Language language) {
    std::optional<testing::EnglishWindows> english;
    if (language == Language::kEnglish) english.emplace();
    Tmain_form window(Ini());
    window.session().SetLanguage(language);
    window.show();
    EXPECT_NE(window.table(), nullptr);
    if (window.table() == nullptr) return {};
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(window.session().SearchLokalId(1, "F1").ok());
    window.ShowSearchResult({1});
    Shown shown;
    shown.main = testing::TextsShownBy(&window);

    // The About text's lines as shown: the text window around them, its
    // controls and their names, is the text window's (its own test reads it).
    window.ShowHelpText(kAboutTextCode);
    for (const char* name : {"arkivlabel", "verlabel", "texten"}) {
      if (auto* part = testing::Child<QWidget>(window.textform(), name)) {
        const ShownTexts texts = testing::TextsShownBy(part);
        for (auto it = texts.begin(); it != texts.end(); ++it) {
          if (it.key().endsWith(":text") || it.key().endsWith(":description"))
            shown.about.insert(name + it.key(), it.value());
        }
      }
    }
    window.textform()->close();

    LinkWindow* links = window.link_window();
    testing::WhileActive(
        links,
        [&] {
          EXPECT_GE(links->listing().RowCount(), 2);
          links->grid()->setCurrentRow(1);  // a candidate: its reasons under the list
          shown.links = testing::TextsShownBy(links);
          // The grid's cells are painted, not widgets: their texts as drawn.
          for (int row = 0; row < links->listing().RowCount(); ++row) {
            for (int column = 0; column < kLinkColumnCount; ++column) {
              shown.links.insert(QString("cell %1,%2").arg(row).arg(column),
                                 ScreenText(links->listing().CellText(row, column)));
            }
          }
        },
        [&] { QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier); });
    window.close();
    return shown;
  }
};

TEST_F(EnglishMainWindowTest, ShowsNoSwedishButTheSetsOwn) {
  const Shown swedish = ShownIn(Language::kSwedish);
  const Shown english = ShownIn(Language::kEnglish);
  ASSERT_FALSE(english.main.isEmpty());
  ASSERT_FALSE(english.links.isEmpty());
  ASSERT_TRUE(english.about.contains("verlabel:text"));
  // What the set holds: its heading, sub-heading and About text, names,
  // places, Lokal-IDs and dates, shown as stored in either language.
  const QSet<QString> data_words = {"församling", "Födda", "döda"};
  const QSet<QString> neutral = {"Hjo församling",
                                 "Födda, vigda och döda",
                                 "Hjo kyrkoarkiv",
                                 "F1",
                                 "Hjo",
                                 "Persson, Anders",
                                 "Persdotter, Karin",
                                 "Persson, Anders, 1761-03-12"};
  testing::ExpectEnglishWindow("main window", swedish.main, english.main, data_words, neutral);
  testing::ExpectEnglishWindow("About text", swedish.about, english.about, data_words, neutral);
  testing::ExpectEnglishWindow("Möjliga samband", swedish.links, english.links, data_words,
                               neutral);
}

}  // namespace
}  // namespace vx
