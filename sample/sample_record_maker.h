// Makes the records of one register of the sample source, one after
// another, from the events of the lives of a parish (sample_lives.h): the
// base of the birth, marriage and death record makers, with what they
// share (the frame of each record, the names of the people as each record
// spells them, surnames of people the lives do not hold, titles and
// remarks).
#ifndef VX_SAMPLE_SAMPLE_RECORD_MAKER_H_
#define VX_SAMPLE_SAMPLE_RECORD_MAKER_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sample/name_speller.h"
#include "sample/remark_writer.h"
#include "sample/sample_lives.h"
#include "sample/sample_random.h"
#include "sample/sample_vocabulary.h"

namespace vx {

class SampleRecordMaker {
 public:
  // Maker of the records of register `register_number` (1..3); the
  // records depend only on the vocabulary, the lives and `seed`.
  SampleRecordMaker(int register_number, const SampleVocabulary& vocabulary, uint64_t seed);
  virtual ~SampleRecordMaker() = default;
  SampleRecordMaker(const SampleRecordMaker&) = delete;
  SampleRecordMaker& operator=(const SampleRecordMaker&) = delete;

  // Sets `fields` to one value per label of the register, in label order,
  // holding the next record: the register's event `index` of `lives`.
  void Next(const ParishLives& lives, size_t index, std::vector<std::string>& fields);

  // The number of the record made last (1-based, over all parishes).
  int64_t number() const { return number_; }

 protected:
  // Fills the register's fields for event `index` of `lives`; `fields` are
  // empty. Must call Frame().
  virtual void Fill(const ParishLives& lives, size_t index, std::vector<std::string>& fields) = 0;

  // Fills the frame (fields 0..7) and sets the year of the record.
  void Frame(size_t parish, int32_t day, std::vector<std::string>& fields);

  // The index of field `name` of this register (the name must exist).
  int Field(std::string_view name) const;

  // The surname of a man born in `birth_year` in `title`'s trade: mostly a
  // soldier name for a soldier, now and then a family name (more often in
  // later years), else the patronymic from a father a generation older.
  void MaleSurname(const Title* title, int birth_year, std::string& normal, std::string& written);
  // A woman's surname: her own patronymic, in late years now and then a
  // family name.
  void FemaleSurname(int birth_year, std::string& normal, std::string& written);
  // A child's surname from its father (his first given name `father`, his
  // surname and title): from 1800 mostly the father's family name when he
  // has one, else the patronymic (Persson, Persdotter). Returns true for a
  // patronymic.
  bool ChildSurname(const FirstName& father, const std::string& father_surname,
                    const std::string& father_surname_written, const std::string& father_title,
                    char sex, std::string& normal, std::string& written);
  // The title of `role` for sex `sex` into `out`; now and then "saknas"
  // (the register says it is missing). Returns the title, or nullptr for
  // "saknas".
  const Title* PickTitle(uint32_t role, char sex, std::string& out);
  // 'm' or 'k', boys a little more often.
  char PickSex() { return random_.Below(1000) < 512 ? 'm' : 'k'; }

  // The first names and the surname of `life` as this record spells them.
  void GivenForms(const Life& life, std::string& normal, std::string& written);
  void SurnameForms(const Life& life, std::string& normal, std::string& written);

  int year() const { return speller_.year(); }

  const int register_number_;
  const SampleVocabulary& vocabulary_;
  SampleRandom random_;
  NameSpeller speller_;
  RemarkWriter remarks_;
  int64_t number_ = 0;
};

// Whole years of age on day `day` of someone born on day `born`.
int WholeYears(int32_t born, int32_t day);

std::unique_ptr<SampleRecordMaker> MakeBirthRecordMaker(const SampleVocabulary& vocabulary,
                                                        uint64_t seed);
std::unique_ptr<SampleRecordMaker> MakeMarriageRecordMaker(const SampleVocabulary& vocabulary,
                                                           uint64_t seed);
std::unique_ptr<SampleRecordMaker> MakeDeathRecordMaker(const SampleVocabulary& vocabulary,
                                                        uint64_t seed);

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_RECORD_MAKER_H_
