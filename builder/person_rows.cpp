#include "builder/person_rows.h"

#include <algorithm>
#include <numeric>

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

RowParts PartsOf(const RegisterSource& source, size_t i) {
  auto f = [&](std::string_view name) { return source.Field(i, name); };
  switch (source.register_number()) {
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

std::string PersonRowText(const RegisterSource& source, size_t i) {
  RowParts parts = PartsOf(source, i);
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

std::vector<uint32_t> PersonOrder(const std::vector<std::string>& rows) {
  std::vector<uint32_t> order(rows.size());
  std::iota(order.begin(), order.end(), 0);
  const CollationTable& fold = FoldTable();
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return CompareTexts(rows[a].c_str(), rows[b].c_str(), fold) < 0;
  });
  return order;
}

std::vector<uint32_t> DateOrder(const std::vector<std::string>& rows_by_record) {
  std::vector<std::string_view> dates(rows_by_record.size());
  for (size_t r = 0; r < rows_by_record.size(); ++r)
    dates[r] = RowDate(rows_by_record[r]);
  std::vector<uint32_t> order(rows_by_record.size());
  std::iota(order.begin(), order.end(), 1);
  std::stable_sort(order.begin(), order.end(),
                   [&](uint32_t a, uint32_t b) { return dates[a - 1] < dates[b - 1]; });
  return order;
}

}  // namespace vx
