// The date fields of the search forms. A date list's rows are stored dates
// (YYYYMMDD, unknown parts "00", "99" or X), so plain byte order is date
// order and a range is one run of rows.
//
//   1780          the whole year
//   1780-1789     the years between, inclusive
//   17800312      one day
//   -1789         from the field's lower default ("1600", or "1800" for the
//                 death form's birth date) up to 1789
//   1780-         from 1780 up to "2100"
//   (blanks)      every dated record
#ifndef VX_SEARCH_DATE_RANGE_SEARCH_H_
#define VX_SEARCH_DATE_RANGE_SEARCH_H_

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "engine/lists/selection.h"
#include "engine/lists/struct_list.h"

namespace vx {

inline constexpr std::string_view kDateUpperDefault = "2100";

struct DateRange {
  std::string from;
  std::string to;  // empty: the same as from
};

// Splits a date field's text at its first '-' into the trimmed ends, an
// empty end becoming its default; without a '-', from is the trimmed text
// and to is empty.
DateRange SplitDateField(std::string_view text, std::string_view lower_default);

// Marks in `into` the records of the rows of `dates` from the first row
// whose first from.size() bytes are not less than `from`, while their first
// to.size() bytes are not greater than `to`. An empty `to` is `from`; a
// `from` above `to` searches `from` alone.
void MarkDateRange(TVXstruktlista& dates, std::string_view from, std::string_view to,
                   Tvxsmalurval& into);

// MarkDateRange of the slot's list into sokur2, cleared first; returns
// sokur2, which RunSearch intersects into the result.
Tvxsmalurval& SearchDateRange(TEVF& evf, int register_number, int slot, std::string_view from,
                              std::string_view to);

}  // namespace vx

#endif  // VX_SEARCH_DATE_RANGE_SEARCH_H_
