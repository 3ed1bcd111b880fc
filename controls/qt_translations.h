// Qt's own dialogs (the file dialog, the printer set-up, message boxes'
// buttons) in Swedish, as the program's own windows are.
#ifndef VX_CONTROLS_QT_TRANSLATIONS_H_
#define VX_CONTROLS_QT_TRANSLATIONS_H_

#include <QCoreApplication>

namespace vx {

// Installs Qt's Swedish catalogue (qt_sv.qm from Qt's translations folder,
// Debian qt6-translations-l10n) and the program's own supplement of the
// texts that Qt 6's dialogs have and that catalogue lacks. Returns false
// when Qt's catalogue is missing: the supplement is installed anyway, so
// that the dialogs' buttons still speak Swedish.
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace vx

#endif  // VX_CONTROLS_QT_TRANSLATIONS_H_
