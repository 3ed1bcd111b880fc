#include "linking/link_finder.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "linking/link_marks.h"
#include "linking/link_scoring.h"
#include "linking/link_table.h"
#include "linking/patronymic.h"
#include "linking/person_facts.h"
#include "records/record_loading.h"

namespace vx {
namespace {

using namespace link_slots;

constexpr const LinkLimits& kLimits = kLinkTable.limits;

int Points(Evidence evidence) {
  return RuleOf(evidence).points;
}

// Which person of a candidate's record is compared.
enum class Role : uint8_t { kBirth, kDeath, kGroom, kBride };

// The surnames a person born to `father` may bear: the own, the father's
// patronymic (as a son, a daughter, or both when the sex is not said) and
// the father's family name.
std::vector<std::string> SurnamesOf(const PersonFacts& person) {
  std::vector<std::string> names;
  if (!person.name.surname.empty()) names.push_back(person.name.surname);
  if (person.father.Named()) {
    const std::string& father = person.father.given.front();
    if (person.sex != 'k') names.push_back(Patronymic(father, 'm'));
    if (person.sex != 'm') names.push_back(Patronymic(father, 'k'));
    if (!person.father.surname.empty() && !IsPatronymic(person.father.surname)) {
      names.push_back(person.father.surname);
    }
  }
  return names;
}

// One kind's search in one register: the records that can be candidates,
// the hints that rank them, and the years their events must fall in.
class KindSearch {
 public:
  KindSearch(TEVF& evf, LinkKind kind, int register_number, Role role, const PersonFacts& shown)
      : evf_(evf), kind_(kind), role_(role), shown_(shown), marks_(evf, register_number) {
    marks_.Prepare(required_);
  }

  LinkMarks& marks() { return marks_; }
  Tvxsmalurval& required() { return required_; }
  // A selection of the search's own, empty; a hint when `points` is not 0.
  Tvxsmalurval& NewSet(int points = 0) {
    sets_.push_back({std::make_unique<Tvxsmalurval>(), points});
    marks_.Prepare(*sets_.back().bits);
    return *sets_.back().bits;
  }
  // The candidate's event must fall in these years (0: open).
  void SetYears(int from, int to) {
    year_from_ = from;
    year_to_ = to;
  }
  void Exclude(uint32_t record) { excluded_ = record; }

  // Reads and scores the best-hinted records; adds those that score.
  Status Run(std::vector<LinkCandidate>& found);

 private:
  struct Set {
    std::unique_ptr<Tvxsmalurval> bits;
    int points;
  };

  std::vector<std::pair<int, uint32_t>> Ranked() const;
  bool YearsFit(uint32_t record);
  Status Score(uint32_t record, std::vector<LinkCandidate>& found);

  TEVF& evf_;
  LinkKind kind_;
  Role role_;
  const PersonFacts& shown_;
  LinkMarks marks_;
  Tvxsmalurval required_;
  std::vector<Set> sets_;
  int year_from_ = 0;
  int year_to_ = 0;
  uint32_t excluded_ = 0;
};

std::vector<std::pair<int, uint32_t>> KindSearch::Ranked() const {
  std::vector<std::pair<int, uint32_t>> ranked;
  for (int32_t record = 0; required_.Next(record);) {
    if (static_cast<uint32_t>(record) == excluded_) continue;
    int hinted = 0;
    for (const Set& set : sets_) {
      if (set.points != 0 && set.bits->IsSet(record)) hinted += set.points;
    }
    ranked.emplace_back(-hinted, static_cast<uint32_t>(record));
  }
  std::sort(ranked.begin(), ranked.end());
  return ranked;
}

bool KindSearch::YearsFit(uint32_t record) {
  if (year_from_ == 0 && year_to_ == 0) return true;
  const int year = marks_.EventYear(record);
  return year == 0 ||
         ((year_from_ == 0 || year >= year_from_) && (year_to_ == 0 || year <= year_to_));
}

Status LoadFacts(TEVF& evf, int register_number, Role role, uint32_t record, PersonFacts& facts,
                 std::string& lokalid) {
  TVXregtext& store = evf.RecordStore(register_number);
  switch (role) {
    case Role::kBirth: {
      Tenfodd birth;
      Status status = laddafodd(store, record, birth);
      facts = FactsOfBirth(birth);
      lokalid = birth.LOKALID;
      return status;
    }
    case Role::kDeath: {
      Tendod death;
      Status status = laddadod(store, record, death);
      facts = FactsOfDeath(death);
      lokalid = death.LOKALID;
      return status;
    }
    default: {
      Tenvigd marriage;
      Status status = laddavigd(store, record, marriage);
      facts = role == Role::kGroom ? FactsOfGroom(marriage) : FactsOfBride(marriage);
      lokalid = marriage.LOKALID;
      return status;
    }
  }
}

Status KindSearch::Score(uint32_t record, std::vector<LinkCandidate>& found) {
  PersonFacts facts;
  LinkCandidate candidate;
  Status status =
      LoadFacts(evf_, marks_.register_number(), role_, record, facts, candidate.lokalid);
  if (!status.ok()) return status;
  LinkScore score = ScoreLink(kind_, shown_, facts);
  if (!score.linkable || score.Score() < kLimits.min_score) return Status::OK();
  candidate.kind = kind_;
  candidate.register_number = marks_.register_number();
  candidate.record = record;
  candidate.score = score.Score();
  candidate.points = score.points;
  candidate.reasons = std::move(score.reasons);
  candidate.parish = facts.parish;
  marks_.RowParts(record, candidate.name, candidate.date);
  found.push_back(std::move(candidate));
  return Status::OK();
}

// The best-hinted records are read in record order: the register keeps its
// records in name order, so namesakes share the store's blocks and the
// person list's, and each block is expanded once.
Status KindSearch::Run(std::vector<LinkCandidate>& found) {
  std::vector<std::pair<int, uint32_t>> ranked = Ranked();
  const size_t dated =
      std::min(ranked.size(), static_cast<size_t>(std::max(kLimits.dates_per_kind, 0)));
  std::vector<uint32_t> by_record;
  for (size_t i = 0; i < dated; ++i)
    by_record.push_back(ranked[i].second);
  std::sort(by_record.begin(), by_record.end());
  std::vector<uint32_t> fitting;
  for (const uint32_t record : by_record) {
    if (YearsFit(record)) fitting.push_back(record);
  }
  std::vector<uint32_t> loads;
  for (size_t i = 0; i < dated && loads.size() < static_cast<size_t>(kLimits.loads_per_kind); ++i) {
    if (std::binary_search(fitting.begin(), fitting.end(), ranked[i].second)) {
      loads.push_back(ranked[i].second);
    }
  }
  std::sort(loads.begin(), loads.end());
  for (const uint32_t record : loads) {
    Status status = Score(record, found);
    if (!status.ok()) return status;
  }
  return Status::OK();
}

// The kinds, each marking its candidates from the lists.

Status FindDeaths(TEVF& evf, const PersonFacts& birth, std::vector<LinkCandidate>& found) {
  KindSearch search(evf, LinkKind::kDeath, 3, Role::kDeath, birth);
  LinkMarks& marks = search.marks();
  const int year = birth.birth_year;
  Tvxsmalurval& given = search.NewSet();
  marks.Words(kDeathGiven, birth.name.given, given);
  Tvxsmalurval& years = search.NewSet(Points(Evidence::kSameBirthYear));
  if (year != 0)
    marks.Years(kDeathBirthDates, year - kLimits.year_slack, year + kLimits.year_slack, years);
  Tvxsmalurval& surnames = search.NewSet(Points(Evidence::kSameSurname));
  marks.Words(kDeathSurname, SurnamesOf(birth), surnames);
  Tvxsmalurval& same_date = search.NewSet(Points(Evidence::kSameBirthDate));
  if (IsFullDate(birth.birth_date)) marks.Word(kDeathBirthDates, birth.birth_date, same_date);
  Tvxsmalurval& parish = search.NewSet(Points(Evidence::kSameParish));
  marks.Word(kParish, birth.parish, parish);
  Tvxsmalurval& places = search.NewSet(Points(Evidence::kSamePlace));
  marks.Word(kDeathPlace, birth.place, places);
  // A child's death names the parents, where the child may have no surname:
  // both, when the birth names both (the relatives' list does not say who
  // is a parent, and a wife's name alone would mark half the register).
  Tvxsmalurval& parents = search.NewSet(Points(Evidence::kSameFather));
  marks.Words(kRelativeGiven, birth.father.given, parents);
  if (birth.mother.Named()) {
    Tvxsmalurval& mothers = birth.father.Named() ? search.NewSet() : parents;
    marks.Words(kRelativeGiven, birth.mother.given, mothers);
    if (&mothers != &parents) parents.And(mothers);
  }
  marks.Words(kRelativeGiven, birth.married_to.given,
              search.NewSet(Points(Evidence::kMarriedSpouse)));
  Tvxsmalurval& required = search.required();
  required.Assign(years);
  required.Or(surnames);
  required.Or(parents);
  required.Or(places);
  required.And(given);
  // A child buried before it was named is found by its birth date in its
  // parish.
  Tvxsmalurval& unnamed = search.NewSet();
  unnamed.Assign(same_date);
  unnamed.And(parish);
  required.Or(unnamed);
  if (year != 0) search.SetYears(year, year + kLimits.max_age);
  return search.Run(found);
}

// Births of a person named `person` (a death, a groom, a bride), whose
// birth year may be known from a date or an age.
Status FindOwnBirths(TEVF& evf, LinkKind kind, const PersonFacts& person, int year_from,
                     int year_to, std::vector<LinkCandidate>& found) {
  KindSearch search(evf, kind, 1, Role::kBirth, person);
  LinkMarks& marks = search.marks();
  Tvxsmalurval& given = search.NewSet();
  marks.Words(kGiven, person.name.given, given);
  Tvxsmalurval& surnames = search.NewSet(Points(Evidence::kSameSurname));
  marks.Word(kSurname, person.name.surname, surnames);
  if (!IsPatronymic(person.name.surname)) marks.Word(kFatherSurname, person.name.surname, surnames);
  marks.Words(kFatherGiven, FathersOfPatronymic(person.name.surname), surnames);
  Tvxsmalurval& years = search.NewSet(Points(Evidence::kSameBirthYear));
  // An age of 63 in 1824 fits births of 1760 and 1761.
  const bool aged = person.birth_year == 0 && person.age >= 0 && person.event_year != 0;
  const int year = aged ? person.event_year - person.age : person.birth_year;
  if (year != 0) {
    const int slack = aged ? kLimits.age_slack : kLimits.year_slack;
    marks.Years(kDates, year - (aged ? 1 : 0) - slack, year + slack, years);
  }
  Tvxsmalurval& same_date = search.NewSet(Points(Evidence::kSameBirthDate));
  if (IsFullDate(person.birth_date)) marks.Word(kDates, person.birth_date, same_date);
  Tvxsmalurval& fathers = search.NewSet(Points(Evidence::kSameFather));
  marks.Words(kFatherGiven, person.father.given, fathers);
  Tvxsmalurval& parish = search.NewSet(Points(Evidence::kSameParish));
  marks.Word(kParish, person.parish, parish);
  Tvxsmalurval& places = search.NewSet(Points(Evidence::kSamePlace));
  marks.Word(kBirthPlace, person.place, places);
  Tvxsmalurval& mothers = search.NewSet(Points(Evidence::kSameMother));
  marks.Words(kMotherGiven, person.mother.given, mothers);
  Tvxsmalurval& required = search.required();
  required.Assign(years);
  required.Or(surnames);
  required.Or(fathers);
  required.Or(mothers);
  required.Or(places);
  required.And(given);
  // A child baptised before it was named is found by its birth date in
  // its parish.
  Tvxsmalurval& unnamed = search.NewSet();
  unnamed.Assign(same_date);
  unnamed.And(parish);
  required.Or(unnamed);
  search.SetYears(year_from, year_to);
  return search.Run(found);
}

Status FindMarriages(TEVF& evf, const PersonFacts& birth, std::vector<LinkCandidate>& found) {
  for (const Role role : {Role::kGroom, Role::kBride}) {
    const char sex = role == Role::kGroom ? 'm' : 'k';
    if (birth.sex != 0 && birth.sex != sex) continue;
    PersonFacts as_spouse = birth;
    as_spouse.sex = sex;
    KindSearch search(evf, LinkKind::kMarriage, 2, role, birth);
    LinkMarks& marks = search.marks();
    Tvxsmalurval& given = search.NewSet();
    marks.Words(role == Role::kGroom ? kGroomGiven : kBrideGiven, birth.name.given, given);
    Tvxsmalurval& surnames = search.NewSet(Points(Evidence::kSameSurname));
    marks.Words(role == Role::kGroom ? kGroomSurname : kBrideSurname, SurnamesOf(as_spouse),
                surnames);
    marks.Word(kParish, birth.parish, search.NewSet(Points(Evidence::kSameParish)));
    // The home, where the birth gives no surname (a child born out of
    // wedlock).
    Tvxsmalurval& places = search.NewSet(Points(Evidence::kSamePlace));
    marks.Word(role == Role::kGroom ? kGroomPlace : kBridePlace, birth.place, places);
    Tvxsmalurval& required = search.required();
    required.Assign(surnames);
    required.Or(places);
    required.And(given);
    if (birth.birth_year != 0) {
      search.SetYears(birth.birth_year + kLimits.min_age_at_marriage,
                      birth.birth_year + kLimits.max_age_at_marriage);
    }
    Status status = search.Run(found);
    if (!status.ok()) return status;
  }
  return Status::OK();
}

Status FindSiblings(TEVF& evf, uint32_t record, const PersonFacts& birth,
                    std::vector<LinkCandidate>& found) {
  if (!birth.mother.Named()) return Status::OK();
  KindSearch search(evf, LinkKind::kSibling, 1, Role::kBirth, birth);
  LinkMarks& marks = search.marks();
  Tvxsmalurval& required = search.required();
  marks.Words(kMotherGiven, birth.mother.given, required);
  if (birth.father.Named()) {
    Tvxsmalurval& fathers = search.NewSet();
    marks.Words(kFatherGiven, birth.father.given, fathers);
    required.And(fathers);
  }
  if (!birth.parish.empty()) {
    Tvxsmalurval& parish = search.NewSet();
    marks.Word(kParish, birth.parish, parish);
    required.And(parish);
  }
  marks.Word(kFatherSurname, birth.father.surname, search.NewSet(Points(Evidence::kSameFather)));
  marks.Word(kMotherSurname, birth.mother.surname, search.NewSet(Points(Evidence::kSameMother)));
  marks.Word(kBirthPlace, birth.place, search.NewSet(Points(Evidence::kSamePlace)));
  search.Exclude(record);
  if (birth.birth_year != 0) {
    search.SetYears(birth.birth_year - kLimits.sibling_years,
                    birth.birth_year + kLimits.sibling_years);
  }
  return search.Run(found);
}

Status FindChildren(TEVF& evf, const PersonFacts& groom, std::vector<LinkCandidate>& found) {
  if (!groom.name.Named() || !groom.spouse.Named()) return Status::OK();
  KindSearch search(evf, LinkKind::kChild, 1, Role::kBirth, groom);
  LinkMarks& marks = search.marks();
  Tvxsmalurval& required = search.required();
  marks.Words(kFatherGiven, groom.name.given, required);
  Tvxsmalurval& mothers = search.NewSet();
  marks.Words(kMotherGiven, groom.spouse.given, mothers);
  required.And(mothers);
  marks.Word(kFatherSurname, groom.name.surname, search.NewSet(Points(Evidence::kSameFather)));
  marks.Word(kMotherSurname, groom.spouse.surname, search.NewSet(Points(Evidence::kSameMother)));
  Tvxsmalurval& surnames = search.NewSet(Points(Evidence::kPatronymicSurname));
  marks.Word(kSurname, Patronymic(groom.name.given.front(), 'm'), surnames);
  marks.Word(kSurname, Patronymic(groom.name.given.front(), 'k'), surnames);
  marks.Word(kParish, groom.parish, search.NewSet(Points(Evidence::kSameParish)));
  marks.Word(kBirthPlace, groom.place, search.NewSet(Points(Evidence::kSamePlace)));
  if (groom.event_year != 0) {
    search.SetYears(groom.event_year - kLimits.children_before,
                    groom.event_year + kLimits.children_after);
  }
  return search.Run(found);
}

// The death of a spouse: `spouse` is the groom or the bride, with the
// other as spouse.
Status FindSpouseDeaths(TEVF& evf, LinkKind kind, const PersonFacts& spouse,
                        const std::string& married_surname, std::vector<LinkCandidate>& found) {
  if (!spouse.name.Named()) return Status::OK();
  KindSearch search(evf, kind, 3, Role::kDeath, spouse);
  LinkMarks& marks = search.marks();
  Tvxsmalurval& given = search.NewSet();
  marks.Words(kDeathGiven, spouse.name.given, given);
  Tvxsmalurval& surnames = search.NewSet(Points(Evidence::kSameSurname));
  marks.Word(kDeathSurname, spouse.name.surname, surnames);
  marks.Word(kDeathSurname, married_surname, surnames);
  Tvxsmalurval& relatives = search.NewSet(Points(Evidence::kSameHusband));
  marks.Words(kRelativeGiven, spouse.spouse.given, relatives);
  marks.Word(kParish, spouse.parish, search.NewSet(Points(Evidence::kSameParish)));
  marks.Word(kDeathPlace, spouse.place, search.NewSet(Points(Evidence::kSamePlace)));
  Tvxsmalurval& required = search.required();
  required.Assign(surnames);
  required.Or(relatives);
  required.And(given);
  if (spouse.event_year != 0)
    search.SetYears(spouse.event_year, spouse.event_year + kLimits.max_age);
  return search.Run(found);
}

// The spouse of the best marriage found for a son or a daughter, when it
// scores `spouse_from_marriage` or more: a death that names that spouse is
// the more likely the same person's.
Status TakeSpouseOfMarriage(TEVF& evf, const std::vector<LinkCandidate>& found,
                            PersonFacts& person) {
  const LinkCandidate* best = nullptr;
  for (const LinkCandidate& candidate : found) {
    if (candidate.kind == LinkKind::kMarriage && (best == nullptr || candidate.score > best->score))
      best = &candidate;
  }
  if (best == nullptr || best->score < kLimits.spouse_from_marriage || person.sex == 0) {
    return Status::OK();
  }
  Tenvigd marriage;
  Status status = laddavigd(evf.RecordStore(2), best->record, marriage);
  if (!status.ok()) return status;
  person.married_to = (person.sex == 'm' ? FactsOfBride(marriage) : FactsOfGroom(marriage)).name;
  return Status::OK();
}

Status FindForBirth(TEVF& evf, uint32_t record, std::vector<LinkCandidate>& found) {
  Tenfodd birth;
  Status status = laddafodd(evf.RecordStore(1), record, birth);
  if (!status.ok()) return status;
  PersonFacts facts = FactsOfBirth(birth);
  if (facts.name.Named()) {
    if (evf.RegisterOn(2)) status = FindMarriages(evf, facts, found);
    if (status.ok()) status = TakeSpouseOfMarriage(evf, found, facts);
  }
  if (status.ok() && evf.RegisterOn(3) && (facts.name.Named() || IsFullDate(facts.birth_date))) {
    status = FindDeaths(evf, facts, found);
  }
  if (status.ok()) status = FindSiblings(evf, record, facts, found);
  return status;
}

Status FindForDeath(TEVF& evf, uint32_t record, std::vector<LinkCandidate>& found) {
  Tendod death;
  Status status = laddadod(evf.RecordStore(3), record, death);
  if (!status.ok() || !evf.RegisterOn(1)) return status;
  const PersonFacts facts = FactsOfDeath(death);
  if (!facts.name.Named() && !IsFullDate(facts.birth_date)) return Status::OK();
  const int to = facts.event_year;
  return FindOwnBirths(evf, LinkKind::kBirth, facts, to != 0 ? to - kLimits.max_age : 0, to, found);
}

Status FindForMarriage(TEVF& evf, uint32_t record, std::vector<LinkCandidate>& found) {
  Tenvigd marriage;
  Status status = laddavigd(evf.RecordStore(2), record, marriage);
  if (!status.ok()) return status;
  const PersonFacts groom = FactsOfGroom(marriage);
  const PersonFacts bride = FactsOfBride(marriage);
  const int year = groom.event_year;
  const int from = year != 0 ? year - kLimits.max_age_at_marriage : 0;
  const int to = year != 0 ? year - kLimits.min_age_at_marriage : 0;
  if (evf.RegisterOn(1)) {
    status = FindChildren(evf, groom, found);
    if (status.ok() && groom.name.Named()) {
      status = FindOwnBirths(evf, LinkKind::kHusbandBirth, groom, from, to, found);
    }
    if (status.ok() && bride.name.Named()) {
      status = FindOwnBirths(evf, LinkKind::kWifeBirth, bride, from, to, found);
    }
  }
  if (status.ok() && evf.RegisterOn(3)) {
    status = FindSpouseDeaths(evf, LinkKind::kHusbandDeath, groom, {}, found);
    if (status.ok()) {
      // A wife lives where her husband lives.
      PersonFacts wife = bride;
      wife.place = groom.place;
      status = FindSpouseDeaths(evf, LinkKind::kWifeDeath, wife, groom.name.surname, found);
    }
  }
  return status;
}

// Best first within each kind, at most max_per_kind of each; a record
// found twice for one kind (as groom and as bride) counts once.
void RankByKind(std::vector<LinkCandidate>& candidates) {
  std::stable_sort(candidates.begin(), candidates.end(), RanksBefore);
  std::vector<LinkCandidate> kept;
  int in_kind = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    const bool new_kind = i == 0 || candidates[i].kind != candidates[i - 1].kind;
    in_kind = new_kind ? 0 : in_kind;
    const bool repeated = !new_kind && candidates[i].record == candidates[i - 1].record;
    if (repeated || in_kind >= kLimits.max_per_kind) continue;
    ++in_kind;
    kept.push_back(std::move(candidates[i]));
  }
  candidates = std::move(kept);
}

}  // namespace

Status FindLinkCandidates(TEVF& evf, int register_number, uint32_t record,
                          std::vector<LinkCandidate>& candidates) {
  candidates.clear();
  if (register_number < 1 || register_number > 3 || !evf.RegisterOn(register_number)) {
    return Status::InvalidArgument("Registret " + std::to_string(register_number) + " finns inte.");
  }
  const int32_t count = evf.PersonList(register_number).RowCount();
  if (record < 1 || record > static_cast<uint32_t>(count)) {
    return Status::InvalidArgument("Post " + std::to_string(record) + " finns inte i registret.");
  }
  Status status;
  switch (register_number) {
    case 1:
      status = FindForBirth(evf, record, candidates);
      break;
    case 2:
      status = FindForMarriage(evf, record, candidates);
      break;
    default:
      status = FindForDeath(evf, record, candidates);
      break;
  }
  RankByKind(candidates);
  return status;
}

uint32_t RecordOfLokalId(TEVF& evf, int register_number, std::string_view lokalid) {
  constexpr int kSlots[] = {0, kBirthLokalId, kMarriageLokalId, kDeathLokalId};
  if (register_number < 1 || register_number > 3 || lokalid.empty()) return 0;
  TVXstruktlista* list = evf.soklistor(register_number, kSlots[register_number]);
  if (list == nullptr || !list->Opened() || list->FindExact(lokalid) < 1) return 0;
  const uint32_t record = list->RowValue1();
  return record == 0xFFFFFFFF ? 0 : record;
}

}  // namespace vx
