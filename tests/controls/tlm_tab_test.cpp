#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <string>

#include "controls/picture_caches.h"
#include "controls/tlm_tab.h"
#include "tests/controls/test_pictures.h"

namespace vx {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// A shown white table of 50 rows, 20 pixels high, in columns of 120 and
// 100 pixels and 20 more without cells; the single border leaves 6 whole
// rows inside.
class TLMtabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tab_.resize(244, 124);
    tab_.setColour(Qt::white);
    tab_.setColumnCount(2);
    tab_.setColumnWidth(0, 120);
    tab_.setColumnWidth(1, 100);
    tab_.setDefaultRowHeight(20);
    tab_.setRowCount(50);
    tab_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tab_));
  }
  QImage Grab() { return tab_.grab().toImage(); }
  QPoint Centre(int row, int column) const { return tab_.CellRect(row, column).center(); }
  // Columns [left, right] of `cell` that hold a pixel other than white.
  static bool InkIn(const QImage& image, const QRect& cell, int left, int right) {
    for (int x = left; x <= right; ++x)
      for (int y = cell.top(); y <= cell.bottom(); ++y)
        if (image.pixel(x, y) != kWhite) return true;
    return false;
  }
  void SendWheel(int delta) {
    const QPointF at = Centre(1, 0);
    QWheelEvent wheel(at, tab_.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&tab_, &wheel);
  }

  TLMtab tab_;
};

TEST_F(TLMtabTest, DefaultsAndRowNumbersWithoutCallbacksAndNothingWhenDisabled) {
  TLMtab plain;
  EXPECT_EQ(plain.rowCount(), 10);
  EXPECT_EQ(plain.columnCount(), 1);
  EXPECT_EQ(plain.font().family(), QString("Times New Roman"));
  EXPECT_EQ(plain.font().pixelSize(), 15) << "11 points at 96 dpi";
  EXPECT_TRUE(plain.mushjul());
  EXPECT_EQ(plain.borderStyle(), TLMtab::BorderStyle::bsSingle);
  // Row 2 shows "3" in black at the left of column 1 only.
  const QImage image = Grab();
  const QRect cell = tab_.CellRect(2, 0);
  EXPECT_TRUE(InkIn(image, cell, cell.left(), cell.left() + 12));
  EXPECT_FALSE(InkIn(image, cell, cell.left() + 20, cell.right()));
  // Disabled, it draws only its background.
  tab_.setEnabled(false);
  const QRect inner = tab_.CellRect(0, 0).united(tab_.CellRect(5, 1));
  EXPECT_FALSE(InkIn(Grab(), inner, inner.left(), inner.right()));
}

TEST_F(TLMtabTest, TabbedDateIsRightAligned) {
  tab_.setCellText(
      [](int, int column) -> std::string { return column == 1 ? "Berg, Anna" : "\t1800-01-05"; });
  const QImage image = Grab();
  const QRect date = tab_.CellRect(1, 1);
  EXPECT_TRUE(InkIn(image, date, date.right() - 8, date.right() - kCellTextMargin));
  EXPECT_FALSE(InkIn(image, date, date.left(), date.left() + 15));
  EXPECT_FALSE(InkIn(image, date, date.right() - 1, date.right()));
  const QRect name = tab_.CellRect(1, 0);
  EXPECT_TRUE(InkIn(image, name, name.left(), name.left() + 8));
}

TEST_F(TLMtabTest, LongTextEndsInAnEllipsisInsideTheCell) {
  tab_.setCellText([](int, int) -> std::string { return "MMMMMMMMMMMMMMMMMMMMMMMMM"; });
  const QImage image = Grab();
  const QRect cell = tab_.CellRect(1, 0);
  int last = cell.left();
  for (int x = cell.left(); x <= cell.right(); ++x)
    if (InkIn(image, cell, x, x)) last = x;
  EXPECT_LE(last, cell.right() - kCellTextMargin);
  // The last ink is the ellipsis' dots on the baseline, not a cut-off M.
  const QRect upper(cell.left(), cell.top(), cell.width(), cell.height() / 2);
  EXPECT_FALSE(InkIn(image, upper, last - 3, last));
  EXPECT_TRUE(InkIn(image, upper, cell.left(), cell.left() + 10));
}

TEST_F(TLMtabTest, ChosenRowDrawsInItsChosenColour) {
  tab_.setCellText([](int, int) -> std::string { return "MMMM"; });
  // Row 3 (1-based) is chosen, bold, chosen colour 9; the rest plain black.
  tab_.setCellAttribute([](int row, int) -> uint32_t { return row == 3 ? 0x0100'0290 : 0x290; });
  const QImage image = Grab();
  const auto has = [&](int row, QRgb colour) {
    const QRect cell = tab_.CellRect(row, 0);
    for (int x = cell.left(); x <= cell.right(); ++x)
      for (int y = cell.top(); y <= cell.bottom(); ++y)
        if (image.pixel(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(has(2, qRgb(0xD0, 0, 0)));
  EXPECT_FALSE(has(2, qRgb(0, 0, 0)));
  EXPECT_TRUE(has(1, qRgb(0, 0, 0)));
  EXPECT_FALSE(has(1, qRgb(0xD0, 0, 0)));
  // Neither in tmValdIkon, where a chosen row is marked by its figure.
  tab_.setTabmode(TVXtabmode::tmValdIkon);
  const QImage marked = Grab();
  EXPECT_NE(marked.pixel(tab_.CellRect(2, 0).center()), qRgb(0xD0, 0, 0));
}

TEST_F(TLMtabTest, ValdIkonDrawsTheFigureAtTheLeftEdgeOfAChosenRow) {
  test::TestPictureBase pictures({test::MakePicture("bock", test::Filled(6, 6, Qt::green))});
  TVXfigurer figurer(&pictures.base(), 4);
  tab_.setFigurer(&figurer);
  tab_.setValdfigur("bock");
  tab_.setTabmode(TVXtabmode::tmValdIkon);
  tab_.setCellText([](int, int) -> std::string { return ""; });
  tab_.setCellAttribute([](int row, int) -> uint32_t { return row == 3 ? 0x0100'0000 : 0; });
  const QImage image = Grab();
  const QRect chosen = tab_.CellRect(2, 0);
  EXPECT_EQ(image.pixel(chosen.left(), chosen.top() + 7), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(chosen.left() + 5, chosen.top() + 12), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(chosen.left(), chosen.top() + 6), kWhite) << "centred vertically";
  EXPECT_EQ(image.pixel(tab_.CellRect(1, 0).left(), chosen.top() - 10), kWhite);
}

TEST(TLMtab, TileFollowsThePositionInTheParent) {
  test::TestPictureBase pictures({test::MakePicture("flikbak", test::Gradient(200, 100))});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  QWidget parent;
  parent.resize(200, 100);
  TLMtab tab(&parent);
  tab.setGeometry(30, 20, 60, 40);
  tab.setTiler(&tiler);
  tab.setTilekod("flikbak");
  tab.setParenttiler(true);
  tab.setEnabled(false);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  // Aligned to the screen, the tile would start 7, 9 pixels further on.
  tiler.SetOrigin(parent.mapToGlobal(QPoint(-7, -9)));
  const QImage image = tab.grab().toImage();
  EXPECT_EQ(image.pixel(2, 2), qRgb(32, 22, 0));
  EXPECT_EQ(image.pixel(50, 30), qRgb(80, 50, 0));
}

TEST_F(TLMtabTest, ClickSelectsTheRowUnderTheMouseBelowTheTopRow) {
  QSignalSpy tops(&tab_, &TLMtab::TopLeftChanged);
  QSignalSpy selected(&tab_, &TLMtab::SelectCell);
  tab_.setTopRow(10);
  ASSERT_EQ(tops.count(), 1);
  EXPECT_EQ(tops.at(0).at(0).toInt(), 10);
  QTest::mouseClick(&tab_, Qt::LeftButton, {}, QPoint(150, 2 + 2 * 20 + 5));
  ASSERT_EQ(selected.count(), 1);
  EXPECT_EQ(selected.at(0).at(0).toInt(), 12);
  EXPECT_EQ(selected.at(0).at(1).toInt(), 1);
  EXPECT_EQ(tab_.currentRow(), 12);
  // Right of the columns is no cell.
  QTest::mouseClick(&tab_, Qt::LeftButton, {}, QPoint(235, 50));
  EXPECT_EQ(selected.count(), 1);
  // The top row stops where the last row is at the bottom.
  tab_.setTopRow(99);
  EXPECT_EQ(tab_.topRow(), 44);
}

TEST_F(TLMtabTest, NoSelectionWithoutRows) {
  tab_.setRowCount(0);
  QSignalSpy selected(&tab_, &TLMtab::SelectCell);
  QTest::mouseClick(&tab_, Qt::LeftButton, {}, Centre(0, 0));
  QTest::keyClick(&tab_, Qt::Key_Down);
  QTest::keyClick(&tab_, Qt::Key_End);
  EXPECT_EQ(selected.count(), 0);
  EXPECT_FALSE(tab_.setCurrentRow(0));
}

TEST_F(TLMtabTest, DragRaisesValdOncePerNewCell) {
  tab_.setTabvaelj(TVXtabvaelj::tvHdrag);
  QSignalSpy vald(&tab_, &TLMtab::Vald);
  QTest::mousePress(&tab_, Qt::LeftButton, {}, Centre(1, 0));
  EXPECT_EQ(tab_.DragAnchorRow(), 1);
  QTest::mouseMove(&tab_, Centre(1, 0) + QPoint(5, 3));
  QTest::mouseMove(&tab_, Centre(2, 0));
  QTest::mouseMove(&tab_, Centre(2, 1));
  QTest::mouseMove(&tab_, Centre(2, 1) + QPoint(1, 1));
  QTest::mouseRelease(&tab_, Qt::LeftButton, {}, Centre(2, 1));
  EXPECT_EQ(tab_.currentRow(), 2) << "the current row follows the held button";
  QTest::mouseMove(&tab_, Centre(4, 0));
  ASSERT_EQ(vald.count(), 3);
  EXPECT_EQ(vald.at(0), (QList<QVariant>{1, 0}));
  EXPECT_EQ(vald.at(1), (QList<QVariant>{2, 0}));
  EXPECT_EQ(vald.at(2), (QList<QVariant>{2, 1}));
  EXPECT_EQ(tab_.DragAnchorRow(), -1);
  // Without tvHdrag a drag raises nothing.
  tab_.setTabvaelj(TVXtabvaelj::tvOff);
  QTest::mousePress(&tab_, Qt::LeftButton, {}, Centre(1, 0));
  QTest::mouseMove(&tab_, Centre(3, 0));
  QTest::mouseRelease(&tab_, Qt::LeftButton, {}, Centre(3, 0));
  EXPECT_EQ(vald.count(), 3);
}

TEST_F(TLMtabTest, RightButtonDragLeavesTheCurrentRow) {
  tab_.setTabvaelj(TVXtabvaelj::tvHdrag);
  tab_.setDragButton(Qt::RightButton);
  QSignalSpy vald(&tab_, &TLMtab::Vald);
  QSignalSpy selected(&tab_, &TLMtab::SelectCell);
  QTest::mousePress(&tab_, Qt::RightButton, {}, Centre(3, 0));
  QTest::mouseMove(&tab_, Centre(4, 0));
  QTest::mouseRelease(&tab_, Qt::RightButton, {}, Centre(4, 0));
  EXPECT_EQ(vald.count(), 2);
  EXPECT_EQ(selected.count(), 0);
  EXPECT_EQ(tab_.currentRow(), 0);
  QTest::mouseClick(&tab_, Qt::LeftButton, {}, Centre(1, 0));
  EXPECT_EQ(vald.count(), 2) << "the left button only selects";
}

TEST_F(TLMtabTest, KeysMoveTheCurrentRowAndKeepItInView) {
  QSignalSpy selected(&tab_, &TLMtab::SelectCell);
  QSignalSpy tops(&tab_, &TLMtab::TopLeftChanged);
  QTest::keyClick(&tab_, Qt::Key_Up);
  EXPECT_EQ(selected.count(), 0) << "already at the first row";
  for (const auto& [key, current, top] : {std::tuple{Qt::Key_Down, 1, 0},
                                          {Qt::Key_PageDown, 7, 2},
                                          {Qt::Key_End, 49, 44},
                                          {Qt::Key_PageUp, 43, 43},
                                          {Qt::Key_Home, 0, 0}}) {
    QTest::keyClick(&tab_, key);
    EXPECT_EQ(tab_.currentRow(), current) << key;
    EXPECT_EQ(tab_.topRow(), top) << key;
  }
  EXPECT_EQ(selected.count(), 5);
  EXPECT_EQ(selected.last().at(0).toInt(), 0);
  EXPECT_EQ(tops.count(), 4);
  EXPECT_EQ(tops.last().at(0).toInt(), 0);
}

TEST_F(TLMtabTest, WheelScrollsOrIsHandedToTheWindow) {
  QSignalSpy wheel(&tab_, &TLMtab::MouseWheel);
  SendWheel(-120);
  EXPECT_EQ(tab_.topRow(), QApplication::wheelScrollLines());
  EXPECT_EQ(wheel.count(), 0);
  tab_.setMushjul(false);
  SendWheel(-240);
  EXPECT_EQ(tab_.topRow(), QApplication::wheelScrollLines());
  ASSERT_EQ(wheel.count(), 1);
  EXPECT_EQ(wheel.at(0).at(0).toInt(), -240);
}

}  // namespace
}  // namespace vx
