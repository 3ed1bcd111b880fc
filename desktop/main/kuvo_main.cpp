// kuvo: the desktop program. Shows the register set named by kuvo.ini
// beside the program, or by --ini FILE.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "controls/accessibility.h"
#include "controls/message_boxes.h"
#include "desktop/main/main_window.h"
#include "engine/util/version.h"

namespace {

constexpr char kUsage[] = "Användning: kuvo [--ini FIL]\n";

bool HasDisplay() {
#if defined(__linux__) || defined(__FreeBSD__)
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path ini;
  for (int i = 1; i < argc; ++i) {
    if ((std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--ini") == 0 && i + 1 < argc) {
      ini = argv[++i];
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (!HasDisplay()) {
    std::fputs("kuvo: ingen bildskärm hittades (varken DISPLAY eller WAYLAND_DISPLAY är satt)\n",
               stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("kuvo");
  QApplication::setApplicationDisplayName(vx::kProgramName);
  // The installed desktop entry kuvo.desktop: its name and icon on the
  // desktop's task bar.
  QApplication::setDesktopFileName("kuvo");
  vx::InstallAccessibility();
  vx::InstallMessageBoxSink("Valdrisen");
  vx::Tmain_form window(ini);
  window.showMaximized();
  const int status = QApplication::exec();
  return window.failed() ? 1 : status;
}
