#include "imaging/button_text_layout.h"

#include <cmath>

namespace vx {
namespace {

using WidthOf = std::function<int(std::string_view)>;

bool IsBreakCharacter(char c) {
  switch (c) {
    case ' ':
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case ';':
    case '\\':
      return true;
    default:
      return false;
  }
}

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// The index after the code point at `i` (UTF-8 continuation bytes skipped).
size_t NextCodePoint(std::string_view text, size_t i) {
  ++i;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
    ++i;
  return i;
}

// Length of the longest prefix that fits, but never less than one code
// point.
size_t FittingLength(std::string_view text, int available, const WidthOf& width) {
  if (width(text) <= available) return text.size();
  size_t fit = NextCodePoint(text, 0);
  while (fit < text.size()) {
    const size_t next = NextCodePoint(text, fit);
    if (width(text.substr(0, next)) > available) break;
    fit = next;
  }
  return fit;
}

struct Cut {
  size_t line_end;    // the line is text[0, line_end)
  size_t next_start;  // where the following line starts
};

// Where a line that overflows after `fit` bytes ends. A blank break is
// dropped with the blanks before it; another break character stays on the
// line; without one (or with only a leading blank) the word is cut.
Cut CutLine(std::string_view text, size_t fit) {
  size_t at = fit + 1;
  if (text[fit] != ' ') {
    at = fit;
    while (at > 0 && !IsBreakCharacter(text[at - 1]))
      --at;
    if (at > 0 && text[at - 1] != ' ') return {at, at};
  }
  if (at <= 1) return {fit, fit};  // no break, or only a leading blank
  size_t end = at - 1;             // the blank itself is dropped
  while (end > 0 && text[end - 1] == ' ')
    --end;
  return end > 0 ? Cut{end, at} : Cut{fit, fit};
}

void WrapParagraph(std::string_view text, int available, const WidthOf& width,
                   std::vector<std::string>& out) {
  bool wrapped = false;
  for (;;) {
    if (wrapped) {
      while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
      if (text.empty()) return;
    }
    const size_t fit = FittingLength(text, available, width);
    if (fit >= text.size()) {
      out.emplace_back(text);
      return;
    }
    const Cut cut = CutLine(text, fit);
    out.emplace_back(text.substr(0, cut.line_end));
    text.remove_prefix(cut.next_start);
    wrapped = true;
  }
}

}  // namespace

std::vector<std::string> WrapButtonText(std::string_view text, int available,
                                        const WidthOf& width) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    size_t end = 0;
    while (end < text.size() && !IsLineEnd(text[end]))
      ++end;
    WrapParagraph(text.substr(0, end), available, width, lines);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    text.remove_prefix(end < text.size() ? end + 1 : end);
  }
  return lines;
}

ButtonTextLayout LayOutButtonText(std::string_view text, const ButtonTextArea& area,
                                  const TextMeasure& measure) {
  const int margins = area.textvmarg ? area.avst : 2 * area.avst;
  ButtonTextLayout layout;
  layout.line_height = static_cast<int>(std::lround(1.5 * measure.text_height));
  const std::vector<std::string> lines = WrapButtonText(text, area.width - margins, measure.width);
  const int count = static_cast<int>(lines.size());
  layout.first_top = (area.height - count * layout.line_height) / 2;
  const int inset = (layout.line_height - measure.text_height) / 2;
  for (int i = 0; i < count; ++i) {
    ButtonTextLine& line = layout.lines.emplace_back();
    line.text = lines[i];
    line.x = area.textvmarg ? area.avst : (area.width - measure.width(line.text)) / 2;
    line.y = layout.first_top + i * layout.line_height + inset;
  }
  return layout;
}

}  // namespace vx
