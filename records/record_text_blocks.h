// The building blocks that the three record-text composers share. Texts are
// Windows-1252 with lines ended by a single CR; "coded" texts carry the
// bracket markup of the display (bold name, coloured headings, base font
// level), plain texts none of it.
#ifndef VX_RECORDS_RECORD_TEXT_BLOCKS_H_
#define VX_RECORDS_RECORD_TEXT_BLOCKS_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/util/message.h"
#include "language/language.h"
#include "language/message_id_fwd.h"

namespace vx {

// The catalogue's word `id` in `language`, Windows-1252.
const std::string& Word(MessageId id, Language language);

// The catalogue's text of `id` in `language` with `args` (Windows-1252).
std::string Phrase(MessageId id, Language language, std::initializer_list<std::string_view> args);

// The display form of a normalised field and its as-written twin (the
// field whose label ends in O): the written form when there is one.
const std::string& Shown(const std::string& plain, const std::string& written);

// The person's name: surname + ", " + first name, the one present, or
// `fallback`; wrapped in bold ("[f]" ... "[\f]") when coded.
std::string PersonName(std::string_view surname, std::string_view first_name,
                       std::string_view fallback, bool coded);

// A parish with its county in brackets when the county is known.
std::string WithCounty(const std::string& parish, const std::string& county);

// A section heading, dark red and then back to black when coded:
// "[b 3]" + title + "[b 1]".
std::string Heading(std::string_view title, bool coded);

// Appends `line` to `text`, after a CR unless `text` is empty; an empty
// line adds nothing.
void AppendLine(std::string& text, std::string_view line);

// Drops blanks and control characters (CRs included) from both ends of
// `text` and continues it with `line_ends` CRs, so that a new section
// starts after exactly that many line ends whatever came before.
void RestartTrimmed(std::string& text, int line_ends);

// "Församlingskod: " + code + CR when there is a code, then the other
// information as it stands. Empty when both are.
std::string OtherInformation(const std::string& parish_code, const std::string& other,
                             Language language);

// "Källa: " + source, then ", s. " + page when there is a page.
std::string SourceLine(const std::string& source, const std::string& page, Language language);

// The date as a record text shows it in `language`: datumtext in Swedish
// ("17/1 1866"), "17 Jan 1866" in English.
std::string EventDate(std::string_view date, Language language);

// Adds the line `label` + `plain` + CR to `list` when the as-written form
// `written` is non-empty: the normalised terms behind a record's names.
void AddNormalised(std::string& list, std::string_view label, const std::string& plain,
                   const std::string& written);

struct RecordFooter {
  std::string source_line;         // SourceLine
  std::string normalised_heading;  // shown when normalised_list is non-empty
  std::string normalised_list;     // AddNormalised lines
  std::string remark;              // the whole remark part, "" without a remark
};

// Ends a record text: the text trimmed, a rule of fourteen hyphens, the
// source line and a blank line, the normalised terms and a blank line when
// there are any, then the remark.
void AppendFooter(std::string& text, const RecordFooter& footer);

// The finished text: with the base font level "[5]" in front when coded.
std::string Finished(std::string text, bool coded);

}  // namespace vx

#endif  // VX_RECORDS_RECORD_TEXT_BLOCKS_H_
