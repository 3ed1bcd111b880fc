#include "resulttable/hit_counter.h"

#include "engine/util/message.h"
#include "language/message_id.h"
#include "language/messages.h"

namespace vx {

std::string GroupedCount(int64_t n) {
  const std::string digits = std::to_string(n < 0 ? -n : n);
  std::string out = n < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += '\xA0';
    out += digits[i];
  }
  return out;
}

std::string ToggleWord(int register_number, Language language) {
  const MessageId word = register_number == 1   ? MessageId::MainBirths
                         : register_number == 2 ? MessageId::MainMarriages
                                                : MessageId::MainDeaths;
  return CatalogueText(word, language);
}

namespace {

std::string ToggleName(int r, int32_t rows, Language language) {
  const std::string persons =
      rows <= 0   ? CatalogueText(MessageId::MainNoPersons, language)
      : rows == 1 ? CatalogueText(MessageId::MainOnePerson, language)
                  : FormatMessage(CatalogueText(MessageId::MainPersonCount, language),
                                  {GroupedCount(rows)});
  const MessageId name = r == 1   ? MessageId::MainBirthsPersons
                         : r == 2 ? MessageId::MainMarriagesPersons
                                  : MessageId::MainDeathsPersons;
  return FormatMessage(CatalogueText(name, language), {persons});
}

}  // namespace

HitCounter uppdateraantal(const std::array<int32_t, 3>& row_counts, int current_register,
                          int32_t current_hits, Language language) {
  HitCounter counter;
  for (int r = 1; r <= 3; ++r) {
    const int32_t rows = row_counts[static_cast<size_t>(r - 1)];
    counter.toggle_names[static_cast<size_t>(r - 1)] = ToggleName(r, rows, language);
    if (rows <= 0) continue;
    counter.captions[static_cast<size_t>(r - 1)] = GroupedCount(rows);
    if (r == current_register) counter.hits = current_hits;
  }
  counter.text = FormatMessage(CatalogueText(MessageId::MainSelected, language),
                               {std::to_string(counter.hits)});
  const bool on = counter.hits != 0;
  counter.buttons = {on, on, on, on, on};
  return counter;
}

}  // namespace vx
