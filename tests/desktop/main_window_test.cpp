// The main window on a small sample register set, driven by real key,
// mouse and wheel events on the offscreen platform. Hits are selected
// through the core, as the search windows will.
#include "desktop/main/main_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <string>
#include <vector>

#include "desktop/output/text_window.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::Wheel;

constexpr int kBirths = 100;

// The lines of a clipboard text, each of which must end with CR LF.
std::vector<QString> CrLfLines(const QString& text) {
  std::vector<QString> lines;
  qsizetype start = 0;
  for (qsizetype end; (end = text.indexOf("\r\n", start)) >= 0; start = end + 2)
    lines.push_back(text.mid(start, end - start));
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

class MainWindowTest : public testing::MainWindowFixture<MainWindowTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteSample(source, kBirths, 40, 60, 7);
    fs::create_directories(source / "bilder");
    testing::WriteFileBytes(source / "bilder" / "logovaxor.png", SampleLogoPng());
  }

 protected:
  ResultTable& table() { return *window_->table(); }

  // A search of births that found records 1..n.
  void FindBirths(int n) {
    Tvxsmalurval& vald = window_->session().catalogue().PersonList(1).vald();
    vald.Clear();
    for (int k = 1; k <= n; ++k)
      vald.SetBit(k, true);
    window_->ShowSearchResult({1});
  }

  static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
};

TEST_F(MainWindowTest, FirstShowPutsDownBirthsWithHeadingsLogoAndCounts) {
  EXPECT_EQ(window_->windowTitle().toStdString(), Cp1252ToUtf8(window_->session().Heading()));
  EXPECT_FALSE(c().hrublabel->text().isEmpty());
  EXPECT_TRUE(c().valknappar[0]->down());
  EXPECT_EQ(c().valknappar[0]->buttext(), "100");
  EXPECT_EQ(c().valknappar[1]->buttext(), "40");
  EXPECT_EQ(c().valknappar[2]->buttext(), "60");
  EXPECT_EQ(table().aktregister(), 1);
  // The logo is centred in its 80 x 80 place, the headings 20 pixels right.
  ASSERT_TRUE(c().logo->isVisible());
  const QRect logo = c().logo->geometry().translated(c().tovikknapp->pos());
  EXPECT_LE(std::abs(logo.left() - kLogoPlace.left - (kLogoPlace.right() - logo.right() - 1)), 1);
  EXPECT_LE(std::abs(logo.top() - kLogoPlace.top - (kLogoPlace.bottom() - logo.bottom() - 1)), 1);
  EXPECT_EQ(c().hrublabel->x(), logo.right() + 1 + 20);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(MainWindowTest, NoHitsLeaveTheTableDisabledAndTheCommandsOff) {
  ASSERT_TRUE(window_->session().SearchByForm(1, {FieldEntry::Typed("en", "Qxzyv")}).ok());
  window_->ShowSearchResult({1});
  EXPECT_EQ(c().antallabel->text(), "0 valda");
  EXPECT_FALSE(c().persontab->isEnabled());
  for (QWidget* b :
       std::initializer_list<QWidget*>{c().skrivknapp, c().postskrivknapp, c().kopipostknapp,
                                       c().kopilistaknapp, c().postejknapp})
    EXPECT_FALSE(b->isEnabled());
  EXPECT_TRUE(c().texten->Text().empty());
  EXPECT_FALSE(c().textscr->isVisible());
}

TEST_F(MainWindowTest, AtTheMinimumWidthTheTableKeepsItsHalf) {
  window_->resize(kMainMinimum.width, kMainMinimum.height);
  EXPECT_EQ(window_->width(), 700);
  EXPECT_EQ(c().tabellpanel->width(), 420 - 30);
  EXPECT_EQ(c().huvpost->x(), 426);
  EXPECT_EQ(c().persontab->height() % kTableRowHeight, 0);
}

TEST_F(MainWindowTest, TheListCopyHoldsRows11To30Of100) {
  window_->resize(800, 560);  // twenty whole rows
  FindBirths(kBirths);
  ASSERT_EQ(table().synliga(), 20);
  Wheel(c().persontab, -120);  // one notch: ten rows down
  ASSERT_EQ(c().persontab->topRow(), 10);
  ASSERT_EQ(c().personscr->position(), 11);
  QTest::mouseClick(c().kopilistaknapp, Qt::LeftButton);
  const std::vector<QString> lines = CrLfLines(Clipboard());
  ASSERT_EQ(lines.size(), 20u);
  for (int i = 0; i < 20; ++i) {
    const std::string name = Cp1252ToUtf8(table().CellText(10 + i, 0));
    EXPECT_EQ(lines[i].section('\t', 0, 0).toStdString(), name) << "row " << 11 + i;
    EXPECT_FALSE(lines[i].section('\t', 1).contains('-')) << "the stored date, without dashes";
  }
}

TEST_F(MainWindowTest, CtrlCCopiesOnlyASelectionOfTheRecord) {
  FindBirths(3);
  QGuiApplication::clipboard()->setText("orört");
  QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(window_.get(), Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(Clipboard(), "orört");
  // Select the first line of the record by dragging over it.
  TVXdyntex* text = c().texten;
  QTest::mousePress(text, Qt::LeftButton, {}, QPoint(2, 8));
  QTest::mouseMove(text, QPoint(text->width() - 4, 8));
  QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(text->width() - 4, 8));
  QTest::keyClick(window_.get(), Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_NE(Clipboard(), "orört");
  EXPECT_FALSE(Clipboard().isEmpty());
}

TEST_F(MainWindowTest, TheRecordCopyStartsWithItsLokalId) {
  FindBirths(3);
  QTest::mouseClick(c().kopipostknapp, Qt::LeftButton);
  const QString copied = Clipboard();
  const QString label = c().postnrlabel->text();
  ASSERT_FALSE(label.isEmpty());
  EXPECT_TRUE(copied.startsWith("Post " + label + "\r\n\r\n")) << copied.left(40).toStdString();
  EXPECT_FALSE(copied.contains(QRegularExpression("\r(?!\n)"))) << "every CR followed by LF";
  EXPECT_FALSE(copied.contains('[')) << "no markup";
}

TEST_F(MainWindowTest, CtrlESavesTheHitsAsASourceTable) {
  FindBirths(5);
  testing::TempDir dir;
  QString suggested;
  QString chosen;
  window_->SetSaveFileChooser([&](QWidget*, const QString& name) {
    suggested = name;
    return chosen;
  });
  QTest::keyClick(window_.get(), Qt::Key_E, Qt::ControlModifier);  // cancelled
  EXPECT_EQ(suggested, "fodda.csv");
  EXPECT_TRUE(fs::is_empty(dir.path()));
  chosen = QString::fromStdString((dir.path() / "fodda.csv").string());
  QTest::keyClick(window_.get(), Qt::Key_E, Qt::ControlModifier);
  const std::vector<uint8_t> bytes = testing::ReadFileBytes(dir.path() / "fodda.csv");
  const std::string csv(bytes.begin(), bytes.end());
  EXPECT_TRUE(csv.starts_with("POSTNUMMER;LOKALID;")) << csv.substr(0, 40);
  // The first hit of the table, and every one of the five, by Lokal-ID.
  EXPECT_NE(csv.find(c().postnrlabel->text().toStdString()), std::string::npos);
  for (int row = 0; row < 5; ++row) {
    QTest::keyClick(window_.get(), row == 0 ? Qt::Key_Home : Qt::Key_Down);
    EXPECT_NE(csv.find(";" + c().postnrlabel->text().toStdString() + ";"), std::string::npos);
  }
  // A name ending in .ged gives a GEDCOM file with the five children.
  chosen = QString::fromStdString((dir.path() / "fodda.ged").string());
  QTest::keyClick(window_.get(), Qt::Key_E, Qt::ControlModifier);
  const std::vector<uint8_t> ged = testing::ReadFileBytes(dir.path() / "fodda.ged");
  const std::string gedcom(ged.begin(), ged.end());
  EXPECT_TRUE(gedcom.starts_with("0 HEAD\n"));
  EXPECT_NE(gedcom.find("1 REFN " + c().postnrlabel->text().toStdString() + "\n"),
            std::string::npos);
}

TEST_F(MainWindowTest, KeysMoveTheRowSwitchRegistersAndToggleTheOrder) {
  FindBirths(kBirths);
  const QString first = c().postnrlabel->text();
  QTest::keyClick(window_.get(), Qt::Key_Down);
  EXPECT_EQ(table().current_row(), 1);
  EXPECT_NE(c().postnrlabel->text(), first);
  QTest::keyClick(window_.get(), Qt::Key_End);
  EXPECT_EQ(c().persontab->currentRow(), kBirths - 1);
  EXPECT_EQ(c().personscr->position(), c().personscr->max());
  const QString last = c().postnrlabel->text();
  // Deaths and back: the births keep their place.
  QTest::keyClick(window_.get(), Qt::Key_3, Qt::ControlModifier);
  EXPECT_EQ(table().aktregister(), 3);
  EXPECT_TRUE(c().valknappar[2]->down());
  QTest::keyClick(window_.get(), Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(c().persontab->currentRow(), kBirths - 1);
  EXPECT_EQ(c().postnrlabel->text(), last);
  // Date order keeps the same person.
  QTest::keyClick(window_.get(), Qt::Key_F9);
  EXPECT_TRUE(c().datumsortknapp->down());
  EXPECT_EQ(c().postnrlabel->text(), last);
  const int row = c().persontab->currentRow();
  EXPECT_GE(row, c().persontab->topRow());
  EXPECT_LT(row, c().persontab->topRow() + table().synliga());
  QTest::mouseClick(c().namnsortknapp, Qt::LeftButton);
  EXPECT_FALSE(table().datumsort());
  EXPECT_EQ(c().persontab->currentRow(), kBirths - 1);
}

TEST_F(MainWindowTest, ClickingARowShowsItsRecord) {
  FindBirths(kBirths);
  const QString first = c().postnrlabel->text();
  const QRect cell = c().persontab->CellRect(4, 0);
  QTest::mouseClick(c().persontab, Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(table().current_row(), 4);
  EXPECT_NE(c().postnrlabel->text(), first);
  EXPECT_FALSE(c().texten->Text().empty());
  EXPECT_TRUE(c().postlab->isVisible());
}

TEST_F(MainWindowTest, RemovingTheOnlyPersonEmptiesTableAndRecord) {
  FindBirths(1);
  EXPECT_EQ(c().antallabel->text(), "1 valda");
  QTest::keyClick(window_.get(), Qt::Key_Delete);
  EXPECT_EQ(c().antallabel->text(), "0 valda");
  EXPECT_FALSE(c().persontab->isEnabled());
  EXPECT_TRUE(c().postnrlabel->text().isEmpty());
  EXPECT_TRUE(c().texten->Text().empty());
  EXPECT_FALSE(c().postlab->isVisible());
}

TEST_F(MainWindowTest, ClearEmptiesEveryRegister) {
  FindBirths(10);
  QTest::mouseClick(c().datumsortknapp, Qt::LeftButton);
  QTest::keyClick(window_.get(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(c().antallabel->text(), "0 valda");
  EXPECT_TRUE(c().namnsortknapp->down());
  EXPECT_EQ(window_->session().catalogue().PersonList(1).vald().Count(), 0);
}

TEST_F(MainWindowTest, TheWheelScrollsTheTableAnywhereInTheWindow) {
  FindBirths(kBirths);
  Wheel(window_.get(), -240);
  EXPECT_EQ(c().persontab->topRow(), 20);
  Wheel(window_.get(), 10 * 120);
  EXPECT_EQ(c().persontab->topRow(), 0);
}

TEST_F(MainWindowTest, HelpOpensTheTextWindowBesideTheMainWindow) {
  QTest::keyClick(window_.get(), Qt::Key_F1);
  ASSERT_NE(window_->textform(), nullptr);
  EXPECT_TRUE(window_->textform()->isVisible());
  EXPECT_FALSE(window_->textform()->isModal());
  EXPECT_EQ(window_->textform()->code(), "HJ001");
  QTest::keyClick(window_.get(), Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(window_->textform()->code(), "OM");
  window_->close();
  EXPECT_FALSE(window_->textform()->isVisible());
}

// Every command button names its key in its hint, in Swedish.
TEST(MainWindowKeys, HintsNameTheKeysInSwedish) {
  Tmain_form window;
  const MainControls& c = window.controls();
  EXPECT_EQ(c.kopipostknapp->toolTip(), "Kopiera till urklipp (Ctrl+Skift+C)");
  EXPECT_EQ(c.sokknappar[0]->toolTip(), "Sök bland födda (F5)");
  const std::vector<const ButtonBase*> commands = {
      c.rensaknapp, c.kopilistaknapp, c.postejknapp,  c.postskrivknapp, c.sokknappar[3],
      c.skrivknapp, c.omknapp,        c.avslutaknapp, c.helpknapp};
  for (const ButtonBase* button : commands)
    EXPECT_FALSE(button->Shortcut().isEmpty()) << button->hint().toStdString();
}

TEST(MainWindowOpening, AMissingSetIsNamedAndTheWindowCloses) {
  testing::TempDir dir;
  testing::WriteText(dir.path() / "kuvo.ini",
                     "[hdbaser]\nhdbasen=" + (dir.path() / "saknas").string() + "/\n");
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
  Tmain_form window(dir.path() / "kuvo.ini");
  window.show();
  EXPECT_TRUE(window.failed());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("vaxor0001l1.i"), std::string::npos) << messages[0];
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace vx
