#include "sample/name_speller.h"

namespace vx {

void NameSpeller::SetYear(int year) {
  year_ = year;
  variant_share_ = year < 1750 ? 0.35 : year < 1820 ? 0.25 : 0.12;
}

const std::string& NameSpeller::Variant(const std::string& normal,
                                        const std::vector<std::string>& written) {
  if (written.empty() || !random_.Chance(variant_share_)) return normal;
  return written[random_.Below(written.size())];
}

const FirstName& NameSpeller::GivenNames(char sex, int birth_year, std::string& normal,
                                         std::string& written) {
  const FirstName& first = vocabulary_.GivenName(sex, birth_year, random_);
  normal = first.name;
  written = Variant(first.name, first.written);
  const double double_names = birth_year < 1750   ? 0.02
                              : birth_year < 1800 ? 0.10
                              : birth_year < 1850 ? 0.30
                                                  : 0.45;
  if (random_.Chance(double_names)) {
    const FirstName& second = vocabulary_.GivenName(sex, birth_year, random_);
    if (&second != &first) {
      normal += ' ';
      normal += second.name;
      written += ' ';
      written += Variant(second.name, second.written);
    }
  }
  DropSameSpelling(normal, written);
  return first;
}

void NameSpeller::GivenForms(const FirstName& first, const FirstName* second, std::string& normal,
                             std::string& written) {
  normal = first.name;
  written = Variant(first.name, first.written);
  if (second != nullptr) {
    normal += ' ';
    normal += second->name;
    written += ' ';
    written += Variant(second->name, second->written);
  }
  DropSameSpelling(normal, written);
}

void NameSpeller::Patronymic(const FirstName& father, char sex, std::string& normal,
                             std::string& written) {
  const char* suffix = sex == 'k' ? "dotter" : "son";
  normal = father.stem;
  normal += suffix;
  written = Variant(father.stem, father.written_stems);
  if (sex == 'k' && random_.Chance(variant_share_ * 0.4)) {
    written += random_.Below(10) < 7 ? "dr" : "dotr";
  } else {
    written += suffix;
  }
  DropSameSpelling(normal, written);
}

void NameSpeller::SurnameForms(const Surname& surname, std::string& normal, std::string& written) {
  normal = surname.name;
  written = Variant(surname.name, surname.written);
  DropSameSpelling(normal, written);
}

void NameSpeller::PlaceForms(size_t place, std::string& normal, std::string& written) {
  const Place& entry = vocabulary_.data().places[place];
  normal = entry.name;
  written = Variant(entry.name, entry.written);
  DropSameSpelling(normal, written);
}

void NameSpeller::AppendWrittenName(char sex, int birth_year, std::string& out) {
  GivenNames(sex, birth_year, scratch_normal_, scratch_written_);
  out += scratch_written_.empty() ? scratch_normal_ : scratch_written_;
  out += ' ';
  const FirstName& father = vocabulary_.GivenName('m', birth_year - 30, random_);
  Patronymic(father, sex, scratch_normal_, scratch_written_);
  out += scratch_written_.empty() ? scratch_normal_ : scratch_written_;
}

}  // namespace vx
