#include "controls/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vx {

// translations/qt_sv_extra.ts, compiled by lrelease and built in.
extern const unsigned char kQtSwedishSupplement[];
extern const unsigned long kQtSwedishSupplement_size;

bool InstallQtTranslations(QCoreApplication& app) {
  const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
  auto* qt = new QTranslator(&app);
  // "qt_sv" names Qt's whole catalogue (or the catalogues it lists).
  const bool found = qt->load(swedish, QStringLiteral("qt"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (found) QCoreApplication::installTranslator(qt);
  // Installed last, so searched first; it holds only texts the other lacks.
  auto* supplement = new QTranslator(&app);
  if (supplement->load(kQtSwedishSupplement, static_cast<int>(kQtSwedishSupplement_size)))
    QCoreApplication::installTranslator(supplement);
  return found;
}

}  // namespace vx
