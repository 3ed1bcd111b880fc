// "Möjliga samband" from the main window, on a small register set made by
// hand: Anders Persson's birth, his death given with an age, his sister's
// birth and a stranger; driven by real keys and clicks on the offscreen
// platform inside the window's modal loop.
#include "desktop/linking/link_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>

#include "controls/tlm_tab.h"
#include "desktop/output/text_window.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::Fields;

class LinkWindowTest : public testing::MainWindowFixture<LinkWindowTest> {
 public:
  static void WriteSource(const fs::path& source) {
    std::vector<testing::SourceRecord> births = testing::PerssonBirths();
    births.push_back(Fields("ENAMN=Berg|FNAMN=Olof|GENUS=m|FODAT=17700101|FORSKX=Tun|LOKALID=F3"));
    testing::WriteText(source / "fodda.csv", testing::SourceTable(1, births));
    testing::WriteText(
        source / "doda.csv",
        testing::SourceTable(
            3, {Fields("ENAMN=Ek|FNAMN=Lisa|GENUS=k|ALDER=40|DODAT=18000101|FORSKX=Tun|"
                       "LOKALID=D2"),
                Fields("ENAMN=Persson|FNAMN=Anders|GENUS=m|ALDER=63|DODAT=18240501|FORSKX=Hjo|"
                       "LOKALID=D1")}));
    testing::WriteText(source / "register.txt", "Hjo församling\nFödda och döda\nOm registret\n");
    testing::WriteText(source / "hjalp/HJ009.txt", "Möjliga samband\nPoster av samma liv.\n");
  }

 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    ASSERT_NE(links(), nullptr);
  }

  LinkWindow* links() { return window_->link_window(); }

  // Shows birth `lokalid` in the main window, as the Lokal-ID jump does.
  void ShowBirth(const char* lokalid) {
    ASSERT_TRUE(window_->session().SearchLokalId(1, lokalid).ok());
    window_->ShowSearchResult({1});
    ASSERT_EQ(window_->table()->record_view().label, lokalid);
  }

  // Opens the window with Ctrl+K and runs `actions` as WhileActive does.
  void WithLinks(const std::function<void()>& actions) {
    testing::WhileActive(links(), actions,
                         [&] { QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier); });
  }

  const RecordView& Shown() { return window_->table()->record_view(); }
};

// A screen reader reads the list as a table of its rows, the cells as the
// listing reads them: the score in words (the grid as a table and the
// controls' names: the main window's tests). Down and Enter show the death.
TEST_F(LinkWindowTest, CtrlKOpensATableAndDownAndEnterShowTheDeathInTheDeathRegister) {
  ShowBirth("F1");
  WithLinks([&] {
    EXPECT_EQ(links()->windowTitle(), QString::fromUtf8("Hjo församling, möjliga samband"));
    EXPECT_EQ(testing::Child<QLabel>(links(), "rubrik2lab")->text(),
              QString::fromUtf8("För Persson, Anders, 1761-03-12"));
    ASSERT_GE(links()->listing().RowCount(), 2);
    EXPECT_EQ(links()->grid()->currentRow(), 0);
    // The keys go where the user's would: to the list, which has the focus.
    ASSERT_TRUE(testing::WaitUntilActive(links()));
    ASSERT_EQ(QApplication::focusWidget(), links()->grid());
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(links()->grid());
    EXPECT_EQ(grid->text(QAccessible::Name), QString::fromUtf8("Möjliga samband"));
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), links()->listing().RowCount());
    EXPECT_EQ(table->columnCount(), kLinkColumnCount);
    EXPECT_EQ(table->cellAt(1, kLinkScoreColumn)->text(QAccessible::Name).toStdString(),
              Cp1252ToUtf8(links()->listing().ReadableCellText(1, kLinkScoreColumn)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(links()->grid()->currentRow(), 1);
    EXPECT_TRUE(
        links()->DetailText().contains(QString::fromUtf8("ålder 63 år stämmer med född 1761")))
        << links()->DetailText().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(links()->isVisible());
  });
  EXPECT_EQ(window_->table()->aktregister(), 3);
  EXPECT_TRUE(c().valknappar[2]->down());
  EXPECT_FALSE(c().valknappar[0]->down());
  EXPECT_EQ(c().postnrlabel->text(), "D1");
  // The death joined the death register's hits and is its current row.
  EXPECT_EQ(c().antallabel->text(), "1 valda");
  EXPECT_EQ(c().persontab->currentRow(), window_->table()->current_row());
  EXPECT_EQ(window_->focusWidget(), c().persontab);
}

// F1 in the window shows its own help.
TEST_F(LinkWindowTest, TheButtonWaitsForARecordOpensItWithItsHelpAndADoubleClickShowsTheSister) {
  std::string help;
  window_->session().catalogue().PersonList(1).vald().Clear();
  window_->ShowSearchResult({1});
  EXPECT_FALSE(c().sambandknapp->isEnabled());
  ShowBirth("F1");
  EXPECT_TRUE(c().sambandknapp->isEnabled());
  testing::WhileActive(
      links(),
      [&] {
        ASSERT_TRUE(testing::WaitUntilActive(links()));  // where F1 goes
        QTimer::singleShot(0, window_->textform(), [&] {
          help = window_->textform()->code();
          window_->textform()->close();
        });
        QTest::keyClick(links()->grid(), Qt::Key_F1);
        const LinkListing& listing = links()->listing();
        int sister = -1;
        for (int row = 0; row < listing.RowCount(); ++row) {
          const LinkCandidate* c = listing.Row(row)->heading() ? nullptr : listing.ChosenBy(row);
          if (c != nullptr && c->lokalid == "F2") sister = row;
        }
        ASSERT_GE(sister, 0);
        const QPoint at = links()->grid()->CellRect(sister, kLinkNameColumn).center();
        QTest::mouseClick(links()->grid(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(links()->grid(), Qt::LeftButton, {}, at);
      },
      [&] { QTest::mouseClick(c().sambandknapp, Qt::LeftButton); });
  EXPECT_EQ(window_->table()->aktregister(), 1);
  EXPECT_EQ(Shown().label, "F2");
  EXPECT_EQ(c().antallabel->text(), "2 valda");
  EXPECT_EQ(help, "HJ009");
}

TEST_F(LinkWindowTest, EscClosesAndLeavesTheMainWindowAsItWas) {
  ShowBirth("F3");
  WithLinks([&] {
    EXPECT_EQ(links()->CountText(), QString::fromUtf8("Inga möjliga samband hittades"));
    EXPECT_FALSE(links()->grid()->isEnabled());
    QTest::keyClick(links()->grid(), Qt::Key_Return);  // nothing to show
    EXPECT_TRUE(links()->isVisible());
    QTest::keyClick(links(), Qt::Key_Escape);
    EXPECT_FALSE(links()->isVisible());
  });
  EXPECT_EQ(window_->table()->aktregister(), 1);
  EXPECT_EQ(Shown().label, "F3");
  EXPECT_EQ(c().antallabel->text(), "1 valda");
}

}  // namespace
}  // namespace vx
