// The record text of a death.
#include <string>
#include <utility>

#include "engine/util/cp1252.h"
#include "language/message_id.h"
#include "records/field_rules.h"
#include "records/record_text.h"
#include "records/record_text_blocks.h"

namespace vx {
namespace {

const std::string& NoNameText(const std::string& sex, Language language) {
  const std::string upper = UpperCase(sex);
  if (upper == "M") return Word(MessageId::RecordManWithoutName, language);
  if (upper == "K") return Word(MessageId::RecordWomanWithoutName, language);
  return Word(MessageId::RecordNoName, language);
}

// Title and age as stated; the age is shown as stored, without " år".
std::string TitleAndAge(const Tendod& r, Language language) {
  if (!r.TITEL.empty() && !r.ALDER.empty())
    return Phrase(MessageId::RecordTitleAndAge, language, {r.TITEL, r.ALDER});
  if (!r.ALDER.empty()) return Phrase(MessageId::RecordAge, language, {r.ALDER});
  return r.TITEL;
}

// The name (bold when coded), then the birth, title and age, and place
// lines. The birth line ends in its own CR, so a place that follows it
// directly stands after an empty line, and a lone birth line leaves one
// more before the events.
std::string DeceasedBlock(const Tendod& r, bool coded, Language language) {
  std::string details;
  if (!r.FODAT.empty())
    details = Word(MessageId::RecordBorn, language) + " " + EventDate(r.FODAT, language) + "\r";
  details += TitleAndAge(r, language);
  AppendLine(details, Shown(r.ORT, r.ORTO));
  std::string block = PersonName(Shown(r.ENAMN, r.ENAMNO), Shown(r.FNAMN, r.FNAMNO),
                                 NoNameText(r.GENUS, language), coded);
  AppendLine(block, details);
  return block;
}

// Death with its parish (only named after a date), burial, and the cause
// after a blank line.
std::string Events(const Tendod& r, Language language) {
  std::string events;
  if (!r.DODAT.empty()) {
    events = Word(MessageId::RecordDied, language) + " " + EventDate(r.DODAT, language);
    if (!r.FORSKX.empty())
      events += " " + Word(MessageId::RecordIn, language) + " " + WithCounty(r.FORSKX, r.LAN);
  }
  if (!r.BEGRDAT.empty())
    AppendLine(events,
               Word(MessageId::RecordBuried, language) + " " + EventDate(r.BEGRDAT, language));
  if (!r.DORSAK.empty()) {
    if (!events.empty()) events += "\r\r";
    events += Word(MessageId::RecordCauseOfDeath, language) + ": " + r.DORSAK;
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

RecordFooter Footer(const Tendod& r, bool coded, Language language) {
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
  // Like every other line of the list, the relatives' lines show the
  // normalised surname.
  add(MessageId::RecordRelativesSurname, r.ANF1ENAMN, r.ANF1ENAMNO);
  add(MessageId::RecordRelativesSurname, r.ANF2ENAMN, r.ANF2ENAMNO);
  if (!r.REGANM.empty()) {
    footer.remark =
        Heading(Word(MessageId::RecordRegisterRemark, language), coded) + "\r" + r.REGANM + "\r";
  }
  return footer;
}

}  // namespace

std::string ComposeDeathText(const Tendod& r, bool coded, Language language) {
  std::string text = DeceasedBlock(r, coded, language) + "\r\r";
  const std::string events = Events(r, language);
  if (!events.empty()) text += events + "\r\r";
  const std::string relatives = Relatives(r);
  if (!relatives.empty()) {
    RestartTrimmed(text, 2);
    text += Heading(Word(MessageId::RecordRelatives, language), coded) + "\r" + relatives + "\r\r";
  }
  const std::string other = OtherInformation(r.FORSKOD, r.OVRIGT, language);
  if (!other.empty()) {
    RestartTrimmed(text, 2);
    text +=
        Heading(Word(MessageId::RecordOtherInformation, language), coded) + "\r" + other + "\r\r";
  }
  AppendFooter(text, Footer(r, coded, language));
  return Finished(std::move(text), coded);
}

}  // namespace vx
