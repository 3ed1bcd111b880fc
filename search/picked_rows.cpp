#include "search/picked_rows.h"

#include <algorithm>

#include "engine/files/row_file.h"

namespace vx {
namespace {

constexpr int kSlots = 20;
constexpr size_t kSummaryLength = 200;

}  // namespace

void ClearPickedRows(TEVF& evf, int register_number) {
  for (int slot = 1; slot <= kSlots; ++slot) {
    TVXstruktlista* list = evf.soklistor(register_number, slot);
    if (list != nullptr && list->properties().finnsurval) list->vald().Clear();
  }
}

std::vector<std::string> TickWords(TVXstruktlista& list, const std::vector<std::string>& words) {
  std::vector<std::string> missing;
  for (const std::string& word : words) {
    const int32_t row = list.FindExact(word);
    if (row > 0) {
      list.vald().SetBit(row, true);
    } else {
      missing.push_back(word);
    }
  }
  return missing;
}

std::string BuildPickSummary(TVXstruktlista& list) {
  std::string summary;
  const Tvxsmalurval& picked = list.vald();
  for (int32_t row = 0; summary.size() <= kSummaryLength && picked.Next(row);) {
    if (!list.ReadRow(row).ok()) continue;
    std::string_view text = list.RowText();
    if (const size_t amp = text.find('&'); amp != std::string_view::npos) {
      text.remove_prefix(amp + 1);
    }
    text.remove_prefix(std::min(text.find_first_not_of('|'), text.size()));
    if (!summary.empty()) summary += ';';
    summary += text;
  }
  return summary;
}

}  // namespace vx
