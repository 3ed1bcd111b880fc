// The marriage and banns records of the sample source.
#include "records/register_labels.h"
#include "sample/record_frame.h"
#include "sample/sample_dates.h"
#include "sample/sample_record_maker.h"

namespace vx {
namespace {

class MarriageRecordMaker final : public SampleRecordMaker {
 public:
  MarriageRecordMaker(const SampleVocabulary& vocabulary, uint64_t seed)
      : SampleRecordMaker(kMarriages, vocabulary, seed) {}

 private:
  void Fill(const ParishLives& lives, size_t index, std::vector<std::string>& fields) override {
    const MarriageEvent& event = lives.marriages[index];
    const Couple& couple = lives.couples[static_cast<size_t>(event.couple)];
    const Life& groom = lives.people[static_cast<size_t>(couple.husband)];
    const Life& bride = lives.people[static_cast<size_t>(couple.wife)];
    Frame(lives.parish, event.day, fields);
    const bool married_here = random_.Chance(0.93);
    // A bride from elsewhere of thirty or more is now and then a widow.
    const int bride_age = WholeYears(bride.born, event.day);
    const bool widow = bride.birth == kNobody && bride_age >= 30 && random_.Chance(0.4);
    if (married_here) AppendStoredDate(event.day, PickDateForm(0.01, random_), fields[vigddat_]);
    if (!married_here || random_.Chance(year() < 1750 ? 0.4 : 0.75)) {
      FillBanns(event.day, fields[lysndat_]);
    }
    FillMan(groom, WholeYears(groom.born, event.day), fields);
    FillWoman(bride, bride_age, widow, fields);
    FillRemarks(lives.parish, !married_here ? "ej_vigda" : widow ? "anka" : "", fields);
  }

  // The banns were read on three Sundays, the last at least a week before
  // the wedding; the register gives all three dates or only the first.
  void FillBanns(int32_t wedding, std::string& out) {
    const int32_t week_before = wedding - 7;
    const int32_t last = week_before - Weekday(week_before);
    if (random_.Chance(0.5)) {
      AppendStoredDate(last - 14, PickDateForm(0.01, random_), out);
      return;
    }
    for (int i = 2; i >= 0; --i) {
      AppendStoredDate(last - 7 * i, DateForm::kFull, out);
      if (i > 0) out += ", ";
    }
  }

  bool AgesGiven() { return random_.Chance(year() < 1750 ? 0.3 : year() < 1800 ? 0.6 : 0.9); }

  void FillMan(const Life& groom, int age, std::vector<std::string>& fields) {
    if (random_.Chance(0.9)) PickTitle(kRoleGroom, 'm', fields[mtitel_]);
    if (AgesGiven()) AppendNumber(age, fields[malder_]);
    if (!random_.Chance(0.003)) GivenForms(groom, fields[mfnamn_], fields[mfnamno_]);
    SurnameForms(groom, fields[menamn_], fields[menamno_]);
    if (random_.Chance(0.9)) speller_.PlaceForms(groom.place, fields[mort_], fields[morto_]);
  }

  // A bride keeps her own surname.
  void FillWoman(const Life& bride, int age, bool widow, std::vector<std::string>& fields) {
    if (widow) {
      fields[ktitel_] = "änka";
    } else if (random_.Chance(0.85)) {
      PickTitle(kRoleBride, 'k', fields[ktitel_]);
    }
    if (AgesGiven()) AppendNumber(age, fields[kalder_]);
    if (!random_.Chance(0.005)) GivenForms(bride, fields[kfnamn_], fields[kfnamno_]);
    SurnameForms(bride, fields[kenamn_], fields[kenamno_]);
    if (random_.Chance(0.92)) speller_.PlaceForms(bride.place, fields[kort_], fields[korto_]);
  }

  void FillRemarks(size_t parish, const char* condition, std::vector<std::string>& fields) {
    const double share = condition[0] != '\0' ? 0.6 : 0.15;
    if (random_.Chance(0.02)) {
      remarks_.AppendLong(kMarriages, condition, parish, random_.Between(3, 4), fields[ovrigt_]);
    } else if (random_.Chance(share)) {
      remarks_.Append(kMarriages, false, condition, parish, fields[ovrigt_]);
    }
    if (random_.Chance(0.03)) remarks_.Append(kMarriages, true, "", parish, fields[reganm_]);
  }

  const int vigddat_ = Field("VIGDDAT");
  const int lysndat_ = Field("LYSNDAT");
  const int kalder_ = Field("KALDER");
  const int ktitel_ = Field("KTITEL");
  const int kfnamn_ = Field("KFNAMN");
  const int kfnamno_ = Field("KFNAMNO");
  const int kenamn_ = Field("KENAMN");
  const int kenamno_ = Field("KENAMNO");
  const int kort_ = Field("KORT");
  const int korto_ = Field("KORTO");
  const int malder_ = Field("MALDER");
  const int mtitel_ = Field("MTITEL");
  const int mfnamn_ = Field("MFNAMN");
  const int mfnamno_ = Field("MFNAMNO");
  const int menamn_ = Field("MENAMN");
  const int menamno_ = Field("MENAMNO");
  const int mort_ = Field("MORT");
  const int morto_ = Field("MORTO");
  const int ovrigt_ = Field("OVRIGT");
  const int reganm_ = Field("REGANM");
};

}  // namespace

std::unique_ptr<SampleRecordMaker> MakeMarriageRecordMaker(const SampleVocabulary& vocabulary,
                                                           uint64_t seed) {
  return std::make_unique<MarriageRecordMaker>(vocabulary, seed);
}

}  // namespace vx
