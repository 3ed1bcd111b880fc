#include "records/hit_list.h"

namespace vx {
namespace {

constexpr size_t kMaxName = 100;
constexpr size_t kMaxDate = 12;

// Inserts '-' before the characters at 0-based positions `first` and
// `second` (the second counted after the first insertion) when present.
std::string Dashed(std::string date, size_t first, size_t second) {
  if (date.size() > first) date.insert(first, "-");
  if (date.size() > second) date.insert(second, "-");
  return date;
}

}  // namespace

HitList::HitList(TVXstruktlista& persons, const TVXsortordning& order)
    : persons_(persons), order_(order) {}

void HitList::Refresh(bool by_date) {
  persons_.vald().Recount();
  persons_.RebuildVisible();
  persons_.SetSortedVisible(by_date && order_.Count() > 0, &order_);
}

bool HitList::Row(int32_t k, HitRow& row) {
  if (k < 1 || k > Count() || !persons_.GoToVisible(k)) return false;
  const std::string_view text = persons_.RowText();
  const size_t cr = text.find('\r');
  row.record = persons_.RowValue1();
  row.name = std::string(text.substr(0, cr));
  row.date = cr == std::string_view::npos ? std::string() : std::string(text.substr(cr + 1));
  return true;
}

HitCells CellsOf(std::string_view row_text) {
  const size_t cr = row_text.find('\r');
  HitCells cells;
  std::string date;
  if (cr == std::string_view::npos) {
    date = std::string(row_text);
  } else {
    cells.name = std::string(row_text.substr(0, std::min(cr, kMaxName)));
    date = std::string(row_text.substr(cr + 1, kMaxDate));
  }
  if (cells.name.empty()) cells.name = "(Ingen namnuppgift)";
  const bool marked = date.starts_with("bg ") || date.starts_with("ly ") || date.starts_with("dp ");
  cells.date = "\t" + (marked ? Dashed(date, 7, 10) : Dashed(date, 4, 7));
  return cells;
}

}  // namespace vx
