#include "search/date_range_search.h"

#include "engine/files/row_file.h"
#include "search/catalogue_parts.h"
#include "search/search_term.h"

namespace vx {
namespace {

constexpr uint32_t kNoRecords = 0xFFFFFFFF;

// The first n bytes of the row read last.
std::string_view Head(const TVXstruktlista& list, size_t n) {
  return std::string_view(list.RowText()).substr(0, n);
}

// The first row whose first from.size() bytes are not less than `from`, or
// RowCount() + 1. The rows ascend in byte order, so halving finds the row
// at which a scan from row 1 would stop, reading a few rows instead of
// every earlier one; the list keeps the rows of the upper levels, as for
// its own look-ups, so that a search does not expand their blocks again.
int32_t FirstRowFrom(TVXstruktlista& dates, std::string_view from) {
  int32_t lo = 1;
  int32_t hi = dates.RowCount() + 1;
  for (int level = 0; lo < hi; ++level) {
    const int32_t mid = lo + (hi - lo) / 2;
    if (!dates.ReadProbe(mid, level < TVXindex::kPinnedLevels).ok()) {
      return dates.RowCount() + 1;
    }
    if (Head(dates, from.size()) < from) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

}  // namespace

DateRange SplitDateField(std::string_view text, std::string_view lower_default) {
  text = TrimBlanksAndControls(text);
  const size_t dash = text.find('-');
  if (dash == std::string_view::npos) return {std::string(text), {}};
  DateRange range{std::string(TrimBlanksAndControls(text.substr(0, dash))),
                  std::string(TrimBlanksAndControls(text.substr(dash + 1)))};
  if (range.from.empty()) range.from = lower_default;
  if (range.to.empty()) range.to = kDateUpperDefault;
  return range;
}

void MarkDateRange(TVXstruktlista& dates, std::string_view from, std::string_view to,
                   Tvxsmalurval& into) {
  if (to.empty() || from > to) to = from;
  for (int32_t row = FirstRowFrom(dates, from); row <= dates.RowCount(); ++row) {
    if (!dates.ReadRow(row).ok() || Head(dates, to.size()) > to) break;
    if (dates.RowValue1() != kNoRecords) dates.MarkRecords(into);
  }
}

Tvxsmalurval& SearchDateRange(TEVF& evf, int register_number, int slot, std::string_view from,
                              std::string_view to) {
  Tvxsmalurval& marked = evf.sokur(2);
  marked.Clear();
  MarkDateRange(SlotList(evf, register_number, slot), from, to, marked);
  return marked;
}

}  // namespace vx
