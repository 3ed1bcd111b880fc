#include "controls/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <string>

#include "language/message_id.h"
#include "language/messages.h"

namespace vx {

// translations/qt_sv_extra.ts and language/messages_en.ts, compiled by
// lrelease and built in.
extern const unsigned char kQtSwedishSupplement[];
extern const unsigned long kQtSwedishSupplement_size;
extern const unsigned char kProgramEnglish[];
extern const unsigned long kProgramEnglish_size;

namespace {

bool InstallBuiltIn(QCoreApplication& app, const unsigned char* bytes, unsigned long size) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(bytes, static_cast<int>(size))) return false;
  return QCoreApplication::installTranslator(translator);
}

bool InstallSwedish(QCoreApplication& app) {
  auto* qt = new QTranslator(&app);
  // "qt_sv" names Qt's whole catalogue (or the catalogues it lists).
  const bool found =
      qt->load(QLocale(QLocale::Swedish, QLocale::Sweden), QStringLiteral("qt"),
               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (found) QCoreApplication::installTranslator(qt);
  // Installed last, so searched first; it holds only texts the other lacks.
  InstallBuiltIn(app, kQtSwedishSupplement, kQtSwedishSupplement_size);
  return found;
}

}  // namespace

QTranslator* LoadEnglishCatalogue(QObject* parent) {
  auto* translator = new QTranslator(parent);
  if (translator->load(kProgramEnglish, static_cast<int>(kProgramEnglish_size))) return translator;
  delete translator;
  return nullptr;
}

bool InstallQtTranslations(QCoreApplication& app, Language language) {
  if (language == Language::kSwedish) return InstallSwedish(app);
  QTranslator* english = LoadEnglishCatalogue(&app);
  return english != nullptr && QCoreApplication::installTranslator(english);
}

Language ShownLanguage() {
  // A text whose English differs from its Swedish tells which catalogue
  // Qt has installed.
  constexpr MessageId kProbe = MessageId::MainHelp;
  const std::string_view english = MessageText(kProbe, Language::kEnglish);
  return TranslatedText(kProbe) ==
                 QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()))
             ? Language::kEnglish
             : Language::kSwedish;
}

QString TranslatedText(MessageId id) {
  const std::string swedish(MessageText(id, Language::kSwedish));
  const std::string_view sense = MessageSense(id);
  return QCoreApplication::translate("kuvo", swedish.c_str(),
                                     sense.empty() ? nullptr : sense.data());
}

}  // namespace vx
