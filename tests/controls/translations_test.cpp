// The windows' side of the message catalogue: Qt's catalogue compiled by
// lrelease from the same source gives every message's English for its
// Swedish text, and nothing without it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <string>

#include "controls/qt_translations.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TEST(QtCatalogue, GivesTheSameTextsAsThePlainCatalogue) {
  for (int i = 0; i < kMessageCount; ++i) {
    const auto id = static_cast<MessageId>(i);
    EXPECT_EQ(TranslatedText(id), Utf8(MessageText(id, Language::kSwedish))) << MessageName(id);
  }
  std::unique_ptr<QTranslator> english(LoadEnglishCatalogue(nullptr));
  ASSERT_NE(english, nullptr);
  ASSERT_TRUE(QCoreApplication::installTranslator(english.get()));
  for (int i = 0; i < kMessageCount; ++i) {
    const auto id = static_cast<MessageId>(i);
    EXPECT_EQ(TranslatedText(id), Utf8(MessageText(id, Language::kEnglish))) << MessageName(id);
  }
  QCoreApplication::removeTranslator(english.get());
}

}  // namespace
}  // namespace vx
