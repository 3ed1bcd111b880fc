// Coded text: the small markup of every formatted text of the program
// (record texts, help texts, the About text, printed pages), and
// TVXkodtxt, the layout engine that turns it into positioned runs.
//
// A coded text is Windows-1252. CR ends a paragraph, LF is ignored, TAB
// indents (or moves to the next table column), other characters below 32
// are ignored. "[" opens a tag that runs to the next "]" (or the end of
// the text): a backslash anywhere in it makes it a closing tag, the first
// character selects it (case ignored), the rest is its argument:
//   [1]..[6] font level     [N] plain level 2     [B n] colour 1..6
//   [F] bold   [K] italic   [U] underline         [L n] rule 1..3
//   [C] centre [H] right    [T w w ...] table     [M target] link
//   [X] highlight (records a mark)
// A tag with an unknown letter or an invalid argument has no effect.
//
// Layout needs only a TextMeasurer; the display and the printer give one
// over their fonts, tests one with known widths. Pixels are relative to the
// text area's top-left corner.
#ifndef VX_CODEDTEXT_CODED_TEXT_H_
#define VX_CODEDTEXT_CODED_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "theme/theme.h"

namespace vx {

inline constexpr int kCodedLevels = 6;
// Font sizes in points of levels 1..6 (the theme's coded-text family,
// regular).
inline constexpr int kCodedLevelPoints[kCodedLevels] = {9, 11, 13, 20, 10, 12};

// Colours as 0xRRGGBB; the theme's where they agree.
inline constexpr uint32_t kCodedBlack = theme::kBlack.Packed();
inline constexpr uint32_t kCodedLinkColour = 0xE00000;
inline constexpr uint32_t kCodedEmptyLinkColour = 0x004080;
inline constexpr uint32_t kCodedHighlight = 0xA2C69B;
inline constexpr uint32_t kCodedSelectionBack = theme::kNavy.Packed();
inline constexpr uint32_t kCodedSelectionText = theme::kWhite.Packed();
// [B 1] .. [B 6]
inline constexpr uint32_t kCodedColours[6] = {theme::kBlack.Packed(),
                                              theme::kSignalGreen.Packed(),
                                              theme::kDarkRed.Packed(),
                                              theme::kNavy.Packed(),
                                              0x401313,
                                              0x407070};

struct CodedFont {
  int level = 2;  // 1..6
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const CodedFont&) const = default;
};

// Text widths and font heights in pixels, for the canvas laid out on.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // The width of `text` (Windows-1252) drawn in `font`.
  virtual int Width(const CodedFont& font, std::string_view text) const = 0;
  // The pixel height of level `level`'s font; a level's line height is
  // this times 10, divided by 8.
  virtual int Height(int level) const = 0;
};

// One piece of text drawn in one format, or a rule. A rule run spans the
// height of its line and is drawn through its middle, (top + bottom) / 2,
// from left to right; its text and source are empty.
struct CodedRun {
  std::string text;  // the displayed characters (no tags)
  int rule = 0;      // 0 text; 1 dotted thin, 2 solid thin, 3 solid two pixels
  CodedFont font;
  uint32_t colour = kCodedBlack;
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int line = 1;  // the line it stands on (1-based)
  bool link = false;
  bool highlight = false;
  int link_index = -1;  // into Links(), for link runs
  // The source index of each displayed character, so that selections map
  // back to the coded text (size() == text.size()).
  std::vector<size_t> source;
};

struct CodedLink {
  std::string target;
  bool visible = false;  // drawn in the current view
};

struct CodedMark {
  int line = 1;
  int top = 0;
};

// What to paint: a run, or part of it, at its place in the view.
struct PaintedRun {
  const CodedRun* run = nullptr;
  std::string text;  // the part of the run's text
  int x = 0;         // left edge in the area, after pushing and scrolling
  int y = 0;         // top edge in the area
  int width = 0;     // the measured width of `text`
  uint32_t colour = kCodedBlack;
  bool opaque = false;  // draw `background` behind the text
  uint32_t background = 0;
};

// Where a point falls in the text.
struct CharHit {
  int run = -1;        // index into Runs(), -1 when no text run is on that line
  int64_t index = -1;  // the source index of the character, -1 when none
  bool past = false;   // the point lies past the run's end (between runs or after the last)
};

enum class VerticalMode { kTop = 0, kCentre = 1, kBottom = 2 };

class TVXkodtxt {
 public:
  // The measurer must outlive the layouts made with it.
  void SetMeasurer(const TextMeasurer* measurer) { measurer_ = measurer; }
  // The text area's size (negative sizes count as 0); the layout wraps at
  // `width`.
  void SetArea(int width, int height);
  int AreaWidth() const { return width_; }
  int AreaHeight() const { return height_; }
  // Replaces the text and clears the selection; the old layout stays until
  // the next Layout().
  void SetText(std::string_view text);
  // The text as laid out: Layout() appends CR LF to a non-empty text that
  // does not end in LF. Source indices point into it.
  const std::string& Text() const { return text_; }

  // Lays the text out; discards earlier runs, links and marks. Without a
  // measurer the layout is empty. Time and memory grow linearly with the
  // text (apart from the measurer's own cost).
  //
  // A text run passes its right limit (the area's width, or its table
  // column's right edge) only by its last character: a break character
  // other than a blank that did not fit, or the single character of a line
  // too narrow for it.
  //
  // Where the markup leaves room: a table opened inside a table is ignored,
  // and closing one inside a row ends the row first; columns past the area
  // shrink to its right edge; tab indents stop at the right edge; inside a
  // table [N] keeps the level; a rule leaves the cursor where it is.
  void Layout();

  const std::vector<CodedRun>& Runs() const { return runs_; }
  const std::vector<CodedLink>& Links() const { return links_; }
  const std::vector<CodedMark>& Marks() const { return marks_; }
  // The top of each line, index 0 for line 1; sized to the text.
  const std::vector<int>& LineTops() const { return line_tops_; }
  int LineCount() const { return static_cast<int>(line_tops_.size()); }
  int TotalHeight() const { return total_height_; }

  // Scrolling: a pixel offset (turns pixel scrolling on) or a first line
  // (1-based; turns it off). Both count only in VerticalMode::kTop.
  void SetVerticalMode(VerticalMode mode) { mode_ = mode; }
  VerticalMode GetVerticalMode() const { return mode_; }
  void SetPixelOffset(int offset);
  void SetFirstLine(int line);
  bool PixelScrolling() const { return pixel_scrolling_; }
  int FirstLine() const { return first_line_; }
  // The vertical offset subtracted from run positions in the view: kTop
  // the pixel offset, or the top of the first line (clamped to the lines
  // there are); kCentre (TotalHeight() - height) / 2; kBottom
  // TotalHeight() - height. Negative when the text is shorter than the area.
  int ViewOffset() const;

  // Selection by source index, inclusive; -1, -1 for none. A negative
  // index clears it; first and last are swapped when out of order.
  void SetSelection(int64_t first, int64_t last);
  int64_t SelectionFirst() const { return selection_first_; }
  int64_t SelectionLast() const { return selection_last_; }
  bool HasSelection() const { return selection_first_ >= 0; }
  // Selects what a drag from the character `anchor` to the view point
  // (x, y) selects: the anchor always and the character under the point
  // never, so forwards up to the character before it and backwards from
  // the character after it; a point past a run counts as the boundary
  // after the run's last character. False, with the selection unchanged,
  // when no character lies on the point's line or `anchor` is negative.
  bool SelectDrag(int64_t anchor, int x, int y);

  // The pieces to paint in the view, in order (selected parts white on
  // navy, highlighted runs on light green); marks the links drawn as
  // visible and tells through RunsOutsideView() whether some were not.
  // A run is drawn when its vertical extent overlaps the area. A run is
  // pushed right to the end of the run drawn before it on the same line
  // when that one measures wider than laid out. A rule is one piece with
  // empty text, `width` its length. The pieces point into Runs(): they are
  // valid until the next Layout().
  std::vector<PaintedRun> Render();
  bool RunsOutsideView() const { return outside_view_; }

  // The target of the visible link under the view point (x, y), or empty
  // (also for a link with an empty target: see LinkHit).
  std::string LinkAt(int x, int y) const;
  // Whether a visible link lies under the point at all.
  bool LinkHit(int x, int y) const;
  // The character under the view point (x, y) by the laid-out positions.
  // The line is the one whose top is the last at or above the point
  // (line 1 above the text, the last line below it); on it, a point
  // between runs or after the last gives the last character before it
  // (`past` set), a point before the first run its first character.
  CharHit CharIndexAt(int x, int y) const;

  // The selected part of the source text as plain text (see PlainText).
  std::string SelectedPlainText() const;

 private:
  friend class CodedLayout;
  const TextMeasurer* measurer_ = nullptr;
  std::string text_;
  int width_ = 0;
  int height_ = 0;
  std::vector<CodedRun> runs_;
  std::vector<CodedLink> links_;
  std::vector<CodedMark> marks_;
  std::vector<int> line_tops_;
  int total_height_ = 0;
  VerticalMode mode_ = VerticalMode::kTop;
  bool pixel_scrolling_ = false;
  int pixel_offset_ = 0;
  int first_line_ = 1;
  int64_t selection_first_ = -1;
  int64_t selection_last_ = -1;
  bool outside_view_ = false;
};

// A tag read from a coded text (see the top of this file).
enum class CodedTagKind {
  kNone,  // unknown letter, invalid argument, or empty: no effect
  kLevel,
  kPlain,
  kColour,
  kBold,
  kItalic,
  kUnderline,
  kRule,
  kCentre,
  kRight,
  kTable,
  kLink,
  kHighlight,
};

struct CodedTag {
  CodedTagKind kind = CodedTagKind::kNone;
  bool closing = false;
  int number = 0;           // the level, colour or rule number
  std::string target;       // an opening link's target, leading blanks dropped
  std::vector<int> widths;  // an opening table's column widths in blanks
  size_t end = 0;           // the index just after the tag's "]", or the text's size
};

// Longest table column read, in blanks; longer widths are cut to it.
inline constexpr int kMaxCodedColumn = 10000;

// Reads the tag whose "[" stands at `text[open]` (open < text.size()).
// Closing forms count only for F, K, U, T, M and X; the other letters take
// no closing form, and argument-free tags ignore an argument. A number is
// the digits after optional blanks; table widths are the pieces between
// blanks and commas that are all digits.
CodedTag ReadCodedTag(std::string_view text, size_t open);

// A coded text as plain text: every tag removed (from "[" through the next
// "]"; an unclosed "[" drops the rest), each CR as CR LF, any LF already
// after a CR kept once. Sized to the text, never cut.
std::string PlainText(std::string_view coded);

// The text without its tags, nothing else changed.
std::string RemoveTags(std::string_view coded);

}  // namespace vx

#endif  // VX_CODEDTEXT_CODED_TEXT_H_
