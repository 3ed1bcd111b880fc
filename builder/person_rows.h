// The person lists of the registers: one row per record, "name CR date",
// in Swedish folded order, which also numbers the records; and the date
// order that the sort orders keep.
#ifndef VX_BUILDER_PERSON_ROWS_H_
#define VX_BUILDER_PERSON_ROWS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "builder/register_source.h"

namespace vx {

// The longest row text of a person list (its text area less the zero byte
// and the three words that may follow).
constexpr size_t kMaxPersonRowText = 200 - 13;

// The person-list row of source record i. Births: surname, first name and
// the birth date, else "dp " and the baptism date; marriages: the man, " och
// ", the woman, and the wedding date, else "ly " and the first banns date;
// deaths: the name and the death date, else "bg " and the burial date. A row
// too long for the list keeps its date and loses the end of the name.
std::string PersonRowText(const RegisterSource& source, size_t i);

// "Surname, first name", whichever is there, or nothing.
std::string NameOf(std::string_view surname, std::string_view first_name);

// The date of a row, without its marker ("dp ", "ly ", "bg ").
std::string_view RowDate(std::string_view row);

// Source indices in row order: rows sorted under the folding table, equal
// rows in source order. Entry r - 1 is the source index of record r.
std::vector<uint32_t> PersonOrder(const std::vector<std::string>& rows);

// Record numbers in date order (dates as text, equal dates by record
// number); `rows_by_record[r - 1]` is the row of record r.
std::vector<uint32_t> DateOrder(const std::vector<std::string>& rows_by_record);

}  // namespace vx

#endif  // VX_BUILDER_PERSON_ROWS_H_
