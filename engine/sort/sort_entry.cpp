#include "engine/sort/sort_entry.h"

#include <cassert>

#include "engine/text/collation.h"

namespace vx {

void MakeSortKey(std::string_view key, uint32_t value, std::string& out) {
  const CollationTable& table = FoldTable();
  out.clear();
  for (const char c : key.substr(0, key.find('\0')))
    out.push_back(static_cast<char>(table[static_cast<uint8_t>(c)]));
  out.push_back('\0');
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<char>(value >> shift));
}

uint32_t ValueOfSortKey(std::string_view sort_key) {
  assert(sort_key.size() >= 5 && sort_key[sort_key.size() - 5] == '\0');
  uint32_t value = 0;
  for (const char c : sort_key.substr(sort_key.size() - 4))
    value = value << 8 | static_cast<uint8_t>(c);
  return value;
}

}  // namespace vx
