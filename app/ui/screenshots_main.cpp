// kuvo-skarmbilder: pictures of the real windows for the documentation.
// Opens the register set like kuvo, selects hits through the session (a
// search of one text in all registers), shows a record and writes
//   DIR/huvudfonster.png       the main window at its design size, 800 x 481
//   DIR/huvudfonster-stor.png  maximised (run it on a 1920 x 1080 screen)
//   DIR/hjalpfonster.png       the text window with a help text
// under the offscreen platform.
//   kuvo-skarmbilder [--ini FIL] [--sok TEXT] MAPP
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/ui/main_window.h"
#include "controls/accessibility.h"
#include "engine/util/cp1252.h"
#include "engine/util/message_sink.h"
#include "records/ui/text_window.h"

namespace {

constexpr char kUsage[] = "Användning: kuvo-skarmbilder [--ini FIL] [--sok TEXT] MAPP\n";

struct Options {
  std::filesystem::path ini;
  std::string search = "Medelplana";
  std::filesystem::path dir;
};

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--ini" && i + 1 < argc) {
      options.ini = argv[++i];
    } else if (arg == "--sok" && i + 1 < argc) {
      options.search = argv[++i];
    } else if (options.dir.empty() && !arg.starts_with("-")) {
      options.dir = arg;
    } else {
      return false;
    }
  }
  return !options.dir.empty();
}

bool Save(QWidget& widget, const std::filesystem::path& file) {
  QApplication::processEvents();
  if (widget.grab().save(QString::fromStdString(file.string()), "PNG")) return true;
  std::fprintf(stderr, "kuvo-skarmbilder: kan inte skriva %s\n", file.string().c_str());
  return false;
}

// Selects hits in every register and a record a few rows down.
bool SelectHits(vx::Tmain_form& window, const std::string& text) {
  std::string data;
  if (!vx::Utf8ToCp1252(text, data)) return false;
  const vx::Status status = window.session().SearchAll(data);
  if (!status.ok()) {
    std::fprintf(stderr, "kuvo-skarmbilder: %s\n", vx::Cp1252ToUtf8(status.message()).c_str());
    return false;
  }
  window.ShowSearchResult({1, 2, 3});
  for (int i = 0; i < 8; ++i)
    window.MoveCurrent(vx::TableKey::kDown);
  return true;
}

// Maximised as a window manager does it: the screen's available area, but
// no larger than the window's maximum size, centred.
void Maximise(QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  const QSize size = screen.size().boundedTo(window.maximumSize());
  window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen));
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vx::InstallAccessibility();
  vx::SetMessageSink([](const std::string& text) {
    std::fprintf(stderr, "kuvo-skarmbilder: %s\n", vx::Cp1252ToUtf8(text).c_str());
  });
  std::filesystem::create_directories(options.dir);
  vx::Tmain_form window(options.ini);
  window.show();
  QApplication::processEvents();
  if (window.failed() || !SelectHits(window, options.search)) return 1;
  bool ok = Save(window, options.dir / "huvudfonster.png");
  Maximise(window);
  ok = Save(window, options.dir / "huvudfonster-stor.png") && ok;
  window.ShowHelpText("HJ001");
  if (vx::Ttextform* help = window.textform())
    ok = Save(*help, options.dir / "hjalpfonster.png") && ok;
  return ok ? 0 : 1;
}
