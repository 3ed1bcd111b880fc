#include "builder/person_rows.h"

#include <algorithm>

#include "builder/list_keys.h"
#include "builder/value_rules.h"
#include "engine/text/collation.h"

namespace vx {
namespace {

struct RowParts {
  std::string name;
  std::string date;
};

std::string DateOrMarked(std::string_view date, std::string_view marker, std::string_view other) {
  if (!date.empty()) return std::string(date);
  if (other.empty()) return {};
  return std::string(marker) + std::string(other);
}

RowParts PartsOf(int register_number, const RecordFields& f) {
  switch (register_number) {
    case 1:
      return {NameOf(f("ENAMN"), f("FNAMN")), DateOrMarked(f("FODAT"), "dp ", f("DOPDAT"))};
    case 2: {
      const std::string man = NameOf(f("MENAMN"), f("MFNAMN"));
      const std::string woman = NameOf(f("KENAMN"), f("KFNAMN"));
      const std::string names = man.empty() && woman.empty() ? "" : man + " och " + woman;
      const std::vector<std::string_view> banns = SplitDates(f("LYSNDAT"));
      return {names,
              DateOrMarked(f("VIGDDAT"), "ly ", banns.empty() ? std::string_view() : banns[0])};
    }
    default:
      return {NameOf(f("ENAMN"), f("FNAMN")), DateOrMarked(f("DODAT"), "bg ", f("BEGRDAT"))};
  }
}

}  // namespace

std::string NameOf(std::string_view surname, std::string_view first_name) {
  if (!surname.empty() && !first_name.empty()) {
    return std::string(surname) + ", " + std::string(first_name);
  }
  return std::string(surname.empty() ? first_name : surname);
}

std::string PersonRowText(int register_number, const RecordFields& record) {
  RowParts parts = PartsOf(register_number, record);
  const size_t room = kMaxPersonRowText - 1 - std::min(parts.date.size(), kMaxPersonRowText - 1);
  if (parts.name.size() > room) parts.name.resize(room);
  return parts.name + '\r' + parts.date;
}

std::string_view RowDate(std::string_view row) {
  const size_t cr = row.find('\r');
  std::string_view date = cr == std::string_view::npos ? std::string_view() : row.substr(cr + 1);
  for (std::string_view marker : {"dp ", "ly ", "bg "}) {
    if (date.starts_with(marker)) return date.substr(marker.size());
  }
  return date;
}

std::string PersonOrderKey(std::string_view row) {
  return FoldedText(row);
}

std::string DateOrderKey(std::string_view row, uint32_t record) {
  std::string key(RowDate(row));
  key += '\0';
  AppendRecordNumber(key, record);
  return key;
}

uint32_t RecordOfDateOrderKey(std::string_view key) {
  uint32_t record = 0;
  for (char c : key.substr(key.size() - 4))
    record = (record << 8) | static_cast<uint8_t>(c);
  return record;
}

}  // namespace vx
