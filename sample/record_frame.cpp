#include "sample/record_frame.h"

#include "records/register_labels.h"
#include "sample/sample_dates.h"

namespace vx {
namespace {

// Births, marriages and deaths were kept in one volume series (C) until
// 1860; from 1861 marriages and deaths have their own (E I, F I).
constexpr int kSeparateBooksYear = 1861;
constexpr int kOldVolumeYears = 40;
constexpr int kNewVolumeYears = 20;

struct Section {
  int first_page;
  int pages;
};

// The pages of each register within an old C volume.
Section OldSection(int register_number) {
  switch (register_number) {
    case kBirths:
      return {1, 260};
    case kMarriages:
      return {261, 60};
    default:
      return {321, 160};
  }
}

void AppendPadded(int64_t value, int width, std::string& out) {
  std::string digits;
  AppendNumber(value, digits);
  if (static_cast<int>(digits.size()) < width) {
    out.append(static_cast<size_t>(width) - digits.size(), '0');
  }
  out += digits;
}

// KAELLA and SIDA for an event on `day` in `parish`.
void AppendSource(int register_number, const Parish& parish, int32_t day, std::string& source,
                  std::string& page) {
  const int year = DateOfDay(day).year;
  const bool new_books = register_number != kBirths && year >= kSeparateBooksYear;
  const int base_year = new_books ? kSeparateBooksYear : parish.first_year;
  const int span = new_books ? kNewVolumeYears : kOldVolumeYears;
  const int volume = (year - base_year) / span;
  const int32_t volume_start = DayNumber(base_year + volume * span, 1, 1);
  const int32_t volume_end = DayNumber(base_year + (volume + 1) * span, 1, 1);
  const double share = static_cast<double>(day - volume_start) / (volume_end - volume_start);
  const Section section = new_books ? Section{1, 240} : OldSection(register_number);
  source += parish.name;
  source += new_books ? (register_number == kMarriages ? " E I:" : " F I:") : " C:";
  AppendNumber(volume + 1, source);
  AppendNumber(section.first_page + static_cast<int>(share * (section.pages - 1)), page);
}

}  // namespace

void AppendLokalId(int register_number, int64_t number, int32_t day, std::string& out) {
  static constexpr char kLetters[] = {'F', 'V', 'D'};
  out += kLetters[register_number - 1];
  AppendNumber(DateOfDay(day).year, out);
  out += '-';
  AppendPadded(number, 6, out);
}

void FillRecordFrame(int register_number, int64_t number, const Parish& parish, int32_t day,
                     SampleRandom& random, std::vector<std::string>& fields) {
  AppendNumber(number, fields[0]);
  AppendLokalId(register_number, number, day, fields[1]);
  fields[2] = parish.name;
  fields[3] = parish.county;
  fields[4] = parish.code;
  AppendSource(register_number, parish, day, fields[5], fields[6]);
  const uint64_t status = random.Below(1000);
  if (status < 10) {
    fields[7] = 'E';
  } else if (status < 15) {
    fields[7] = 'K';
  }
}

}  // namespace vx
