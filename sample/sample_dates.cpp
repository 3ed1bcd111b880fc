#include "sample/sample_dates.h"

namespace vx {
namespace {

// Days from 1 March of year 0 to 1 January 1970 in the era arithmetic below.
constexpr int32_t kEpochShift = 719468;

int FloorDiv(int a, int b) {
  return (a >= 0 ? a : a - b + 1) / b;
}

void AppendDigits(int value, int width, std::string& out) {
  char digits[8];
  for (int i = width - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  out.append(digits, static_cast<size_t>(width));
}

}  // namespace

int32_t DayNumber(int year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int era = FloorDiv(year, 400);
  const int year_of_era = year - era * 400;
  const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - kEpochShift;
}

CivilDate DateOfDay(int32_t day_number) {
  const int32_t z = day_number + kEpochShift;
  const int era = FloorDiv(z, 146097);
  const int day_of_era = z - era * 146097;
  const int year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int shifted_month = (5 * day_of_year + 2) / 153;
  CivilDate date;
  date.day = day_of_year - (153 * shifted_month + 2) / 5 + 1;
  date.month = shifted_month < 10 ? shifted_month + 3 : shifted_month - 9;
  date.year = year_of_era + era * 400 + (date.month <= 2 ? 1 : 0);
  return date;
}

int Weekday(int32_t day_number) {
  // 1 January 1970 was a Thursday.
  const int r = (day_number + 4) % 7;
  return r < 0 ? r + 7 : r;
}

void AppendStoredDate(int32_t day_number, DateForm form, std::string& out) {
  if (form == DateForm::kUnknownYear) {
    out += "9999";
    return;
  }
  const CivilDate date = DateOfDay(day_number);
  AppendDigits(date.year, 4, out);
  switch (form) {
    case DateForm::kFull:
      AppendDigits(date.month, 2, out);
      AppendDigits(date.day, 2, out);
      break;
    case DateForm::kNoDay:
      AppendDigits(date.month, 2, out);
      out += "00";
      break;
    case DateForm::kDayUnknown:
      AppendDigits(date.month, 2, out);
      out += "99";
      break;
    case DateForm::kDayX:
      AppendDigits(date.month, 2, out);
      out += "XX";
      break;
    case DateForm::kMonthX:
      out += "XX";
      AppendDigits(date.day, 2, out);
      break;
    case DateForm::kYearOnly:
      out += "0000";
      break;
    case DateForm::kYear99:
      out += "9999";
      break;
    case DateForm::kUnknownYear:
      break;
  }
}

DateForm PickDateForm(double uncertain, SampleRandom& random) {
  if (!random.Chance(uncertain)) return DateForm::kFull;
  const int roll = random.Between(1, 100);
  if (roll <= 30) return DateForm::kNoDay;
  if (roll <= 50) return DateForm::kYearOnly;
  if (roll <= 65) return DateForm::kDayUnknown;
  if (roll <= 77) return DateForm::kYear99;
  if (roll <= 87) return DateForm::kDayX;
  if (roll <= 98) return DateForm::kMonthX;
  return DateForm::kUnknownYear;
}

}  // namespace vx
