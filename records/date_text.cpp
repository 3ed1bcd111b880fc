#include "records/date_text.h"

#include <algorithm>

#include "engine/util/cp1252.h"

namespace vx {
namespace {

constexpr std::string_view kUnknownYear = "9999";

// Drops a final "00" or "99" while the year stays whole; the check comes
// before each drop so that a year ending in 00 or 99 is never cut.
void DropUnknownTail(std::string& text) {
  if (text.size() <= 4) return;
  const std::string_view tail = std::string_view(text).substr(text.size() - 2);
  if (tail == "00" || tail == "99") text.resize(text.size() - 2);
}

bool IsUnknownPart(std::string_view part) {
  const std::string upper = UpperCase(std::string(part));
  return upper.empty() || upper == "00" || upper == "99" || upper == "XX" || upper == "0X" ||
         upper == "X0";
}

std::string WithoutLeadingZeros(std::string_view part) {
  const size_t first = part.find_first_not_of('0');
  return first == std::string_view::npos ? std::string() : std::string(part.substr(first));
}

// Inserts `c` before 1-based position `position`, or at the end when the
// text is shorter.
void InsertAt(std::string& text, size_t position, char c) {
  text.insert(std::min(position - 1, text.size()), 1, c);
}

// A stored date's parts as datumtext reads them; the day and month are
// empty when unknown, and so is the year of an unknown date.
struct DateParts {
  std::string day;
  std::string month;
  std::string year;
};

DateParts PartsOf(std::string_view date) {
  std::string text(date);
  DropUnknownTail(text);
  DropUnknownTail(text);
  DateParts parts;
  parts.year = text.substr(0, 4);
  if (parts.year == kUnknownYear) return {};
  const std::string_view rest = std::string_view(text).substr(parts.year.size());
  const std::string_view month = rest.substr(0, 2);
  if (IsUnknownPart(month)) return parts;
  parts.month = WithoutLeadingZeros(month);
  const std::string_view day = rest.substr(month.size(), 2);
  if (!IsUnknownPart(day)) parts.day = WithoutLeadingZeros(day);
  return parts;
}

}  // namespace

std::string datumtext(std::string_view date) {
  const DateParts parts = PartsOf(date);
  if (parts.month.empty()) return parts.year;
  return (parts.day.empty() ? "?" : parts.day) + "/" + parts.month + " " + parts.year;
}

std::string EnglishDateText(std::string_view date) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const DateParts parts = PartsOf(date);
  if (parts.month.empty()) return parts.year;
  // A month that is no month (13, "1X") is shown as stored.
  const int month =
      parts.month.find_first_not_of("0123456789") == std::string::npos && parts.month.size() <= 2
          ? std::stoi(parts.month)
          : 0;
  const std::string name = month >= 1 && month <= 12 ? kMonths[month - 1] : parts.month;
  return (parts.day.empty() ? "" : parts.day + " ") + name + " " + parts.year;
}

bool IsUnknownDate(std::string_view date) {
  return date.substr(0, 4) == kUnknownYear;
}

std::string DashedDate(std::string_view date) {
  if (IsUnknownDate(date)) return {};
  std::string text(date);
  if (text.empty()) return text;
  InsertAt(text, 7, '-');
  InsertAt(text, 5, '-');
  return text;
}

}  // namespace vx
