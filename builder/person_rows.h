// The person lists of the registers: one row per record, "name CR date",
// in Swedish folded order, which also numbers the records; and the date
// order that the sort orders keep. Both orders are given as sort keys whose
// byte order is the order wanted.
#ifndef VX_BUILDER_PERSON_ROWS_H_
#define VX_BUILDER_PERSON_ROWS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "builder/source_records.h"

namespace vx {

// The longest row text of a person list (its text area less the zero byte
// and the three words that may follow).
constexpr size_t kMaxPersonRowText = 200 - 13;

// The person-list row of source record i. Births: surname, first name and
// the birth date, else "dp " and the baptism date; marriages: the man, " och
// ", the woman, and the wedding date, else "ly " and the first banns date;
// deaths: the name and the death date, else "bg " and the burial date. A row
// too long for the list keeps its date and loses the end of the name.
std::string PersonRowText(int register_number, const RecordFields& record);

// "Surname, first name", whichever is there, or nothing.
std::string NameOf(std::string_view surname, std::string_view first_name);

// The date of a row, without its marker ("dp ", "ly ", "bg ").
std::string_view RowDate(std::string_view row);

// The key of a row in the person order: rows compare under the folding
// table (equal rows keep their source order, which the sort must keep).
std::string PersonOrderKey(std::string_view row);

// The key of record `record` in the date order: its row's date as text,
// then the record number.
std::string DateOrderKey(std::string_view row, uint32_t record);
// The record number of a date-order key.
uint32_t RecordOfDateOrderKey(std::string_view key);

}  // namespace vx

#endif  // VX_BUILDER_PERSON_ROWS_H_
