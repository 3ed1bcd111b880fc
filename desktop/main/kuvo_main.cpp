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
#include "language/message_id.h"
#include "language/messages.h"

namespace {

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
    std::fprintf(stderr, "kuvo: %s\n%s\n", error.c_str(),
                 vx::Say(vx::MessageId::MainUsage, language).c_str());
    return 2;
  }
  const std::string usage = vx::Say(vx::MessageId::MainUsage, language);
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::printf("%s\n", usage.c_str());
      return 0;
    }
    if (args[i] == "--ini" && i + 1 < args.size()) {
      ini = args[++i];
    } else {
      std::fprintf(stderr, "%s\n", usage.c_str());
      return 2;
    }
  }
  if (!HasDisplay()) {
    std::fprintf(stderr, "kuvo: %s\n", vx::Say(vx::MessageId::MainNoDisplay, language).c_str());
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
  // What plain C++ words for the windows (record texts, the hit counter,
  // "Möjliga samband"); the windows' own captions come from the catalogue
  // installed above. Set before the first show opens the register set.
  window.session().SetLanguage(language);
  window.showMaximized();
  const int status = QApplication::exec();
  return window.failed() ? 1 : status;
}
