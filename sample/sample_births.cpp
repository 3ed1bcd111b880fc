// The birth and baptism records of the sample source.
#include <algorithm>

#include "records/register_labels.h"
#include "sample/record_frame.h"
#include "sample/sample_dates.h"
#include "sample/sample_record_maker.h"

namespace vx {
namespace {

class BirthRecordMaker final : public SampleRecordMaker {
 public:
  BirthRecordMaker(const SampleVocabulary& vocabulary, uint64_t seed)
      : SampleRecordMaker(kBirths, vocabulary, seed) {}

 private:
  // What decides the rest of a record.
  struct Birth {
    size_t parish;
    int32_t day;
    char sex;
    bool born_out_of_wedlock;
    bool stillborn;
    size_t place;
  };

  void Fill(const ParishLives& lives, size_t index, std::vector<std::string>& fields) override {
    const BirthEvent& event = lives.births[index];
    const Life& child = lives.people[static_cast<size_t>(event.child)];
    if (event.twin == 2 && twin_pending_) {
      FillSecondTwin(child, fields);
      return;
    }
    const Couple& couple = lives.couples[static_cast<size_t>(event.couple)];
    Frame(lives.parish, event.day, fields);
    has_father_ = false;
    Birth birth{lives.parish,    event.day,  child.sex, couple.husband == kNobody,
                child.stillborn, child.place};
    FillDates(birth, fields);
    FillMother(birth, lives.people[static_cast<size_t>(couple.wife)], fields);
    if (!birth.born_out_of_wedlock) {
      FillFather(birth, lives.people[static_cast<size_t>(couple.husband)], fields);
    }
    FillChild(birth, child, fields);
    FillCircumstances(birth, fields);
    FillGodparents(birth, fields);
    FillRemarks(birth, fields);
    if (event.twin == 1) StartTwins(birth, fields);
  }

  void FillDates(const Birth& birth, std::vector<std::string>& fields) {
    const double undated = year() < 1750 ? 0.30 : year() < 1800 ? 0.08 : 0.02;
    const bool has_birth_date = birth.stillborn || !random_.Chance(undated);
    if (has_birth_date) {
      AppendStoredDate(birth.day, PickDateForm(0.03, random_), fields[fodat_]);
    }
    if (birth.stillborn || (has_birth_date && random_.Chance(0.05))) return;
    const int delay = year() < 1750   ? random_.Between(0, 3)
                      : year() < 1800 ? random_.Between(0, 7)
                                      : random_.Between(1, 21);
    AppendStoredDate(birth.day + delay, PickDateForm(0.02, random_), fields[dopdat_]);
  }

  void FillPlace(size_t place, int normal, int written, std::vector<std::string>& fields) {
    speller_.PlaceForms(place, fields[normal], fields[written]);
  }

  // A parent's age, written into `field` unless the register leaves it
  // out, as the older ones mostly do.
  void FillAge(const Life& parent, const Birth& birth, int field,
               std::vector<std::string>& fields) {
    const double given = year() < 1750 ? 0.25 : year() < 1800 ? 0.5 : 0.8;
    if (!random_.Chance(given)) return;
    if (random_.Chance(0.01)) {
      fields[field] = "saknas";
    } else {
      AppendNumber(WholeYears(parent.born, birth.day), fields[field]);
    }
  }

  void FillMother(const Birth& birth, const Life& mother, std::vector<std::string>& fields) {
    if (random_.Chance(0.85)) {
      PickTitle(birth.born_out_of_wedlock ? kRoleUnmarriedMother : kRoleMother, 'k',
                fields[mortitel_]);
    }
    FillAge(mother, birth, moralder_, fields);
    GivenForms(mother, fields[morfnamn_], fields[morfnamno_]);
    SurnameForms(mother, fields[morenamn_], fields[morenamno_]);
    if (random_.Chance(0.5)) FillPlace(birth.place, morort_, mororto_, fields);
  }

  void FillFather(const Birth& birth, const Life& father, std::vector<std::string>& fields) {
    if (year() < 1750 && random_.Chance(0.1)) return;  // "the father unnamed"
    PickTitle(kRoleFather, 'm', fields[fartitel_]);
    FillAge(father, birth, faralder_, fields);
    GivenForms(father, fields[farfnamn_], fields[farfnamno_]);
    SurnameForms(father, fields[farenamn_], fields[farenamno_]);
    has_father_ = true;
    if (random_.Chance(0.9)) FillPlace(birth.place, farort_, farorto_, fields);
  }

  void FillChild(const Birth& birth, const Life& child, std::vector<std::string>& fields) {
    fields[genus_] = birth.sex;
    if (!birth.stillborn ? random_.Chance(0.98) : random_.Chance(0.2)) {
      GivenForms(child, fields[fnamn_], fields[fnamno_]);
    }
    // A child born out of wedlock is left without a surname, and in the
    // older registers many others too.
    if (has_father_ && random_.Chance(year() < 1750 ? 0.5 : 0.85)) {
      SurnameForms(child, fields[enamn_], fields[enamno_]);
    }
    if (random_.Chance(0.92)) FillPlace(birth.place, ort_, orto_, fields);
  }

  void FillCircumstances(const Birth& birth, std::vector<std::string>& fields) {
    if (birth.born_out_of_wedlock) {
      fields[bord_] = "oäkta";
    } else if (year() >= 1780 && random_.Chance(0.6)) {
      fields[bord_] = "äkta";
    }
    if (birth.stillborn) fields[dfodd_] = "X";
    if (year() >= 1800 && random_.Chance(0.2)) {
      AppendNumber(1 + std::min(random_.Between(0, 10), random_.Between(0, 10)), fields[paritet_]);
    }
  }

  // Two to five godparents, men and women by turns: "Bonden Anders
  // Persson i Berg", "Hustru Maria Jonsdotter ibid.".
  void FillGodparents(const Birth& birth, std::vector<std::string>& fields) {
    if (birth.stillborn || !random_.Chance(0.85)) return;
    std::string& out = fields[dopvittnen_];
    const int count = year() < 1800 ? random_.Between(3, 5) : random_.Between(2, 4);
    for (int i = 0; i < count; ++i) {
      const char sex = i % 2 == 0 ? 'm' : 'k';
      if (i > 0) out += '\n';
      out += vocabulary_.TitleFor(kRoleGodparent, sex, random_).definite;
      out += ' ';
      speller_.AppendWrittenName(sex, year() - random_.Between(18, 50), out);
      AppendGodparentPlace(birth, out);
    }
  }

  void AppendGodparentPlace(const Birth& birth, std::string& out) {
    const uint64_t roll = random_.Below(100);
    if (roll < 25) {
      out += " ibid.";
    } else if (roll < 90) {
      out += " i ";
      out += vocabulary_.data().places[vocabulary_.PlaceIn(birth.parish, random_)].name;
    } else {
      out += " från ";
      out += vocabulary_.data().parishes[vocabulary_.AnyParish(random_)].name;
    }
  }

  void FillRemarks(const Birth& birth, std::vector<std::string>& fields) {
    const char* condition = birth.stillborn ? "dodfodd" : birth.born_out_of_wedlock ? "oakta" : "";
    const double share = condition[0] != '\0' ? 0.6 : 0.1;
    if (random_.Chance(0.03)) {
      remarks_.AppendLong(kBirths, condition, birth.parish, random_.Between(3, 5), fields[ovrigt_]);
    } else if (random_.Chance(share)) {
      remarks_.Append(kBirths, false, condition, birth.parish, fields[ovrigt_]);
    }
    if (random_.Chance(0.03)) remarks_.Append(kBirths, true, "", birth.parish, fields[reganm_]);
  }

  // Twins share parents, dates, place and godparents; the next record is
  // the second child.
  void StartTwins(const Birth& birth, std::vector<std::string>& fields) {
    fields[antfod_] = '2';
    twin_ = fields;
    twin_parish_ = birth.parish;
    twin_day_ = birth.day;
    twin_surname_ = !fields[enamn_].empty();
    twin_pending_ = true;
  }

  void FillSecondTwin(const Life& child, std::vector<std::string>& fields) {
    twin_pending_ = false;
    fields = twin_;
    for (int i = 0; i <= status_; ++i)
      fields[i].clear();
    Frame(twin_parish_, twin_day_, fields);
    fields[genus_] = child.sex;
    GivenForms(child, fields[fnamn_], fields[fnamno_]);
    fields[enamn_].clear();
    fields[enamno_].clear();
    if (twin_surname_) SurnameForms(child, fields[enamn_], fields[enamno_]);
    fields[ovrigt_] = "Tvilling.";
    fields[reganm_].clear();
  }

  bool has_father_ = false;  // the record names the father
  bool twin_pending_ = false;
  std::vector<std::string> twin_;
  size_t twin_parish_ = 0;
  int32_t twin_day_ = 0;
  bool twin_surname_ = false;

  const int status_ = Field("STATUS");
  const int fodat_ = Field("FODAT");
  const int fnamn_ = Field("FNAMN");
  const int fnamno_ = Field("FNAMNO");
  const int enamn_ = Field("ENAMN");
  const int enamno_ = Field("ENAMNO");
  const int ort_ = Field("ORT");
  const int orto_ = Field("ORTO");
  const int genus_ = Field("GENUS");
  const int bord_ = Field("BORD");
  const int dfodd_ = Field("DFODD");
  const int dopdat_ = Field("DOPDAT");
  const int moralder_ = Field("MORALDER");
  const int mortitel_ = Field("MORTITEL");
  const int morfnamn_ = Field("MORFNAMN");
  const int morfnamno_ = Field("MORFNAMNO");
  const int morenamn_ = Field("MORENAMN");
  const int morenamno_ = Field("MORENAMNO");
  const int morort_ = Field("MORORT");
  const int mororto_ = Field("MORORTO");
  const int faralder_ = Field("FARALDER");
  const int fartitel_ = Field("FARTITEL");
  const int farfnamn_ = Field("FARFNAMN");
  const int farfnamno_ = Field("FARFNAMNO");
  const int farenamn_ = Field("FARENAMN");
  const int farenamno_ = Field("FARENAMNO");
  const int farort_ = Field("FARORT");
  const int farorto_ = Field("FARORTO");
  const int antfod_ = Field("ANTFOD");
  const int paritet_ = Field("PARITET");
  const int dopvittnen_ = Field("DOPVITTNEN");
  const int ovrigt_ = Field("OVRIGT");
  const int reganm_ = Field("REGANM");
};

}  // namespace

std::unique_ptr<SampleRecordMaker> MakeBirthRecordMaker(const SampleVocabulary& vocabulary,
                                                        uint64_t seed) {
  return std::make_unique<BirthRecordMaker>(vocabulary, seed);
}

}  // namespace vx
