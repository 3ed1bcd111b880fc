// The lives behind the records of the sample source: in each parish,
// people are born to couples, many of them marry, most of them die within
// the period, so that records of the three registers belong together as
// they do in real parish registers. A couple's children are born from the
// year before the wedding to 30 years after it and bear their father's
// patronymic (Anders Persson's children are Andersson and Andersdotter) or
// his family name; a wife keeps her own surname.
//
// The records' days come from the schedules of the three registers
// (sample_schedule.h), so each register gets exactly the records asked
// for; a wedding or a death takes a person of the parish of a fitting age
// when there is one, else someone born before the registers begin or
// elsewhere, who has no birth record. One parish is lived at a time, so
// memory stays within the largest parish.
#ifndef VX_SAMPLE_SAMPLE_LIVES_H_
#define VX_SAMPLE_SAMPLE_LIVES_H_

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "sample/sample_random.h"
#include "sample/sample_schedule.h"
#include "sample/sample_vocabulary.h"

namespace vx {

inline constexpr int32_t kNobody = -1;
inline constexpr int32_t kNever = std::numeric_limits<int32_t>::max();

struct Life {
  int32_t born = 0;  // day number (sample_dates.h)
  int32_t died = kNever;
  int32_t married = kNever;  // the wedding's day
  int32_t father = kNobody;  // indices into ParishLives::people
  int32_t mother = kNobody;
  int32_t spouse = kNobody;
  int32_t birth = kNobody;  // index into ParishLives::births
  int32_t death = kNobody;  // index into ParishLives::deaths
  // First names: index + 1 into SampleData::men or women; 0 for none.
  uint16_t given[2] = {0, 0};
  // The surname: index + 1 into SampleData::surnames, or 0 for a
  // patronymic of the man `patronymic` (index + 1 into SampleData::men).
  uint16_t surname = 0;
  uint16_t patronymic = 0;
  uint16_t place = 0;  // the home: index into SampleData::places
  char sex = 'm';
  bool stillborn = false;
};

struct Couple {
  int32_t husband = kNobody;  // kNobody for a child born out of wedlock
  int32_t wife = kNobody;
  int32_t wedding = kNobody;  // index into ParishLives::marriages, when recorded
  int32_t place = 0;          // the home: index into SampleData::places
  // While the couple has children: from `next_birth` (day) to `last_day`,
  // at most `children_left` more.
  int32_t next_birth = 0;
  int32_t last_day = 0;
  int32_t children_left = 0;
};

struct BirthEvent {
  int32_t day;
  int32_t child;   // index into people
  int32_t couple;  // index into couples
  uint8_t twin;    // 0, or 1 and 2 for the first and second of twins
};

struct MarriageEvent {
  int32_t day;
  int32_t couple;
};

struct DeathEvent {
  int32_t day;
  int32_t person;
};

// One parish's people and the events of its three registers, each in date
// order.
struct ParishLives {
  size_t parish = 0;
  std::vector<Life> people;
  std::vector<Couple> couples;
  std::vector<BirthEvent> births;
  std::vector<MarriageEvent> marriages;
  std::vector<DeathEvent> deaths;
};

class LifeSimulation {
 public:
  // The lives of `births`, `marriages` and `deaths` records over the
  // parishes of the vocabulary's data; the same arguments give the same
  // lives.
  LifeSimulation(const SampleVocabulary& vocabulary, int64_t births, int64_t marriages,
                 int64_t deaths, uint64_t seed);

  size_t ParishCount() const { return vocabulary_.data().parishes.size(); }

  // The lives of parish `parish`; parishes are lived in order, each once.
  void Live(size_t parish, ParishLives& lives);

 private:
  const SampleVocabulary& vocabulary_;
  SampleRandom random_;
  SampleSchedule schedules_[3];
};

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_LIVES_H_
