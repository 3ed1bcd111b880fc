// What a window puts before its reader, for the tests that open every
// window in English: the texts each visible widget shows or says (title,
// caption, label, hint, the name and description a screen reader reads),
// and the checks that find Swedish among them.
#ifndef VX_TESTS_DESKTOP_SHOWN_TEXTS_H_
#define VX_TESTS_DESKTOP_SHOWN_TEXTS_H_

#include <QAccessible>
#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QWidget>
#include <memory>

#include "controls/qt_translations.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx::testing {

// Each shown text keyed by where it stands: the widget's place among its
// parent's children, from `root` down, and the kind of text. Two windows
// built alike (one in each language) give the same keys.
using ShownTexts = QMap<QString, QString>;

inline void AddShownTexts(QWidget* widget, const QString& place, ShownTexts& texts) {
  auto add = [&](const char* kind, const QString& text) {
    if (!text.trimmed().isEmpty()) texts.insert(place + ":" + kind, text);
  };
  if (widget->isWindow()) add("title", widget->windowTitle());
  add("tip", widget->toolTip());
  add("name", widget->accessibleName());
  add("description", widget->accessibleDescription());
  for (const char* property : {"caption", "hint", "text", "placeholderText", "title"}) {
    const QVariant value = widget->property(property);
    if (value.metaType().id() == QMetaType::QString) add(property, value.toString());
  }
  if (QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget)) {
    add("a11y-name", access->text(QAccessible::Name));
    add("a11y-description", access->text(QAccessible::Description));
  }
  int index = 0;
  for (QObject* child : widget->children()) {
    auto* child_widget = qobject_cast<QWidget*>(child);
    if (child_widget == nullptr) continue;
    ++index;
    if (child_widget->isVisible() && !child_widget->isWindow())
      AddShownTexts(child_widget, place + "/" + QString::number(index), texts);
  }
}

// Every text `root` and its visible children show.
inline ShownTexts TextsShownBy(QWidget* root) {
  ShownTexts texts;
  AddShownTexts(root, "", texts);
  return texts;
}

// Every Swedish text of the catalogue that has another English text.
inline QSet<QString> SwedishCatalogue() {
  QSet<QString> swedish;
  for (int i = 0; i < kMessageCount; ++i) {
    const auto id = static_cast<MessageId>(i);
    const std::string_view sv = MessageText(id, Language::kSwedish);
    if (sv != MessageText(id, Language::kEnglish))
      swedish.insert(QString::fromUtf8(sv.data(), static_cast<qsizetype>(sv.size())).trimmed());
  }
  return swedish;
}

// The texts of `shown` that a reader without Swedish stumbles on: a
// Swedish text of the catalogue, or a word spelt with å, ä or ö that is
// not in `data` (what the register set holds is shown as stored). Each as
// "key: text".
inline QStringList SwedishAmong(const ShownTexts& shown, const QSet<QString>& data = {}) {
  static const QSet<QString> catalogue = SwedishCatalogue();
  static const QRegularExpression swedish_word(QStringLiteral("\\w*[åäöÅÄÖ]\\w*"));
  QStringList found;
  for (auto it = shown.begin(); it != shown.end(); ++it) {
    bool swedish = catalogue.contains(it.value().trimmed());
    for (auto word = swedish_word.globalMatch(it.value()); !swedish && word.hasNext();)
      swedish = !data.contains(word.next().captured());
    if (swedish) found << it.key() + ": " + it.value();
  }
  return found;
}

// The texts that stand unchanged at the same place in a window built in
// Swedish and the same window built in English, other than `neutral`
// (names, numbers, what the set holds). Each as "key: text".
inline QStringList UnchangedBetween(const ShownTexts& swedish, const ShownTexts& english,
                                    const QSet<QString>& neutral = {}) {
  static const QRegularExpression no_letters(QStringLiteral("^[^\\p{L}]*$"));
  QStringList found;
  for (auto it = english.begin(); it != english.end(); ++it) {
    if (swedish.value(it.key()) != it.value() || neutral.contains(it.value())) continue;
    if (!no_letters.match(it.value()).hasMatch()) found << it.key() + ": " + it.value();
  }
  return found;
}

// Expects the window built in English to show no Swedish and nothing left
// as it stood in the one built in Swedish, and the Swedish one to show
// Swedish (so that the first check can fail). `data` and `neutral` as for
// SwedishAmong and UnchangedBetween.
inline void ExpectEnglishWindow(const char* window, const ShownTexts& swedish,
                                const ShownTexts& english, const QSet<QString>& data = {},
                                const QSet<QString>& neutral = {}) {
  EXPECT_FALSE(SwedishAmong(swedish).isEmpty()) << window;
  const QStringList swedish_left = SwedishAmong(english, data);
  EXPECT_TRUE(swedish_left.isEmpty()) << window << ":\n" << swedish_left.join('\n').toStdString();
  const QStringList unchanged = UnchangedBetween(swedish, english, neutral);
  EXPECT_TRUE(unchanged.isEmpty()) << window << ":\n" << unchanged.join('\n').toStdString();
}

// The program's English catalogue installed while it lives, as kuvo
// --sprak en installs it at start: windows built meanwhile speak English.
class EnglishWindows {
 public:
  EnglishWindows() : translator_(LoadEnglishCatalogue(nullptr)) {
    if (loaded()) QCoreApplication::installTranslator(translator_.get());
  }
  ~EnglishWindows() {
    if (loaded()) QCoreApplication::removeTranslator(translator_.get());
  }
  bool loaded() const { return translator_ != nullptr; }

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace vx::testing

#endif  // VX_TESTS_DESKTOP_SHOWN_TEXTS_H_
