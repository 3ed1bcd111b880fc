#include "sample/life_links.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "records/register_labels.h"
#include "sample/record_frame.h"

namespace vx {
namespace {

class LinkWriter {
 public:
  LinkWriter(const ParishLives& lives, const int64_t (&first)[3], std::string& out)
      : lives_(lives), first_(first), out_(out) {}

  void Birth(int32_t birth) { Id(kBirths, birth, lives_.births[static_cast<size_t>(birth)].day); }
  void Marriage(int32_t marriage) {
    Id(kMarriages, marriage, lives_.marriages[static_cast<size_t>(marriage)].day);
  }
  void Death(int32_t death) { Id(kDeaths, death, lives_.deaths[static_cast<size_t>(death)].day); }
  void Kind(const char* kind) {
    out_ += kind;
    out_ += '\n';
  }

 private:
  void Id(int register_number, int32_t index, int32_t day) {
    AppendLokalId(register_number, first_[register_number - 1] + index, day, out_);
    out_ += '\t';
  }

  const ParishLives& lives_;
  const int64_t (&first_)[3];
  std::string& out_;
};

}  // namespace

void AppendLifeLinks(const ParishLives& lives, const int64_t (&first)[3], std::string& out) {
  LinkWriter write(lives, first, out);
  for (const Life& life : lives.people) {
    if (life.birth == kNobody || life.death == kNobody) continue;
    write.Birth(life.birth);
    write.Death(life.death);
    write.Kind("dod");
  }
  for (size_t m = 0; m < lives.marriages.size(); ++m) {
    const auto marriage = static_cast<int32_t>(m);
    const Couple& couple = lives.couples[static_cast<size_t>(lives.marriages[m].couple)];
    for (const int32_t spouse : {couple.husband, couple.wife}) {
      const Life& life = lives.people[static_cast<size_t>(spouse)];
      const bool husband = spouse == couple.husband;
      if (life.birth != kNobody) {
        write.Marriage(marriage);
        write.Birth(life.birth);
        write.Kind(husband ? "mannens-fodelse" : "hustruns-fodelse");
      }
      if (life.death != kNobody) {
        write.Marriage(marriage);
        write.Death(life.death);
        write.Kind(husband ? "mannens-dod" : "hustruns-dod");
      }
    }
  }
  // Children by couple, in birth order.
  std::vector<std::pair<int32_t, int32_t>> families;
  for (size_t b = 0; b < lives.births.size(); ++b) {
    const int32_t couple = lives.births[b].couple;
    const int32_t wedding = lives.couples[static_cast<size_t>(couple)].wedding;
    if (wedding != kNobody) {
      write.Marriage(wedding);
      write.Birth(static_cast<int32_t>(b));
      write.Kind("barn");
    }
    if (lives.couples[static_cast<size_t>(couple)].husband != kNobody) {
      families.emplace_back(couple, static_cast<int32_t>(b));
    }
  }
  std::sort(families.begin(), families.end());
  for (size_t i = 0; i < families.size(); ++i) {
    for (size_t j = i + 1; j < families.size() && families[j].first == families[i].first; ++j) {
      write.Birth(families[i].second);
      write.Birth(families[j].second);
      write.Kind("syskon");
    }
  }
}

}  // namespace vx
