// The rules of linking records of one life: every limit and every weight
// in one table, so that the ranking can be read, tuned and documented in
// one place (docs/linking.md). A candidate's score is the sum of the
// points of the evidence found, kept within 0..100; each piece of evidence
// gives one reason in words, its text with %1 and %2 filled in.
#ifndef VX_LINKING_LINK_TABLE_H_
#define VX_LINKING_LINK_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vx {

// What two records may have in common, or what tells them apart.
enum class Evidence : uint8_t {
  kSameGivenNames,     // every first name the same
  kSharedGivenName,    // one first name in both (%1)
  kSameSurname,        // the same surname
  kPatronymicSurname,  // the surname is the patronymic (%1) of the father (%2)
  kFathersSurname,     // the surname is the father's family name (%1)
  kOtherSurname,       // two different surnames
  kSameBirthDate,      // the same full birth date
  kSameBirthYear,      // the same birth year, not both full dates
  kNearBirthYear,      // birth years a year apart (%1, %2)
  kOtherBirthDate,     // two different full dates within the slack
  kAgeMatchesBirth,    // an age (%1) that fits the birth (%2)
  kAgeNearBirth,       // an age (%1) a year off the birth (%2)
  kAgesAgree,          // two ages that give the same birth year (%1)
  kUsualMarriageAge,   // no age at the wedding, but a usual one (%1) from the birth
  kSameFather,         // the father (%1) named in both
  kOtherFather,        // two fathers of different first names
  kSameMother,         // the mother (%1) named in both
  kOtherMother,        // two mothers of different first names
  kSameHusband,        // the husband (%1) named in both
  kSameWife,           // the wife (%1) named in both
  kMarriedSpouse,      // the spouse (%1) of the marriage found, named at the death
  kSamePlace,          // the same home or place within the parish
  kSameParish,         // the same parish
  kSameCounty,         // another parish of the same county
  kBornInMarriage,     // a child born %1 years before or after (%2) the wedding
  kSiblingYears,       // a sibling born %1 years before or after (%2)
  kCount
};

struct EvidenceRule {
  Evidence evidence;
  int points;
  std::string_view reason;  // Windows-1252; %1 and %2 are filled in
};

struct LinkLimits {
  int min_age_at_marriage;   // a person marries at this age or later ...
  int max_age_at_marriage;   // ... and at this age or earlier
  int usual_age_from;        // most marry at this age or later ...
  int usual_age_to;          // ... and at this age or earlier
  int age_slack;             // an age may miss the birth year by this many years
  int year_slack;            // two birth years may differ by this many years
  int max_age;               // nobody dies older
  int children_before;       // children born from this many years before the wedding ...
  int children_after;        // ... to this many years after it
  int sibling_years;         // siblings born at most this many years apart
  int spouse_from_marriage;  // a marriage scoring this much lends its spouse to the death
  int min_score;             // candidates scoring less are not shown
  int max_per_kind;          // the best this many of each kind are shown
  int loads_per_kind;        // records read and scored per kind, best hints first
  int dates_per_kind;        // person-list dates read per kind to test the years
};

struct LinkTable {
  LinkLimits limits;
  EvidenceRule rules[static_cast<size_t>(Evidence::kCount)];
};

inline constexpr LinkTable kLinkTable = {
    {15, 60, 18, 36, 1, 1, 110, 1, 30, 30, 80, 30, 10, 60, 400},
    {
        {Evidence::kSameGivenNames, 25, "samma f\xF6rnamn"},
        {Evidence::kSharedGivenName, 10,
         "f\xF6rnamnet %1 i b\xE5"
         "da"},
        {Evidence::kSameSurname, 15, "samma efternamn"},
        {Evidence::kPatronymicSurname, 15, "%1 efter fadern %2"},
        {Evidence::kFathersSurname, 10, "faderns efternamn %1"},
        {Evidence::kOtherSurname, -15, "annat efternamn"},
        {Evidence::kSameBirthDate, 50,
         "samma f\xF6"
         "delsedatum"},
        {Evidence::kSameBirthYear, 20,
         "samma f\xF6"
         "delse\xE5r"},
        {Evidence::kNearBirthYear, 10,
         "f\xF6"
         "dd %1 och %2"},
        {Evidence::kOtherBirthDate, -10,
         "annat f\xF6"
         "delsedatum"},
        {Evidence::kAgeMatchesBirth, 25,
         "\xE5lder %1 \xE5r st\xE4mmer med f\xF6"
         "dd %2"},
        {Evidence::kAgeNearBirth, 10,
         "\xE5lder %1 \xE5r, f\xF6"
         "dd %2"},
        {Evidence::kAgesAgree, 15,
         "\xE5"
         "ldrarna st\xE4mmer, f\xF6"
         "dd %1"},
        {Evidence::kUsualMarriageAge, 10, "%1 \xE5r vid vigseln"},
        {Evidence::kSameFather, 25,
         "fadern %1 i b\xE5"
         "da"},
        {Evidence::kOtherFather, -30, "annan fader"},
        {Evidence::kSameMother, 25,
         "modern %1 i b\xE5"
         "da"},
        {Evidence::kOtherMother, -30, "annan moder"},
        {Evidence::kSameHusband, 25,
         "maken %1 i b\xE5"
         "da"},
        {Evidence::kSameWife, 25,
         "makan %1 i b\xE5"
         "da"},
        {Evidence::kMarriedSpouse, 15, "gift med %1 enligt vigseln"},
        {Evidence::kSamePlace, 15, "samma ort"},
        {Evidence::kSameParish, 20, "samma f\xF6rsamling"},
        {Evidence::kSameCounty, 0, "samma l\xE4n"},
        {Evidence::kBornInMarriage, 0,
         "f\xF6"
         "dd %1 \xE5r %2 vigseln"},
        {Evidence::kSiblingYears, 0,
         "f\xF6"
         "dd %1 \xE5r %2"},
    }};

// The rule of `evidence`; the table lists them in the enumeration's order.
constexpr const EvidenceRule& RuleOf(Evidence evidence) {
  return kLinkTable.rules[static_cast<size_t>(evidence)];
}

constexpr bool RulesInOrder() {
  for (size_t i = 0; i < static_cast<size_t>(Evidence::kCount); ++i) {
    if (static_cast<size_t>(kLinkTable.rules[i].evidence) != i) return false;
  }
  return true;
}
static_assert(RulesInOrder(), "the rules follow the order of Evidence");

}  // namespace vx

#endif  // VX_LINKING_LINK_TABLE_H_
