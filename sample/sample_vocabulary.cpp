#include "sample/sample_vocabulary.h"

#include <bit>

namespace vx {
namespace {

bool FitsSex(char entry_sex, char sex) {
  return entry_sex == 'b' || entry_sex == sex;
}

}  // namespace

SampleVocabulary::SampleVocabulary(const SampleData& data) : data_(data) {
  for (size_t i = 0; i < data.men.size(); ++i) {
    given_[0][0].Add(i, data.men[i].weight_1700);
    given_[0][1].Add(i, data.men[i].weight_1800);
  }
  for (size_t i = 0; i < data.women.size(); ++i) {
    given_[1][0].Add(i, data.women[i].weight_1700);
    given_[1][1].Add(i, data.women[i].weight_1800);
  }
  for (size_t i = 0; i < data.surnames.size(); ++i) {
    surnames_[static_cast<size_t>(data.surnames[i].kind)].Add(i, data.surnames[i].weight);
  }
  places_.resize(data.parishes.size());
  for (size_t i = 0; i < data.places.size(); ++i) {
    places_[data.places[i].parish].Add(i, data.places[i].weight);
  }
  for (size_t i = 0; i < data.parishes.size(); ++i)
    parishes_.Add(i, data.parishes[i].weight);
  for (size_t i = 0; i < data.titles.size(); ++i) {
    const Title& title = data.titles[i];
    for (int role = 0; role < kTitleRoleCount; ++role) {
      if ((title.roles & (1u << role)) == 0) continue;
      for (const char sex : {'m', 'k'}) {
        if (FitsSex(title.sex, sex)) titles_[role][SexIndex(sex)].Add(i, title.weight);
      }
    }
  }
  for (size_t i = 0; i < data.causes.size(); ++i) {
    for (int group = 0; group < kAgeGroupCount; ++group) {
      for (const char sex : {'m', 'k'}) {
        if (FitsSex(data.causes[i].sex, sex)) {
          causes_[group][SexIndex(sex)].Add(i, data.causes[i].weights[group]);
        }
      }
    }
  }
  for (int number = 1; number <= 3; ++number) {
    for (size_t i = 0; i < data.remarks.size(); ++i) {
      const Remark& remark = data.remarks[i];
      if (remark.register_number != 0 && remark.register_number != number) continue;
      RemarkTable* target = nullptr;
      for (RemarkTable& table : remarks_) {
        if (table.register_number == number && table.register_remark == remark.register_remark &&
            table.condition == remark.condition) {
          target = &table;
        }
      }
      if (target == nullptr) {
        target = &remarks_.emplace_back(
            RemarkTable{number, remark.register_remark, remark.condition, {}});
      }
      target->table.Add(i, remark.weight);
    }
  }
}

const FirstName& SampleVocabulary::GivenName(char sex, int year, SampleRandom& random) const {
  int period = year < 1770 ? 0 : 1;
  if (year >= 1770 && year < 1820) period = random.Below(50) < static_cast<uint64_t>(year - 1770);
  const size_t i = given_[SexIndex(sex)][period].Pick(random);
  return sex == 'k' ? data_.women[i] : data_.men[i];
}

const Surname& SampleVocabulary::SurnameOfKind(SurnameKind kind, SampleRandom& random) const {
  return data_.surnames[surnames_[static_cast<size_t>(kind)].Pick(random)];
}

size_t SampleVocabulary::PlaceIn(size_t parish, SampleRandom& random) const {
  return places_[parish].Pick(random);
}

size_t SampleVocabulary::AnyParish(SampleRandom& random) const {
  return parishes_.Pick(random);
}

const Title& SampleVocabulary::TitleFor(uint32_t role, char sex, SampleRandom& random) const {
  const int bit = std::countr_zero(role);
  return data_.titles[titles_[bit][SexIndex(sex)].Pick(random)];
}

const Cause& SampleVocabulary::CauseFor(AgeGroup group, char sex, SampleRandom& random) const {
  return data_.causes[causes_[static_cast<size_t>(group)][SexIndex(sex)].Pick(random)];
}

const Remark* SampleVocabulary::RemarkFor(int register_number, bool register_remark,
                                          std::string_view condition, SampleRandom& random) const {
  for (const RemarkTable& table : remarks_) {
    if (table.register_number == register_number && table.register_remark == register_remark &&
        table.condition == condition && !table.table.Empty()) {
      return &data_.remarks[table.table.Pick(random)];
    }
  }
  return nullptr;
}

}  // namespace vx
