// The fields that open every record of the sample source, the same first
// eight in all three registers: POSTNUMMER (running number), LOKALID (the
// register's letter, the year and the number: F1753-000123), FORSKX, LAN,
// FORSKOD, KAELLA (the volume of the parish's registers: "Husaby C:3"),
// SIDA and STATUS (mostly empty, now and then "E" or "K").
#ifndef VX_SAMPLE_RECORD_FRAME_H_
#define VX_SAMPLE_RECORD_FRAME_H_

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "sample/sample_data.h"
#include "sample/sample_random.h"

namespace vx {

// Fills fields 0..7 of `fields` for record `number` (1-based) of register
// `register_number` (1..3) in `parish`, dated `day`.
void FillRecordFrame(int register_number, int64_t number, const Parish& parish, int32_t day,
                     SampleRandom& random, std::vector<std::string>& fields);

// Appends the Lokal-ID of record `number` of register `register_number`
// dated `day` to `out`: F1753-000123.
void AppendLokalId(int register_number, int64_t number, int32_t day, std::string& out);

// Appends the decimal digits of `value` to `out`.
inline void AppendNumber(int64_t value, std::string& out) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
}

}  // namespace vx

#endif  // VX_SAMPLE_RECORD_FRAME_H_
