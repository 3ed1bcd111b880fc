// What the window tests share: a register set built once for a suite, with
// the program's pictures as every set the builder writes has them, opened in
// the main window or in a session of its own; real wheel turns; actions run
// inside a dialog's modal loop.
#ifndef VX_TESTS_DESKTOP_WINDOW_FIXTURE_H_
#define VX_TESTS_DESKTOP_WINDOW_FIXTURE_H_

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "builder/register_set_builder.h"
#include "catalogue/catalogue_declaration.h"
#include "controls/picture_set.h"
#include "desktop/main/main_window.h"
#include "engine/util/message_sink.h"
#include "imaging/program_picture_records.h"
#include "imaging/program_pictures.h"
#include "sample/sample_source.h"
#include "session/session.h"
#include "tests/support/files.h"
#include "tests/support/source_fixture.h"
#include "tests/support/text.h"

namespace vx::testing {

// Builds dir/kalla into dir/data and writes dir/kuvo.ini naming it.
inline ::testing::AssertionResult BuildUiSet(const std::filesystem::path& dir) {
  BuildOptions options{dir / "kalla", dir / "data", 1, {}, ToPictureRecords(ProgramPictures())};
  BuildSummary summary;
  SourceError error;
  if (!BuildRegisterSet(options, summary, error))
    return ::testing::AssertionFailure() << error.ToString();
  WriteText(dir / "kuvo.ini", "[hdbaser]\nhdbasen=" + (dir / "data").string() + "/\n");
  return ::testing::AssertionSuccess();
}

// A sample source of these counts in `source`.
inline void WriteSample(const std::filesystem::path& source, int64_t births, int64_t marriages,
                        int64_t deaths, uint64_t seed) {
  std::string error;
  ASSERT_TRUE(WriteSampleSource(source, {births, marriages, deaths, seed, {}}, error)) << error;
}

// The births of Anders Persson (F1) and of his sister Karin (F2) in Hjo.
inline std::vector<SourceRecord> PerssonBirths() {
  return {Fields("ENAMN=Persson|FNAMN=Anders|GENUS=m|FODAT=17610312|FORSKX=Hjo|FARFNAMN=Per|"
                 "FARENAMN=Andersson|MORFNAMN=Maria|MORENAMN=Olsdotter|LOKALID=F1"),
          Fields("ENAMN=Persdotter|FNAMN=Karin|GENUS=k|FODAT=17640101|FORSKX=Hjo|FARFNAMN=Per|"
                 "FARENAMN=Andersson|MORFNAMN=Maria|MORENAMN=Olsdotter|LOKALID=F2")};
}

// A wheel turn of `delta` eighths of a degree over `widget`, at its middle
// unless `at` is given.
inline void Wheel(QWidget* widget, int delta, std::optional<QPointF> at = std::nullopt) {
  const QPointF point = at.value_or(QPointF(widget->width() / 2.0, widget->height() / 2.0));
  QWheelEvent wheel(point, widget->mapToGlobal(point), {}, QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &wheel);
}

// Runs `inside` once the modal dialog that `open` shows is running; false
// when no event loop ran while `open` did (no dialog opened), and then
// `inside` never runs.
inline bool WhileModal(const std::function<void()>& inside, const std::function<void()>& open) {
  bool ran = false;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ran = true;
    inside();
  });
  timer.start(0);
  open();
  return ran;
}

// Waits until `dialog` itself is the active window, where keys go:
// QTest::qWaitForWindowActive holds as soon as the window it belongs to is.
inline bool WaitUntilActive(QWidget* dialog) {
  return QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; });
}

// Runs `actions` inside the modal loop that `run` starts for `dialog`, once
// the dialog is active; Esc closes it afterwards unless the actions did.
// Returns what `run` returns.
template <typename Run>
auto WhileActive(QWidget* dialog, const std::function<void()>& actions, Run run)
    -> decltype(run()) {
  struct Ran {
    bool yes = false;
    ~Ran() { EXPECT_TRUE(yes) << "the dialog's modal loop did not run"; }
  } ran;
  QTimer::singleShot(0, dialog, [&] {
    ran.yes = true;
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    actions();
    if (dialog->isVisible()) QTest::keyClick(dialog, Qt::Key_Escape);
  });
  return run();
}

// The child of `parent` named `name`; the test fails when there is none.
template <typename T>
T* Child(const QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// One register set for the suite `Suite`, whose static WriteSource(folder)
// writes its sources, built once; the engine's messages are kept.
template <typename Suite>
class SetFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir();
    Suite::WriteSource(dir_->path() / "kalla");
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(BuildUiSet(dir_->path()));
  }
  static void TearDownTestSuite() {
    delete std::exchange(pictures_, nullptr);
    delete std::exchange(session_, nullptr);
    delete dir_;
  }
  static std::filesystem::path Ini() { return dir_->path() / "kuvo.ini"; }

  // For windows opened on their own: the set opened in a session, with the
  // windows' picture caches.
  static void OpenSession() {
    session_ = new Session();
    const Status status = session_->Open(Ini());
    ASSERT_TRUE(status.ok()) << status.message();
    pictures_ = new PictureSet(*session_->catalogue().PictureBase(kProgramPictureBase),
                               *session_->catalogue().PictureBase(kSetPictureBase));
  }

  inline static TempDir* dir_ = nullptr;
  inline static Session* session_ = nullptr;
  inline static PictureSet* pictures_ = nullptr;
  std::vector<std::string> messages_;
  ScopedMessageSink sink_{[this](const std::string& text) { messages_.push_back(text); }};
};

// The suite's set opened in a session of its own, for windows opened
// without the main window, over a shown stand-in for it: 800 x 600 at
// (100, 80).
template <typename Suite>
class SessionFixture : public SetFixture<Suite> {
 protected:
  static void SetUpTestSuite() {
    SetFixture<Suite>::SetUpTestSuite();
    SetFixture<Suite>::OpenSession();
  }
  void SetUp() override {
    ASSERT_NE(this->session_, nullptr);
    main_.setGeometry(100, 80, 800, 600);
    main_.show();
  }

  QWidget main_;
};

// The main window on the suite's set, shown and active: its shortcuts
// answer only while it is the active window.
template <typename Suite>
class MainWindowFixture : public SetFixture<Suite> {
 protected:
  void SetUp() override {
    window_ = std::make_unique<Tmain_form>(this->Ini());
    window_->show();
    ASSERT_NE(window_->table(), nullptr)
        << (this->messages_.empty() ? "" : this->messages_.front());
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  const MainControls& c() const { return window_->controls(); }

  std::unique_ptr<Tmain_form> window_;
};

}  // namespace vx::testing

#endif  // VX_TESTS_DESKTOP_WINDOW_FIXTURE_H_
