// Dates of the sample source: day numbers on the (proleptic Gregorian)
// calendar and the stored form YYYYMMDD with its unknown parts, as parish
// registers leave them ("00", "99", "X": 17450000, 1745XX12, 17459999, 9999).
#ifndef VX_SAMPLE_SAMPLE_DATES_H_
#define VX_SAMPLE_SAMPLE_DATES_H_

#include <cstdint>
#include <string>

#include "sample/sample_random.h"

namespace vx {

// Days since 1 January 1970 (negative before it).
int32_t DayNumber(int year, int month, int day);

struct CivilDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};
CivilDate DateOfDay(int32_t day_number);

// 0 for Sunday, 1 for Monday ... 6 for Saturday.
int Weekday(int32_t day_number);

// How much of a date the register gives.
enum class DateForm : uint8_t {
  kFull,         // 17530403
  kNoDay,        // 17530400: the day left out
  kDayUnknown,   // 17530499
  kDayX,         // 175304XX
  kMonthX,       // 1753XX03: the month unreadable, the day legible
  kYearOnly,     // 17530000
  kYear99,       // 17539999
  kUnknownYear,  // 9999: nothing known
};

// Appends `day_number` to `out` in the stored form `form`.
void AppendStoredDate(int32_t day_number, DateForm form, std::string& out);

// kFull with probability 1 - uncertain, else one of the other forms, the
// milder ones (a missing day) far more often than the year alone or nothing.
DateForm PickDateForm(double uncertain, SampleRandom& random);

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_DATES_H_
