#include "printing/print_items.h"

#include <string>
#include <utility>

#include "records/register_labels.h"

namespace vx {
namespace {

// The record's Lokal-ID, or its number in the source in brackets.
std::string LabelOf(const std::string& lokalid, const std::string& postnummer) {
  return lokalid.empty() ? "(" + postnummer + ")" : lokalid;
}

// The current record's LOKALID and POSTNUMMER.
std::pair<std::string, std::string> CurrentIds(const CurrentRecords& records, int register_number) {
  switch (register_number) {
    case kBirths:
      return {records.enfodd().LOKALID, records.enfodd().POSTNUMMER};
    case kMarriages:
      return {records.envigd().LOKALID, records.envigd().POSTNUMMER};
    case kDeaths:
      return {records.endod().LOKALID, records.endod().POSTNUMMER};
    default:
      return {};
  }
}

}  // namespace

PrintItem MakePrintItem(CurrentRecords& records, int register_number, uint32_t record,
                        PrintOrder order, PrintContent content) {
  PrintItem item;
  item.record = record;
  item.key = records.listnyckel(register_number, static_cast<int>(order));
  const auto [lokalid, postnummer] = CurrentIds(records, register_number);
  item.label = LabelOf(lokalid, postnummer);
  item.postnummer = postnummer;
  if (content.columns == nullptr) {
    records.Compose(register_number, true);
    item.text = records.posttext();
    return item;
  }
  for (const PrintColumn& column : *content.columns)
    item.cells.push_back(records.listtext(register_number, column.kolumn));
  item.group = records.listtext(register_number, SourceColumn(register_number));
  return item;
}

}  // namespace vx
