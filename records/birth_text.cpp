// The record text of a birth.
#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "engine/util/cp1252.h"
#include "records/date_text.h"
#include "records/field_rules.h"
#include "records/hex_split_words.h"
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

std::string Events(const Tenfodd& r) {
  const std::string place = BirthPlace(r);
  std::string events;
  if (!r.FODAT.empty()) {
    events = std::string(kFoddWord) + " " + datumtext(r.FODAT);
    if (!place.empty()) events += " i " + place;
  } else if (!place.empty()) {
    events = std::string(kFoddWord) + " ?  i " + place;
  }
  if (!r.DFODD.empty()) {
    const std::string stillborn = kDodfoddWord;
    AppendLine(events, UpperCase(r.DFODD) == "X" ? stillborn : stillborn + ": " + r.DFODD);
  }
  if (!r.DOPDAT.empty()) AppendLine(events, "D\xF6pt " + datumtext(r.DOPDAT));
  if (!r.BORD.empty()) AppendLine(events, "B\xF6rd: " + r.BORD);
  return events;
}

std::string ChildBlock(const Tenfodd& r, bool coded) {
  std::string block =
      PersonName(Shown(r.ENAMN, r.ENAMNO), Shown(r.FNAMN, r.FNAMNO), kNoNameText, coded);
  AppendLine(block, Events(r));
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
std::string ParentBlock(const Parent& p) {
  const std::string* fields[] = {
      &p.surname, &p.surname_written, &p.first_name,   &p.first_name_written, &p.title,
      &p.age,     &p.place,           &p.place_written};
  if (std::all_of(std::begin(fields), std::end(fields), [](auto* f) { return f->empty(); }))
    return {};
  const std::string title = IsSaknas(p.title) ? "" : p.title;
  const std::string age = IsSaknas(p.age) ? "" : WithAgeUnit(p.age);
  std::string details = JoinNonEmpty(title, age, ", ");
  AppendLine(details, Shown(p.place, p.place_written));
  std::string block = NameOr(Shown(p.surname, p.surname_written),
                             Shown(p.first_name, p.first_name_written), kNoNameText);
  AppendLine(block, details);
  return block;
}

std::string FamilyLine(const Tenfodd& r) {
  if (!r.ANTFOD.empty()) {
    std::string line = std::string(kSamtidigtFoddaWord) + ": " + r.ANTFOD;
    if (!r.PARITET.empty()) line += " (barn nr " + r.PARITET + " i familjen)";
    return line;
  }
  if (!r.PARITET.empty()) return "Barn nr " + r.PARITET + " i familjen";
  return {};
}

void AppendSection(std::string& text, std::string_view heading, const std::string& block,
                   bool coded) {
  if (block.empty()) return;
  text += Heading(heading, coded) + "\r" + block + "\r\r";
}

RecordFooter Footer(const Tenfodd& r, bool coded) {
  RecordFooter footer;
  footer.source_line = SourceLine(r.KAELLA, r.SIDA);
  footer.normalised_heading = Heading("Normerade begrepp", coded);
  std::string& list = footer.normalised_list;
  AddNormalised(list, "Efternamn: ", r.ENAMN, r.ENAMNO);
  AddNormalised(list, "F\xF6rnamn: ", r.FNAMN, r.FNAMNO);
  AddNormalised(list, "Ort: ", r.ORT, r.ORTO);
  AddNormalised(list, "Moderns efternamn: ", r.MORENAMN, r.MORENAMNO);
  AddNormalised(list, "Moderns f\xF6rnamn: ", r.MORFNAMN, r.MORFNAMNO);
  AddNormalised(list, "Moderns ort: ", r.MORORT, r.MORORTO);
  AddNormalised(list, "Faderns efternamn: ", r.FARENAMN, r.FARENAMNO);
  AddNormalised(list, "Faderns f\xF6rnamn: ", r.FARFNAMN, r.FARFNAMNO);
  AddNormalised(list, "Faderns ort: ", r.FARORT, r.FARORTO);
  if (!r.REGANM.empty())
    footer.remark = Heading("Registeranm\xE4rkning", coded) + "\r" + r.REGANM + "\r";
  return footer;
}

}  // namespace

std::string ComposeBirthText(const Tenfodd& r, bool coded) {
  std::string text = ChildBlock(r, coded) + "\r\r";
  const std::string mother = ParentBlock({r.MORENAMN, r.MORENAMNO, r.MORFNAMN, r.MORFNAMNO,
                                          r.MORTITEL, r.MORALDER, r.MORORT, r.MORORTO});
  const std::string father = ParentBlock({r.FARENAMN, r.FARENAMNO, r.FARFNAMN, r.FARFNAMNO,
                                          r.FARTITEL, r.FARALDER, r.FARORT, r.FARORTO});
  AppendSection(text, "Far", father, coded);
  AppendSection(text, "Mor", mother, coded);
  const std::string family = FamilyLine(r);
  if (!family.empty()) text += family + "\r\r";
  if (!r.DOPVITTNEN.empty()) {
    RestartTrimmed(text, 2);
    text += Heading("Dopvittnen", coded) + "\r" + r.DOPVITTNEN;
  }
  const std::string other = OtherInformation(r.FORSKOD, r.OVRIGT);
  if (!other.empty()) {
    RestartTrimmed(text, 2);
    text += Heading("\xD6vriga uppgifter", coded) + "\r" + other;
  }
  AppendFooter(text, Footer(r, coded));
  return Finished(std::move(text), coded);
}

}  // namespace vx
