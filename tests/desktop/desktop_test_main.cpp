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
  vx::InstallQtTranslations(app);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
