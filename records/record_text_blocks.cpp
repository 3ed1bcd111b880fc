#include "records/record_text_blocks.h"

#include "language/message_id.h"
#include "language/messages.h"
#include "records/date_text.h"
#include "records/field_rules.h"

namespace vx {
namespace {

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

const std::string& Word(MessageId id, Language language) {
  return CatalogueText(id, language);
}

std::string Phrase(MessageId id, Language language, std::initializer_list<std::string_view> args) {
  return FormatMessage(CatalogueText(id, language), args);
}

std::string EventDate(std::string_view date, Language language) {
  return language == Language::kEnglish ? EnglishDateText(date) : datumtext(date);
}

const std::string& Shown(const std::string& plain, const std::string& written) {
  return written.empty() ? plain : written;
}

std::string PersonName(std::string_view surname, std::string_view first_name,
                       std::string_view fallback, bool coded) {
  const std::string name = NameOr(surname, first_name, fallback);
  return coded ? "[f]" + name + "[\\f]" : name;
}

std::string WithCounty(const std::string& parish, const std::string& county) {
  return county.empty() ? parish : parish + " (" + county + ")";
}

std::string Heading(std::string_view title, bool coded) {
  return coded ? "[b 3]" + std::string(title) + "[b 1]" : std::string(title);
}

void AppendLine(std::string& text, std::string_view line) {
  if (line.empty()) return;
  if (!text.empty()) text += '\r';
  text += line;
}

void RestartTrimmed(std::string& text, int line_ends) {
  size_t end = text.size();
  while (end > 0 && IsBlankOrControl(text[end - 1]))
    --end;
  size_t begin = 0;
  while (begin < end && IsBlankOrControl(text[begin]))
    ++begin;
  text = text.substr(begin, end - begin);
  text.append(static_cast<size_t>(line_ends), '\r');
}

std::string OtherInformation(const std::string& parish_code, const std::string& other,
                             Language language) {
  if (parish_code.empty()) return other;
  return Phrase(MessageId::RecordParishCode, language, {parish_code}) + "\r" + other;
}

std::string SourceLine(const std::string& source, const std::string& page, Language language) {
  if (page.empty()) return Phrase(MessageId::RecordSource, language, {source});
  return Phrase(MessageId::RecordSource, language,
                {Phrase(MessageId::RecordSourcePage, language, {source, page})});
}

void AddNormalised(std::string& list, std::string_view label, const std::string& plain,
                   const std::string& written) {
  if (written.empty()) return;
  list += label;
  list += plain;
  list += '\r';
}

void AppendFooter(std::string& text, const RecordFooter& footer) {
  RestartTrimmed(text, 1);
  text += "--------------\r";
  text += footer.source_line + "\r\r";
  if (!footer.normalised_list.empty())
    text += footer.normalised_heading + "\r" + footer.normalised_list + "\r";
  text += footer.remark;
}

std::string Finished(std::string text, bool coded) {
  return coded ? "[5]" + text : text;
}

}  // namespace vx
