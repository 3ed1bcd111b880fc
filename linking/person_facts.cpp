#include "linking/person_facts.h"

#include <algorithm>
#include <cctype>

#include "engine/text/collation.h"

namespace vx {
namespace {

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

int Number(std::string_view digits) {
  int value = 0;
  for (const char c : digits)
    value = value * 10 + (c - '0');
  return value;
}

bool SameText(const std::string& a, std::string_view b) {
  return CompareTexts(a.c_str(), std::string(b).c_str(), AccentOrderTable()) == 0;
}

// The first banns date of a list separated by commas.
std::string_view FirstDate(std::string_view dates) {
  const size_t comma = dates.find(',');
  std::string_view first = dates.substr(0, comma);
  while (!first.empty() && first.front() == ' ')
    first.remove_prefix(1);
  return first;
}

// The event's date, or the fallback's when it has no year.
std::string EventDate(std::string_view date, std::string_view fallback) {
  return std::string(YearOf(date) != 0 ? date : fallback);
}

NamedPerson Named(std::string_view given, std::string_view surname) {
  return {NameWords(given), std::string(surname)};
}

char SexOf(std::string_view genus) {
  if (genus.empty()) return 0;
  const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(genus.front())));
  return c == 'm' || c == 'k' ? c : 0;
}

// A relative of a death, by the relation written: the father, the mother
// or a spouse (living or late).
void TakeRelative(std::string_view relation, const std::string& given, const std::string& surname,
                  PersonFacts& facts) {
  const std::string words(relation);
  NamedPerson* slot = nullptr;
  if (SameText(words, "fader") || SameText(words, "far")) {
    slot = &facts.father;
  } else if (SameText(words, "moder") || SameText(words, "mor")) {
    slot = &facts.mother;
  } else if (SameText(words, "man") || SameText(words, "hustru") ||
             words.find("efter") != std::string::npos) {
    slot = &facts.spouse;
  }
  if (slot != nullptr && !slot->Named()) *slot = Named(given, surname);
}

}  // namespace

std::string NamedPerson::FullName() const {
  std::string text;
  for (const std::string& word : given) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  if (!surname.empty()) {
    if (!text.empty()) text += ' ';
    text += surname;
  }
  return text;
}

int YearOf(std::string_view date) {
  if (date.size() < 4 || !IsDigits(date.substr(0, 4))) return 0;
  return Number(date.substr(0, 4));
}

bool IsFullDate(std::string_view date) {
  if (date.size() != 8 || !IsDigits(date)) return false;
  const int month = Number(date.substr(4, 2));
  const int day = Number(date.substr(6, 2));
  return YearOf(date) != 0 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

int YearsBetween(std::string_view born, std::string_view day) {
  const int years = YearOf(day) - YearOf(born);
  return day.substr(4, 4) < born.substr(4, 4) ? years - 1 : years;
}

namespace {

// Days since a fixed day of the proleptic Gregorian calendar.
int DayNumber(int year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int year_of_era = year - era * 400;
  const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  return era * 146097 + year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
}

int DayNumberOf(std::string_view date) {
  return DayNumber(YearOf(date), Number(date.substr(4, 2)), Number(date.substr(6, 2)));
}

}  // namespace

int DaysBetween(std::string_view from, std::string_view to) {
  return DayNumberOf(to) - DayNumberOf(from);
}

int DaysOfAge(std::string_view age, int& slack) {
  // Number and unit pairs: "2 år 3 mån", "5 v".
  int days = 0;
  bool small_unit = false;
  slack = 0;
  size_t at = 0;
  while (at < age.size()) {
    while (at < age.size() && age[at] == ' ')
      ++at;
    size_t digits = at;
    while (digits < age.size() && std::isdigit(static_cast<unsigned char>(age[digits])))
      ++digits;
    if (digits == at || digits - at > 3) return -1;
    const int value = Number(age.substr(at, digits - at));
    at = digits;
    while (at < age.size() && age[at] == ' ')
      ++at;
    const char unit = at < age.size() ? age[at] : '\0';
    while (at < age.size() && age[at] != ' ')
      ++at;
    if (unit == 'd') {
      days += value;
      slack = std::max(slack, 1);
    } else if (unit == 'v') {
      days += 7 * value;
      slack = std::max(slack, 7);
    } else if (unit == 'm') {
      days += 30 * value;
      slack = std::max(slack, 31);
    } else if (unit == '\xE5' || unit == '\xC5') {
      days += 365 * value;
      continue;
    } else {
      return -1;
    }
    small_unit = true;
  }
  return small_unit ? days : -1;
}

int YearsOfAge(std::string_view age) {
  size_t digits = 0;
  while (digits < age.size() && std::isdigit(static_cast<unsigned char>(age[digits])))
    ++digits;
  if (digits == 0 || digits > 3) return -1;
  std::string_view unit = age.substr(digits);
  while (!unit.empty() && unit.front() == ' ')
    unit.remove_prefix(1);
  // Days, weeks and months come first in their words; years are bare or
  // "år".
  if (unit.empty() || unit.front() == '\xE5' || unit.front() == '\xC5') {
    return Number(age.substr(0, digits));
  }
  return 0;
}

std::vector<std::string> NameWords(std::string_view field) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start < field.size()) {
    const size_t end = std::min(field.find(' ', start), field.size());
    if (end > start) words.emplace_back(field.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

PersonFacts FactsOfBirth(const Tenfodd& birth) {
  PersonFacts facts;
  facts.name = Named(birth.FNAMN, birth.ENAMN);
  facts.sex = SexOf(birth.GENUS);
  facts.birth_date = birth.FODAT;
  facts.event_date = EventDate(birth.FODAT, birth.DOPDAT);
  facts.birth_year = YearOf(facts.event_date);
  facts.event_year = facts.birth_year;
  facts.father = Named(birth.FARFNAMN, birth.FARENAMN);
  facts.mother = Named(birth.MORFNAMN, birth.MORENAMN);
  facts.place = birth.ORT;
  facts.parish = birth.FORSKX;
  facts.county = birth.LAN;
  return facts;
}

PersonFacts FactsOfDeath(const Tendod& death) {
  PersonFacts facts;
  facts.name = Named(death.FNAMN, death.ENAMN);
  facts.sex = SexOf(death.GENUS);
  facts.birth_date = death.FODAT;
  facts.birth_year = YearOf(death.FODAT);
  facts.age = YearsOfAge(death.ALDER);
  // Days count from the death, not from the burial.
  if (IsFullDate(death.DODAT)) facts.age_days = DaysOfAge(death.ALDER, facts.age_days_slack);
  facts.event_date = EventDate(death.DODAT, death.BEGRDAT);
  facts.event_year = YearOf(facts.event_date);
  TakeRelative(death.ANF1RELAT, death.ANF1FNAMN, death.ANF1ENAMN, facts);
  TakeRelative(death.ANF2RELAT, death.ANF2FNAMN, death.ANF2ENAMN, facts);
  facts.place = death.ORT;
  facts.parish = death.FORSKX;
  facts.county = death.LAN;
  return facts;
}

PersonFacts FactsOfGroom(const Tenvigd& marriage) {
  PersonFacts facts;
  facts.name = Named(marriage.MFNAMN, marriage.MENAMN);
  facts.sex = 'm';
  facts.age = YearsOfAge(marriage.MALDER);
  facts.event_date = EventDate(marriage.VIGDDAT, FirstDate(marriage.LYSNDAT));
  facts.event_year = YearOf(facts.event_date);
  facts.spouse = Named(marriage.KFNAMN, marriage.KENAMN);
  facts.place = marriage.MORT;
  facts.parish = marriage.FORSKX;
  facts.county = marriage.LAN;
  return facts;
}

PersonFacts FactsOfBride(const Tenvigd& marriage) {
  PersonFacts facts = FactsOfGroom(marriage);
  facts.name = Named(marriage.KFNAMN, marriage.KENAMN);
  facts.sex = 'k';
  facts.age = YearsOfAge(marriage.KALDER);
  facts.spouse = Named(marriage.MFNAMN, marriage.MENAMN);
  facts.place = marriage.KORT;
  return facts;
}

}  // namespace vx
