// The caption layout of the text buttons: where each line of a button's
// text goes, decided without a window so that it can be checked with known
// text widths.
//
// The available width is the button's width minus twice `avst` (minus
// `avst` once with `textvmarg`). A carriage return ends a line (LF and
// CR LF are taken the same way; a break at the very end adds no empty
// line). A line that does not fit is wrapped after the last break
// character that fits (blank , - . / : ; \); a blank break is dropped, the
// others stay at the end of their line; a word without a break character
// is cut. Blanks at the start of a wrapped line are skipped. The block is
// centred vertically; each line is centred horizontally, or placed at
// `avst` with `textvmarg`. Text is UTF-8 and is only cut between code
// points.
#ifndef VX_IMAGING_BUTTON_TEXT_LAYOUT_H_
#define VX_IMAGING_BUTTON_TEXT_LAYOUT_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// How wide a piece of text is drawn, and the font's text height (ascent
// plus descent), in pixels.
struct TextMeasure {
  std::function<int(std::string_view)> width;
  int text_height = 0;
};

struct ButtonTextArea {
  int width = 0;
  int height = 0;
  int avst = 0;
  bool textvmarg = false;
};

struct ButtonTextLine {
  std::string text;
  int x = 0;  // left edge of the text
  int y = 0;  // top of the text, which sits centred in its line
  bool operator==(const ButtonTextLine&) const = default;
};

struct ButtonTextLayout {
  int line_height = 0;  // round(1.5 x text height)
  int first_top = 0;    // top of the first line: (height - lines x line height) / 2
  std::vector<ButtonTextLine> lines;
};

// The lines of `text` wrapped to `available` pixels; every line holds at
// least one character, so a width too small still makes progress.
std::vector<std::string> WrapButtonText(std::string_view text, int available,
                                        const std::function<int(std::string_view)>& width);

ButtonTextLayout LayOutButtonText(std::string_view text, const ButtonTextArea& area,
                                  const TextMeasure& measure);

}  // namespace vx

#endif  // VX_IMAGING_BUTTON_TEXT_LAYOUT_H_
