#include "records/information_text.h"

namespace vx {
namespace {

constexpr int32_t kAboutRecord = 3;

bool LoadTextRecord(TVXregtext& store, int32_t n, InformationText& text) {
  if (!store.ReadRecord(n).ok() || !store.DecodeFields()) return false;
  const auto short_fields = store.ShortFields();
  const auto& long_texts = store.LongTexts();
  text.textkod = short_fields.size() > 0 ? short_fields[0] : std::string();
  text.textrubrik = short_fields.size() > 1 ? short_fields[1] : std::string();
  text.texttext = long_texts.empty() ? std::string() : long_texts[0];
  return true;
}

}  // namespace

int32_t hamtatext(TVXregtext& help_store, std::string_view kod, InformationText& text) {
  const int32_t n = help_store.FindRecord(kod, false);
  if (n < 1 || !LoadTextRecord(help_store, n, text)) return -1;
  return n;
}

std::string hamtaomtext(TVXregtext& own_store, InformationText& text) {
  if (!LoadTextRecord(own_store, kAboutRecord, text)) return {};
  return text.texttext;
}

}  // namespace vx
