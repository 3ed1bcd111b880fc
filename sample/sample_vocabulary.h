// Random picks from the sample lists in proportion to their frequencies:
// given names by sex and period, surnames by kind, places by parish,
// titles by role and sex, causes of death by age and sex, remarks by
// register and record kind. Built once from the parsed lists; read-only
// afterwards, so several record makers may share it.
#ifndef VX_SAMPLE_SAMPLE_VOCABULARY_H_
#define VX_SAMPLE_SAMPLE_VOCABULARY_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "sample/sample_data.h"
#include "sample/sample_random.h"
#include "sample/weighted_table.h"

namespace vx {

class SampleVocabulary {
 public:
  explicit SampleVocabulary(const SampleData& data);

  const SampleData& data() const { return data_; }

  // A given name for a child of sex `sex` ('m' or 'k') born in `year`: the
  // 1700s frequencies before 1770, the 1800s frequencies from 1820, either
  // in between.
  const FirstName& GivenName(char sex, int year, SampleRandom& random) const;
  const Surname& SurnameOfKind(SurnameKind kind, SampleRandom& random) const;
  size_t PlaceIn(size_t parish, SampleRandom& random) const;  // index into data().places
  size_t AnyParish(SampleRandom& random) const;               // index into data().parishes
  // A title of `role` (a TitleRole bit) for a person of sex `sex`.
  const Title& TitleFor(uint32_t role, char sex, SampleRandom& random) const;
  const Cause& CauseFor(AgeGroup group, char sex, SampleRandom& random) const;
  // A remark of register `register_number` for OVRIGT or REGANM whose
  // condition is `condition` (remarks of every register included); nullptr
  // when there is none.
  const Remark* RemarkFor(int register_number, bool register_remark, std::string_view condition,
                          SampleRandom& random) const;

 private:
  struct RemarkTable {
    int register_number;
    bool register_remark;
    std::string condition;
    WeightedTable table;
  };

  static int SexIndex(char sex) { return sex == 'k' ? 1 : 0; }

  const SampleData& data_;
  std::array<std::array<WeightedTable, 2>, 2> given_;  // [sex][0: 1700s, 1: 1800s]
  std::array<WeightedTable, 2> surnames_;              // [SurnameKind]
  std::vector<WeightedTable> places_;                  // per parish
  WeightedTable parishes_;
  std::array<std::array<WeightedTable, 2>, kTitleRoleCount> titles_;  // [role bit][sex]
  std::array<std::array<WeightedTable, 2>, kAgeGroupCount> causes_;   // [group][sex]
  std::vector<RemarkTable> remarks_;
};

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_VOCABULARY_H_
