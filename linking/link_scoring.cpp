#include "linking/link_scoring.h"

#include <algorithm>
#include <cstdlib>

#include "engine/text/collation.h"
#include "linking/patronymic.h"

namespace vx {
namespace {

constexpr const LinkLimits& kLimits = kLinkTable.limits;

// Names compare as the name lists do: case ignored, accents kept.
bool SameName(const std::string& a, const std::string& b) {
  return !a.empty() && CompareTexts(a.c_str(), b.c_str(), AccentOrderTable()) == 0;
}

// Parishes and counties compare folded, as the place lists do.
bool SamePlace(const std::string& a, const std::string& b) {
  return !a.empty() && CompareTexts(a.c_str(), b.c_str(), FoldTable()) == 0;
}

const std::string* CommonGivenName(const NamedPerson& a, const NamedPerson& b) {
  for (const std::string& word : a.given) {
    for (const std::string& other : b.given) {
      if (SameName(word, other)) return &word;
    }
  }
  return nullptr;
}

bool SameGivenNames(const NamedPerson& a, const NamedPerson& b) {
  if (a.given.size() != b.given.size()) return false;
  for (size_t i = 0; i < a.given.size(); ++i) {
    if (!SameName(a.given[i], b.given[i])) return false;
  }
  return true;
}

// One person named in two records: a first name in common, and surnames
// that agree where both are given.
bool SameNamedPerson(const NamedPerson& a, const NamedPerson& b) {
  if (CommonGivenName(a, b) == nullptr) return false;
  return a.surname.empty() || b.surname.empty() || SameName(a.surname, b.surname);
}

// The fuller of two namings of one person.
std::string FullerName(const NamedPerson& a, const NamedPerson& b) {
  const std::string first = a.FullName();
  const std::string second = b.FullName();
  return second.size() > first.size() ? second : first;
}

void CompareGivenNames(const PersonFacts& a, const PersonFacts& b, LinkScore& score) {
  // A child buried or baptised before it was named has no name to differ.
  if (!a.name.Named() || !b.name.Named()) return;
  if (SameGivenNames(a.name, b.name)) {
    score.Add(Evidence::kSameGivenNames);
  } else if (const std::string* common = CommonGivenName(a.name, b.name)) {
    score.Add(Evidence::kSharedGivenName, *common);
  } else {
    score.linkable = false;
  }
}

// `named`'s surname explained by `child`'s father: his patronymic or his
// family name.
bool SurnameFromFather(const PersonFacts& child, const std::string& surname, char sex,
                       LinkScore& score) {
  if (surname.empty() || !child.father.Named()) return false;
  const std::string& father = child.father.given.front();
  if (SameName(surname, Patronymic(father, sex))) {
    score.Add(Evidence::kPatronymicSurname, surname, father);
    return true;
  }
  if (!IsPatronymic(child.father.surname) && SameName(surname, child.father.surname)) {
    score.Add(Evidence::kFathersSurname, surname);
    return true;
  }
  return false;
}

void CompareSurnames(const PersonFacts& a, const PersonFacts& b, LinkScore& score) {
  if (SameName(a.name.surname, b.name.surname)) {
    score.Add(Evidence::kSameSurname);
    return;
  }
  const char sex = a.sex != 0 ? a.sex : b.sex;
  if (SurnameFromFather(a, b.name.surname, sex, score)) return;
  if (SurnameFromFather(b, a.name.surname, sex, score)) return;
  if (!a.name.surname.empty() && !b.name.surname.empty()) score.Add(Evidence::kOtherSurname);
}

// A birth year that a record gives or that its age implies.
struct BirthClue {
  int year = 0;  // 0: none
  bool full_date = false;
  int age = -1;  // >= 0 when the year comes from an age
};

BirthClue ClueOf(const PersonFacts& person) {
  if (person.birth_year != 0) return {person.birth_year, IsFullDate(person.birth_date), -1};
  if (person.age >= 0 && person.event_year != 0) {
    return {person.event_year - person.age, false, person.age};
  }
  return {};
}

// By how many years an age at `aged`'s event misses `dated`'s birth: from
// two full dates exactly; from years, an age of 63 in 1824 fits births of
// 1760 and 1761.
int AgeMiss(const PersonFacts& aged, const PersonFacts& dated) {
  const bool full_dates = IsFullDate(aged.event_date) && IsFullDate(dated.birth_date);
  // An infant's age in days, weeks or months meets the birth date within
  // its unit.
  if (full_dates && aged.age_days >= 0) {
    const int off = std::abs(DaysBetween(dated.birth_date, aged.event_date) - aged.age_days);
    return off <= aged.age_days_slack ? 0 : off <= 365 ? 1 : 2;
  }
  if (full_dates) {
    return std::abs(YearsBetween(dated.birth_date, aged.event_date) - aged.age);
  }
  const int latest = aged.event_year - aged.age;
  const int year = dated.birth_year;
  return year > latest ? year - latest : year < latest - 1 ? latest - 1 - year : 0;
}

void CompareBirths(const PersonFacts& a, const PersonFacts& b, LinkScore& score) {
  const BirthClue x = ClueOf(a);
  const BirthClue y = ClueOf(b);
  if (x.year == 0 || y.year == 0) return;
  const int apart = std::abs(x.year - y.year);
  if (x.age >= 0 && y.age >= 0) {
    if (apart > kLimits.age_slack) {
      score.linkable = false;
    } else {
      score.Add(Evidence::kAgesAgree, std::to_string(y.year));
    }
  } else if (x.age >= 0 || y.age >= 0) {
    const PersonFacts& aged = x.age >= 0 ? a : b;
    const PersonFacts& dated = x.age >= 0 ? b : a;
    const int miss = AgeMiss(aged, dated);
    const std::string age = std::to_string(aged.age);
    const std::string year = std::to_string(dated.birth_year);
    if (miss == 0) {
      score.Add(Evidence::kAgeMatchesBirth, age, year);
    } else if (miss <= kLimits.age_slack) {
      score.Add(Evidence::kAgeNearBirth, age, year);
    } else {
      score.linkable = false;
    }
  } else if (apart > kLimits.year_slack) {
    score.linkable = false;
  } else if (x.full_date && y.full_date) {
    score.Add(a.birth_date == b.birth_date ? Evidence::kSameBirthDate : Evidence::kOtherBirthDate);
  } else if (apart == 0) {
    score.Add(Evidence::kSameBirthYear);
  } else {
    score.Add(Evidence::kNearBirthYear, std::to_string(x.year), std::to_string(y.year));
  }
}

// Two namings of a parent: the same first name (and surname where both
// give one), or another parent.
void CompareParent(const NamedPerson& a, const NamedPerson& b, Evidence same, Evidence other,
                   LinkScore& score) {
  if (!a.Named() || !b.Named()) return;
  if (SameNamedPerson(a, b)) {
    score.Add(same, FullerName(a, b));
  } else {
    score.Add(other);
  }
}

// A birth's spouse by the marriage found, named at the death.
void CompareMarriedSpouse(const PersonFacts& birth, const PersonFacts& death, LinkScore& score) {
  if (birth.married_to.Named() && death.spouse.Named() &&
      SameNamedPerson(birth.married_to, death.spouse)) {
    score.Add(Evidence::kMarriedSpouse, FullerName(birth.married_to, death.spouse));
  }
}

void CompareSpouses(const PersonFacts& a, const PersonFacts& b, LinkScore& score) {
  if (!a.spouse.Named() || !b.spouse.Named() || !SameNamedPerson(a.spouse, b.spouse)) return;
  const char sex = a.sex != 0 ? a.sex : b.sex;
  score.Add(sex == 'k' ? Evidence::kSameHusband : Evidence::kSameWife,
            FullerName(a.spouse, b.spouse));
}

void ComparePlaces(const PersonFacts& a, const PersonFacts& b, LinkScore& score) {
  if (SamePlace(a.parish, b.parish)) {
    score.Add(Evidence::kSameParish);
    if (SamePlace(a.place, b.place)) score.Add(Evidence::kSamePlace);
  } else if (SamePlace(a.county, b.county)) {
    score.Add(Evidence::kSameCounty);
  }
}

// The years from `from` to `to` lie within [low, high]; unknown years pass.
bool YearsWithin(int from, int to, int low, int high) {
  return from == 0 || to == 0 || (to - from >= low && to - from <= high);
}

int BirthYearOf(const PersonFacts& person) {
  return ClueOf(person).year;
}

// The kind's years: a death after the birth, a wedding at a marrying age.
bool KindYearsFit(LinkKind kind, const PersonFacts& shown, const PersonFacts& other) {
  switch (kind) {
    case LinkKind::kDeath:
      return YearsWithin(BirthYearOf(shown), other.event_year, 0, kLimits.max_age);
    case LinkKind::kBirth:
      return YearsWithin(BirthYearOf(other), shown.event_year, 0, kLimits.max_age);
    case LinkKind::kMarriage:
      return YearsWithin(BirthYearOf(shown), other.event_year, kLimits.min_age_at_marriage,
                         kLimits.max_age_at_marriage);
    case LinkKind::kHusbandBirth:
    case LinkKind::kWifeBirth:
      return YearsWithin(BirthYearOf(other), shown.event_year, kLimits.min_age_at_marriage,
                         kLimits.max_age_at_marriage);
    case LinkKind::kHusbandDeath:
    case LinkKind::kWifeDeath:
      return YearsWithin(shown.event_year, other.event_year, 0, kLimits.max_age) &&
             YearsWithin(BirthYearOf(other), shown.event_year, kLimits.min_age_at_marriage,
                         kLimits.max_age_at_marriage);
    default:
      return true;
  }
}

// A wedding that states no age, at an age at which most married.
void CompareUsualMarriageAge(LinkKind kind, const PersonFacts& shown, const PersonFacts& other,
                             LinkScore& score) {
  if (kind != LinkKind::kMarriage && kind != LinkKind::kHusbandBirth &&
      kind != LinkKind::kWifeBirth) {
    return;
  }
  const PersonFacts& wedding = kind == LinkKind::kMarriage ? other : shown;
  const PersonFacts& birth = kind == LinkKind::kMarriage ? shown : other;
  if (wedding.age >= 0 || wedding.event_year == 0 || birth.birth_year == 0) return;
  const int age = wedding.event_year - birth.birth_year;
  if (age >= kLimits.usual_age_from && age <= kLimits.usual_age_to) {
    score.Add(Evidence::kUsualMarriageAge, std::to_string(age));
  }
}

LinkScore ScoreSamePerson(LinkKind kind, const PersonFacts& shown, const PersonFacts& other) {
  LinkScore score;
  if (shown.sex != 0 && other.sex != 0 && shown.sex != other.sex) score.linkable = false;
  if (!KindYearsFit(kind, shown, other)) score.linkable = false;
  CompareGivenNames(shown, other, score);
  CompareSurnames(shown, other, score);
  CompareBirths(shown, other, score);
  CompareUsualMarriageAge(kind, shown, other, score);
  CompareParent(shown.father, other.father, Evidence::kSameFather, Evidence::kOtherFather, score);
  CompareParent(shown.mother, other.mother, Evidence::kSameMother, Evidence::kOtherMother, score);
  CompareSpouses(shown, other, score);
  if (kind == LinkKind::kDeath) CompareMarriedSpouse(shown, other, score);
  ComparePlaces(shown, other, score);
  return score;
}

void AddYearsApart(Evidence evidence, int years, LinkScore& score) {
  score.Add(evidence, std::to_string(std::abs(years)), years < 0 ? "f\xF6re" : "efter");
}

// `groom` holds the bride as his spouse.
LinkScore ScoreChild(const PersonFacts& groom, const PersonFacts& child) {
  LinkScore score;
  const int years = child.birth_year - groom.event_year;
  if (!YearsWithin(groom.event_year, child.birth_year, -kLimits.children_before,
                   kLimits.children_after)) {
    score.linkable = false;
  }
  CompareParent(groom.name, child.father, Evidence::kSameFather, Evidence::kOtherFather, score);
  CompareParent(groom.spouse, child.mother, Evidence::kSameMother, Evidence::kOtherMother, score);
  if (!child.father.Named() || !child.mother.Named()) score.linkable = false;
  if (!SameName(child.name.surname, groom.name.surname)) {
    SurnameFromFather(child, child.name.surname, child.sex, score);
  }
  ComparePlaces(groom, child, score);
  if (child.birth_year != 0 && groom.event_year != 0) {
    AddYearsApart(Evidence::kBornInMarriage, years, score);
  }
  return score;
}

LinkScore ScoreSibling(const PersonFacts& shown, const PersonFacts& other) {
  LinkScore score;
  if (!YearsWithin(shown.birth_year, other.birth_year, -kLimits.sibling_years,
                   kLimits.sibling_years) ||
      !shown.mother.Named() || !other.mother.Named()) {
    score.linkable = false;
  }
  CompareParent(shown.father, other.father, Evidence::kSameFather, Evidence::kOtherFather, score);
  CompareParent(shown.mother, other.mother, Evidence::kSameMother, Evidence::kOtherMother, score);
  ComparePlaces(shown, other, score);
  if (shown.birth_year != 0 && other.birth_year != 0) {
    AddYearsApart(Evidence::kSiblingYears, other.birth_year - shown.birth_year, score);
  }
  return score;
}

}  // namespace

std::string ReasonText(Evidence evidence, std::string_view first, std::string_view second) {
  const std::string_view pattern = RuleOf(evidence).reason;
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() &&
        (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      text += pattern[i + 1] == '1' ? first : second;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

void LinkScore::Add(Evidence evidence, std::string_view first, std::string_view second) {
  points += RuleOf(evidence).points;
  reasons.push_back(ReasonText(evidence, first, second));
}

int LinkScore::Score() const {
  return std::clamp(points, 0, 100);
}

LinkScore ScoreLink(LinkKind kind, const PersonFacts& shown, const PersonFacts& candidate) {
  switch (kind) {
    case LinkKind::kChild:
      return ScoreChild(shown, candidate);
    case LinkKind::kSibling:
      return ScoreSibling(shown, candidate);
    default:
      return ScoreSamePerson(kind, shown, candidate);
  }
}

}  // namespace vx
