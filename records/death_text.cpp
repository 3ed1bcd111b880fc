// The record text of a death.
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

std::string_view NoNameText(const std::string& sex) {
  const std::string upper = UpperCase(sex);
  if (upper == "M") return "(Man utan namn)";
  if (upper == "K") return "(Kvinna utan namn)";
  return kNoNameText;
}

// Title and age as stated; the age is shown as stored, without " år".
std::string TitleAndAge(const Tendod& r) {
  if (!r.TITEL.empty() && !r.ALDER.empty()) return r.TITEL + " (\xE5lder: " + r.ALDER + ")";
  if (!r.ALDER.empty()) return "\xC5lder: " + r.ALDER;
  return r.TITEL;
}

// The name (bold when coded), then the birth, title and age, and place
// lines. The birth line ends in its own CR, so a place that follows it
// directly stands after an empty line, and a lone birth line leaves one
// more before the events.
std::string DeceasedBlock(const Tendod& r, bool coded) {
  std::string details;
  if (!r.FODAT.empty()) details = std::string(kFoddWord) + " " + datumtext(r.FODAT) + "\r";
  details += TitleAndAge(r);
  AppendLine(details, Shown(r.ORT, r.ORTO));
  std::string block =
      PersonName(Shown(r.ENAMN, r.ENAMNO), Shown(r.FNAMN, r.FNAMNO), NoNameText(r.GENUS), coded);
  AppendLine(block, details);
  return block;
}

// Death with its parish (only named after a date), burial, and the cause
// after a blank line.
std::string Events(const Tendod& r) {
  std::string events;
  if (!r.DODAT.empty()) {
    events = std::string(kDodWord) + " " + datumtext(r.DODAT);
    if (!r.FORSKX.empty()) events += " i " + WithCounty(r.FORSKX, r.LAN);
  }
  if (!r.BEGRDAT.empty()) AppendLine(events, "Begravd " + datumtext(r.BEGRDAT));
  if (!r.DORSAK.empty()) {
    if (!events.empty()) events += "\r\r";
    events += std::string(kDodsorsakWord) + ": " + r.DORSAK;
  }
  return events;
}

struct Relative {
  const std::string& surname;
  const std::string& surname_written;
  const std::string& first_name;
  const std::string& title;
  const std::string& relation;
  const std::string& place;
};

// "surname, first name (title, relation)" as far as known, then the place.
std::string RelativeBlock(const Relative& a) {
  const std::string name = JoinNonEmpty(Shown(a.surname, a.surname_written), a.first_name, ", ");
  const std::string role = JoinNonEmpty(a.title, a.relation, ", ");
  std::string block = name.empty() || role.empty() ? name + role : name + " (" + role + ")";
  AppendLine(block, a.place);
  return block;
}

std::string Relatives(const Tendod& r) {
  const std::string first =
      RelativeBlock({r.ANF1ENAMN, r.ANF1ENAMNO, r.ANF1FNAMN, r.ANF1TITEL, r.ANF1RELAT, r.ANF1ORT});
  const std::string second =
      RelativeBlock({r.ANF2ENAMN, r.ANF2ENAMNO, r.ANF2FNAMN, r.ANF2TITEL, r.ANF2RELAT, r.ANF2ORT});
  // The second relative always follows an empty line, also when the first
  // is unknown: it still reads as the second.
  return second.empty() ? first : first + "\r\r" + second;
}

RecordFooter Footer(const Tendod& r, bool coded) {
  RecordFooter footer;
  footer.source_line = SourceLine(r.KAELLA, r.SIDA);
  footer.normalised_heading = Heading("Normerade begrepp", coded);
  std::string& list = footer.normalised_list;
  AddNormalised(list, "Efternamn: ", r.ENAMN, r.ENAMNO);
  AddNormalised(list, "F\xF6rnamn: ", r.FNAMN, r.FNAMNO);
  AddNormalised(list, "Ort: ", r.ORT, r.ORTO);
  // Like every other line of the list, the relatives' lines show the
  // normalised surname.
  AddNormalised(list, "Anf\xF6rvants efternamn: ", r.ANF1ENAMN, r.ANF1ENAMNO);
  AddNormalised(list, "Anf\xF6rvants efternamn: ", r.ANF2ENAMN, r.ANF2ENAMNO);
  if (!r.REGANM.empty())
    footer.remark = Heading("Registeranm\xE4rkning", coded) + "\r" + r.REGANM + "\r";
  return footer;
}

}  // namespace

std::string ComposeDeathText(const Tendod& r, bool coded) {
  std::string text = DeceasedBlock(r, coded) + "\r\r";
  const std::string events = Events(r);
  if (!events.empty()) text += events + "\r\r";
  const std::string relatives = Relatives(r);
  if (!relatives.empty()) {
    RestartTrimmed(text, 2);
    text += Heading("Anf\xF6rvanter", coded) + "\r" + relatives + "\r\r";
  }
  const std::string other = OtherInformation(r.FORSKOD, r.OVRIGT);
  if (!other.empty()) {
    RestartTrimmed(text, 2);
    text += Heading("\xD6vriga uppgifter", coded) + "\r" + other + "\r\r";
  }
  AppendFooter(text, Footer(r, coded));
  return Finished(std::move(text), coded);
}

}  // namespace vx
