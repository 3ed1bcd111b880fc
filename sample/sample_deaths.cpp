// The death and burial records of the sample source.
#include <algorithm>

#include "records/register_labels.h"
#include "sample/record_frame.h"
#include "sample/sample_dates.h"
#include "sample/sample_record_maker.h"

namespace vx {
namespace {

enum class Standing : uint8_t { kChild, kUnmarried, kMarried, kWidowed };

class DeathRecordMaker final : public SampleRecordMaker {
 public:
  DeathRecordMaker(const SampleVocabulary& vocabulary, uint64_t seed)
      : SampleRecordMaker(kDeaths, vocabulary, seed) {}

 private:
  struct Death {
    size_t parish;
    int32_t day;
    char sex;
    int age_days;
    AgeGroup group;
    Standing standing;
    size_t place;
  };

  // The two relatives' fields, ANF1... or ANF2...
  struct RelativeFields {
    int title, given, given_written, surname, surname_written, place, relation, sex;
  };

  void Fill(const ParishLives& lives, size_t index, std::vector<std::string>& fields) override {
    const DeathEvent& event = lives.deaths[index];
    const Life& person = lives.people[static_cast<size_t>(event.person)];
    Frame(lives.parish, event.day, fields);
    Death death{lives.parish,     event.day,        person.sex,  event.day - person.born,
                AgeGroup::kAdult, Standing::kChild, person.place};
    death.group = GroupOf(death.age_days);
    FillDates(death, fields);
    FillAge(death, fields);
    FillPerson(death, lives, person, fields);
    FillCause(death, fields);
    FillRelatives(death, lives, person, fields);
    FillRemarks(death, fields);
  }

  static AgeGroup GroupOf(int age_days) {
    return age_days < 365        ? AgeGroup::kInfant
           : age_days < 15 * 365 ? AgeGroup::kChild
           : age_days < 60 * 365 ? AgeGroup::kAdult
                                 : AgeGroup::kOld;
  }

  void FillDates(const Death& death, std::vector<std::string>& fields) {
    const double undated = year() < 1750 ? 0.35 : year() < 1800 ? 0.1 : 0.03;
    const bool has_death_date = !random_.Chance(undated);
    if (has_death_date) {
      AppendStoredDate(death.day, PickDateForm(0.02, random_), fields[dodat_]);
    }
    if (!has_death_date || !random_.Chance(0.08)) {
      const int month = DateOfDay(death.day).month;
      const int frost = month <= 3 || month == 12 ? random_.Between(0, 10) : 0;
      AppendStoredDate(death.day + random_.Between(2, 8) + frost, PickDateForm(0.01, random_),
                       fields[begrdat_]);
    }
    const double born_given = year() < 1800 ? 0.25 : year() < 1850 ? 0.55 : 0.8;
    if (random_.Chance(born_given)) {
      const double uncertain = death.group >= AgeGroup::kAdult ? 0.35 : 0.05;
      AppendStoredDate(death.day - death.age_days, PickDateForm(uncertain, random_),
                       fields[fodat_]);
    }
  }

  // "3 dagar", "5 v", "7 mån", "2 år 3 mån", "64".
  void FillAge(const Death& death, std::vector<std::string>& fields) {
    if (!random_.Chance(0.92)) return;
    std::string& out = fields[alder_];
    const int days = death.age_days;
    if (days < 28) {
      AppendNumber(std::max(days, 1), out);
      out += days <= 1 ? " dag" : " dagar";
    } else if (days < 90) {
      AppendNumber(days / 7, out);
      out += " v";
    } else if (days < 365) {
      AppendNumber(days / 30, out);
      out += " mån";
    } else if (days < 5 * 365 && random_.Chance(0.5)) {
      AppendNumber(days / 365, out);
      out += " år ";
      AppendNumber(days % 365 / 31, out);
      out += " mån";
    } else {
      AppendNumber(days / 365, out);
    }
  }

  void FillPerson(Death& death, const ParishLives& lives, const Life& person,
                  std::vector<std::string>& fields) {
    fields[genus_] = death.sex;
    const bool child = death.group <= AgeGroup::kChild;
    const Title* title = nullptr;
    if (random_.Chance(child ? 0.6 : 0.9)) {
      title = PickTitle(child ? kRoleDeadChild : kRoleDeadAdult, death.sex, fields[titel_]);
    }
    death.standing = child ? Standing::kChild : StandingOf(lives, person, title, death);
    const bool unbaptised = death.age_days < 7 && random_.Chance(0.5);
    if (!unbaptised) GivenForms(person, fields[fnamn_], fields[fnamno_]);
    const bool soldier = title != nullptr && title->title.find("soldat") != std::string::npos;
    if (child || (death.standing == Standing::kUnmarried && !soldier && random_.Chance(0.3))) {
      FillSurnameFromFather(death, lives, person, fields);
    } else {
      SurnameForms(person, fields[enamn_], fields[enamno_]);
    }
    if (random_.Chance(0.92)) speller_.PlaceForms(death.place, fields[ort_], fields[orto_]);
  }

  // Names the father as the first relative and gives the dead his
  // patronymic or family name; a father the lives do not know is made up,
  // but a child born out of wedlock has none.
  void FillSurnameFromFather(const Death& death, const ParishLives& lives, const Life& person,
                             std::vector<std::string>& fields) {
    if (!random_.Chance(0.9) || (person.father == kNobody && person.mother != kNobody)) return;
    if (person.father != kNobody) {
      FillKnownRelative("fader", lives.people[static_cast<size_t>(person.father)], fields,
                        relative1_);
      SurnameForms(person, fields[enamn_], fields[enamno_]);
      return;
    }
    const FirstName& father =
        FillRelative(death, "fader", 'm', kRoleFather, BirthYear(death) - random_.Between(22, 45),
                     fields, relative1_);
    ChildSurname(father, fields[relative1_.surname], fields[relative1_.surname_written],
                 fields[relative1_.title], death.sex, fields[enamn_], fields[enamno_]);
  }

  int BirthYear(const Death& death) const { return year() - death.age_days / 365; }

  // A spouse a few years older or younger.
  int SpouseBirthYear(const Death& death) {
    return BirthYear(death) + random_.Between(-8, 6) * (death.sex == 'k' ? 1 : -1);
  }

  // A life of the parish is married, widowed or unmarried as it was lived;
  // for someone from elsewhere the title tells the standing when it can
  // (hustru, änka, piga, dräng), otherwise the age makes widowhood likelier.
  Standing StandingOf(const ParishLives& lives, const Life& person, const Title* title,
                      const Death& death) {
    if (person.spouse != kNobody) {
      return lives.people[static_cast<size_t>(person.spouse)].died <= death.day
                 ? Standing::kWidowed
                 : Standing::kMarried;
    }
    if (person.birth != kNobody || person.father != kNobody || person.mother != kNobody) {
      return Standing::kUnmarried;
    }
    return StandingOf(title, death);
  }

  Standing StandingOf(const Title* title, const Death& death) {
    if (title != nullptr) {
      const std::string& name = title->title;
      if (name.find("änk") != std::string::npos) return Standing::kWidowed;
      if (name.find("hustru") != std::string::npos) return Standing::kMarried;
      if (name == "piga" || name == "jungfru" || name == "dräng") return Standing::kUnmarried;
    }
    const uint64_t roll = random_.Below(100);
    if (death.group == AgeGroup::kOld) return roll < 45 ? Standing::kWidowed : Standing::kMarried;
    return roll < 20 ? Standing::kUnmarried : roll < 90 ? Standing::kMarried : Standing::kWidowed;
  }

  void FillCause(const Death& death, std::vector<std::string>& fields) {
    const double given = year() < 1750 ? 0.15 : year() < 1780 ? 0.5 : 0.8;
    if (!random_.Chance(given)) return;
    fields[dorsak_] = vocabulary_.CauseFor(death.group, death.sex, random_).cause;
  }

  // Besides a father named already: a child's mother, a spouse or a late
  // spouse; those the lives do not know are made up.
  void FillRelatives(const Death& death, const ParishLives& lives, const Life& person,
                     std::vector<std::string>& fields) {
    const bool father_named = !fields[relative1_.relation].empty();
    if (death.standing == Standing::kChild || father_named) {
      if (death.standing == Standing::kChild && random_.Chance(father_named ? 0.5 : 0.3)) {
        const RelativeFields& slots = father_named ? relative2_ : relative1_;
        if (person.mother != kNobody) {
          FillKnownRelative("moder", lives.people[static_cast<size_t>(person.mother)], fields,
                            slots);
        } else {
          FillRelative(death, "moder", 'k', kRoleMother, BirthYear(death) - random_.Between(18, 42),
                       fields, slots);
        }
      }
      return;
    }
    if (!random_.Chance(year() < 1750 ? 0.6 : 0.85)) return;
    if (death.standing != Standing::kMarried && death.standing != Standing::kWidowed) return;
    const char other = death.sex == 'm' ? 'k' : 'm';
    const char* relation = death.standing == Standing::kMarried
                               ? (other == 'm' ? "man" : "hustru")
                               : (other == 'm' ? "änka efter" : "änkling efter");
    if (person.spouse != kNobody) {
      FillKnownRelative(relation, lives.people[static_cast<size_t>(person.spouse)], fields,
                        relative1_);
    } else {
      FillRelative(death, relation, other, other == 'm' ? kRoleFather : kRoleMother,
                   SpouseBirthYear(death), fields, relative1_);
    }
  }

  // Fills one relative the lives know.
  void FillKnownRelative(const char* relation, const Life& who, std::vector<std::string>& fields,
                         const RelativeFields& slots) {
    fields[slots.relation] = relation;
    fields[slots.sex] = who.sex;
    if (random_.Chance(0.7)) {
      PickTitle(who.sex == 'm' ? kRoleFather : kRoleMother, who.sex, fields[slots.title]);
    }
    GivenForms(who, fields[slots.given], fields[slots.given_written]);
    SurnameForms(who, fields[slots.surname], fields[slots.surname_written]);
    if (random_.Chance(0.6)) fields[slots.place] = vocabulary_.data().places[who.place].name;
  }

  // Fills one relative; returns the relative's first given name.
  const FirstName& FillRelative(const Death& death, const char* relation, char sex, uint32_t role,
                                int born, std::vector<std::string>& fields,
                                const RelativeFields& slots) {
    fields[slots.relation] = relation;
    fields[slots.sex] = sex;
    const Title* title = nullptr;
    if (random_.Chance(0.7)) title = PickTitle(role, sex, fields[slots.title]);
    const FirstName& given =
        speller_.GivenNames(sex, born, fields[slots.given], fields[slots.given_written]);
    if (sex == 'm') {
      MaleSurname(title, born, fields[slots.surname], fields[slots.surname_written]);
    } else {
      FemaleSurname(born, fields[slots.surname], fields[slots.surname_written]);
    }
    if (random_.Chance(0.6)) {
      fields[slots.place] = vocabulary_.data().places[death.place].name;
    }
    return given;
  }

  void FillRemarks(const Death& death, std::vector<std::string>& fields) {
    const char* condition = death.group <= AgeGroup::kChild ? "barn" : "vuxen";
    if (random_.Chance(0.02)) {
      remarks_.AppendLong(kDeaths, condition, death.parish, random_.Between(3, 5), fields[ovrigt_]);
    } else if (random_.Chance(0.08)) {
      remarks_.Append(kDeaths, false, condition, death.parish, fields[ovrigt_]);
    } else if (random_.Chance(0.06)) {
      remarks_.Append(kDeaths, false, "", death.parish, fields[ovrigt_]);
    }
    if (random_.Chance(0.03)) remarks_.Append(kDeaths, true, "", death.parish, fields[reganm_]);
  }

  const int begrdat_ = Field("BEGRDAT");
  const int dodat_ = Field("DODAT");
  const int fodat_ = Field("FODAT");
  const int alder_ = Field("ALDER");
  const int titel_ = Field("TITEL");
  const int genus_ = Field("GENUS");
  const int fnamn_ = Field("FNAMN");
  const int fnamno_ = Field("FNAMNO");
  const int enamn_ = Field("ENAMN");
  const int enamno_ = Field("ENAMNO");
  const int ort_ = Field("ORT");
  const int orto_ = Field("ORTO");
  const int dorsak_ = Field("DORSAK");
  const int ovrigt_ = Field("OVRIGT");
  const int reganm_ = Field("REGANM");
  const RelativeFields relative1_{Field("ANF1TITEL"), Field("ANF1FNAMN"),  Field("ANF1FNAMNO"),
                                  Field("ANF1ENAMN"), Field("ANF1ENAMNO"), Field("ANF1ORT"),
                                  Field("ANF1RELAT"), Field("ANF1GENUS")};
  const RelativeFields relative2_{Field("ANF2TITEL"), Field("ANF2FNAMN"),  Field("ANF2FNAMNO"),
                                  Field("ANF2ENAMN"), Field("ANF2ENAMNO"), Field("ANF2ORT"),
                                  Field("ANF2RELAT"), Field("ANF2GENUS")};
};

}  // namespace

std::unique_ptr<SampleRecordMaker> MakeDeathRecordMaker(const SampleVocabulary& vocabulary,
                                                        uint64_t seed) {
  return std::make_unique<DeathRecordMaker>(vocabulary, seed);
}

}  // namespace vx
