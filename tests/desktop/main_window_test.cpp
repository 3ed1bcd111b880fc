// The main window on a small sample register set, driven by real key,
// mouse and wheel events on the offscreen platform. Hits are selected
// through the core, as the search windows will.
#include "desktop/main/main_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <map>
#include <string>
#include <vector>

#include "controls/screen_text.h"
#include "desktop/linking/link_window.h"
#include "desktop/output/print_dialog.h"
#include "desktop/output/text_window.h"
#include "desktop/search/free_text_window.h"
#include "desktop/search/normalisation_window.h"
#include "desktop/search/picker_window.h"
#include "desktop/search/search_form_window.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::Wheel;

constexpr int kBirths = 100;

class MainWindowTest : public testing::MainWindowFixture<MainWindowTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteSample(source, kBirths, 40, 60, 3);
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

TEST_F(MainWindowTest, FirstShowPutsDownBirthsWithHeadingsLogoAndCountsAndHelpOpensBeside) {
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
  // At the minimum width the table keeps its half.
  window_->resize(kMainMinimum.width, kMainMinimum.height);
  EXPECT_EQ(window_->width(), 700);
  EXPECT_EQ(c().huvpost->x(), 426);
  // Help opens the text window beside the main window; it closes with it.
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

// Whether no hits come from a search or from removing the only person,
// the table is disabled, the record empty and the commands off.
TEST_F(MainWindowTest, NoHitsLeaveTheTableDisabledTheRecordEmptyAndTheCommandsOff) {
  const auto expect_empty = [&](const char* how) {
    SCOPED_TRACE(how);
    EXPECT_EQ(c().antallabel->text(), "0 valda");
    EXPECT_FALSE(c().persontab->isEnabled());
    for (QWidget* b :
         std::initializer_list<QWidget*>{c().skrivknapp, c().postskrivknapp, c().kopipostknapp,
                                         c().kopilistaknapp, c().postejknapp})
      EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(c().postnrlabel->text().isEmpty());
    EXPECT_TRUE(c().texten->Text().empty());
    EXPECT_FALSE(c().textscr->isVisible());
    EXPECT_FALSE(c().postlab->isVisible());
  };
  ASSERT_TRUE(window_->session().SearchByForm(1, {FieldEntry::Typed("en", "Qxzyv")}).ok());
  window_->ShowSearchResult({1});
  expect_empty("a search without hits");
  FindBirths(1);
  EXPECT_EQ(c().antallabel->text(), "1 valda");
  QTest::keyClick(window_.get(), Qt::Key_Delete);
  expect_empty("the only person removed");
}

TEST_F(MainWindowTest, TheListCopyHoldsRows11To30Of100AndTheWheelScrollsAnywhere) {
  window_->resize(800, 560);  // twenty whole rows
  FindBirths(kBirths);
  ASSERT_EQ(table().synliga(), 20);
  Wheel(c().persontab, -120);  // one notch: ten rows down
  ASSERT_EQ(c().persontab->topRow(), 10);
  ASSERT_EQ(c().personscr->position(), 11);
  // The rows shown, as the table writes them (its own tests check the text).
  QTest::mouseClick(c().kopilistaknapp, Qt::LeftButton);
  EXPECT_EQ(Clipboard(), ScreenText(table().VisibleListText()));
  EXPECT_TRUE(Clipboard().startsWith(ScreenText(table().CellText(10, 0)) + "\t"));
  // The wheel scrolls the table anywhere in the window.
  Wheel(window_.get(), -240);
  EXPECT_EQ(c().persontab->topRow(), 30);
  Wheel(window_.get(), 10 * 120);
  EXPECT_EQ(c().persontab->topRow(), 0);
}

// The record copy starts with its Lokal-ID and holds no markup; Ctrl+C
// and Ctrl+Insert copy only a selection of it.
TEST_F(MainWindowTest, TheRecordIsCopiedWholeByItsButtonAndAsSelectedByKeys) {
  FindBirths(3);
  QTest::mouseClick(c().kopipostknapp, Qt::LeftButton);
  const QString copied = Clipboard();
  const QString label = c().postnrlabel->text();
  ASSERT_FALSE(label.isEmpty());
  EXPECT_TRUE(copied.startsWith("Post " + label + "\r\n\r\n")) << copied.left(40).toStdString();
  EXPECT_FALSE(copied.contains(QRegularExpression("\r(?!\n)"))) << "every CR followed by LF";
  EXPECT_FALSE(copied.contains('[')) << "no markup";

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

TEST_F(MainWindowTest, CtrlESavesTheHitsAsASourceTable) {
  FindBirths(5);
  testing::TempDir dir;
  QString suggested, chosen;
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

TEST_F(MainWindowTest, KeysAndClicksMoveTheRowSwitchRegistersToggleTheOrderAndClear) {
  FindBirths(kBirths);
  const QString first = c().postnrlabel->text();
  QTest::keyClick(window_.get(), Qt::Key_Down);
  EXPECT_EQ(table().current_row(), 1);
  EXPECT_NE(c().postnrlabel->text(), first);
  // A click on a row shows its record too.
  const QString second = c().postnrlabel->text();
  QTest::mouseClick(c().persontab, Qt::LeftButton, {}, c().persontab->CellRect(4, 0).center());
  EXPECT_EQ(table().current_row(), 4);
  EXPECT_NE(c().postnrlabel->text(), second);
  EXPECT_FALSE(c().texten->Text().empty());
  EXPECT_TRUE(c().postlab->isVisible());
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
  // Ctrl+R clears every register and returns to name order.
  QTest::mouseClick(c().datumsortknapp, Qt::LeftButton);
  QTest::keyClick(window_.get(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(c().antallabel->text(), "0 valda");
  EXPECT_TRUE(c().namnsortknapp->down());
  EXPECT_EQ(window_->session().catalogue().PersonList(1).vald().Count(), 0);
}

// The hit table as a screen reader reads it: every row, two columns, each
// cell as the table reads it, the current row selected; the toggles are
// checkable and named with register and count.
TEST_F(MainWindowTest, TheHitTableAndTheTogglesReadAsTheyShow) {
  FindBirths(kBirths);
  QTest::keyClick(window_.get(), Qt::Key_Down);
  QTest::keyClick(window_.get(), Qt::Key_Down);
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(c().persontab);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->role(), QAccessible::Table);
  EXPECT_EQ(grid->text(QAccessible::Name), "Personer");
  QAccessibleTableInterface* rows = grid->tableInterface();
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->rowCount(), kBirths);
  EXPECT_EQ(rows->columnCount(), 2);
  EXPECT_EQ(rows->selectedRows(), QList<int>{2});
  EXPECT_EQ(grid->childCount(), 2 * table().synliga());
  for (int row = 0; row < table().synliga(); ++row) {
    for (int column = 0; column < 2; ++column)
      EXPECT_EQ(rows->cellAt(row, column)->text(QAccessible::Name).toStdString(),
                Cp1252ToUtf8(table().ReadableCellText(row, column)));
    EXPECT_EQ(grid->child(2 * row + 1), rows->cellAt(row, 1));
  }
  EXPECT_TRUE(rows->cellAt(2, 0)->state().selected);
  QAccessibleInterface* births = QAccessible::queryAccessibleInterface(c().valknappar[0]);
  EXPECT_EQ(births->text(QAccessible::Name), QString::fromUtf8("Födda, 100 personer"));
  EXPECT_TRUE(births->state().checkable);
  EXPECT_TRUE(births->state().checked);
  QAccessibleInterface* deaths = QAccessible::queryAccessibleInterface(c().valknappar[2]);
  EXPECT_FALSE(deaths->state().checked);
  deaths->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  QCoreApplication::processEvents();
  EXPECT_EQ(table().aktregister(), 3);
  EXPECT_TRUE(deaths->state().checked);
}

// A name that says what a control is for: not empty, not a bare number,
// not the word for its kind.
bool NamedForItsPurpose(QAccessible::Role role, const QString& name) {
  static const QRegularExpression bare_number(QStringLiteral("^[\\d\\s\\x{00A0}]*$"));
  static const std::map<QAccessible::Role, QString> kinds = {
      {QAccessible::Button, "Knapp"},
      {QAccessible::ScrollBar, "Rullningslist"},
      {QAccessible::Table, "Tabell"}};
  const auto kind = kinds.find(role);
  return !bare_number.match(name).hasMatch() && (kind == kinds.end() || kind->second != name);
}

// Every control of `node`'s tree a user can act on whose name does not say
// what it is for, as "path: role 'name'".
void UnnamedControls(QAccessibleInterface* node, const std::string& path,
                     std::vector<std::string>& faults) {
  static const QAccessible::Role kActive[] = {
      QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton,
      QAccessible::EditableText, QAccessible::Table,    QAccessible::ScrollBar,
      QAccessible::ComboBox,     QAccessible::SpinBox,  QAccessible::Slider};
  if (node->state().invisible) return;
  const QString name = node->text(QAccessible::Name);
  if (std::ranges::find(kActive, node->role()) != std::end(kActive) &&
      !NamedForItsPurpose(node->role(), name))
    faults.push_back(path + ": role " + std::to_string(node->role()) + " '" + name.toStdString() +
                     "'");
  if (node->role() == QAccessible::Table) return;  // its cells: the test above
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (child == nullptr) continue;
    QObject* object = child->object();
    UnnamedControls(child, path + "/" + (object ? object->metaObject()->className() : "?"), faults);
  }
}

TEST_F(MainWindowTest, EveryControlOfEveryWindowIsNamedForWhatItDoes) {
  FindBirths(kBirths);
  window_->ShowHelpText("HJ001");
  const std::vector<std::pair<const char*, QWidget*>> windows = {
      {"huvudfönster", window_.get()},        {"sök födda", window_->search_form(1)},
      {"sök vigda", window_->search_form(2)}, {"sök döda", window_->search_form(3)},
      {"fritext", window_->free_text_form()}, {"sökord", window_->picker()},
      {"normering", window_->normform()},     {"text", window_->textform()},
      {"utskrift", window_->print_form()},    {"samband", window_->link_window()}};
  for (const auto& [title, widget] : windows) {
    ASSERT_NE(widget, nullptr) << title;
    widget->show();
    std::vector<std::string> faults;
    UnnamedControls(QAccessible::queryAccessibleInterface(widget), title, faults);
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
    if (widget != window_.get()) widget->hide();
  }
}

// Births whose Lokal-IDs differ in length, the longest in the middle of the
// list, and one record known only by a number longer than any of them.
class RecordLabelTest : public testing::MainWindowFixture<RecordLabelTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteText(
        source / "fodda.csv",
        testing::SourceTable(
            1, {testing::Fields("LOKALID=F1-1|ENAMN=Ahl"),
                testing::Fields("LOKALID=F1-123456789012|ENAMN=Berg"),
                testing::Fields("LOKALID=F1-2|ENAMN=Carl"),
                testing::Fields("POSTNUMMER=40000000000000000000|STATUS=E|ENAMN=Dahl")}));
  }
};

// The session reads no more of the Lokal-ID list than it is asked to: two
// rows are the first and the last, which miss the longest.
TEST_F(RecordLabelTest, TheLongestLokalIdOfTheRowsRead) {
  std::string lokalid;
  ASSERT_TRUE(window_->session().LongestLokalId(1, lokalid, 2).ok());
  EXPECT_EQ(lokalid, "F1-1");
  ASSERT_TRUE(window_->session().LongestLokalId(1, lokalid).ok());
  EXPECT_EQ(lokalid, "F1-123456789012");
}

// Every record's label fits the tab, the status dot right of it, where the
// panel's shape leaves it to be seen: a label longer than the set's
// Lokal-IDs widens the tab when its record is shown.
TEST_F(RecordLabelTest, EveryLabelFitsItsTab) {
  Tvxsmalurval& vald = window_->session().catalogue().PersonList(1).vald();
  vald.SetAll();
  window_->ShowSearchResult({1});
  std::vector<QString> labels;
  for (int row = 0; row < 4; ++row) {
    QTest::keyClick(window_.get(), row == 0 ? Qt::Key_Home : Qt::Key_Down);
    const QLabel* label = c().postnrlabel;
    labels.push_back(label->text());
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
        << label->text().toStdString();
    EXPECT_GT(c().statuslabel->x(), label->geometry().right());
  }
  EXPECT_EQ(labels,
            (std::vector<QString>{"F1-1", "F1-123456789012", "F1-2", "(40000000000000000000)"}));
  // The last has STATUS E: its dot is red on screen.
  ASSERT_TRUE(c().statuslabel->isVisible());
  const QImage shot = window_->grab().toImage();
  const QRect dot(c().statuslabel->mapTo(window_.get(), QPoint(0, 0)), c().statuslabel->size());
  int red = 0;
  for (int y = dot.top(); y <= dot.bottom(); ++y) {
    for (int x = dot.left(); x <= dot.right(); ++x) {
      const QColor pixel = shot.pixelColor(x, y);
      red += pixel.red() > 150 && pixel.green() < 60 && pixel.blue() < 60 ? 1 : 0;
    }
  }
  EXPECT_GE(red, 12);
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

// Until a set is open the caption is the program's name, which is also
// the name the windowing system adds to captions: it shows once.
TEST(MainWindowOpening, AMissingSetIsNamedAndTheWindowCloses) {
  testing::TempDir dir;
  testing::WriteText(dir.path() / "kuvo.ini",
                     "[hdbaser]\nhdbasen=" + (dir.path() / "saknas").string() + "/\n");
  std::vector<std::string> messages;
  ScopedMessageSink sink([&](const std::string& text) { messages.push_back(text); });
  Tmain_form window(dir.path() / "kuvo.ini");
  window.show();
  EXPECT_TRUE(window.failed());
  EXPECT_EQ(window.windowTitle(), "Tovik Valdrisen");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("vaxor0001l1.i"), std::string::npos) << messages[0];
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace vx
