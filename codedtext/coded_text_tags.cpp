// Reading one tag of a coded text.
#include <algorithm>
#include <string>
#include <string_view>

#include "codedtext/coded_text.h"

namespace vx {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Digits as a number that saturates instead of overflowing.
int DigitsValue(std::string_view digits) {
  int value = 0;
  for (const char c : digits)
    value = std::min(value * 10 + (c - '0'), 1000000);
  return value;
}

// The whole number after optional blanks, or -1 when there is none.
int LeadingNumber(std::string_view argument) {
  size_t at = argument.find_first_not_of(' ');
  if (at == std::string_view::npos || !IsDigit(argument[at])) return -1;
  const size_t first = at;
  while (at < argument.size() && IsDigit(argument[at]))
    ++at;
  return DigitsValue(argument.substr(first, at - first));
}

std::vector<int> ColumnWidths(std::string_view argument) {
  std::vector<int> widths;
  size_t at = 0;
  while (at < argument.size()) {
    const size_t first = argument.find_first_not_of(" ,", at);
    if (first == std::string_view::npos) break;
    at = std::min(argument.find_first_of(" ,", first), argument.size());
    const std::string_view piece = argument.substr(first, at - first);
    if (std::all_of(piece.begin(), piece.end(), IsDigit))
      widths.push_back(std::min(DigitsValue(piece), kMaxCodedColumn));
  }
  return widths;
}

// A tag taking a number in [low, high]; any other argument voids it.
void Numbered(CodedTag& tag, CodedTagKind kind, std::string_view argument, int low, int high) {
  const int n = LeadingNumber(argument);
  if (n < low || n > high) return;
  tag.kind = kind;
  tag.number = n;
}

void Opening(CodedTag& tag, char letter, std::string_view argument) {
  switch (letter) {
    case 'N':
      tag.kind = CodedTagKind::kPlain;
      break;
    case 'B':
      Numbered(tag, CodedTagKind::kColour, argument, 1, 6);
      break;
    case 'L':
      Numbered(tag, CodedTagKind::kRule, argument, 1, 3);
      break;
    case 'C':
      tag.kind = CodedTagKind::kCentre;
      break;
    case 'H':
      tag.kind = CodedTagKind::kRight;
      break;
    case 'T':
      tag.widths = ColumnWidths(argument);
      if (!tag.widths.empty()) tag.kind = CodedTagKind::kTable;
      break;
    case 'M': {
      tag.kind = CodedTagKind::kLink;
      const size_t first = argument.find_first_not_of(' ');
      if (first != std::string_view::npos) tag.target = argument.substr(first);
      break;
    }
    default:
      if (letter >= '1' && letter <= '6') {
        tag.kind = CodedTagKind::kLevel;
        tag.number = letter - '0';
      }
  }
}

CodedTagKind SwitchKind(char letter) {
  switch (letter) {
    case 'F':
      return CodedTagKind::kBold;
    case 'K':
      return CodedTagKind::kItalic;
    case 'U':
      return CodedTagKind::kUnderline;
    case 'X':
      return CodedTagKind::kHighlight;
    case 'T':
      return CodedTagKind::kTable;
    case 'M':
      return CodedTagKind::kLink;
    default:
      return CodedTagKind::kNone;
  }
}

}  // namespace

CodedTag ReadCodedTag(std::string_view text, size_t open) {
  CodedTag tag;
  const size_t close = text.find(']', open + 1);
  tag.end = close == std::string_view::npos ? text.size() : close + 1;
  const size_t body_end = close == std::string_view::npos ? text.size() : close;
  // Controls and backslashes are no part of the tag's letter or argument.
  std::string body;
  for (size_t i = open + 1; i < body_end; ++i) {
    const char c = text[i];
    if (c == '\\')
      tag.closing = true;
    else if (static_cast<unsigned char>(c) >= 32)
      body += c;
  }
  if (body.empty()) return tag;
  char letter = body[0];
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  const std::string_view argument = std::string_view(body).substr(1);
  const CodedTagKind kind = SwitchKind(letter);
  if (tag.closing)
    tag.kind = kind;
  else if (kind == CodedTagKind::kBold || kind == CodedTagKind::kItalic ||
           kind == CodedTagKind::kUnderline || kind == CodedTagKind::kHighlight)
    tag.kind = kind;
  else
    Opening(tag, letter, argument);
  return tag;
}

}  // namespace vx
