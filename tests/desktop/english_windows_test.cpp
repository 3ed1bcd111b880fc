// Every window as kuvo --sprak en shows it, built alike in Swedish and in
// English on the same set: the English shows no Swedish but what the
// register set holds, and nothing the program says stays Swedish at its
// place.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTest>
#include <optional>
#include <string>

#include "controls/bitmap_button.h"
#include "controls/screen_text.h"
#include "controls/tlm_tab.h"
#include "desktop/linking/link_window.h"
#include "desktop/output/print_dialog.h"
#include "desktop/output/text_window.h"
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
using testing::Fields;
using testing::ShownTexts;

// What the main window, its About text and "Möjliga samband" show in one
// language.
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
    testing::WriteText(source / "fodda.csv", testing::SourceTable(1, testing::PerssonBirths()));
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

// The main window's record view: the record text's own words in English,
// the record's values as stored.
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

// The print dialog and the text window.
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

// The search windows: the three register forms (captions of fields with
// rows and of fields without), the word picker opened from a form, the
// normalisation view and the free-text search.
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
  const QStringList set_words =
      QString::fromStdString(Cp1252ToUtf8(session_->Heading())).split(' ', Qt::SkipEmptyParts);
  testing::ExpectEnglishWindow("search windows", swedish, english,
                               QSet<QString>(set_words.begin(), set_words.end()));
  // Both kinds of field caption were looked at: with rows and without.
  EXPECT_TRUE(english.values().contains(QStringLiteral("Place of birth")));
  EXPECT_TRUE(english.values().contains(QStringLiteral("Place of death (not given)")));
}

}  // namespace
}  // namespace vx
