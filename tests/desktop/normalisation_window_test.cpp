// The normalisation view over a small register set whose builder
// normalised surnames, men's first names and places, driven by real
// events on the offscreen platform inside its modal loop.
#include "desktop/search/normalisation_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/scroll_bar.h"
#include "controls/tlm_tab.h"
#include "controls/tvx_knapp.h"
#include "tests/desktop/window_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

constexpr int kSurnames = 30;

std::string Numbered(const char* format, int n) {
  char text[32];
  std::snprintf(text, sizeof text, format, n);
  return text;
}

// Thirty surnames written otherwise, three men named Per, two places
// called Tuna (one with its parish); no women's first names.
std::vector<testing::SourceRecord> Births() {
  std::vector<testing::SourceRecord> births;
  for (int i = 0; i < kSurnames; ++i) {
    births.push_back({{"ENAMN", Numbered("NAMN%02d", i)}, {"ENAMNO", Numbered("Namn%02dh", i)}});
  }
  for (int i = 0; i < 3; ++i)
    births[i].merge(testing::Fields("FNAMN=PER|FNAMNO=Pehr|GENUS=m"));
  births[0].merge(testing::Fields("ORT=TUNA|ORTO=Thuna|FORSKX=Hjo"));
  births[1].insert({{"ORT", "TUNA"}, {"ORTO", "Tuhna"}});
  return births;
}

class NormalisationWindowTest : public testing::SetFixture<NormalisationWindowTest> {
 public:
  static void WriteSource(const fs::path& source) {
    testing::WriteText(source / "fodda.csv", testing::SourceTable(1, Births()));
    testing::WriteText(source / "register.txt", "Tuna församling\nFödda\nOm registret\n");
  }
  static void SetUpTestSuite() {
    SetFixture::SetUpTestSuite();
    OpenSession();
  }

 protected:
  void SetUp() override {
    ASSERT_NE(session_, nullptr);
    main_.setGeometry(100, 80, 800, 600);
    main_.show();
    window_ = std::make_unique<Tnormform>(*session_, *pictures_, nullptr, &main_);
  }

  // Shows the view and runs `actions` inside its modal loop once it is
  // active; Esc closes it afterwards unless the actions closed it.
  void Show(const std::function<void()>& actions) {
    testing::WhileActive(window_.get(), actions, [&] { return window_->ShowModal(); });
  }

  TLMtab* Grid() { return window_->grid(); }
  Tspecscr* Bar() { return window_->findChild<Tspecscr*>("normscr"); }
  QLineEdit* Edit() { return window_->findChild<QLineEdit*>("snabbsokedit"); }
  void Press(int kind) { QTest::mouseClick(window_->KindButton(kind), Qt::LeftButton); }

  QWidget main_;
  std::unique_ptr<Tnormform> window_;
};

TEST_F(NormalisationWindowTest, FirstShowingListsSurnamesDownToTheLast) {
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
  });
}

TEST_F(NormalisationWindowTest, AKindWithoutEntriesIsUpAndDisabled) {
  Show([&] {
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

TEST_F(NormalisationWindowTest, LowerCaseQuickSearchFindsTheUpperCaseForm) {
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
}

TEST_F(NormalisationWindowTest, AClickOnlyMovesTheHighlightAndEnterCloses) {
  Show([&] {
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, Grid()->CellRect(4, 1).center());
    EXPECT_EQ(Grid()->currentRow(), 4);
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_FALSE(window_->isVisible());
  });
  EXPECT_EQ(window_->result(), QDialog::Accepted);
}

TEST_F(NormalisationWindowTest, TheWheelScrollsWhileTheBarIsShown) {
  Show([&] {
    testing::Wheel(Grid(), -120, QPointF(50, 50));
    EXPECT_EQ(Grid()->topRow(), 10);
    EXPECT_EQ(Bar()->position(), 11);
  });
}

}  // namespace
}  // namespace vx
