// What a record says about one person, in the same shape for every
// register and role, so that any two can be compared: the person in a
// birth or a death, the groom or the bride of a marriage.
//
// Names are the normalised fields (the spelling the register set joined
// variants under); the forms as written play no part.
#ifndef VX_LINKING_PERSON_FACTS_H_
#define VX_LINKING_PERSON_FACTS_H_

#include <string>
#include <string_view>
#include <vector>

#include "records/register_records.h"

namespace vx {

struct NamedPerson {
  std::vector<std::string> given;  // first names, one word each
  std::string surname;
  bool Named() const { return !given.empty(); }
  // "Per Andersson": the first names and the surname.
  std::string FullName() const;
};

struct PersonFacts {
  NamedPerson name;
  char sex = 0;  // 'm', 'k' or 0 when not said
  // The birth date as stored, when the record gives one, and its year
  // (0 when unknown).
  std::string birth_date;
  int birth_year = 0;
  // An age in whole years at the record's event, or -1; for an age given
  // in days, weeks or months also the days it says and how far they may
  // be off (-1 otherwise).
  int age = -1;
  int age_days = -1;
  int age_days_slack = 0;
  // The record's event as stored: birth (or baptism), wedding (or the first
  // banns), death (or burial); its year, 0 when undated.
  std::string event_date;
  int event_year = 0;
  NamedPerson father, mother, spouse;
  // Of a birth: the spouse of the marriage found for the person, if any.
  NamedPerson married_to;
  // The home or place of the event within the parish (ORT, the groom's
  // MORT, the bride's KORT), the parish and the county.
  std::string place, parish, county;
};

// The year of a stored date (YYYYMMDD, unknown parts "00", "99" or X), or
// 0 when its first four characters are not a year.
int YearOf(std::string_view date);
// True for a date whose year, month and day are all known.
bool IsFullDate(std::string_view date);
// The whole years from full date `born` to full date `day`.
int YearsBetween(std::string_view born, std::string_view day);
// The whole years of an age as registers write it: "64", "2 år 3 mån";
// 0 for "3 dagar", "5 v", "7 mån"; -1 when it states no age.
int YearsOfAge(std::string_view age);
// The days of an age given in days, weeks or months ("3 dagar", "5 v",
// "7 mån", "2 år 3 mån") and how far they may be off; -1 for an age in
// whole years or none.
int DaysOfAge(std::string_view age, int& slack);
// The days from full date `from` to full date `to`.
int DaysBetween(std::string_view from, std::string_view to);
// Words of a name field, split at blanks.
std::vector<std::string> NameWords(std::string_view field);

PersonFacts FactsOfBirth(const Tenfodd& birth);
PersonFacts FactsOfDeath(const Tendod& death);
PersonFacts FactsOfGroom(const Tenvigd& marriage);
PersonFacts FactsOfBride(const Tenvigd& marriage);

}  // namespace vx

#endif  // VX_LINKING_PERSON_FACTS_H_
