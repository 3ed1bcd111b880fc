// The text window over a small register set built by the builder, driven
// by real mouse, key and wheel events on the offscreen platform.
#include "desktop/output/text_window.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "controls/scroll_bar.h"
#include "controls/tvx_dyntex.h"
#include "controls/tvx_knapp.h"
#include "engine/util/version.h"
#include "tests/controls/test_pictures.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Caller = Ttextform::HelpCaller;
using test::LinkPoint;
using testing::Child;

class TextWindowTest : public testing::SessionFixture<TextWindowTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteText(source / "fodda.csv",
                       testing::SourceTable(1, {{{"LOKALID", "F1"}, {"FNAMN", "Anna"}}}));
    testing::WriteText(source / "register.txt", "Tuna församling\nFödda\n[f]Om[\\f] registret\n");
    // A help text much taller than the window, with links near its top.
    std::string help =
        "Huvudfönstret\n[4]Huvudfönstret[2]\n"
        "Se [M HJ005]Sökspråket[\\M] eller [M F01 7]posten[\\M].\n";
    for (int i = 1; i <= 120; ++i)
      help += "Rad " + std::to_string(i) + " av hjälptexten.\n";
    testing::WriteText(source / "hjalp/HJ001.txt", help);
    testing::WriteText(source / "hjalp/HJ005.txt",
                       "Sökspråket\n[f]Sökord[\\f] skrivs så.\nRad två.\n");
    // HJ005 in English too; HJ001 only in Swedish.
    testing::WriteText(source / "hjalp/en/HJ005.txt",
                       "The search language\n[f]Search words[\\f] are written so.\nLine two.\n");
  }

 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SessionFixture::SetUp());
    window_ = std::make_unique<Ttextform>(*session_, *pictures_);
  }

  // Shows `code` as the main window asks for it, and waits until painted.
  void ShowFromMain(const std::string& code) {
    window_->ShowHelpText(code, &main_, Caller::kMainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  TVXdyntex* Text() { return Child<TVXdyntex>(window_.get(), "texten"); }
  Tspecscr* Bar() { return Child<Tspecscr>(window_.get(), "vistextscr"); }

  std::unique_ptr<Ttextform> window_;
};

TEST_F(TextWindowTest, ACodeNotInTheStoreKeepsTheHeadingAndShowsNothing) {
  ShowFromMain("HJ001");
  EXPECT_EQ(window_->pos(), QPoint(100 + (800 - 520) / 2, 80 + (600 - 560) / 2))
      << "first shown from the main window: centred over it";
  EXPECT_EQ(window_->HeadingText(), QString::fromUtf8("Huvudfönstret"));
  EXPECT_TRUE(window_->ScrollBarShown());
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Tuna församling, hjälptext"));

  window_->ShowHelpText("HJ999", &main_, Caller::kMainWindow);
  EXPECT_EQ(window_->code(), "HJ999");
  EXPECT_EQ(window_->HeadingText(), QString::fromUtf8("Huvudfönstret"));
  EXPECT_EQ(window_->TextShown(), "");
  EXPECT_FALSE(window_->ScrollBarShown());
}

// With English chosen the window shows a code's English text where the
// set has one, else the Swedish.
TEST_F(TextWindowTest, EnglishChosenShowsTheEnglishTextElseTheSwedish) {
  session_->SetLanguage(Language::kEnglish);
  ShowFromMain("HJ005");
  EXPECT_EQ(window_->HeadingText(), QString::fromUtf8("The search language"));
  EXPECT_NE(window_->TextShown().find("are written so."), std::string::npos)
      << window_->TextShown();
  ShowFromMain("HJ001");
  EXPECT_EQ(window_->HeadingText(), QString::fromUtf8("Huvudfönstret"));
  session_->SetLanguage(Language::kSwedish);
  ShowFromMain("HJ005");
  EXPECT_EQ(window_->HeadingText(), QString::fromUtf8("Sökspråket"));
}

TEST_F(TextWindowTest, FirstRequestFromASmallDialogCentresOnTheScreenThenStays) {
  QWidget dialog;
  dialog.setGeometry(150, 120, 300, 200);
  dialog.show();
  QPoint shown_at;
  bool modal = false;
  QTimer::singleShot(0, window_.get(), [&] {
    shown_at = window_->pos();
    modal = QApplication::activeModalWidget() == window_.get();
    window_->close();
  });
  window_->ShowHelpText("HJ005", &dialog, Caller::kDialog);
  const QRect screen = window_->screen()->availableGeometry();
  EXPECT_EQ(shown_at, QPoint(screen.x() + (screen.width() - 520) / 2,
                             screen.y() + (screen.height() - 560) / 2));
  EXPECT_TRUE(modal) << "a dialog's help is modal";

  window_->move(37, 41);
  ShowFromMain("HJ001");
  EXPECT_EQ(window_->pos(), QPoint(37, 41));
  EXPECT_FALSE(window_->isModal());
}

TEST_F(TextWindowTest, ClickOnAHelpLinkReplacesTheTextInPlaceAndCopyTakesItWithoutTags) {
  ShowFromMain("HJ001");
  const QPoint at = window_->pos();
  QTest::mouseClick(Text(), Qt::LeftButton, {}, LinkPoint(*Text(), "F01 7"));
  EXPECT_EQ(window_->code(), "HJ001") << "a link to a record is not followed here";

  QTest::mouseClick(Text(), Qt::LeftButton, {}, LinkPoint(*Text(), "HJ005"));
  EXPECT_EQ(window_->code(), "HJ005");
  EXPECT_EQ(window_->HeadingText(), QString::fromUtf8("Sökspråket"));
  EXPECT_NE(window_->TextShown().find(testing::W("Rad två.")), std::string::npos);
  EXPECT_FALSE(window_->ScrollBarShown());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(window_->pos(), at);
  // Its copy holds the text without tags and with CR LF.
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "Sökord skrivs så.\r\nRad två.");
}

TEST_F(TextWindowTest, AboutTextShowsTheSetsHeadingAndTheVersion) {
  ShowFromMain("OM");
  const QLabel* heading = Child<QLabel>(window_.get(), "arkivlabel");
  EXPECT_EQ(window_->HeadingText(), QString::fromUtf8("Tuna församling"));
  EXPECT_EQ(heading->y(), 3);
  EXPECT_EQ(window_->VersionText(), QString("Tovik, Valdrisen, ver. ") + ProgramVersion());
  EXPECT_NE(window_->TextShown().find("registret"), std::string::npos);

  window_->ShowHelpText("HJ005", &main_, Caller::kMainWindow);
  EXPECT_EQ(heading->y(), 9);
  EXPECT_EQ(window_->VersionText(), "");
}

TEST_F(TextWindowTest, KeysAndWheelScrollTheText) {
  ShowFromMain("HJ001");
  TVXdyntex* text = Text();
  EXPECT_EQ(Bar()->max(), text->TotalHeight() - text->height() + 1);
  QTest::keyClick(text, Qt::Key_Down);
  EXPECT_EQ(text->ViewOffset(), 50);
  QTest::keyClick(text, Qt::Key_PageDown);
  EXPECT_EQ(Bar()->position(), 301);
  // A wheel message glides one smallch at most (the steps: the scroll's
  // own test).
  Bar()->setPosition(1);
  testing::Wheel(Text(), -480, QPointF(50, 50));
  EXPECT_EQ(text->ViewOffset(), 50);
  testing::Wheel(Text(), 120, QPointF(50, 50));
  EXPECT_EQ(Bar()->position(), 1);

  QTest::keyClick(text, Qt::Key_Escape);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(TextWindowTest, ClosingAndLosingTheFocusFreeTheBitmap) {
  ShowFromMain("HJ001");
  Text()->repaint();
  ASSERT_TRUE(Text()->HasBuffer());
  QTest::mouseClick(Child<TVXknapp>(window_.get(), "slutknapp"), Qt::LeftButton, {},
                    QPoint(12, 12));
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(Text()->HasBuffer());

  ShowFromMain("HJ001");
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  Text()->repaint();
  ASSERT_TRUE(Text()->HasBuffer());
  main_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main_));
  EXPECT_FALSE(Text()->HasBuffer());
}

TEST_F(TextWindowTest, AFailingSessionIsReported) {
  Session closed;
  Ttextform window(closed, *pictures_);
  window.ShowHelpText("HJ001", &main_, Caller::kMainWindow);
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_EQ(window.TextShown(), "");
}

}  // namespace
}  // namespace vx
