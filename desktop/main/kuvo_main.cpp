// kuvo: the desktop program. Shows the register set named by kuvo.ini
// beside the program, or by --ini FILE.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/accessibility.h"
#include "controls/message_boxes.h"
#include "controls/qt_translations.h"
#include "desktop/main/main_window.h"
#include "engine/util/version.h"
#include "language/language.h"

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
  std::vector<std::string> args(argv + 1, argv + argc);
  vx::Language language = vx::Language::kSwedish;
  std::string error;
  if (!vx::TakeLanguageOption(args, vx::LocaleOfProcess(), language, error)) {
    std::fprintf(stderr, "kuvo: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (args[i] == "--ini" && i + 1 < args.size()) {
      ini = args[++i];
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
  vx::InstallQtTranslations(app, language);
  vx::InstallAccessibility();
  vx::InstallMessageBoxSink("Valdrisen");
  vx::Tmain_form window(ini);
  // The record texts' own words; the windows' captions are still Swedish.
  window.session().SetLanguage(language);
  window.showMaximized();
  const int status = QApplication::exec();
  return window.failed() ? 1 : status;
}
