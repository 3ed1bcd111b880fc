#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <utility>

#include "controls/bitmap_button.h"
#include "controls/picture_caches.h"
#include "controls/tnr_knapp.h"
#include "controls/tvx_knapp.h"
#include "tests/controls/fake_repeat_timer.h"
#include "tests/controls/test_pictures.h"

namespace vx {
namespace {

using test::Filled;
using test::MakePicture;
using test::TestPictureBase;

// Records the events of buttons in one list, each prefixed by its button's
// name when it has one.
class EventLog {
 public:
  EventLog() = default;
  explicit EventLog(ButtonBase& button) { Watch(button); }
  EventLog(std::initializer_list<std::pair<ButtonBase*, const char*>> named) {
    for (const auto& [button, name] : named)
      Watch(*button, name);
  }
  void Watch(ButtonBase& button, const QString& name = {}) {
    const QString prefix = name.isEmpty() ? QString() : name + ".";
    auto note = [this, prefix](const char* event) {
      return [this, prefix, event] { events << prefix + QLatin1String(event); };
    };
    QObject::connect(&button, &ButtonBase::Click, note("Click"));
    QObject::connect(&button, &ButtonBase::Tryckt, note("Tryckt"));
    QObject::connect(&button, &ButtonBase::Down, note("Down"));
    QObject::connect(&button, &ButtonBase::Up, note("Up"));
    QObject::connect(&button, &ButtonBase::Focus, note("Focus"));
    QObject::connect(&button, &ButtonBase::MOuseDown, note("MOuseDown"));
    QObject::connect(&button, &ButtonBase::MOuseUp, note("MOuseUp"));
    if (auto* nr = qobject_cast<Tnrknapp*>(&button))
      QObject::connect(nr, &Tnrknapp::EjFocus, note("EjFocus"));
  }
  // The events so far, forgetting them.
  QStringList Take() { return std::exchange(events, {}); }

  QStringList events;
};

// A shown window holding the buttons under test.
class Window {
 public:
  Window() { widget.resize(300, 100); }
  bool Show() {
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
  }
  bool Activate() {
    widget.activateWindow();
    return QTest::qWaitForWindowActive(&widget);
  }
  QWidget widget;
};

const QPoint kInside(10, 10);

void ClickAt(QWidget& button, QPoint at = kInside) {
  QTest::mouseClick(&button, Qt::LeftButton, {}, at);
}

QRgb PixelOf(QWidget& button, QPoint at) {
  return button.grab().toImage().pixel(at);
}

void SendEnter(QWidget& button) {
  QEnterEvent enter(kInside, kInside, button.mapToGlobal(kInside));
  QCoreApplication::sendEvent(&button, &enter);
}

void SendLeave(QWidget& button) {
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&button, &leave);
}

// The print dialog's row: "Tabell" and "Alla uppgifter" coupled by Tag 1;
// "Datum", coupled too but by another Tag, must not be touched.
// A second press of the down "Tabell" changes nothing, but a click is a
// click: Click still comes, from the mouse and from Space.
TEST(TVXknapp, CoupledRadioButtonReleasesItsPartnerByMouseOrProgramAndASecondPressOnlyClicks) {
  Window window;
  TVXknapp tabell(&window.widget), alla(&window.widget), datum(&window.widget),
      loose(&window.widget);
  int x = 0;
  for (TVXknapp* b : {&tabell, &alla, &datum}) {
    b->setGeometry(x, 0, 90, 24);
    x += 100;
    b->setRadio(true);
    b->setKopplatag(true);
    b->setTag(1);
  }
  tabell.setButtext("Tabell");
  alla.setButtext("Alla\ruppgifter");
  datum.setTag(2);
  loose.setGeometry(0, 40, 90, 24);
  loose.setTag(1);  // the same Tag, but not coupled
  for (TVXknapp* b : {&alla, &datum, &loose})
    b->setDown(true);
  ASSERT_TRUE(window.Show());
  EventLog log({{&tabell, "tabell"}, {&alla, "alla"}, {&datum, "datum"}, {&loose, "loose"}});

  ClickAt(tabell);
  EXPECT_EQ(log.Take(), (QStringList{"tabell.MOuseDown", "alla.Up", "tabell.Tryckt", "tabell.Down",
                                     "tabell.Click", "tabell.MOuseUp"}));
  EXPECT_TRUE(tabell.down());
  EXPECT_FALSE(alla.down());
  EXPECT_TRUE(datum.down());

  ClickAt(tabell);
  tabell.Activate();
  EXPECT_EQ(log.Take(),
            (QStringList{"tabell.MOuseDown", "tabell.Click", "tabell.MOuseUp", "tabell.Click"}));
  EXPECT_TRUE(tabell.down());
  EXPECT_FALSE(alla.down());
  EXPECT_EQ(alla.accessibleName(), "Alla uppgifter");
  EXPECT_STREQ(alla.metaObject()->className(), "vx::TVXknapp");

  // Set down by the program, a button releases its partner first, once.
  alla.setDown(true);
  EXPECT_EQ(log.Take(), (QStringList{"tabell.Up", "alla.Down"}));
  alla.setDown(true);
  EXPECT_TRUE(log.Take().isEmpty());
  alla.setDown(false);
  EXPECT_EQ(log.Take(), QStringList{"alla.Up"});
  EXPECT_TRUE(datum.down() && loose.down());
}

// A plain button released outside still raises Tryckt, once, without
// Click; a staydown button toggles between Down and Up.
TEST(TVXknapp, PlainButtonReleasedOutsideStillRaisesTrycktOnceAndStaydownToggles) {
  Window window;
  TVXknapp button(&window.widget), staydown(&window.widget);
  button.setGeometry(50, 20, 60, 24);
  staydown.setGeometry(150, 20, 60, 24);
  staydown.setStaydown(true);
  ASSERT_TRUE(window.Show());
  EventLog log(button), toggles(staydown);

  QTest::mousePress(&button, Qt::LeftButton, {}, kInside);
  EXPECT_TRUE(button.down());
  EXPECT_EQ(log.Take(), QStringList{"MOuseDown"});
  QTest::mouseMove(&button, QPoint(-30, 80));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(-30, 80));
  EXPECT_FALSE(button.down());
  EXPECT_EQ(log.Take(), (QStringList{"Tryckt", "MOuseUp"}));  // no Click outside
  ClickAt(button);
  EXPECT_EQ(log.Take(), (QStringList{"MOuseDown", "Click", "Tryckt", "MOuseUp"}));

  ClickAt(staydown);
  EXPECT_TRUE(staydown.down());
  EXPECT_EQ(toggles.Take(), (QStringList{"MOuseDown", "Tryckt", "Down", "Click", "MOuseUp"}));
  ClickAt(staydown);
  EXPECT_FALSE(staydown.down());
  EXPECT_EQ(toggles.Take(), (QStringList{"MOuseDown", "Tryckt", "Up", "Click", "MOuseUp"}));
}

TEST(TVXknapp, DisabledButtonIsWashedOutAndIgnoresTheMouse) {
  Window window;
  TVXknapp button(&window.widget);
  button.setGeometry(0, 0, 40, 24);
  const QRgb fill = qRgb(40, 120, 201);
  button.setColor(QColor::fromRgb(fill));
  button.setStaydown(true);
  ASSERT_TRUE(window.Show());
  EXPECT_EQ(PixelOf(button, kInside), fill);

  button.setEnabled(false);
  EventLog log(button);
  ClickAt(button);
  ClickAt(button, QPoint(30, 20));
  EXPECT_TRUE(log.events.isEmpty());
  EXPECT_FALSE(button.down());
  // (p x 100 + 240 x 155) / 256 per channel: 160, 192, 223.
  EXPECT_EQ(PixelOf(button, kInside), qRgb(160, 192, 223));
}

TEST(TVXknapp, TransparentButtonShowsTheParentWashedWhenDisabled) {
  Window window;
  const QRgb tile = qRgb(0, 160, 80);
  window.widget.setAutoFillBackground(true);
  window.widget.setPalette(QPalette(QColor::fromRgb(tile)));
  TVXknapp button(&window.widget);
  button.setGeometry(0, 0, 40, 24);
  button.setKnapptyp(TVXknapp::kntText);
  ASSERT_TRUE(window.Show());
  EXPECT_EQ(window.widget.grab().toImage().pixel(kInside), tile);
  button.setEnabled(false);
  // Composited rather than computed: within a unit or two of
  // (p x 100 + 240 x 155) / 256 per channel.
  const QRgb washed = window.widget.grab().toImage().pixel(kInside);
  EXPECT_NEAR(qRed(washed), 145, 2);
  EXPECT_NEAR(qGreen(washed), 207, 2);
  EXPECT_NEAR(qBlue(washed), 176, 2);
}

TEST(TVXknapp, BlendlevelBlendsTheFillWithBlendcolor) {
  TVXknapp button;
  button.resize(30, 20);
  button.setColor(QColor(200, 100, 0));
  button.setBlendcolor(QColor(0, 0, 255));
  button.setBlendlevel(64);
  EXPECT_EQ(PixelOf(button, kInside), qRgb(50, 25, 190));  // (p x 64 + c x 191) / 256
}

TEST(TVXknapp, DownSinksTheEdgeAndMovesTheTextOnePixel) {
  TVXknapp button;
  button.resize(60, 30);
  button.setButtext("Sök");
  button.setStaydown(true);
  const QImage up = button.grab().toImage();
  button.setDown(true);
  const QImage down = button.grab().toImage();
  EXPECT_EQ(up.pixel(0, 0), kButtonHighlight);
  EXPECT_EQ(up.pixel(59, 29), kButtonShadow);
  EXPECT_EQ(up.pixel(30, 29), kButtonShadow);
  EXPECT_EQ(up.pixel(30, 0), kButtonHighlight);
  EXPECT_EQ(down.pixel(0, 0), kButtonShadow);
  EXPECT_EQ(down.pixel(59, 29), kButtonHighlight);
  int ink = 0;
  for (int y = 2; y < 27; ++y) {
    for (int x = 2; x < 57; ++x) {
      ASSERT_EQ(down.pixel(x + 1, y + 1), up.pixel(x, y)) << x << "," << y;
      ink += up.pixel(x, y) != kButtonPaper;
    }
  }
  EXPECT_GT(ink, 10);  // the text was drawn at all
}

TEST(TVXknapp, PictureButtonShowsItsSecondPictureWhenHoveredOrDown) {
  TestPictureBase pictures(
      {MakePicture("ett", Filled(8, 8, Qt::red)), MakePicture("tva", Filled(8, 8, Qt::blue))});
  ASSERT_TRUE(pictures.written());
  TVXfigurer figures(&pictures.base(), 4);
  TVXknapp button;
  button.resize(8, 8);
  button.setKnapptyp(TVXknapp::kntBilder);
  button.setTransp(true);
  button.setFigurer(&figures);
  button.setFigur1("ett");
  button.setFigur2("tva");
  button.setFocusmode(true);
  EventLog log(button);
  EXPECT_EQ(PixelOf(button, QPoint(0, 0)), qRgb(255, 0, 0));
  SendEnter(button);
  EXPECT_EQ(log.Take(), QStringList{"Focus"});
  EXPECT_EQ(PixelOf(button, QPoint(0, 0)), qRgb(0, 0, 255));
  SendLeave(button);
  EXPECT_EQ(PixelOf(button, QPoint(0, 0)), qRgb(255, 0, 0));
  button.setDown(true);
  EXPECT_EQ(PixelOf(button, QPoint(7, 7)), qRgb(0, 0, 255));
}

TEST(TVXknapp, ShortcutActsAsAClickAndShowsInTheHint) {
  Window window;
  TVXknapp print(&window.widget), toggle(&window.widget);
  print.setGeometry(0, 0, 60, 24);
  toggle.setGeometry(100, 0, 60, 24);
  print.setHint("Skriv ut personen");
  print.SetShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  toggle.setStaydown(true);
  toggle.SetShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
  EXPECT_EQ(print.toolTip(), "Skriv ut personen (Ctrl+Skift+P)");
  EXPECT_EQ(print.accessibleName(), "Skriv ut personen");
  ASSERT_TRUE(window.Show());
  ASSERT_TRUE(window.Activate());
  EventLog log({{&print, "print"}, {&toggle, "toggle"}});

  QTest::keyClick(&window.widget, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(log.Take(), (QStringList{"print.Click", "print.Tryckt"}));
  EXPECT_FALSE(print.down());
  QTest::keyClick(&window.widget, Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(log.Take(), (QStringList{"toggle.Tryckt", "toggle.Down", "toggle.Click"}));
  EXPECT_TRUE(toggle.down());
  toggle.setEnabled(false);
  QTest::keyClick(&window.widget, Qt::Key_1, Qt::ControlModifier);
  EXPECT_TRUE(log.Take().isEmpty());
}

TEST(TVXknapp, TabReachesTheButtonAndSpacePressesIt) {
  Window window;
  TVXknapp first(&window.widget), second(&window.widget);
  first.setGeometry(0, 0, 60, 24);
  second.setGeometry(100, 0, 60, 24);
  ASSERT_TRUE(window.Show());
  ASSERT_TRUE(window.Activate());
  first.setFocus();
  QTest::keyClick(&first, Qt::Key_Tab);
  EXPECT_TRUE(second.hasFocus());
  EventLog log({{&second, "second"}});
  QTest::keyClick(&second, Qt::Key_Space);
  EXPECT_EQ(log.Take(), (QStringList{"second.Click", "second.Tryckt"}));
  QTest::mouseClick(&first, Qt::LeftButton);
  EXPECT_TRUE(second.hasFocus()) << "a click leaves the focus where it was";
}

// A text box's picture sits at 1, 1 and a bitmap button's bitmap centred;
// both move one pixel down and right when the button is down.
TEST(Tspecbut, BitmapIsCentredAndATextBoxPictureAtOneOneAndBothMoveOnePixelWhenDown) {
  TestPictureBase pictures({MakePicture("bild", Filled(4, 4, Qt::red))});
  TVXfigurer figures(&pictures.base(), 4);
  TVXknapp box;
  box.resize(20, 20);
  box.setKnapptyp(TVXknapp::kntRutabild);
  box.setColor(Qt::white);
  box.setFigurer(&figures);
  box.setFigur1("bild");
  Tspecbut button;
  button.resize(20, 20);
  button.setColor(Qt::white);
  button.setBitm(Filled(4, 4, Qt::red));
  button.setStaydown(true);
  EXPECT_EQ(PixelOf(box, QPoint(1, 1)), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(box, QPoint(5, 5)), qRgb(255, 255, 255));
  EXPECT_EQ(PixelOf(button, QPoint(8, 8)), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(button, QPoint(12, 12)), qRgb(255, 255, 255));
  box.setDown(true);
  EventLog log(button);
  button.Activate();
  EXPECT_EQ(log.Take(), (QStringList{"Tryckt", "Down", "Click"}));
  EXPECT_EQ(PixelOf(box, QPoint(1, 1)), qRgb(255, 255, 255));
  EXPECT_EQ(PixelOf(box, QPoint(5, 5)), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(button, QPoint(8, 8)), qRgb(255, 255, 255));
  EXPECT_EQ(PixelOf(button, QPoint(12, 12)), qRgb(255, 0, 0));
}

TEST(Tnrknapp, HeldPushButtonRepeatsAfterStartdelayThenEveryDelayUntilReleased) {
  test::FakeTimers timers;
  {
    Tnrknapp plain;  // without repetition: no timer
    plain.resize(20, 20);
    EventLog log(plain);
    plain.Activate();
    EXPECT_EQ(log.Take(), (QStringList{"Tryckt", "Click"}));
    EXPECT_EQ(timers.Last(), nullptr);
  }
  Window window;
  Tnrknapp button(&window.widget);
  button.setGeometry(0, 0, 30, 30);
  button.setRepetition(true);
  button.setStartdelay(300);
  button.setDelay(50);
  ASSERT_TRUE(window.Show());
  int tryckt = 0;
  QObject::connect(&button, &Tnrknapp::Tryckt, [&tryckt] { ++tryckt; });

  QTest::mousePress(&button, Qt::LeftButton, {}, kInside);
  EXPECT_EQ(tryckt, 1);
  EXPECT_TRUE(button.down());
  QPointer<test::FakeRepeatTimer> timer = timers.Last();
  ASSERT_FALSE(timer.isNull());
  // Each step: the milliseconds waited and the presses counted since the start.
  for (const auto& [ms, presses] : {std::pair{299, 1}, {1, 2}, {49, 2}, {1, 3}, {100, 5}}) {
    timer->Advance(ms);
    EXPECT_EQ(tryckt, presses) << "after another " << ms << " ms";
  }

  QTest::mouseRelease(&button, Qt::LeftButton, {}, kInside);
  EXPECT_FALSE(button.down());
  if (timer) {
    EXPECT_FALSE(timer->IsActive());
    timer->Advance(500);
  }
  EXPECT_EQ(tryckt, 5);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(timer.isNull());
}

TEST(Tnrknapp, RadioReleasesTheOthersOfItsTagAndToggleFlips) {
  Window window;
  Tnrknapp a(&window.widget), b(&window.widget), other(&window.widget), toggle(&window.widget);
  int x = 0;
  for (Tnrknapp* n : {&a, &b, &other, &toggle}) {
    n->setGeometry(x, 0, 30, 30);
    x += 40;
    n->setKnapptyp(Tnrknapp::kRadio);
    n->setTag(3);
  }
  other.setTag(4);
  toggle.setKnapptyp(Tnrknapp::kToggle);
  ASSERT_TRUE(window.Show());
  EventLog log({{&a, "a"}, {&b, "b"}, {&other, "other"}, {&toggle, "t"}});
  other.setDown(true);
  a.setDown(true);
  log.Take();

  QTest::mousePress(&b, Qt::LeftButton, {}, kInside);
  EXPECT_EQ(log.Take(), (QStringList{"b.MOuseDown", "a.Up", "b.Tryckt", "b.Down"}));
  EXPECT_TRUE(other.down());
  QTest::mouseRelease(&b, Qt::LeftButton, {}, kInside);
  EXPECT_TRUE(b.down());  // a radio button stays down
  log.Take();
  QTest::mousePress(&b, Qt::LeftButton, {}, kInside);
  QTest::mouseRelease(&b, Qt::LeftButton, {}, kInside);
  EXPECT_EQ(log.Take(), (QStringList{"b.MOuseDown", "b.Click", "b.MOuseUp"}));  // no Tryckt

  ClickAt(toggle);
  EXPECT_TRUE(toggle.down());
  ClickAt(toggle);
  EXPECT_FALSE(toggle.down());
  EXPECT_EQ(log.Take(), (QStringList{"t.MOuseDown", "t.Tryckt", "t.Down", "t.Click", "t.MOuseUp",
                                     "t.MOuseDown", "t.Tryckt", "t.Up", "t.Click", "t.MOuseUp"}));
}

TEST(Tnrknapp, HoverShowsTheFocusPictureAndPressShowsTheDownPicture) {
  TestPictureBase pictures({MakePicture("upp", Filled(6, 6, Qt::red)),
                            MakePicture("ned", Filled(6, 6, Qt::blue)),
                            MakePicture("fokus", Filled(6, 6, Qt::green))});
  TNRfigurer figures(&pictures.base(), 4);
  Tnrknapp button;
  button.resize(10, 6);
  button.setFigurer(&figures);
  button.setUpfigur("upp");
  button.setDownfigur("ned");
  button.setFocusfigur("fokus");
  button.setFocusmode(true);
  button.setHcentr(true);
  EventLog log(button);
  EXPECT_EQ(PixelOf(button, QPoint(2, 0)), qRgb(255, 0, 0));  // centred: 2..7
  SendEnter(button);
  EXPECT_EQ(PixelOf(button, QPoint(7, 5)), qRgb(0, 255, 0));
  SendLeave(button);
  EXPECT_EQ(log.Take(), (QStringList{"Focus", "EjFocus"}));
  SendEnter(button);
  button.Activate();  // a press ends the hover state
  EXPECT_FALSE(button.Hovered());
  EXPECT_FALSE(button.down());
  button.setDown(true);
  EXPECT_EQ(PixelOf(button, QPoint(2, 0)), qRgb(0, 0, 255));
  button.setEnabled(false);
  EXPECT_EQ(PixelOf(button, QPoint(2, 0)), qRgb(145, 145, 244));  // washed out
}

}  // namespace
}  // namespace vx
