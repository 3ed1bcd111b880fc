// Printing from the main window on a small sample set: the print dialog
// opened with Ctrl+P and driven by real keys and clicks, Esc during a long
// print, the clear command, and the record printed alone (Ctrl+Shift+P).
// The printer writes a PDF file, which poppler's pdftotext reads back.
// Qt's own dialogs that the main window opens speak its language too.
#include "desktop/output/print_dialog.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <string>

#include "controls/bitmap_button.h"
#include "controls/tvx_knapp.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::WhileModal;

constexpr int kBirths = 120;

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++n;
  return n;
}

class PrintDialogTest : public testing::MainWindowFixture<PrintDialogTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteSample(source, kBirths, 20, 20, 5);
  }

 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(MainWindowFixture::SetUp());
    window_->printer().setOutputFormat(QPrinter::PdfFormat);
    window_->printer().setOutputFileName(QString::fromStdString(pdf_.string()));
    Tvxsmalurval& vald = window_->session().catalogue().PersonList(1).vald();
    for (int k = 1; k <= kBirths; ++k)
      vald.SetBit(k, true);
    window_->ShowSearchResult({1});
  }

  Tskriv_form& dialog() { return *window_->print_form(); }

  // The printed file as text; empties it for the next print.
  std::string PrintedText() {
    const testing::ProcessResult text =
        testing::RunProcess({"pdftotext", "-layout", pdf_.string(), "-"});
    EXPECT_EQ(text.exit_code, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
    fs::remove(pdf_);
    return {text.out.begin(), text.out.end()};
  }

  testing::TempDir out_;
  fs::path pdf_ = out_.path() / "utskrift.pdf";
};

TEST_F(PrintDialogTest, CtrlPPrintsTheChosenLayoutOrderAndRange) {
  ASSERT_TRUE(WhileModal(
      [&] {
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_TRUE(dialog().windowTitle().endsWith(", utskrift"))
            << dialog().windowTitle().toStdString();
        EXPECT_TRUE(dialog().antskrivlabel()->text().startsWith(
            QString::number(kBirths) + " personer kommer att skrivas ut."));
        EXPECT_TRUE(dialog().allaknapp()->down());
        EXPECT_TRUE(dialog().namnknapp()->down());
        EXPECT_FALSE(dialog().progress()->isVisible());
        QTest::mouseClick(dialog().tabellknapp(), Qt::LeftButton);
        QTest::mouseClick(dialog().pnrknapp(), Qt::LeftButton);
        QTest::keyClicks(dialog().startpostedit(), "4");
        QTest::keyClicks(dialog().slutpostedit(), "6");
        QTest::keyClick(&dialog(), Qt::Key_Return);
        QTest::keyClick(&dialog(), Qt::Key_Escape);
      },
      [&] { QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier); }));
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(dialog().last_outcome(), PrintOutcome::kPrinted);
  const std::string text = PrintedText();
  EXPECT_NE(text.find("Födda, i datumordning, " + testing::TodayIso()), std::string::npos);
  EXPECT_NE(text.find("Sida 1"), std::string::npos);
  EXPECT_EQ(Count(text, "Post: "), 0u);
  // Three rows under the headings, each starting with its birth date.
  size_t rows = 0;
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
    const std::string line = text.substr(at + 1, 11);
    rows += line.size() == 11 && line[4] == '-' && line[7] == '-' && line[10] == ' ';
  }
  EXPECT_EQ(rows, 3u);
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

// The choices are the program's coupled buttons, read as radio buttons;
// arrows move within a group, Tab from group to group; clearing the
// searches resets them.
TEST_F(PrintDialogTest, ArrowsChooseWithinAGroupTabGoesToTheNextAndClearingResets) {
  WhileModal(
      [&] {
        ASSERT_TRUE(testing::WaitUntilActive(&dialog()));
        QAccessibleInterface* alla = QAccessible::queryAccessibleInterface(dialog().allaknapp());
        EXPECT_EQ(alla->role(), QAccessible::RadioButton);
        EXPECT_TRUE(alla->state().checked);
        EXPECT_EQ(alla->text(QAccessible::Name), "Alla uppgifter");
        dialog().allaknapp()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_TRUE(dialog().tabellknapp()->down());
        EXPECT_FALSE(dialog().allaknapp()->down());
        EXPECT_FALSE(alla->state().checked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dialog().namnknapp());
        for (int i = 0; i < 3; ++i)
          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), dialog().kaellaknapp());
        EXPECT_TRUE(dialog().kaellaknapp()->down());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dialog().startpostedit());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), dialog().kaellaknapp()) << "the group's last focus";
        QTest::keyClicks(dialog().startpostedit(), "7");
        QTest::keyClick(&dialog(), Qt::Key_Escape);
      },
      [&] { QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier); });
  // The choices stay until the searches are cleared.
  EXPECT_TRUE(dialog().kaellaknapp()->down());
  QTest::mouseClick(c().rensaknapp, Qt::LeftButton);
  EXPECT_EQ(c().antallabel->text(), "0 valda");
  EXPECT_TRUE(dialog().allaknapp()->down());
  EXPECT_TRUE(dialog().namnknapp()->down());
  EXPECT_TRUE(dialog().startpostedit()->text().isEmpty());
  EXPECT_FALSE(fs::exists(pdf_)) << "nothing was printed";
}

TEST_F(PrintDialogTest, EscDuringALongPrintCancelsItAndTheDialogStaysUsable) {
  bool pressed = false;
  dialog().SetProgressObserver([&](int value) {
    if (pressed || value < 10 || !dialog().statuslabel()->text().startsWith("Skriver sida")) return;
    pressed = true;
    EXPECT_TRUE(dialog().avbrytlabel()->isVisible());
    EXPECT_FALSE(dialog().startknapp()->isEnabled());
    QTest::keyClick(&dialog(), Qt::Key_Escape);
  });
  WhileModal(
      [&] {
        QTest::mouseClick(dialog().startknapp(), Qt::LeftButton);
        EXPECT_TRUE(pressed);
        EXPECT_EQ(dialog().last_outcome(), PrintOutcome::kCancelled);
        EXPECT_TRUE(dialog().isVisible()) << "Esc while printing only cancels";
        EXPECT_TRUE(dialog().startknapp()->isEnabled());
        EXPECT_FALSE(dialog().progress()->isVisible());
        EXPECT_FALSE(dialog().avbrytlabel()->isVisible());
        EXPECT_FALSE(fs::exists(pdf_)) << "a cancelled print leaves no file";
        // Printed again, to the end.
        dialog().SetProgressObserver({});
        QTest::mouseClick(dialog().startknapp(), Qt::LeftButton);
        EXPECT_EQ(dialog().last_outcome(), PrintOutcome::kPrinted);
        QTest::keyClick(&dialog(), Qt::Key_Escape);
      },
      [&] { QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier); });
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(Count(PrintedText(), "Post: "), static_cast<size_t>(kBirths));
}

TEST_F(PrintDialogTest, CtrlShiftPPrintsTheRecordShownAlone) {
  QTest::keyClick(window_.get(), Qt::Key_Down);
  const std::string lokalid = c().postnrlabel->text().toStdString();
  ASSERT_FALSE(lokalid.empty());
  QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
  const std::string text = PrintedText();
  EXPECT_NE(text.find(Cp1252ToUtf8(window_->session().Heading()) + ", enstaka post, " +
                      testing::TodayIso()),
            std::string::npos)
      << text.substr(0, 300);
  EXPECT_NE(text.find(lokalid), std::string::npos);
}

// The texts of the buttons and visible labels of `dialog`.
QStringList Texts(const QWidget& dialog) {
  QStringList texts;
  for (const QPushButton* button : dialog.findChildren<QPushButton*>())
    texts << button->text();
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    if (label->isVisible()) texts << label->text();
  return texts;
}

void ExpectSwedish(const QStringList& texts, std::initializer_list<const char*> swedish,
                   std::initializer_list<const char*> english) {
  for (const char* text : swedish)
    EXPECT_TRUE(texts.contains(QString::fromUtf8(text)))
        << text << " in " << texts.join('|').toStdString();
  for (const char* text : english)
    EXPECT_FALSE(texts.contains(QString::fromUtf8(text))) << text;
}

// With the translations installed as kuvo installs them
// (desktop_test_main.cpp): the file dialog that Ctrl+E opens (Qt's widget
// dialog, as on every platform without a native one) and the printer
// set-up behind "Skrivare…" in the print dialog.
TEST_F(PrintDialogTest, QtsFileDialogAndPrinterSetUpSpeakSwedish) {
  window_->printer().setOutputFileName({});  // a printer's set-up, not a file's
  QStringList file_texts, setup_texts;
  WhileModal(
      [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "Ctrl+E opens Qt's file dialog";
        file_texts = Texts(*dialog);
        dialog->reject();
      },
      [&] { QTest::keyClick(window_.get(), Qt::Key_E, Qt::ControlModifier); });
  window_->activateWindow();  // where Ctrl+P goes
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  WhileModal(
      [&] {
        TVXknapp* printer_button = nullptr;
        for (TVXknapp* button : dialog().findChildren<TVXknapp*>())
          if (button->accessibleName() == "Skrivare") printer_button = button;
        ASSERT_NE(printer_button, nullptr) << "the print dialog's \"Skrivare…\"";
        WhileModal(
            [&] {
              auto* setup = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
              ASSERT_NE(setup, nullptr) << "\"Skrivare…\" opens Qt's print dialog";
              setup_texts = Texts(*setup);
              setup->reject();
            },
            [&] { QTest::mouseClick(printer_button, Qt::LeftButton); });
        QTest::keyClick(&dialog(), Qt::Key_Escape);
      },
      [&] { QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier); });
  ExpectSwedish(file_texts, {"&Spara", "Avbryt", "Fil&namn:", "Filer av typen:", "Leta i:"},
                {"&Save", "Cancel", "File &name:", "Look in:"});
  ExpectSwedish(setup_texts, {"Skriv &ut", "Avbryt", "&Egenskaper", "&Namn:"},
                {"&Print", "Cancel", "P&roperties", "&Name:"});
}

}  // namespace
}  // namespace vx
