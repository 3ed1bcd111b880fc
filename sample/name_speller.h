// Spells the names and places of the sample records: the normalised form
// for a plain field (FNAMN, ENAMN, ORT ...) and, when the priest wrote it
// otherwise, the written form for its O field (FNAMNO, ENAMNO, ORTO ...),
// which is left empty when both agree.
#ifndef VX_SAMPLE_NAME_SPELLER_H_
#define VX_SAMPLE_NAME_SPELLER_H_

#include <string>
#include <vector>

#include "sample/sample_random.h"
#include "sample/sample_vocabulary.h"

namespace vx {

class NameSpeller {
 public:
  NameSpeller(const SampleVocabulary& vocabulary, SampleRandom& random)
      : vocabulary_(vocabulary), random_(random) {}

  // The year of the record: the older the register, the more often the
  // priest's spelling differs from the normalised one.
  void SetYear(int year);
  int year() const { return year_; }

  // One or two given names of sex `sex` ('m' or 'k') for a person born in
  // `birth_year`, as names were given then (two names grew common in the
  // 1800s). Returns the first, from which a child's patronymic is formed.
  const FirstName& GivenNames(char sex, int birth_year, std::string& normal, std::string& written);

  // The forms of known first names: `first` and, when not null, `second`.
  void GivenForms(const FirstName& first, const FirstName* second, std::string& normal,
                  std::string& written);

  // The patronymic of a son ('m') or daughter ('k') of a man called
  // `father`: Persson or Persdotter, written perhaps Pehrsson or Persdr.
  void Patronymic(const FirstName& father, char sex, std::string& normal, std::string& written);

  void SurnameForms(const Surname& surname, std::string& normal, std::string& written);
  void PlaceForms(size_t place, std::string& normal, std::string& written);

  // A name as the source writes it in running text (godparents, remarks):
  // given names and a patronymic from a random father, appended to `out`.
  void AppendWrittenName(char sex, int birth_year, std::string& out);

 private:
  const std::string& Variant(const std::string& normal, const std::vector<std::string>& written);

  const SampleVocabulary& vocabulary_;
  SampleRandom& random_;
  int year_ = 1800;
  double variant_share_ = 0.25;
  std::string scratch_normal_;
  std::string scratch_written_;
};

// Clears `written` when it equals `normal`: an O field holds only a
// spelling that differs.
inline void DropSameSpelling(const std::string& normal, std::string& written) {
  if (written == normal) written.clear();
}

}  // namespace vx

#endif  // VX_SAMPLE_NAME_SPELLER_H_
