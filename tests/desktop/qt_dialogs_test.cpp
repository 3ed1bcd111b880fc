// Qt's own dialogs speak the program's language: the file dialog that
// Ctrl+E opens (Qt's widget dialog, as on every platform without a native
// one) and the printer set-up behind "Skrivare…" in the print dialog, with
// the translations installed as kuvo installs them (desktop_test_main.cpp).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "controls/tvx_knapp.h"
#include "desktop/output/print_dialog.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::WhileModal;

// The texts of the buttons and visible labels of `dialog`.
QStringList Texts(const QWidget& dialog) {
  QStringList texts;
  for (const QPushButton* button : dialog.findChildren<QPushButton*>())
    texts << button->text();
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->isVisible()) texts << label->text();
  }
  return texts;
}

class QtDialogsTest : public testing::MainWindowFixture<QtDialogsTest> {
 public:
  static void WriteSource(const fs::path& source) { testing::WriteSample(source, 20, 5, 5, 2); }

 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(MainWindowFixture::SetUp());
    Tvxsmalurval& vald = window_->session().catalogue().PersonList(1).vald();
    for (int k = 1; k <= 5; ++k)
      vald.SetBit(k, true);
    window_->ShowSearchResult({1});
  }
};

TEST_F(QtDialogsTest, TheFileDialogOfCtrlESpeaksSwedish) {
  QStringList texts;
  bool inside = false;
  WhileModal(
      [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "Ctrl+E opens Qt's file dialog";
        inside = true;
        texts = Texts(*dialog);
        dialog->reject();
      },
      [&] { QTest::keyClick(window_.get(), Qt::Key_E, Qt::ControlModifier); });
  ASSERT_TRUE(inside);
  const QString joined = texts.join('|').toHtmlEscaped();
  for (const char* swedish : {"&Spara", "Avbryt", "Fil&namn:", "Filer av typen:", "Leta i:"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(swedish)))
        << swedish << " in " << joined.toStdString();
  for (const char* english : {"&Save", "Cancel", "File &name:", "Look in:"})
    EXPECT_FALSE(texts.contains(QString::fromUtf8(english))) << english;
}

TEST_F(QtDialogsTest, ThePrinterSetUpSpeaksSwedish) {
  QStringList texts;
  QString title;
  bool inside = false;
  WhileModal(
      [&] {
        Tskriv_form* form = window_->print_form();
        ASSERT_NE(form, nullptr);
        TVXknapp* printer_button = nullptr;
        for (TVXknapp* button : form->findChildren<TVXknapp*>()) {
          if (button->accessibleName() == "Skrivare") printer_button = button;
        }
        ASSERT_NE(printer_button, nullptr) << "the print dialog's \"Skrivare…\"";
        WhileModal(
            [&] {
              auto* setup = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
              ASSERT_NE(setup, nullptr) << "\"Skrivare…\" opens Qt's print dialog";
              inside = true;
              texts = Texts(*setup);
              setup->reject();
            },
            [&] { QTest::mouseClick(printer_button, Qt::LeftButton); });
        QTest::keyClick(form, Qt::Key_Escape);
      },
      [&] { QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier); });
  ASSERT_TRUE(inside);
  const std::string joined = texts.join('|').toStdString();
  for (const char* swedish : {"Skriv &ut", "Avbryt", "&Egenskaper", "&Namn:"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(swedish))) << swedish << " in " << joined;
  for (const char* english : {"&Print", "Cancel", "P&roperties", "&Name:"})
    EXPECT_FALSE(texts.contains(QString::fromUtf8(english))) << english;
}

}  // namespace
}  // namespace vx
