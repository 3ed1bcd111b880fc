// The record text of a marriage.
#include <string>
#include <utility>

#include "language/message_id.h"
#include "records/field_rules.h"
#include "records/record_text.h"
#include "records/record_text_blocks.h"

namespace vx {
namespace {

// One spouse's fields, normalised and as written.
struct Spouse {
  const std::string& surname;
  const std::string& surname_written;
  const std::string& first_name;
  const std::string& first_name_written;
  const std::string& title;
  const std::string& age;
  const std::string& place;
  const std::string& place_written;
};

// The name (bold when coded), then title and age, then the home place.
std::string SpouseBlock(const Spouse& s, std::string_view fallback, bool coded, Language language) {
  std::string details = JoinNonEmpty(s.title, WithAgeUnit(s.age, language), ", ");
  AppendLine(details, Shown(s.place, s.place_written));
  std::string block = PersonName(Shown(s.surname, s.surname_written),
                                 Shown(s.first_name, s.first_name_written), fallback, coded);
  AppendLine(block, details);
  return block;
}

// The banns dates as shown: each non-empty comma-separated piece, trimmed of
// blanks, in its display form.
std::string BannsDates(const std::string& dates, Language language) {
  std::string shown;
  size_t start = 0;
  while (start <= dates.size()) {
    size_t end = dates.find(',', start);
    if (end == std::string::npos) end = dates.size();
    const std::string piece = dates.substr(start, end - start);
    const size_t first = piece.find_first_not_of(' ');
    if (first != std::string::npos) {
      const size_t last = piece.find_last_not_of(' ');
      if (!shown.empty()) shown += ", ";
      shown += EventDate(piece.substr(first, last - first + 1), language);
    }
    start = end + 1;
  }
  return shown;
}

// The wedding with its parish (which is only named after a date), then the
// banns.
std::string Events(const Tenvigd& r, Language language) {
  std::string events;
  if (!r.VIGDDAT.empty()) {
    events = Word(MessageId::RecordMarried, language) + " " + EventDate(r.VIGDDAT, language);
    if (!r.FORSKX.empty())
      events += " " + Word(MessageId::RecordIn, language) + " " + WithCounty(r.FORSKX, r.LAN);
  }
  if (!r.LYSNDAT.empty())
    AppendLine(events,
               Word(MessageId::RecordBanns, language) + " " + BannsDates(r.LYSNDAT, language));
  return events;
}

RecordFooter Footer(const Tenvigd& r, bool coded, Language language) {
  RecordFooter footer;
  footer.source_line = SourceLine(r.KAELLA, r.SIDA, language);
  footer.normalised_heading =
      Heading(Word(MessageId::RecordNormalisedTerms, language) + ":", coded);
  std::string& list = footer.normalised_list;
  const auto add = [&](MessageId label, const std::string& plain, const std::string& written) {
    AddNormalised(list, Word(label, language) + ": ", plain, written);
  };
  add(MessageId::RecordWomansSurname, r.KENAMN, r.KENAMNO);
  add(MessageId::RecordWomansFirstName, r.KFNAMN, r.KFNAMNO);
  add(MessageId::RecordWomansHome, r.KORT, r.KORTO);
  add(MessageId::RecordMansSurname, r.MENAMN, r.MENAMNO);
  add(MessageId::RecordMansFirstName, r.MFNAMN, r.MFNAMNO);
  add(MessageId::RecordMansHome, r.MORT, r.MORTO);
  if (!r.REGANM.empty()) {
    // Italic, and on the same line as the remark.
    const std::string label = Word(MessageId::RecordRegisterRemark, language) + ":";
    footer.remark = (coded ? "[k]" + label + "[\\k]" : label) + r.REGANM + "\r";
  }
  return footer;
}

}  // namespace

std::string ComposeMarriageText(const Tenvigd& r, bool coded, Language language) {
  const std::string man =
      SpouseBlock({r.MENAMN, r.MENAMNO, r.MFNAMN, r.MFNAMNO, r.MTITEL, r.MALDER, r.MORT, r.MORTO},
                  Word(MessageId::RecordManWithoutName, language), coded, language);
  const std::string woman =
      SpouseBlock({r.KENAMN, r.KENAMNO, r.KFNAMN, r.KFNAMNO, r.KTITEL, r.KALDER, r.KORT, r.KORTO},
                  Word(MessageId::RecordWomanWithoutName, language), coded, language);
  std::string text = man + "\r\r" + woman + "\r\r";
  const std::string events = Events(r, language);
  if (!events.empty()) text += events + "\r\r";
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
