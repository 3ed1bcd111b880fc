#include "builder/list_keys.h"

#include "engine/text/collation.h"

namespace vx {
namespace {

// Neither table maps a character to zero, so the mapped bytes compare as
// CompareTexts compares the texts, and a zero byte can end the mapped part.
void AppendMapped(std::string& out, std::string_view text, const CollationTable& table) {
  for (char c : text)
    out += static_cast<char>(table[static_cast<uint8_t>(c)]);
}

}  // namespace

std::string FoldedText(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  AppendMapped(key, text, FoldTable());
  return key;
}

void AppendRecordNumber(std::string& key, uint32_t record) {
  for (int shift = 24; shift >= 0; shift -= 8)
    key += static_cast<char>(record >> shift);
}

std::string WordKey(std::string_view value) {
  std::string key;
  key.reserve(value.size());
  AppendMapped(key, value, AccentOrderTable());
  return key;
}

std::string LokalIdKey(std::string_view id, uint32_t record) {
  std::string key = WordKey(id);
  key += '\0';
  AppendRecordNumber(key, record);
  return key;
}

std::string LineKey(std::string_view line) {
  std::string key = FoldedText(line);
  key += '\0';
  key += line;
  return key;
}

}  // namespace vx
