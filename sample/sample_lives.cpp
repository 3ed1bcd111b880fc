#include "sample/sample_lives.h"

#include <algorithm>
#include <set>
#include <utility>

#include "sample/sample_dates.h"

namespace vx {
namespace {

constexpr int32_t kYear = 365;

int YearOfDay(int32_t day) {
  return DateOfDay(day).year;
}

uint16_t IndexOf(const FirstName& name, const std::vector<FirstName>& names) {
  return static_cast<uint16_t>(&name - names.data() + 1);
}

// The people of one sex who may still marry, or everyone alive, by day of
// birth: a pick takes someone born near a wanted day.
class Pool {
 public:
  void Add(const Life& life, int32_t person) { people_.emplace(life.born, person); }
  void Remove(const Life& life, int32_t person) { people_.erase({life.born, person}); }

  // Someone born from `from` to `to`, near a random day between them;
  // kNobody when there is none.
  int32_t Pick(int32_t from, int32_t to, SampleRandom& random) const {
    if (to < from) return kNobody;
    const int32_t wanted = random.Between(from, to);
    auto at = people_.lower_bound({wanted, kNobody});
    if (at != people_.end() && at->first <= to) return at->second;
    if (at == people_.begin()) return kNobody;
    --at;
    return at->first >= from ? at->second : kNobody;
  }

 private:
  std::set<std::pair<int32_t, int32_t>> people_;
};

// Lives one parish: the events of the three registers in date order.
class ParishLife {
 public:
  ParishLife(const SampleVocabulary& vocabulary, SampleRandom& random, ParishLives& lives)
      : vocabulary_(vocabulary), data_(vocabulary.data()), random_(random), lives_(lives) {}

  void Wed(int32_t marriage, int32_t from);
  void Bear(int32_t birth);
  void Die(int32_t death);

 private:
  int32_t NewLife(char sex, int32_t born, uint16_t place);
  void Name(Life& life);
  void OwnSurname(Life& life);
  void ChildSurname(Life& child, const Life& father);
  int32_t Outsider(char sex, int32_t born);
  int32_t Spouse(char sex, int32_t wedding, int age, double from_elsewhere);
  int32_t ReadyCouple(int32_t day);
  int32_t NewCouple(int32_t husband, int32_t wife, int32_t from, int children);
  int32_t UnrecordedCouple(int32_t day);
  int32_t MotherOutOfWedlock(int32_t day);
  uint16_t HomeIn() { return static_cast<uint16_t>(vocabulary_.PlaceIn(lives_.parish, random_)); }
  Pool& Unmarried(char sex) { return sex == 'k' ? unmarried_women_ : unmarried_men_; }
  bool Alive(int32_t person, int32_t day) const {
    return person == kNobody || lives_.people[static_cast<size_t>(person)].died > day;
  }

  const SampleVocabulary& vocabulary_;
  const SampleData& data_;
  SampleRandom& random_;
  ParishLives& lives_;
  Pool alive_, unmarried_men_, unmarried_women_;
  std::vector<int32_t> active_;  // couples that may have children
};

int32_t ParishLife::NewLife(char sex, int32_t born, uint16_t place) {
  Life life;
  life.sex = sex;
  life.born = born;
  life.place = place;
  Name(life);
  lives_.people.push_back(life);
  return static_cast<int32_t>(lives_.people.size() - 1);
}

// One or two first names as they were given in the year of birth.
void ParishLife::Name(Life& life) {
  const int year = YearOfDay(life.born);
  const std::vector<FirstName>& names = life.sex == 'k' ? data_.women : data_.men;
  life.given[0] = IndexOf(vocabulary_.GivenName(life.sex, year, random_), names);
  const double double_names = year < 1750 ? 0.02 : year < 1800 ? 0.10 : year < 1850 ? 0.30 : 0.45;
  if (random_.Chance(double_names)) {
    const uint16_t second = IndexOf(vocabulary_.GivenName(life.sex, year, random_), names);
    if (second != life.given[0]) life.given[1] = second;
  }
}

// The surname of someone whose father is not among the parish's people:
// mostly a patronymic of a man a generation older; now and then a family
// name, and for a few men a soldier's name.
void ParishLife::OwnSurname(Life& life) {
  const int year = YearOfDay(life.born) + 25;
  auto family = [&](SurnameKind kind) {
    const Surname& surname = vocabulary_.SurnameOfKind(kind, random_);
    life.surname = static_cast<uint16_t>(&surname - data_.surnames.data() + 1);
  };
  if (life.sex == 'm' && random_.Chance(0.06)) {
    family(SurnameKind::kSoldier);
  } else if (random_.Chance(life.sex == 'k' ? (year >= 1850 ? 0.08 : 0.0)
                                            : (year < 1800   ? 0.03
                                               : year < 1850 ? 0.08
                                                             : 0.18))) {
    family(SurnameKind::kFamily);
  } else {
    life.patronymic =
        IndexOf(vocabulary_.GivenName('m', YearOfDay(life.born) - 30, random_), data_.men);
  }
}

// From 1800 a father's family name mostly passes to his children; a
// soldier's name and a patronymic do not.
void ParishLife::ChildSurname(Life& child, const Life& father) {
  const bool family =
      father.surname != 0 && data_.surnames[father.surname - 1u].kind == SurnameKind::kFamily;
  if (family && YearOfDay(child.born) >= 1800 && random_.Chance(0.9)) {
    child.surname = father.surname;
  } else {
    child.patronymic = father.given[0];
  }
}

int32_t ParishLife::Outsider(char sex, int32_t born) {
  const int32_t person = NewLife(sex, born, HomeIn());
  OwnSurname(lives_.people[static_cast<size_t>(person)]);
  return person;
}

// A bride or groom of `age` at `wedding`: someone of the parish born then
// who is unmarried and alive, else (and for `from_elsewhere` of them)
// someone born elsewhere or before the registers.
int32_t ParishLife::Spouse(char sex, int32_t wedding, int age, double from_elsewhere) {
  const int32_t born = wedding - age * kYear - random_.Between(0, kYear - 1);
  int32_t person = kNobody;
  if (!random_.Chance(from_elsewhere)) {
    person =
        Unmarried(sex).Pick(born - kYear, std::min(born + kYear, wedding - 15 * kYear), random_);
  }
  if (person == kNobody) {
    person = Outsider(sex, born);
    alive_.Add(lives_.people[static_cast<size_t>(person)], person);
  } else {
    Unmarried(sex).Remove(lives_.people[static_cast<size_t>(person)], person);
  }
  lives_.people[static_cast<size_t>(person)].married = wedding;
  return person;
}

int32_t ParishLife::NewCouple(int32_t husband, int32_t wife, int32_t from, int children) {
  Couple couple;
  couple.husband = husband;
  couple.wife = wife;
  couple.place = lives_.people[static_cast<size_t>(husband != kNobody ? husband : wife)].place;
  couple.next_birth = from;
  const int32_t wife_born = lives_.people[static_cast<size_t>(wife)].born;
  couple.last_day = std::min(from + 30 * kYear, wife_born + 45 * kYear);
  couple.children_left = children;
  if (husband != kNobody) {
    lives_.people[static_cast<size_t>(husband)].spouse = wife;
    lives_.people[static_cast<size_t>(wife)].spouse = husband;
  }
  lives_.couples.push_back(couple);
  const auto index = static_cast<int32_t>(lives_.couples.size() - 1);
  if (children > 0) active_.push_back(index);
  return index;
}

// A wedding of a groom of 20 to 36 (now and then older) and a bride of 19
// to 31; the couple may have children from `from`, before the wedding
// when the bride was with child already.
void ParishLife::Wed(int32_t marriage, int32_t from) {
  MarriageEvent& event = lives_.marriages[static_cast<size_t>(marriage)];
  const int groom_age = 20 + random_.Between(0, 8) + random_.Between(0, 8) +
                        (random_.Chance(0.15) ? random_.Between(0, 25) : 0);
  const int bride_age = 19 + random_.Between(0, 6) + random_.Between(0, 6) +
                        (random_.Chance(0.1) ? random_.Between(0, 15) : 0);
  const int32_t husband = Spouse('m', event.day, groom_age, 0.15);
  const int32_t wife = Spouse('k', event.day, bride_age, 0.10);
  const int children = random_.Chance(0.1) ? 0 : 1 + random_.Between(0, 4) + random_.Between(0, 4);
  event.couple = NewCouple(husband, wife, from, children);
  lives_.couples[static_cast<size_t>(event.couple)].wedding = marriage;
}

// A couple of the active ones that may have a child on `day`, found by a
// few random looks; couples past their years are dropped on the way.
int32_t ParishLife::ReadyCouple(int32_t day) {
  for (int look = 0; look < 16 && !active_.empty(); ++look) {
    const size_t at = random_.Below(active_.size());
    const int32_t index = active_[at];
    const Couple& couple = lives_.couples[static_cast<size_t>(index)];
    if (couple.children_left <= 0 || couple.last_day < day || !Alive(couple.wife, day) ||
        !Alive(couple.husband, day)) {
      active_[at] = active_.back();
      active_.pop_back();
      continue;
    }
    if (couple.next_birth <= day) return index;
  }
  return kNobody;
}

// Parents married elsewhere or before the registers: mostly from
// elsewhere, now and then someone of the parish.
int32_t ParishLife::UnrecordedCouple(int32_t day) {
  int32_t spouses[2];
  for (const char sex : {'m', 'k'}) {
    const int age = sex == 'm' ? 24 + random_.Between(0, 12) : 21 + random_.Between(0, 10);
    const int32_t born = day - age * kYear - random_.Between(0, kYear - 1);
    int32_t person = kNobody;
    if (random_.Chance(0.3)) person = Unmarried(sex).Pick(born - kYear, born + kYear, random_);
    if (person == kNobody) {
      person = Outsider(sex, born);
      alive_.Add(lives_.people[static_cast<size_t>(person)], person);
    } else {
      Unmarried(sex).Remove(lives_.people[static_cast<size_t>(person)], person);
    }
    spouses[sex == 'm' ? 0 : 1] = person;
  }
  return NewCouple(spouses[0], spouses[1], day, 1 + random_.Between(0, 4) + random_.Between(0, 3));
}

int32_t ParishLife::MotherOutOfWedlock(int32_t day) {
  const int32_t born = day - (18 + random_.Between(0, 14)) * kYear;
  int32_t mother = unmarried_women_.Pick(born - kYear, born + kYear, random_);
  if (mother == kNobody) {
    mother = Outsider('k', born);
    alive_.Add(lives_.people[static_cast<size_t>(mother)], mother);
  }
  return NewCouple(kNobody, mother, day, 0);
}

void ParishLife::Bear(int32_t birth) {
  BirthEvent& event = lives_.births[static_cast<size_t>(birth)];
  const int year = YearOfDay(event.day);
  if (event.twin == 2) event.couple = lives_.births[static_cast<size_t>(birth) - 1].couple;
  if (event.twin != 2) {
    const double out_of_wedlock = year < 1800 ? 0.03 : year < 1850 ? 0.06 : 0.09;
    event.couple = random_.Chance(out_of_wedlock) ? MotherOutOfWedlock(event.day) : kNobody;
    if (event.couple == kNobody) event.couple = ReadyCouple(event.day);
    if (event.couple == kNobody) event.couple = UnrecordedCouple(event.day);
  }
  Couple& couple = lives_.couples[static_cast<size_t>(event.couple)];
  const int32_t child = NewLife(random_.Below(1000) < 512 ? 'm' : 'k', event.day,
                                static_cast<uint16_t>(couple.place));
  Life& life = lives_.people[static_cast<size_t>(child)];
  life.father = couple.husband;
  life.mother = couple.wife;
  life.birth = birth;
  life.stillborn = event.twin == 0 && random_.Chance(0.02);
  if (couple.husband != kNobody) {
    ChildSurname(life, lives_.people[static_cast<size_t>(couple.husband)]);
  } else {
    OwnSurname(life);  // what the child will be called later
  }
  event.child = child;
  if (event.twin != 2) {
    --couple.children_left;
    couple.next_birth = event.day + 420 + random_.Between(0, 700);
  }
  if (!life.stillborn) {
    alive_.Add(life, child);
    Unmarried(life.sex).Add(life, child);
  }
}

// The age of the dead as in the old death registers: many infants and
// children, the more the earlier; someone of the parish born then, else
// someone born before the registers or elsewhere.
void ParishLife::Die(int32_t death) {
  DeathEvent& event = lives_.deaths[static_cast<size_t>(death)];
  const int year = YearOfDay(event.day);
  const uint64_t roll = random_.Below(100);
  const uint64_t infants = year < 1850 ? 22 : 15;
  const uint64_t children = infants + (year < 1850 ? 15 : 12);
  int32_t age = 0;
  int32_t slack = 2 * kYear;
  if (roll < infants) {
    age = std::min(random_.Between(0, 364), random_.Between(0, 364));
    slack = 20;
  } else if (roll < children) {
    age =
        std::min(random_.Between(1, 14), random_.Between(1, 14)) * kYear + random_.Between(0, 364);
    slack = kYear / 2;
  } else if (roll < children + 30) {
    age = random_.Between(15, 59) * kYear + random_.Between(0, 364);
  } else {
    age = (60 + random_.Between(0, 18) + random_.Between(0, 18)) * kYear + random_.Between(0, 364);
  }
  const int32_t born = event.day - age;
  int32_t person = alive_.Pick(born - slack, std::min(born + slack, event.day), random_);
  if (person != kNobody && lives_.people[static_cast<size_t>(person)].married > event.day &&
      lives_.people[static_cast<size_t>(person)].married != kNever) {
    person = kNobody;  // to be married later: someone else dies
  }
  if (person == kNobody) {
    person = Outsider(random_.Below(1000) < 512 ? 'm' : 'k', born);
  } else {
    Life& life = lives_.people[static_cast<size_t>(person)];
    alive_.Remove(life, person);
    if (life.spouse == kNobody) Unmarried(life.sex).Remove(life, person);
  }
  Life& life = lives_.people[static_cast<size_t>(person)];
  life.died = event.day;
  life.death = death;
  event.person = person;
}

// Fills `days` with the next `count` days of `schedule`.
std::vector<int32_t> Days(SampleSchedule& schedule, int64_t count, SampleRandom& random) {
  std::vector<int32_t> days;
  days.reserve(static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i)
    days.push_back(schedule.Next(random).day);
  return days;
}

}  // namespace

LifeSimulation::LifeSimulation(const SampleVocabulary& vocabulary, int64_t births,
                               int64_t marriages, int64_t deaths, uint64_t seed)
    : vocabulary_(vocabulary),
      random_([seed] {
        uint64_t state = seed ^ 0x6c6976657331ULL;
        return SplitMix64(state);
      }()),
      schedules_{SampleSchedule(vocabulary.data(), births),
                 SampleSchedule(vocabulary.data(), marriages),
                 SampleSchedule(vocabulary.data(), deaths)} {}

void LifeSimulation::Live(size_t parish, ParishLives& lives) {
  lives = ParishLives();
  lives.parish = parish;
  const std::vector<int32_t> birth_days =
      Days(schedules_[0], schedules_[0].Counts()[parish], random_);
  const std::vector<int32_t> wedding_days =
      Days(schedules_[1], schedules_[1].Counts()[parish], random_);
  const std::vector<int32_t> death_days =
      Days(schedules_[2], schedules_[2].Counts()[parish], random_);
  for (size_t i = 0; i < birth_days.size(); ++i) {
    // One birth in seventy is of twins: the next record is the second.
    const bool second = i > 0 && lives.births.back().twin == 1;
    const int32_t day = second ? lives.births.back().day : birth_days[i];
    const bool first = !second && i + 1 < birth_days.size() && random_.Chance(0.014);
    lives.births.push_back({day, kNobody, kNobody, static_cast<uint8_t>(second ? 2 : first)});
  }
  // One bride in twelve is with child already: the couple is formed
  // months before the wedding, so that the first child may come before it.
  std::vector<std::pair<int32_t, int32_t>> formed;  // (day, marriage)
  for (const int32_t day : wedding_days) {
    const int32_t lead = random_.Chance(1.0 / 12) ? random_.Between(60, 300) : 0;
    formed.emplace_back(day - lead, static_cast<int32_t>(lives.marriages.size()));
    lives.marriages.push_back({day, kNobody});
  }
  std::stable_sort(formed.begin(), formed.end());
  for (const int32_t day : death_days)
    lives.deaths.push_back({day, kNobody});

  // The events in date order; on one day weddings first, deaths last.
  ParishLife life(vocabulary_, random_, lives);
  size_t b = 0, m = 0, d = 0;
  while (b < lives.births.size() || m < formed.size() || d < lives.deaths.size()) {
    const int32_t wed = m < formed.size() ? formed[m].first : kNever;
    const int32_t bear = b < lives.births.size() ? lives.births[b].day : kNever;
    const int32_t die = d < lives.deaths.size() ? lives.deaths[d].day : kNever;
    if (wed <= bear && wed <= die) {
      life.Wed(formed[m].second, formed[m].first);
      ++m;
    } else if (bear <= die) {
      life.Bear(static_cast<int32_t>(b++));
    } else {
      life.Die(static_cast<int32_t>(d++));
    }
  }
}

}  // namespace vx
