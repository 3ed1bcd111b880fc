// Runs the window tests in one QApplication on the offscreen platform, so
// that they need no display.
#include <gtest/gtest.h>

#include <QApplication>

#include "controls/accessibility.h"
#include "controls/qt_translations.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vx::InstallAccessibility();  // as kuvo does
  // In the locale's language, as kuvo without --sprak (ctest sets
  // LANG=sv_SE.UTF-8).
  vx::InstallQtTranslations(app, vx::LanguageOfLocale(vx::LocaleOfProcess()));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
