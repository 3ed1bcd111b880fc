// The record text of a birth.
#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "engine/util/cp1252.h"
#include "language/message_id.h"
#include "records/field_rules.h"
#include "records/record_text.h"
#include "records/record_text_blocks.h"

namespace vx {
namespace {

// The place of birth: local place, parish and county as far as known; the
// county goes with the parish only.
std::string BirthPlace(const Tenfodd& r) {
  const std::string& place = Shown(r.ORT, r.ORTO);
  if (r.FORSKX.empty()) return place;
  const std::string parish = WithCounty(r.FORSKX, r.LAN);
  return place.empty() ? parish : place + ", " + parish;
}

std::string Events(const Tenfodd& r, Language language) {
  const std::string place = BirthPlace(r);
  const std::string& born = Word(MessageId::RecordBorn, language);
  const std::string in = " " + Word(MessageId::RecordIn, language) + " ";
  std::string events;
  if (!r.FODAT.empty()) {
    events = born + " " + EventDate(r.FODAT, language);
    if (!place.empty()) events += in + place;
  } else if (!place.empty()) {
    events = born + " ? " + in + place;
  }
  if (!r.DFODD.empty()) {
    const std::string& stillborn = Word(MessageId::RecordStillborn, language);
    AppendLine(events, UpperCase(r.DFODD) == "X" ? stillborn : stillborn + ": " + r.DFODD);
  }
  if (!r.DOPDAT.empty())
    AppendLine(events,
               Word(MessageId::RecordBaptised, language) + " " + EventDate(r.DOPDAT, language));
  if (!r.BORD.empty())
    AppendLine(events, Word(MessageId::RecordLegitimacy, language) + ": " + r.BORD);
  return events;
}

std::string ChildBlock(const Tenfodd& r, bool coded, Language language) {
  std::string block = PersonName(Shown(r.ENAMN, r.ENAMNO), Shown(r.FNAMN, r.FNAMNO),
                                 Word(MessageId::RecordNoName, language), coded);
  AppendLine(block, Events(r, language));
  return block;
}

// One parent's fields, normalised and as written.
struct Parent {
  const std::string& surname;
  const std::string& surname_written;
  const std::string& first_name;
  const std::string& first_name_written;
  const std::string& title;
  const std::string& age;
  const std::string& place;
  const std::string& place_written;
};

// Empty when the record says nothing of the parent; otherwise the name
// (never bold), then title and age, then the place.
std::string ParentBlock(const Parent& p, Language language) {
  const std::string* fields[] = {
      &p.surname, &p.surname_written, &p.first_name,   &p.first_name_written, &p.title,
      &p.age,     &p.place,           &p.place_written};
  if (std::all_of(std::begin(fields), std::end(fields), [](auto* f) { return f->empty(); }))
    return {};
  const std::string title = IsSaknas(p.title) ? "" : p.title;
  const std::string age = IsSaknas(p.age) ? "" : WithAgeUnit(p.age, language);
  std::string details = JoinNonEmpty(title, age, ", ");
  AppendLine(details, Shown(p.place, p.place_written));
  std::string block =
      NameOr(Shown(p.surname, p.surname_written), Shown(p.first_name, p.first_name_written),
             Word(MessageId::RecordNoName, language));
  AppendLine(block, details);
  return block;
}

std::string FamilyLine(const Tenfodd& r, Language language) {
  if (!r.ANTFOD.empty()) {
    std::string line = Phrase(MessageId::RecordBornTogether, language, {r.ANTFOD});
    if (!r.PARITET.empty())
      line += Phrase(MessageId::RecordChildNumberAfter, language, {r.PARITET});
    return line;
  }
  if (!r.PARITET.empty()) return Phrase(MessageId::RecordChildNumber, language, {r.PARITET});
  return {};
}

void AppendSection(std::string& text, std::string_view heading, const std::string& block,
                   bool coded) {
  if (block.empty()) return;
  text += Heading(heading, coded) + "\r" + block + "\r\r";
}

RecordFooter Footer(const Tenfodd& r, bool coded, Language language) {
  RecordFooter footer;
  footer.source_line = SourceLine(r.KAELLA, r.SIDA, language);
  footer.normalised_heading = Heading(Word(MessageId::RecordNormalisedTerms, language), coded);
  std::string& list = footer.normalised_list;
  const auto add = [&](MessageId label, const std::string& plain, const std::string& written) {
    AddNormalised(list, Word(label, language) + ": ", plain, written);
  };
  add(MessageId::RecordSurname, r.ENAMN, r.ENAMNO);
  add(MessageId::RecordFirstName, r.FNAMN, r.FNAMNO);
  add(MessageId::RecordPlace, r.ORT, r.ORTO);
  add(MessageId::RecordMothersSurname, r.MORENAMN, r.MORENAMNO);
  add(MessageId::RecordMothersFirstName, r.MORFNAMN, r.MORFNAMNO);
  add(MessageId::RecordMothersPlace, r.MORORT, r.MORORTO);
  add(MessageId::RecordFathersSurname, r.FARENAMN, r.FARENAMNO);
  add(MessageId::RecordFathersFirstName, r.FARFNAMN, r.FARFNAMNO);
  add(MessageId::RecordFathersPlace, r.FARORT, r.FARORTO);
  if (!r.REGANM.empty()) {
    footer.remark =
        Heading(Word(MessageId::RecordRegisterRemark, language), coded) + "\r" + r.REGANM + "\r";
  }
  return footer;
}

}  // namespace

std::string ComposeBirthText(const Tenfodd& r, bool coded, Language language) {
  std::string text = ChildBlock(r, coded, language) + "\r\r";
  const std::string mother = ParentBlock({r.MORENAMN, r.MORENAMNO, r.MORFNAMN, r.MORFNAMNO,
                                          r.MORTITEL, r.MORALDER, r.MORORT, r.MORORTO},
                                         language);
  const std::string father = ParentBlock({r.FARENAMN, r.FARENAMNO, r.FARFNAMN, r.FARFNAMNO,
                                          r.FARTITEL, r.FARALDER, r.FARORT, r.FARORTO},
                                         language);
  AppendSection(text, Word(MessageId::RecordFather, language), father, coded);
  AppendSection(text, Word(MessageId::RecordMother, language), mother, coded);
  const std::string family = FamilyLine(r, language);
  if (!family.empty()) text += family + "\r\r";
  if (!r.DOPVITTNEN.empty()) {
    RestartTrimmed(text, 2);
    text += Heading(Word(MessageId::RecordGodparents, language), coded) + "\r" + r.DOPVITTNEN;
  }
  const std::string other = OtherInformation(r.FORSKOD, r.OVRIGT, language);
  if (!other.empty()) {
    RestartTrimmed(text, 2);
    text += Heading(Word(MessageId::RecordOtherInformation, language), coded) + "\r" + other;
  }
  AppendFooter(text, Footer(r, coded, language));
  return Finished(std::move(text), coded);
}

}  // namespace vx
