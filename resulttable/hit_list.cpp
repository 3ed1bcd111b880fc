#include "resulttable/hit_list.h"

#include "engine/util/message.h"
#include "language/message_id.h"
#include "records/date_text.h"

namespace vx {
namespace {

constexpr size_t kMaxName = 100;
constexpr size_t kMaxDate = 12;

// TAB and `date` with '-' before its characters at 0-based positions
// `first` and `second` when present. Appended rather than inserted: GCC 12
// warns falsely (-Wrestrict) about std::string::insert here.
std::string TabbedDashed(std::string_view date, size_t first, size_t second) {
  std::string out;
  out.reserve(date.size() + 3);
  out += '\t';
  for (size_t i = 0; i < date.size(); ++i) {
    if (i == first || i == second) out += '-';
    out += date[i];
  }
  return out;
}

HitCells CellsWithin(std::string_view row_text, size_t max_name, size_t max_date,
                     Language language) {
  const size_t cr = row_text.find('\r');
  HitCells cells;
  std::string_view date = row_text;
  if (cr != std::string_view::npos) {
    cells.name = std::string(row_text.substr(0, std::min(cr, max_name)));
    date = row_text.substr(cr + 1, max_date);
  }
  if (cells.name.empty()) cells.name = CatalogueText(MessageId::RecordNoName, language);
  const bool marked = date.starts_with("bg ") || date.starts_with("ly ") || date.starts_with("dp ");
  if (IsUnknownDate(marked ? date.substr(3) : date)) date = {};  // "9999" is no date to show
  cells.date = marked ? TabbedDashed(date, 7, 9) : TabbedDashed(date, 4, 6);
  return cells;
}

}  // namespace

HitList::HitList(TVXstruktlista& persons, const TVXsortordning& order)
    : persons_(persons), order_(order), borrowed_order_(persons.SortedVisibleOrder()) {}

HitList::~HitList() {
  persons_.SetSortedVisible(false, nullptr);
  persons_.RebuildVisible();
  if (borrowed_order_ != nullptr) persons_.SetSortedVisible(true, borrowed_order_);
}

void HitList::Refresh(bool by_date) {
  persons_.vald().Recount();
  // Not through an order another owner set: it may be gone.
  persons_.SetSortedVisible(false, nullptr);
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

HitCells CellsOf(std::string_view row_text, Language language) {
  return CellsWithin(row_text, kMaxName, kMaxDate, language);
}

HitCells ReadableCellsOf(std::string_view row_text, Language language) {
  HitCells cells = CellsWithin(row_text, std::string_view::npos, std::string_view::npos, language);
  cells.date.erase(0, 1);  // the TAB
  return cells;
}

}  // namespace vx
