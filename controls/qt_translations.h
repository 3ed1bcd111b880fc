// Qt's catalogues for the program's language: Qt's own dialogs (the file
// dialog, the printer set-up, message boxes' buttons) speak it, and the
// program's own texts are found in it (the message catalogue of
// language/, compiled by lrelease, context "kuvo").
#ifndef VX_CONTROLS_QT_TRANSLATIONS_H_
#define VX_CONTROLS_QT_TRANSLATIONS_H_

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

#include "language/language.h"
#include "language/message_id_fwd.h"

namespace vx {

// Swedish: Qt's Swedish catalogue (qt_sv.qm from Qt's translations folder,
// Debian qt6-translations-l10n) and the program's own supplement of the
// texts that Qt 6's dialogs have and that catalogue lacks; Qt's dialogs
// are English without a catalogue. English: the program's English
// catalogue. Returns false when a catalogue that should be there is not
// (the Swedish supplement is installed anyway, so the dialogs' buttons
// still speak Swedish).
bool InstallQtTranslations(QCoreApplication& app, Language language);

// The program's English catalogue, loaded but not installed; null when it
// cannot be read.
QTranslator* LoadEnglishCatalogue(QObject* parent);

// The text of `id` through Qt's installed catalogues: the Swedish text of
// the catalogue, or its translation when the English catalogue is
// installed.
QString TranslatedText(MessageId id);

// The language the windows speak: English when the English catalogue is
// installed, else Swedish. For the plain-C++ texts a window shows (a
// search form's captions, counts) and the statuses it reports.
Language ShownLanguage();

}  // namespace vx

#endif  // VX_CONTROLS_QT_TRANSLATIONS_H_
