#include "sample/sample_record_maker.h"

#include <cstdio>
#include <cstdlib>

#include "records/register_labels.h"
#include "sample/record_frame.h"
#include "sample/sample_dates.h"

namespace vx {
namespace {

// Mixes the register into the seed, so that each register draws its own
// numbers from one seed.
uint64_t RegisterSeed(uint64_t seed, int register_number) {
  uint64_t state = seed ^ (0x517cc1b727220a95ULL * static_cast<uint64_t>(register_number));
  return SplitMix64(state);
}

}  // namespace

SampleRecordMaker::SampleRecordMaker(int register_number, const SampleVocabulary& vocabulary,
                                     uint64_t seed)
    : register_number_(register_number),
      vocabulary_(vocabulary),
      random_(RegisterSeed(seed, register_number)),
      speller_(vocabulary, random_),
      remarks_(vocabulary, speller_, random_) {}

void SampleRecordMaker::Next(const ParishLives& lives, size_t index,
                             std::vector<std::string>& fields) {
  fields.resize(RegisterLabels(register_number_).size());
  for (std::string& field : fields)
    field.clear();
  ++number_;
  Fill(lives, index, fields);
}

void SampleRecordMaker::GivenForms(const Life& life, std::string& normal, std::string& written) {
  const std::vector<FirstName>& names =
      life.sex == 'k' ? vocabulary_.data().women : vocabulary_.data().men;
  if (life.given[0] == 0) return;
  speller_.GivenForms(names[life.given[0] - 1u],
                      life.given[1] != 0 ? &names[life.given[1] - 1u] : nullptr, normal, written);
}

void SampleRecordMaker::SurnameForms(const Life& life, std::string& normal, std::string& written) {
  if (life.surname != 0) {
    speller_.SurnameForms(vocabulary_.data().surnames[life.surname - 1u], normal, written);
  } else if (life.patronymic != 0) {
    speller_.Patronymic(vocabulary_.data().men[life.patronymic - 1u], life.sex, normal, written);
  }
}

int WholeYears(int32_t born, int32_t day) {
  const CivilDate from = DateOfDay(born);
  const CivilDate to = DateOfDay(day);
  const bool before_birthday =
      to.month < from.month || (to.month == from.month && to.day < from.day);
  return to.year - from.year - (before_birthday ? 1 : 0);
}

void SampleRecordMaker::Frame(size_t parish, int32_t day, std::vector<std::string>& fields) {
  FillRecordFrame(register_number_, number_, vocabulary_.data().parishes[parish], day, random_,
                  fields);
  speller_.SetYear(DateOfDay(day).year);
}

int SampleRecordMaker::Field(std::string_view name) const {
  const int index = FieldIndex(RegisterLabels(register_number_), name);
  if (index < 0) {
    std::fprintf(stderr, "Okänt fält %.*s i register %d\n", static_cast<int>(name.size()),
                 name.data(), register_number_);
    std::abort();
  }
  return index;
}

void SampleRecordMaker::MaleSurname(const Title* title, int birth_year, std::string& normal,
                                    std::string& written) {
  const bool soldier = title != nullptr && title->title.find("soldat") != std::string::npos;
  const double family_share = year() < 1800 ? 0.03 : year() < 1850 ? 0.08 : 0.18;
  if (soldier && random_.Chance(0.85)) {
    speller_.SurnameForms(vocabulary_.SurnameOfKind(SurnameKind::kSoldier, random_), normal,
                          written);
  } else if (random_.Chance(family_share)) {
    speller_.SurnameForms(vocabulary_.SurnameOfKind(SurnameKind::kFamily, random_), normal,
                          written);
  } else {
    speller_.Patronymic(vocabulary_.GivenName('m', birth_year - 30, random_), 'm', normal, written);
  }
}

void SampleRecordMaker::FemaleSurname(int birth_year, std::string& normal, std::string& written) {
  if (year() >= 1850 && random_.Chance(0.08)) {
    speller_.SurnameForms(vocabulary_.SurnameOfKind(SurnameKind::kFamily, random_), normal,
                          written);
  } else {
    speller_.Patronymic(vocabulary_.GivenName('m', birth_year - 30, random_), 'k', normal, written);
  }
}

bool SampleRecordMaker::ChildSurname(const FirstName& father, const std::string& father_surname,
                                     const std::string& father_surname_written,
                                     const std::string& father_title, char sex, std::string& normal,
                                     std::string& written) {
  const bool family_name = !father_surname.empty() && !father_surname.ends_with("son") &&
                           father_title.find("soldat") == std::string::npos;
  if (family_name && year() >= 1800 && random_.Chance(0.9)) {
    normal = father_surname;
    written = father_surname_written;
    return false;
  }
  speller_.Patronymic(father, sex, normal, written);
  return true;
}

const Title* SampleRecordMaker::PickTitle(uint32_t role, char sex, std::string& out) {
  if (random_.Chance(0.015)) {
    out = "saknas";
    return nullptr;
  }
  const Title& title = vocabulary_.TitleFor(role, sex, random_);
  out = title.title;
  return &title;
}

}  // namespace vx
