// The word picker and the normalisation view over small register sets built
// by the builder, driven by real mouse, key and wheel events on the offscreen
// platform inside their modal loops.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/scroll_bar.h"
#include "controls/tlm_tab.h"
#include "controls/tvx_knapp.h"
#include "desktop/output/text_window.h"
#include "desktop/search/normalisation_window.h"
#include "desktop/search/picker_window.h"
#include "search/picked_rows.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::Child;
using testing::W;
using testing::Wheel;

constexpr int kSurnameSlot = 7;       // 60 rows
constexpr int kPlaceSlot = 8;         // 18 rows
constexpr int kFathersNameSlot = 14;  // 19 rows
constexpr int kNoSlot = 5;            // no list in the births

std::string Numbered(const char* format, int n) {
  return QString::asprintf(format, n).toStdString();
}

class PickerWindowTest : public testing::SessionFixture<PickerWindowTest> {
 public:
  static void WriteSource(const fs::path& source) {
    std::vector<testing::SourceRecord> births;
    for (int i = 0; i < 60; ++i)
      births.push_back({{"ENAMN", Numbered("Namn%02d", i)},
                        {"ORT", Numbered("Ort%02d", i % 18)},
                        {"FARENAMN", Numbered("Far%02d", i % 19)}});
    testing::WriteText(source / "fodda.csv", testing::SourceTable(1, births));
    testing::WriteText(source / "register.txt", "Tuna församling\nFödda\nOm registret\n");
    testing::WriteText(source / "hjalp/HJ006.txt", "Sökordslistan\nBocka för orden.\n");
  }

 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
    ClearPickedRows(session_->catalogue(), 1);
    help_ = std::make_unique<Ttextform>(*session_, *pictures_);
    window_ = std::make_unique<Tsoktabform>(*session_, *pictures_, help_.get(), &main_);
  }

  // Shows `slot` and runs `actions` as WhileActive does.
  bool Pick(int slot, const std::function<void()>& actions,
            const std::string& title = "Efternamn") {
    return testing::WhileActive(window_.get(), actions,
                                [&] { return window_->Pick(1, slot, title, "HJ005"); });
  }

  QString Text(const char* label) { return Child<QLabel>(window_.get(), label)->text(); }
  Tspecscr* Bar() { return Child<Tspecscr>(window_.get(), "sokscr"); }
  QLineEdit* Edit() { return Child<QLineEdit>(window_.get(), "snabbsokedit"); }
  TLMtab* Grid() { return window_->grid(); }
  QPoint RowPoint(int row) { return Grid()->CellRect(row, 0).center(); }

  static Tvxsmalurval& Ticks(int slot) { return session_->catalogue().soklistor(1, slot)->vald(); }
  static bool Ticked(int slot, int row) { return Ticks(slot).IsSet(row + 1); }
  static int TickCount(int slot) { return Ticks(slot).Count(); }

  void RightClick(int row) {
    QTest::mousePress(Grid(), Qt::RightButton, {}, RowPoint(row));
    QTest::mouseRelease(Grid(), Qt::RightButton, {}, RowPoint(row));
  }
  static void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

  std::unique_ptr<Ttextform> help_;
  std::unique_ptr<Tsoktabform> window_;
};

TEST_F(PickerWindowTest, EighteenRowsFitWithoutABarOverTheMainWindowsCentreNoListShowsNothing) {
  Pick(
      kPlaceSlot,
      [&] {
        EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Tuna församling, välj sökord"));
        EXPECT_EQ(window_->size(), QSize(358, 398));
        EXPECT_EQ(window_->geometry().center(), main_.geometry().center());
        EXPECT_EQ(Text("rubriklab"), QString::fromUtf8("Födelseort"));
        EXPECT_EQ(Text("rubrik2lab"), "");
        EXPECT_EQ(Text("antlabel"), "Valda: 0 av 18");
        EXPECT_EQ(Grid()->rowCount(), 18);
        EXPECT_EQ(Grid()->VisibleRowCount(), 18);
        EXPECT_EQ(Grid()->columnWidth(0), Grid()->width() - 40);
        EXPECT_EQ(Grid()->columnWidth(1), 35);
        EXPECT_TRUE(Bar()->isHidden());
        EXPECT_EQ(Bar()->max(), 1);
        EXPECT_EQ(QApplication::focusWidget(), Edit());
        Wheel(Grid(), -120);
        EXPECT_EQ(Grid()->topRow(), 0) << "no wheel without the bar";
      },
      W("Födelseort"));
  // After a list with its bar, a slot without a list shows nothing and
  // ticks nothing.
  Pick(kSurnameSlot, [&] {});
  Pick(kNoSlot, [&] {
    EXPECT_EQ(Text("rubriklab"), "");
    EXPECT_EQ(Text("antlabel"), "");
    EXPECT_EQ(Grid()->rowCount(), 0);
    EXPECT_FALSE(Edit()->isEnabled());
    EXPECT_TRUE(Bar()->isHidden());
    RightClick(0);
    QTest::keyClick(window_.get(), Qt::Key_Space);
  });
  EXPECT_EQ(TickCount(kSurnameSlot), 0);
}

TEST_F(PickerWindowTest, RightDragFromATickedRowUnticksSixRowsLeftClickTicksNothing) {
  Pick(kSurnameSlot, [&] {
    for (int row = 2; row <= 7; ++row)
      RightClick(row);
    EXPECT_EQ(Text("antlabel"), "Valda: 6 av 60");
    QTest::mousePress(Grid(), Qt::RightButton, {}, RowPoint(2));
    for (int row = 3; row <= 7; ++row)
      QTest::mouseMove(Grid(), RowPoint(row));
    QTest::mouseMove(Grid(), Grid()->CellRect(7, 1).center());  // along the row
    QTest::mouseRelease(Grid(), Qt::RightButton, {}, RowPoint(7));
    EXPECT_EQ(TickCount(kSurnameSlot), 0);
    EXPECT_EQ(Text("antlabel"), "Valda: 0 av 60");

    QTest::mousePress(Grid(), Qt::RightButton, {}, RowPoint(9));  // unticked: ticks
    QTest::mouseMove(Grid(), RowPoint(10));
    QTest::mouseMove(Grid(), RowPoint(9));  // back over the press: stays ticked
    QTest::mouseRelease(Grid(), Qt::RightButton, {}, RowPoint(9));
    EXPECT_TRUE(Ticked(kSurnameSlot, 9));
    EXPECT_TRUE(Ticked(kSurnameSlot, 10));

    QTest::mouseClick(Grid(), Qt::LeftButton, {}, RowPoint(4));
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, RowPoint(9));
    EXPECT_EQ(Grid()->currentRow(), 9);
    EXPECT_EQ(TickCount(kSurnameSlot), 2);
    EXPECT_TRUE(Ticked(kSurnameSlot, 9));
  });
}

// Keys go where the user's focus is: typing to the quick search, Down or
// Tab into the list on the row found, Space ticks it, Enter confirms.
TEST_F(PickerWindowTest, TypingDownOrTabSpaceAndEnterTickExactlyTheFoundWord) {
  for (const Qt::Key into_list : {Qt::Key_Down, Qt::Key_Tab}) {
    SCOPED_TRACE(into_list == Qt::Key_Down ? "Down" : "Tab");
    ClearPickedRows(session_->catalogue(), 1);
    EXPECT_TRUE(Pick(kSurnameSlot, [&] {
      Type("Namn37");
      EXPECT_EQ(Grid()->currentRow(), 37);
      QTest::keyClick(QApplication::focusWidget(), into_list);
      EXPECT_EQ(QApplication::focusWidget(), Grid());
      EXPECT_EQ(Grid()->currentRow(), 37) << "on the row found, not the next";
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      EXPECT_EQ(Text("antlabel"), "Valda: 1 av 60");
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }));
    EXPECT_EQ(TickCount(kSurnameSlot), 1);
    EXPECT_TRUE(Ticked(kSurnameSlot, 37));
    EXPECT_EQ(window_->valdtext(), "Namn37");
  }
}

TEST_F(PickerWindowTest, SpaceTicksTheCurrentRowUnlessAWordIsBeingTyped) {
  Pick(kSurnameSlot, [&] {
    QTest::keyClick(Edit(), Qt::Key_Space);  // nothing typed yet: ticks
    EXPECT_TRUE(Ticked(kSurnameSlot, 0));
    QTest::keyClick(Edit(), Qt::Key_Down);
    QTest::keyClick(Grid(), Qt::Key_Down);
    EXPECT_EQ(Grid()->currentRow(), 1);
    QTest::keyClick(Grid(), Qt::Key_Space);
    EXPECT_TRUE(Ticked(kSurnameSlot, 1));
    QTest::keyClick(Grid(), Qt::Key_Space);
    EXPECT_FALSE(Ticked(kSurnameSlot, 1));
    QTest::keyClick(Grid(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Edit());
    Type("namn 1");
    EXPECT_EQ(Edit()->text(), "namn 1");
    EXPECT_EQ(TickCount(kSurnameSlot), 1);
  });
}

TEST_F(PickerWindowTest, ReopeningAFieldShowsItsTicksAndPlaceAnotherFieldItsOwn) {
  EXPECT_FALSE(Pick(kSurnameSlot, [&] {
    Bar()->setPosition(31);
    Grid()->setCurrentRow(35);
    QTest::keyClick(Grid(), Qt::Key_Space);
  }));
  Pick(kFathersNameSlot, [&] {
    EXPECT_EQ(Grid()->topRow(), 0);
    EXPECT_EQ(Grid()->currentRow(), 0);
    EXPECT_EQ(Text("antlabel"), "Valda: 0 av 19");
    // Nineteen rows show the bar, up to two.
    EXPECT_FALSE(Bar()->isHidden());
    EXPECT_EQ(Bar()->max(), 2);
    Bar()->setPosition(2);
    EXPECT_EQ(Grid()->topRow(), 1);
    Wheel(Grid(), 120);
    EXPECT_EQ(Grid()->topRow(), 0);
    EXPECT_EQ(Bar()->position(), 1);
    RightClick(4);
  });
  Pick(kSurnameSlot, [&] {
    EXPECT_EQ(Grid()->topRow(), 30);
    EXPECT_EQ(Bar()->position(), 31);
    EXPECT_EQ(Grid()->currentRow(), 35);
    EXPECT_EQ(Text("antlabel"), "Valda: 1 av 60");
    EXPECT_TRUE(Ticked(kSurnameSlot, 35));
    EXPECT_EQ(Edit()->text(), "") << "the quick search starts empty";
  });
  EXPECT_TRUE(Ticked(kFathersNameSlot, 4));
}

// The wheel scrolls ten rows a notch anywhere in the window; the place is
// kept until it is forgotten.
TEST_F(PickerWindowTest, TheWheelScrollsAnywhereAndForgottenPositionsOpenAtTheFirstRow) {
  Pick(kSurnameSlot, [&] {
    Wheel(window_.get(), -240);
    EXPECT_EQ(Grid()->topRow(), 20);
    EXPECT_EQ(Bar()->position(), 21);
    Grid()->setCurrentRow(25);
  });
  window_->ForgetPositions(2);
  Pick(kSurnameSlot, [&] { EXPECT_EQ(Grid()->topRow(), 20); });
  window_->ForgetPositions(1);
  Pick(kSurnameSlot, [&] {
    EXPECT_EQ(Grid()->topRow(), 0);
    EXPECT_EQ(Grid()->currentRow(), 0);
  });
}

// The help button shows the picker's own text.
TEST_F(PickerWindowTest, EscAndCloseKeepTheTicksAndTheLastSummaryAndHelpShowsItsText) {
  std::string help;
  EXPECT_TRUE(Pick(kSurnameSlot, [&] {
    RightClick(1);
    QTest::keyClick(Edit(), Qt::Key_Return);
  }));
  EXPECT_EQ(window_->valdtext(), "Namn01");
  EXPECT_FALSE(Pick(kSurnameSlot, [&] {
    RightClick(3);
    QTest::keyClick(Edit(), Qt::Key_Escape);
  }));
  EXPECT_FALSE(Pick(kSurnameSlot, [&] {
    QTimer::singleShot(0, help_.get(), [&] {
      help = help_->code();
      help_->close();
    });
    QTest::mouseClick(Child<TVXknapp>(window_.get(), "helpknapp"), Qt::LeftButton);
    RightClick(5);
    QTest::mouseClick(Child<TVXknapp>(window_.get(), "slutknapp"), Qt::LeftButton);
  }));
  EXPECT_EQ(TickCount(kSurnameSlot), 3);
  EXPECT_EQ(window_->valdtext(), "Namn01");
  EXPECT_EQ(help, "HJ006");
}

// The quick search moves the current row and leaves the ticks; Ctrl+R
// clears both.
TEST_F(PickerWindowTest, QuickSearchBringsTheRowIntoViewAndCtrlRClearsItAndTheTicks) {
  Pick(kSurnameSlot, [&] {
    RightClick(0);
    Type("namn3");
    EXPECT_EQ(Grid()->currentRow(), 30);
    EXPECT_EQ(Grid()->topRow(), 21);
    EXPECT_EQ(Bar()->position(), 22);
    Type("5");
    EXPECT_EQ(Grid()->currentRow(), 35) << "visible: only made current";
    EXPECT_EQ(Grid()->topRow(), 21);
    Type("x");
    EXPECT_EQ(Grid()->currentRow(), 35) << "nothing found: nothing moves";
    Edit()->clear();
    Grid()->setFocus();
    QTest::keyClicks(Grid(), "namn5");  // from the grid, typing goes to the quick search
    EXPECT_EQ(Edit()->text(), "namn5");
    EXPECT_EQ(QApplication::focusWidget(), Edit());
    EXPECT_EQ(Grid()->currentRow(), 50);
    EXPECT_EQ(Grid()->topRow(), 41);
    EXPECT_EQ(Text("antlabel"), "Valda: 1 av 60");
    EXPECT_TRUE(Ticked(kSurnameSlot, 0));
    QTest::keyClick(Edit(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(TickCount(kSurnameSlot), 0);
    EXPECT_EQ(Text("antlabel"), "Valda: 0 av 60");
    EXPECT_EQ(Edit()->text(), "");
  });
}

// The normalisation view over a small register set whose builder
// normalised surnames, men's first names and places, driven by real
// events on the offscreen platform inside its modal loop.
constexpr int kSurnames = 30;

// Thirty surnames written otherwise, three men named Per, two places
// called Tuna (one with its parish); no women's first names.
std::vector<testing::SourceRecord> Births() {
  std::vector<testing::SourceRecord> births;
  for (int i = 0; i < kSurnames; ++i)
    births.push_back({{"ENAMN", Numbered("NAMN%02d", i)}, {"ENAMNO", Numbered("Namn%02dh", i)}});
  for (int i = 0; i < 3; ++i)
    births[i].merge(testing::Fields("FNAMN=PER|FNAMNO=Pehr|GENUS=m"));
  births[0].merge(testing::Fields("ORT=TUNA|ORTO=Thuna|FORSKX=Hjo"));
  births[1].insert({{"ORT", "TUNA"}, {"ORTO", "Tuhna"}});
  return births;
}

class NormalisationWindowTest : public testing::SessionFixture<NormalisationWindowTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteText(source / "fodda.csv", testing::SourceTable(1, Births()));
    testing::WriteText(source / "register.txt", "Tuna församling\nFödda\nOm registret\n");
  }

 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
    window_ = std::make_unique<Tnormform>(*session_, *pictures_, nullptr, &main_);
  }

  // Shows the view and runs `actions` as WhileActive does.
  void Show(const std::function<void()>& actions) {
    testing::WhileActive(window_.get(), actions, [&] { return window_->ShowModal(); });
  }

  TLMtab* Grid() { return window_->grid(); }
  Tspecscr* Bar() { return window_->findChild<Tspecscr*>("normscr"); }
  QLineEdit* Edit() { return window_->findChild<QLineEdit*>("snabbsokedit"); }
  void Press(int kind) { QTest::mouseClick(window_->KindButton(kind), Qt::LeftButton); }

  std::unique_ptr<Tnormform> window_;
};

TEST_F(NormalisationWindowTest, FirstShowingListsSurnamesDownToTheLastAndAKindWithoutEntriesIsOff) {
  Show([&] {
    EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Tuna församling, visa normeringar"));
    EXPECT_EQ(window_->size(), QSize(471, 398));
    EXPECT_EQ(window_->geometry().center(), main_.geometry().center());
    EXPECT_EQ(window_->findChild<QLabel*>("rubriklab")->text(), "Normerade ord");
    EXPECT_EQ(window_->kind(), kNormSurnames);
    EXPECT_TRUE(window_->KindButton(kNormSurnames)->down());
    ASSERT_EQ(Grid()->rowCount(), kSurnames);
    EXPECT_EQ(window_->entries().back(), (NormEntry{"NAMN29", "Namn29h", 1}));
    EXPECT_EQ(window_->CountText(), "30 normerade ord");
    EXPECT_FALSE(Bar()->isHidden());
    EXPECT_EQ(Bar()->max(), 13);
    QTest::keyClick(Edit(), Qt::Key_PageDown);
    QTest::keyClick(Edit(), Qt::Key_PageDown);
    EXPECT_EQ(Grid()->currentRow(), 29);
    EXPECT_EQ(Grid()->topRow(), 12);
    EXPECT_EQ(Bar()->position(), 13);
    // A kind without entries is up and disabled.
    EXPECT_TRUE(window_->KindButton(kNormMensNames)->isEnabled());
    EXPECT_TRUE(window_->KindButton(kNormPlaces)->isEnabled());
    EXPECT_FALSE(window_->KindButton(kNormWomensNames)->isEnabled());
    EXPECT_FALSE(window_->KindButton(kNormWomensNames)->down());
    Press(kNormWomensNames);
    EXPECT_EQ(window_->kind(), kNormSurnames);
  });
}

TEST_F(NormalisationWindowTest, PlacesShowTheirParishWhenTheyHaveOneAndStayOnReopening) {
  Show([&] {
    Grid()->setCurrentRow(20);
    Press(kNormPlaces);
    EXPECT_EQ(window_->kind(), kNormPlaces);
    EXPECT_FALSE(window_->KindButton(kNormSurnames)->down());
    EXPECT_EQ(window_->entries(),
              (std::vector<NormEntry>{{"TUNA", "Thuna (Hjo)", 1}, {"TUNA", "Tuhna", 1}}));
    EXPECT_EQ(Grid()->rowCount(), 2);
    EXPECT_EQ(Grid()->currentRow(), 0);
    EXPECT_TRUE(Bar()->isHidden());
    EXPECT_EQ(window_->CountText(), "2 normerade ord");
    Grid()->setCurrentRow(1);
  });
  Show([&] {
    EXPECT_EQ(window_->kind(), kNormPlaces);
    EXPECT_TRUE(window_->KindButton(kNormPlaces)->down());
    EXPECT_EQ(Grid()->currentRow(), 1);
    Press(kNormMensNames);
    EXPECT_EQ(window_->entries(), (std::vector<NormEntry>{{"PER", "Pehr", 3}}));
  });
}

// The quick search finds the upper-case form from lower case; every
// showing empties it and keeps the place.
TEST_F(NormalisationWindowTest, TheQuickSearchFindsUpperCaseAndEveryShowingEmptiesIt) {
  Show([&] {
    QTest::keyClicks(Edit(), "namn2");
    EXPECT_EQ(Grid()->currentRow(), 20);
    EXPECT_EQ(Grid()->topRow(), 11);
    QTest::keyClicks(Edit(), "q");
    EXPECT_EQ(Grid()->currentRow(), 20) << "nothing found: nothing moves";
    Grid()->setFocus();
    QTest::keyClicks(Grid(), "5");  // typing in the grid goes to the quick search
    EXPECT_EQ(Edit()->text(), "namn2q5");
  });
  Show([&] {
    EXPECT_TRUE(Edit()->text().isEmpty());
    EXPECT_EQ(Grid()->currentRow(), 20);
    QTest::keyClicks(Edit(), "namn1");
    EXPECT_EQ(Grid()->currentRow(), 10) << "a new search from the first letter";
  });
}

TEST_F(NormalisationWindowTest, AClickOnlyMovesTheHighlightTheWheelScrollsAndEnterCloses) {
  Show([&] {
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, Grid()->CellRect(4, 1).center());
    EXPECT_EQ(Grid()->currentRow(), 4);
    testing::Wheel(Grid(), -120, QPointF(50, 50));
    EXPECT_EQ(Grid()->topRow(), 10);
    EXPECT_EQ(Bar()->position(), 11);
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_FALSE(window_->isVisible());
  });
  EXPECT_EQ(window_->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vx
