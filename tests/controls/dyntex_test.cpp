// The coded-text display and its printing companion, on the offscreen
// platform: colours on the tile, selection by dragging, copying, links,
// drags, re-wrapping, and printing to a PDF and an image.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>

#include "controls/accessibility.h"
#include "controls/picture_caches.h"
#include "controls/qt_text_measurer.h"
#include "controls/tvx_dyntex.h"
#include "controls/tvx_panel.h"
#include "controls/tvx_printtex.h"
#include "records/record_text.h"
#include "tests/controls/test_pictures.h"
#include "tests/support/record_text_test_util.h"

namespace vx {
namespace {

using test::Filled;
using test::Gradient;
using test::LinkPoint;
using test::MakePicture;
using test::TestPictureBase;

const QColor kPaper(244, 238, 220);

// The birth that the record tests show and print.
std::string BirthText() {
  return ComposeBirthText(testing::MakeRecord<Tenfodd>(
                              "FORSKX=Tuna|FODAT=17530403|FNAMN=Anna|ENAMN=Andersdotter|"
                              "FARFNAMN=Per|FARENAMN=Larsson|MORFNAMN=Maria|MORENAMN=Jönsdotter|"
                              "KAELLA=Tuna C:2"),
                          true);
}

constexpr char kHelp[] =
    "[4][b 4]S\xF6ka f\xF6"
    "dda[2][b 1]\r[L 2]\r"
    "Hur s\xF6korden skrivs st\xE5r i [M HJ005]S\xF6kspr\xE5ket[\\M].\r"
    "[T 16 60]Enter\tS\xF6ker.\rF4\tVisar ordlistan.\r[\\T]\r"
    "[X]Tips:[\\X] se [M]b\xF6rjan[\\M].\r";

constexpr char kRecord[] =
    "[5][f]Larsson, Per[\\f]\rF\xF6"
    "dd 3/4 1753 i Berga\r\r[b 3]Far[b 1]\rLarsson, Nils\r";

// A shown display of `size` at (10, 10) in a window, on a plain tile.
class Display {
 public:
  explicit Display(QSize size) : pictures_({MakePicture("papper", Filled(600, 600, kPaper))}) {
    window.setGeometry(100, 60, size.width() + 20, size.height() + 20);
    text.setParent(&window);
    text.setGeometry(QRect(QPoint(10, 10), size));
    text.setTiler(&tiler_);
    text.setTilekod("papper");
    window.show();
    shown = QTest::qWaitForWindowExposed(&window);
  }
  QImage Grab() { return text.grab().toImage(); }
  // Shows `coded` (selectable or not) once painted; false if the window is
  // not shown.
  bool Show(const std::string& coded, bool selectable = false) {
    text.SetSelectionEnabled(selectable);
    text.SetText(coded);
    Grab();
    return shown;
  }
  QWidget window;
  TVXdyntex text;
  bool shown = false;

 private:
  TestPictureBase pictures_;
  TVXtiler tiler_{&pictures_.base(), 4, TileMode::tmTile};
};

// Whether some pixel of `image` is within `tolerance` of `colour`.
bool HasColour(const QImage& image, QColor colour, int tolerance = 0) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::max({std::abs(c.red() - colour.red()), std::abs(c.green() - colour.green()),
                    std::abs(c.blue() - colour.blue())}) <= tolerance)
        return true;
    }
  }
  return false;
}

// A point inside character `offset` of the first `word`: a quarter into
// it, or three quarters (past its middle) when `far_side`.
QPoint InsideChar(const TVXdyntex& display, const std::string& word, size_t offset, bool far_side) {
  static const QtTextMeasurer measurer;
  for (const CodedRun& run : display.Kodtxt().Runs()) {
    const size_t at = run.text.find(word);
    if (run.rule != 0 || at == std::string::npos) continue;
    const int start = measurer.Width(run.font, run.text.substr(0, at + offset));
    const int width = measurer.Width(run.font, run.text.substr(0, at + offset + 1)) - start;
    const int x = run.left + start + std::max(1, (far_side ? width * 3 : width) / 4);
    return QPoint(x, run.top - display.ViewOffset() + 3);
  }
  ADD_FAILURE() << "no run holds " << word;
  return QPoint();
}

void Drag(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, {}, from);
  QTest::mouseMove(widget, to);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

TEST(TVXdyntex, RecordsAndHelpTextsShowTheirColoursOnTheTile) {
  Display display(QSize(400, 260));
  ASSERT_TRUE(display.Show(BirthText()));
  QImage image = display.Grab();
  EXPECT_EQ(image.pixelColor(398, 258), kPaper);
  EXPECT_TRUE(HasColour(image, QColor(128, 0, 0), 24)) << "the dark red headings";
  EXPECT_TRUE(HasColour(image, Qt::black, 24));
  EXPECT_FALSE(HasColour(image, QColor(224, 0, 0), 24)) << "no links in a record";
  EXPECT_TRUE(display.text.HasBuffer());
  display.text.FreeBuffer();
  EXPECT_FALSE(display.text.HasBuffer());
  display.text.SetText(kHelp);
  image = display.Grab();
  EXPECT_TRUE(HasColour(image, QColor(224, 0, 0), 24)) << "a link";
  EXPECT_TRUE(HasColour(image, QColor(0, 64, 128), 24)) << "the link without target";
  EXPECT_TRUE(HasColour(image, QColor(162, 198, 155))) << "the highlight";
  EXPECT_TRUE(HasColour(image, QColor(0, 0, 128), 8)) << "the navy heading";
  EXPECT_EQ(image.pixelColor(398, 258), kPaper);
}

// A display with parenttiler shows the tile as its parent does at its
// place: a plain window's (and the box around it) or a panel's, whose
// tile starts at its own origin.
TEST(TVXdyntex, ParentTilerContinuesTheParentsTile) {
  TestPictureBase pictures({MakePicture("bg", Gradient(100, 100))});
  TVXtiler tiler(&pictures.base(), 4, TileMode::tmHel);
  QWidget window;
  TVXpanel panel;
  panel.setTiler(&tiler);
  panel.setTilekod("bg");
  panel.setBackgroundOrigin(QPoint(30, 10));
  TVXdyntex text(&window), in_panel(&panel);
  for (TVXdyntex* t : {&text, &in_panel}) {
    t->setGeometry(7, 5, 40, 30);
    t->setTiler(&tiler);
    t->setTilekod("bg");
    t->setParenttiler(true);
  }
  text.setVisaruta(true);
  for (QWidget* parent : {&window, static_cast<QWidget*>(&panel)}) {
    parent->setGeometry(100, 60, 60, 40);
    parent->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(parent));
  }
  const QImage image = text.grab().toImage();
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0)) << "the box";
  EXPECT_EQ(image.pixel(39, 29), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(1, 1), qRgb(8, 6, 0));
  EXPECT_EQ(image.pixel(20, 10), qRgb(27, 15, 0));
  EXPECT_EQ(in_panel.grab().toImage().pixel(1, 2), qRgb(38, 17, 0));
}

// A selection is offered for copying by the context menu and copied by
// Ctrl+C and Ctrl+Insert; a new text clears it.
TEST(TVXdyntex, ASelectionIsCopiedByMenuAndKeysAndANewTextClearsIt) {
  Display display(QSize(400, 200));
  ASSERT_TRUE(display.Show(kRecord, true));
  const QPoint corner(5, 5);
  QContextMenuEvent before(QContextMenuEvent::Mouse, corner, display.text.mapToGlobal(corner));
  QApplication::sendEvent(&display.text, &before);
  EXPECT_FALSE(before.isAccepted());
  QTest::mouseClick(&display.text, Qt::LeftButton, {}, InsideChar(display.text, "Berga", 0, false));
  EXPECT_EQ(display.text.CopyMenu(), nullptr) << "a press alone selects nothing";
  Drag(&display.text, InsideChar(display.text, "Berga", 0, false),
       InsideChar(display.text, "Nils", 0, false));
  EXPECT_TRUE(HasColour(display.Grab(), QColor(0, 0, 128))) << "selected text on navy";
  const QString selected = "Berga\r\n\r\nFar\r\nLarsson, ";
  QGuiApplication::clipboard()->clear();
  ASSERT_NE(display.text.CopyMenu(), nullptr);
  ASSERT_EQ(display.text.CopyMenu()->actions().size(), 1);
  QAction* copy = display.text.CopyMenu()->actions().front();
  EXPECT_EQ(copy->text(), "K&opiera");
  copy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), selected);
  for (const Qt::Key key : {Qt::Key_C, Qt::Key_Insert}) {
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&display.text, key, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), selected) << key;
  }
  QContextMenuEvent after(QContextMenuEvent::Mouse, corner, display.text.mapToGlobal(corner));
  QApplication::sendEvent(&display.text, &after);
  EXPECT_TRUE(display.text.CopyMenu()->isVisible());
  display.text.CopyMenu()->hide();

  display.text.SetText(kHelp);
  EXPECT_FALSE(display.text.Kodtxt().HasSelection());
  EXPECT_EQ(display.text.CopyMenu(), nullptr);
}

// The anchor character is always selected and the one under the mouse
// never, wherever in them the press and the mouse fall, in both
// directions ("Larsson, Per / Född 3/4 1753 i Berga / / Far / Larsson, Nils").
TEST(TVXdyntex, ADragSelectsTheAnchorCharacterAndNeverTheOneUnderTheMouse) {
  const struct {
    const char* from;
    size_t from_offset;
    bool from_far;
    const char* to;
    size_t to_offset;
    bool to_far;
    const char* selected;
  } kDrags[] = {
      {"Berga", 0, false, "Nils", 0, false, "Berga\r\n\r\nFar\r\nLarsson, "},
      {"Berga", 0, true, "Nils", 0, true, "Berga\r\n\r\nFar\r\nLarsson, "},
      {"Berga", 0, true, "Berga", 3, true, "Ber"},
      {"Far", 1, false, "Berga", 2, false, "ga\r\n\r\nFa"},
      {"Far", 1, true, "Berga", 2, true, "ga\r\n\r\nFa"},
      {"Berga", 3, false, "Berga", 0, true, "erg"},
  };
  Display display(QSize(400, 200));
  ASSERT_TRUE(display.Show(kRecord, true));
  for (const auto& d : kDrags) {
    Drag(&display.text, InsideChar(display.text, d.from, d.from_offset, d.from_far),
         InsideChar(display.text, d.to, d.to_offset, d.to_far));
    EXPECT_EQ(display.text.Kodtxt().SelectedPlainText(), d.selected)
        << d.from << "[" << d.from_offset << "] to " << d.to << "[" << d.to_offset << "]";
  }
}

// Bold, italic and underline inside a link leave its look as it is, and
// the whole link answers a click.
TEST(TVXdyntex, StyleTagsInsideALinkKeepTheLinksLook) {
  Display plain(QSize(300, 40)), styled(QSize(300, 40));
  ASSERT_TRUE(plain.Show("Se [M HJ005]S\xF6kspr\xE5ket[\\M] nu."));
  ASSERT_TRUE(styled.Show("Se [M HJ005]S\xF6k[f][k][u]spr\xE5ket[\\u][\\k][\\f][\\M] nu."));
  EXPECT_EQ(styled.Grab(), plain.Grab());
  QTest::mouseClick(&styled.text, Qt::LeftButton, {}, InsideChar(styled.text, "ket", 1, false));
  EXPECT_EQ(styled.text.LinkTarget(), "HJ005");
}

TEST(TVXdyntex, SelectingPastTheBottomScrollsTheView) {
  Display display(QSize(300, 60));
  std::string text;
  for (int i = 1; i <= 12; ++i)
    text += "Rad " + std::to_string(i) + "\r";
  ASSERT_TRUE(display.Show(text, true));
  display.text.SetFirstLine(1);
  display.Grab();
  QSignalSpy scrolled(&display.text, &TVXdyntex::NyPosition);
  QTest::mousePress(&display.text, Qt::LeftButton, {}, InsideChar(display.text, "Rad 1", 0, false));
  QTest::mouseMove(&display.text, QPoint(100, 80));
  QTest::mouseMove(&display.text, QPoint(100, 80));
  QTest::mouseRelease(&display.text, Qt::LeftButton, {}, QPoint(100, 80));
  EXPECT_EQ(scrolled.count(), 2);
  EXPECT_GT(display.text.ViewOffset(), 0);
  const std::string selected = display.text.Kodtxt().SelectedPlainText();
  EXPECT_EQ(selected.rfind("Rad 1\r\nRad 2\r\n", 0), 0u) << selected;
}

TEST(TVXdyntex, ALinkShowsTheLinkCursorAndAClickGivesItsTarget) {
  Display display(QSize(400, 260));
  ASSERT_TRUE(display.Show(kHelp));
  const QPoint link = LinkPoint(display.text, "HJ005"), beside(390, 250);
  for (const auto& [at, cursor] :
       {std::pair{link, Qt::PointingHandCursor}, std::pair{beside, Qt::ArrowCursor}}) {
    QMouseEvent over(QEvent::MouseMove, at, display.text.mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&display.text, &over);
    EXPECT_EQ(display.text.cursor().shape(), cursor);
  }
  QSignalSpy clicks(&display.text, &TVXdyntex::Click);
  QTest::mouseClick(&display.text, Qt::LeftButton, {}, link);
  EXPECT_EQ(display.text.LinkTarget(), "HJ005");
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(&display.text, Qt::LeftButton, {}, LinkPoint(display.text, ""));
  EXPECT_EQ(display.text.LinkTarget(), "");
  QTest::mouseClick(&display.text, Qt::LeftButton, {}, link);
  QTest::mouseClick(&display.text, Qt::LeftButton, {}, beside);
  EXPECT_EQ(display.text.LinkTarget(), "") << "a press beside the links";
  EXPECT_EQ(clicks.count(), 4);
}

TEST(TVXdyntex, DragReportsVerticalMovesSinceTheLastReport) {
  Display display(QSize(400, 260));
  display.text.setDragenable(true);
  ASSERT_TRUE(display.Show(kHelp));
  QSignalSpy drags(&display.text, &TVXdyntex::NyDrag);
  QTest::mousePress(&display.text, Qt::LeftButton, {}, QPoint(300, 200));
  EXPECT_EQ(display.text.cursor().shape(), Qt::ClosedHandCursor);
  QTest::mouseMove(&display.text, QPoint(302, 212));
  QTest::mouseMove(&display.text, QPoint(310, 212));
  QTest::mouseMove(&display.text, QPoint(310, 205));
  QTest::mouseRelease(&display.text, Qt::LeftButton, {}, QPoint(310, 205));
  EXPECT_EQ(display.text.cursor().shape(), Qt::ArrowCursor);
  ASSERT_EQ(drags.count(), 2);
  EXPECT_EQ(drags.at(0).at(0).toInt(), 12);
  EXPECT_EQ(drags.at(1).at(0).toInt(), -7);

  QTest::mousePress(&display.text, Qt::LeftButton, {}, LinkPoint(display.text, "HJ005"));
  QTest::mouseMove(&display.text, LinkPoint(display.text, "HJ005") + QPoint(0, 9));
  QTest::mouseRelease(&display.text, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(drags.count(), 2) << "a press on a link does not drag";
}

// A narrower display wraps into more lines; screen readers read the text
// without its codes.
TEST(TVXdyntex, NarrowerDisplayWrapsIntoMoreLinesAndScreenReadersSeeNoCodes) {
  InstallAccessibility();
  Display display(QSize(400, 200));
  std::string text;
  for (int i = 0; i < 12; ++i)
    text += "Kyrkboken f\xF6rdes av kyrkoherden i socknen. ";
  ASSERT_TRUE(display.Show(text));
  const int wide = display.text.TotalHeight();
  display.text.resize(200, 200);
  const int narrow = display.text.TotalHeight();
  EXPECT_GT(narrow, wide * 3 / 2);
  display.text.Relayout();
  EXPECT_EQ(display.text.TotalHeight(), narrow);
  display.text.SetText(kRecord);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&display.text);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::StaticText);
  EXPECT_TRUE(accessible->text(QAccessible::Value).startsWith("Larsson, Per\nF\u00f6dd"));
}

// Printing.

TEST(TVXprinttex, RendersAtTheRectangleInsideTheMargin) {
  QImage page(400, 300, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter painter(&page);
  TVXprinttex print;
  print.SetMargin(10);
  print.SetText(painter, QRect(50, 40, 300, 200), "[4][b 3]\x97\x97\x97\x97[b 1]\rTuna\r");
  print.Render(painter);
  painter.end();
  const CodedRun& first = print.Kodtxt().Runs().front();
  EXPECT_EQ(first.left, 0);
  const int x = 60 + (first.left + first.right) / 2;
  const int y = 50 + (first.top + first.bottom) / 2;
  QImage strip = page.copy(x - 5, 50, 10, y - 50 + 10);
  EXPECT_TRUE(HasColour(strip, QColor(128, 0, 0), 16)) << "the dash in dark red";
  EXPECT_EQ(page.pixelColor(55, 45), Qt::white) << "the margin stays empty";
  EXPECT_FALSE(HasColour(page.copy(0, 0, 59, 300), QColor(128, 0, 0), 40));
}

TEST(TVXprinttex, MeasuresWithTheDevicesResolution) {
  QImage screen(600, 400, QImage::Format_RGB32);
  QPainter screen_painter(&screen);
  TVXprinttex on_screen;
  const std::string text = BirthText();
  on_screen.SetText(screen_painter, QRect(0, 0, 600, 400), text);
  screen_painter.end();

  QTemporaryDir dir;
  const QString path = dir.filePath("post.pdf");
  {
    QPdfWriter pdf(path);
    pdf.setResolution(300);
    QPainter painter(&pdf);
    TVXprinttex print;
    print.SetText(painter, QRect(0, 0, 600 * 300 / 96, 400 * 300 / 96), text);
    print.Render(painter);
    const double ratio = double(print.TotalHeight()) / on_screen.TotalHeight();
    EXPECT_NEAR(ratio, 300.0 / 96, 0.35);
  }
  EXPECT_GT(QFileInfo(path).size(), 1000);
}

}  // namespace
}  // namespace vx
