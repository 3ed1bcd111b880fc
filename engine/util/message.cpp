#include "engine/util/message.h"

#include <array>

#include "engine/util/cp1252.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {
namespace {

using Texts = std::array<std::string, 2 * kMessageCount>;

// Every text of the catalogue in both languages. The catalogue's test
// checks that each has a Windows-1252 form.
Texts ConvertedCatalogue() {
  Texts texts;
  for (int i = 0; i < kMessageCount; ++i) {
    for (Language language : {Language::kSwedish, Language::kEnglish}) {
      std::string& text = texts[static_cast<size_t>(2 * i + (language == Language::kEnglish))];
      if (!Utf8ToCp1252(MessageText(static_cast<MessageId>(i), language), text)) text.clear();
    }
  }
  return texts;
}

}  // namespace

const std::string& CatalogueText(MessageId id, Language language) {
  // Made once, also when threads ask at the same time.
  static const Texts texts = ConvertedCatalogue();
  return texts[static_cast<size_t>(2 * static_cast<int>(id) + (language == Language::kEnglish))];
}

std::string Render(const Message& message, Language language) {
  if (message.inner.empty())
    return FormatMessage(CatalogueText(message.id, language), message.args);
  std::vector<std::string> args = message.args;
  for (const Message& inner : message.inner)
    args.push_back(Render(inner, language));
  return FormatMessage(CatalogueText(message.id, language), args);
}

}  // namespace vx
