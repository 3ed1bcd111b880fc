// The record text of a marriage.
#include <string>
#include <utility>

#include "records/date_text.h"
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
std::string SpouseBlock(const Spouse& s, std::string_view fallback, bool coded) {
  std::string details = JoinNonEmpty(s.title, WithAgeUnit(s.age), ", ");
  AppendLine(details, Shown(s.place, s.place_written));
  std::string block = PersonName(Shown(s.surname, s.surname_written),
                                 Shown(s.first_name, s.first_name_written), fallback, coded);
  AppendLine(block, details);
  return block;
}

// The banns dates as shown: each non-empty comma-separated piece, trimmed of
// blanks, in its display form.
std::string BannsDates(const std::string& dates) {
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
      shown += datumtext(piece.substr(first, last - first + 1));
    }
    start = end + 1;
  }
  return shown;
}

// The wedding with its parish (which is only named after a date), then the
// banns.
std::string Events(const Tenvigd& r) {
  std::string events;
  if (!r.VIGDDAT.empty()) {
    events = "Vigda " + datumtext(r.VIGDDAT);
    if (!r.FORSKX.empty()) events += " i " + WithCounty(r.FORSKX, r.LAN);
  }
  if (!r.LYSNDAT.empty()) AppendLine(events, "Lysning " + BannsDates(r.LYSNDAT));
  return events;
}

RecordFooter Footer(const Tenvigd& r, bool coded) {
  RecordFooter footer;
  footer.source_line = SourceLine(r.KAELLA, r.SIDA);
  footer.normalised_heading = Heading("Normerade begrepp:", coded);
  std::string& list = footer.normalised_list;
  AddNormalised(list, "Kvinnans efternamn: ", r.KENAMN, r.KENAMNO);
  AddNormalised(list, "Kvinnans f\xF6rnamn: ", r.KFNAMN, r.KFNAMNO);
  AddNormalised(list, "Kvinnans hemort: ", r.KORT, r.KORTO);
  AddNormalised(list, "Mannens efternamn: ", r.MENAMN, r.MENAMNO);
  AddNormalised(list, "Mannens f\xF6rnamn: ", r.MFNAMN, r.MFNAMNO);
  AddNormalised(list, "Mannens hemort: ", r.MORT, r.MORTO);
  if (!r.REGANM.empty()) {
    // Italic, and on the same line as the remark.
    const std::string label = "Registeranm\xE4rkning:";
    footer.remark = (coded ? "[k]" + label + "[\\k]" : label) + r.REGANM + "\r";
  }
  return footer;
}

}  // namespace

std::string ComposeMarriageText(const Tenvigd& r, bool coded) {
  const std::string man =
      SpouseBlock({r.MENAMN, r.MENAMNO, r.MFNAMN, r.MFNAMNO, r.MTITEL, r.MALDER, r.MORT, r.MORTO},
                  "(Man utan namn)", coded);
  const std::string woman =
      SpouseBlock({r.KENAMN, r.KENAMNO, r.KFNAMN, r.KFNAMNO, r.KTITEL, r.KALDER, r.KORT, r.KORTO},
                  "(Kvinna utan namn)", coded);
  std::string text = man + "\r\r" + woman + "\r\r";
  const std::string events = Events(r);
  if (!events.empty()) text += events + "\r\r";
  const std::string other = OtherInformation(r.FORSKOD, r.OVRIGT);
  if (!other.empty()) {
    RestartTrimmed(text, 2);
    text += Heading("\xD6vriga uppgifter", coded) + "\r" + other + "\r\r";
  }
  AppendFooter(text, Footer(r, coded));
  return Finished(std::move(text), coded);
}

}  // namespace vx
