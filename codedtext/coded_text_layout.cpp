// TVXkodtxt::Layout: coded text to positioned runs.
//
// Characters are fed one at a time into the current run; a run that passes
// its right limit is wrapped, and the characters that go to the next line
// are fed again there, so every line is checked the same way. Widths are
// summed from cached character widths and measured whole only when the sum
// reaches the limit and when a run is closed, which keeps long texts
// linear with measurers that are not.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "codedtext/coded_text.h"

namespace vx {

namespace {

constexpr std::string_view kBreakCharacters = " ,-./:;\\";
constexpr int kFontVariants = kCodedLevels * 8;

enum class Alignment { kNone, kCentre, kRight };

// A line of the current paragraph (in a table, of the current row): the
// first run on it and its right limit.
struct Segment {
  size_t first_run = 0;
  int limit = 0;
};

struct Column {
  int left = 0;
  int right = 0;
};

// One displayed character waiting to be placed.
struct Pending {
  char c = 0;
  size_t source = 0;
};

}  // namespace

class CodedLayout {
 public:
  explicit CodedLayout(TVXkodtxt& owner);
  void Run();

 private:
  int LineHeight(int level) const { return line_heights_[level - 1]; }
  int CharWidth(unsigned char c);
  int Limit() const;

  void Tag(const CodedTag& tag);
  void Level(int level);
  void Plain();
  void Colour(int number);
  void Style(bool& style, bool on);
  void Rule(int type);
  void Align(Alignment alignment);
  void Link(const CodedTag& tag);
  void Highlight(bool on);
  void Tab();
  void Return();

  void OpenTable(const std::vector<int>& widths);
  void CloseTable();
  void NextColumn();
  void StartRow();
  void NoteCell();
  void EndRow(bool new_line);

  void Feed(char c, size_t source);
  void Append(const Pending& p);
  void Wrap();
  void CloseRun();
  void NewLine();
  void StartParagraph();
  void ApplyAlignment();
  void Finish();

  TVXkodtxt& k_;
  const TextMeasurer& m_;
  const int width_;
  int line_heights_[kCodedLevels] = {};
  int blank_ = 0;
  std::vector<int> char_widths_;  // per font variant and byte, -1 until measured

  // Format.
  CodedFont font_;
  uint32_t colour_ = kCodedBlack;         // the colour drawn
  uint32_t chosen_colour_ = kCodedBlack;  // the colour of the last colour tag
  bool link_ = false;
  int link_index_ = -1;
  CodedFont before_link_;
  bool highlight_ = false;

  // Cursor.
  int x_ = 0;
  int y_ = 0;
  int margin_ = 0;
  int line_height_ = 0;
  int line_ = 1;
  bool first_on_line_ = true;

  // The open run: its characters, their sources, and its width as a
  // measured prefix plus the summed widths of the characters after it.
  std::string run_text_;
  std::vector<size_t> run_source_;
  int64_t measured_width_ = 0;
  int64_t tail_width_ = 0;
  std::vector<Pending> pending_;  // a stack: the next character on top

  // Paragraph alignment.
  Alignment alignment_ = Alignment::kNone;
  size_t align_from_ = 0;
  std::vector<Segment> segments_;

  // Table.
  bool in_table_ = false;
  std::vector<Column> columns_;
  size_t column_ = 0;
  int row_top_ = 0;
  int row_line_ = 1;
  int row_bottom_ = 0;
  std::vector<int> cell_tops_;     // the tops of the current cell's lines
  std::vector<int> tallest_tops_;  // those of the row's cell with most lines
};

CodedLayout::CodedLayout(TVXkodtxt& owner)
    : k_(owner), m_(*owner.measurer_), width_(owner.width_), char_widths_(kFontVariants * 256, -1) {
  for (int level = 1; level <= kCodedLevels; ++level)
    line_heights_[level - 1] = std::max(0, m_.Height(level) * 10 / 8);
  blank_ = std::max(0, m_.Width(CodedFont{}, " "));
  line_height_ = LineHeight(font_.level);
  k_.line_tops_.assign(1, 0);
  segments_.push_back({0, width_});
}

int CodedLayout::CharWidth(unsigned char c) {
  const int variant =
      (font_.level - 1) * 8 + font_.bold * 4 + font_.italic * 2 + font_.underline * 1;
  int& width = char_widths_[static_cast<size_t>(variant) * 256 + c];
  if (width < 0) {
    const char ch = static_cast<char>(c);
    width = std::max(0, m_.Width(font_, std::string_view(&ch, 1)));
  }
  return width;
}

int CodedLayout::Limit() const {
  return in_table_ ? std::min(columns_[column_].right, width_) : width_;
}

void CodedLayout::Run() {
  const std::string& text = k_.text_;
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '[') {
      const CodedTag tag = ReadCodedTag(text, i);
      Tag(tag);
      i = tag.end;
      continue;
    }
    if (c == '\r')
      Return();
    else if (c == '\t')
      Tab();
    else if (static_cast<unsigned char>(c) >= 32)
      Feed(c, i);
    ++i;
  }
  Finish();
}

// ---- Tags ----

void CodedLayout::Tag(const CodedTag& tag) {
  switch (tag.kind) {
    case CodedTagKind::kNone:
      return;
    case CodedTagKind::kLevel:
      return Level(tag.number);
    case CodedTagKind::kPlain:
      return Plain();
    case CodedTagKind::kColour:
      return Colour(tag.number);
    case CodedTagKind::kBold:
      return Style(font_.bold, !tag.closing);
    case CodedTagKind::kItalic:
      return Style(font_.italic, !tag.closing);
    case CodedTagKind::kUnderline:
      return Style(font_.underline, !tag.closing);
    case CodedTagKind::kRule:
      return Rule(tag.number);
    case CodedTagKind::kCentre:
      return Align(Alignment::kCentre);
    case CodedTagKind::kRight:
      return Align(Alignment::kRight);
    case CodedTagKind::kTable:
      return tag.closing ? CloseTable() : OpenTable(tag.widths);
    case CodedTagKind::kLink:
      return Link(tag);
    case CodedTagKind::kHighlight:
      return Highlight(!tag.closing);
  }
}

// Tables keep one level so that their rows have even lines.
void CodedLayout::Level(int level) {
  if (in_table_) return;
  CloseRun();
  font_.level = level;
  line_height_ = first_on_line_ ? LineHeight(level) : std::max(line_height_, LineHeight(level));
}

void CodedLayout::Plain() {
  Level(2);
  CloseRun();
  font_.bold = font_.italic = font_.underline = false;
  chosen_colour_ = kCodedBlack;
  if (!link_) colour_ = kCodedBlack;
}

void CodedLayout::Colour(int number) {
  CloseRun();
  chosen_colour_ = kCodedColours[number - 1];
  if (!link_) colour_ = chosen_colour_;
}

// A link keeps its own look: bold, italic and underline inside it change
// nothing, and its closing tag brings back the style of its opening.
void CodedLayout::Style(bool& style, bool on) {
  if (link_) return;
  CloseRun();
  style = on;
}

// A rule leaves the cursor where it is: text after it on the line is drawn
// over it. Inside a table it runs to the table's right edge, whichever
// column it starts in.
void CodedLayout::Rule(int type) {
  CloseRun();
  const int limit = in_table_ ? std::min(columns_.back().right, width_) : width_;
  if (limit <= x_) return;
  CodedRun run;
  run.rule = type;
  run.font = font_;
  run.colour = colour_;
  run.left = x_;
  run.right = limit;
  run.top = y_;
  run.bottom = y_ + line_height_;
  run.line = line_;
  k_.runs_.push_back(std::move(run));
}

void CodedLayout::Align(Alignment alignment) {
  CloseRun();
  alignment_ = alignment;
  align_from_ = k_.runs_.size();
}

void CodedLayout::Link(const CodedTag& tag) {
  if (link_ == !tag.closing) return;  // no nesting, no stray closing
  CloseRun();
  link_ = !tag.closing;
  if (link_) {
    before_link_ = font_;
    font_.bold = font_.italic = font_.underline = false;
    colour_ = tag.target.empty() ? kCodedEmptyLinkColour : kCodedLinkColour;
    link_index_ = static_cast<int>(k_.links_.size());
    k_.links_.push_back({tag.target, false});
  } else {
    font_.bold = before_link_.bold;
    font_.italic = before_link_.italic;
    font_.underline = before_link_.underline;
    colour_ = chosen_colour_;
  }
}

void CodedLayout::Highlight(bool on) {
  CloseRun();
  highlight_ = on;
  if (on) k_.marks_.push_back({line_, y_});
}

// ---- Tab and carriage return ----

// The margin never passes the right edge, so indented lines keep room for
// one character at least.
void CodedLayout::Tab() {
  if (in_table_) return NextColumn();
  CloseRun();
  margin_ = static_cast<int>(std::min<int64_t>(int64_t{margin_} + 10 * int64_t{blank_}, width_));
  x_ = std::max(x_, margin_);
}

void CodedLayout::Return() {
  if (in_table_) return EndRow(true);
  CloseRun();
  ApplyAlignment();
  margin_ = 0;
  y_ += line_height_;
  line_height_ = LineHeight(font_.level);
  ++line_;
  k_.line_tops_.push_back(y_);
  x_ = 0;
  first_on_line_ = true;
  StartParagraph();
}

// ---- Tables ----

// Columns beyond the area shrink to its right edge.
void CodedLayout::OpenTable(const std::vector<int>& widths) {
  if (in_table_) return;
  CloseRun();
  columns_.clear();
  int64_t left = std::min(x_, width_);
  for (const int w : widths) {
    const int64_t right = left + int64_t{w} * blank_;
    columns_.push_back({static_cast<int>(std::min<int64_t>(left, width_)),
                        static_cast<int>(std::min<int64_t>(right, width_))});
    left = std::min<int64_t>(right + 2 * int64_t{blank_}, width_);
  }
  in_table_ = true;
  StartRow();
  segments_.push_back({k_.runs_.size(), Limit()});
}

// Closing a table inside a row ends the row first.
void CodedLayout::CloseTable() {
  if (!in_table_) return;
  CloseRun();
  const bool row_empty = column_ == 0 && cell_tops_.size() == 1 && first_on_line_;
  if (!row_empty) EndRow(true);
  in_table_ = false;
  x_ = margin_;
  segments_.push_back({k_.runs_.size(), width_});
}

// A table row begins at the first column, level with the cursor.
void CodedLayout::StartRow() {
  column_ = 0;
  x_ = columns_[0].left;
  row_top_ = y_;
  row_line_ = line_;
  row_bottom_ = y_;
  cell_tops_.assign(1, y_);
  tallest_tops_.clear();
  first_on_line_ = true;
}

void CodedLayout::NextColumn() {
  if (column_ + 1 >= columns_.size()) return EndRow(true);
  CloseRun();
  NoteCell();
  ++column_;
  x_ = columns_[column_].left;
  y_ = row_top_;
  line_ = row_line_;
  line_height_ = LineHeight(font_.level);
  first_on_line_ = true;
  cell_tops_.assign(1, row_top_);
  segments_.push_back({k_.runs_.size(), Limit()});
}

void CodedLayout::NoteCell() {
  row_bottom_ = std::max(row_bottom_, y_ + line_height_);
  if (cell_tops_.size() > tallest_tops_.size()) std::swap(cell_tops_, tallest_tops_);
}

// The row's lines join the line table; the next row starts below the
// lowest cell.
void CodedLayout::EndRow(bool new_line) {
  CloseRun();
  NoteCell();
  ApplyAlignment();
  for (size_t j = 1; j < tallest_tops_.size(); ++j)
    k_.line_tops_.push_back(tallest_tops_[j]);
  line_ = row_line_ + static_cast<int>(std::max<size_t>(tallest_tops_.size(), 1)) - 1;
  y_ = row_bottom_;
  margin_ = 0;
  if (new_line) {
    ++line_;
    k_.line_tops_.push_back(y_);
    line_height_ = LineHeight(font_.level);
  }
  StartRow();
  StartParagraph();
}

// ---- Runs and wrapping ----

void CodedLayout::Feed(char c, size_t source) {
  pending_.push_back({c, source});
  while (!pending_.empty()) {
    const Pending p = pending_.back();
    pending_.pop_back();
    Append(p);
  }
}

void CodedLayout::Append(const Pending& p) {
  run_text_ += p.c;
  run_source_.push_back(p.source);
  tail_width_ += CharWidth(static_cast<unsigned char>(p.c));
  const int limit = Limit();
  if (int64_t{x_} + measured_width_ + tail_width_ <= limit) return;
  measured_width_ = m_.Width(font_, run_text_);
  tail_width_ = 0;
  if (int64_t{x_} + measured_width_ > limit) Wrap();
}

// Splits the open run, which has just passed the limit by its last
// character: after its last break character (trailing blanks dropped);
// else, first on its line, before its last character (a lone character
// stays); else as a whole. What follows goes to the next line.
void CodedLayout::Wrap() {
  const size_t n = run_text_.size();
  size_t keep = 0;
  size_t rest = 0;
  const size_t at = run_text_.find_last_of(kBreakCharacters);
  // A lone break character with no room before it is no place to break.
  const bool no_room = n == 1 && x_ > Limit() && run_text_[0] != ' ';
  if (at != std::string::npos && !no_room) {
    keep = at + 1;
    rest = at + 1;
    while (keep > 0 && run_text_[keep - 1] == ' ')
      --keep;
  } else if (first_on_line_) {
    keep = rest = std::max<size_t>(n - 1, 1);
  }
  for (size_t i = n; i > rest; --i)
    pending_.push_back({run_text_[i - 1], run_source_[i - 1]});
  run_text_.resize(keep);
  run_source_.resize(keep);
  CloseRun();
  NewLine();
}

void CodedLayout::CloseRun() {
  measured_width_ = tail_width_ = 0;
  if (run_text_.empty()) return;
  const int width = m_.Width(font_, run_text_);
  CodedRun run;
  run.text = std::move(run_text_);
  run.source = std::move(run_source_);
  run.font = font_;
  run.colour = colour_;
  run.left = x_;
  run.right = static_cast<int>(std::min<int64_t>(int64_t{x_} + width, INT32_MAX));
  run.top = y_;
  run.bottom = y_ + LineHeight(font_.level);
  run.line = line_;
  run.link = link_;
  run.link_index = link_ ? link_index_ : -1;
  run.highlight = highlight_;
  x_ = run.right;
  k_.runs_.push_back(std::move(run));
  run_text_.clear();
  run_source_.clear();
  first_on_line_ = false;
}

// A wrapped line: outside tables it is a line of its own; inside, a line of
// the cell that the row's end counts.
void CodedLayout::NewLine() {
  y_ += line_height_;
  line_height_ = LineHeight(font_.level);
  ++line_;
  first_on_line_ = true;
  if (in_table_) {
    x_ = columns_[column_].left;
    cell_tops_.push_back(y_);
  } else {
    x_ = margin_;
    k_.line_tops_.push_back(y_);
  }
  segments_.push_back({k_.runs_.size(), Limit()});
}

// ---- Paragraphs ----

void CodedLayout::StartParagraph() {
  alignment_ = Alignment::kNone;
  segments_.assign(1, {k_.runs_.size(), Limit()});
}

// Moves the runs after the alignment tag right, line by line, by half or
// all of the room left on their line.
void CodedLayout::ApplyAlignment() {
  if (alignment_ == Alignment::kNone) return;
  std::vector<CodedRun>& runs = k_.runs_;
  for (size_t s = 0; s < segments_.size(); ++s) {
    const size_t first = segments_[s].first_run;
    const size_t end = s + 1 < segments_.size() ? segments_[s + 1].first_run : runs.size();
    const size_t from = std::max(first, align_from_);
    if (from >= end) continue;
    int right = 0;
    for (size_t r = first; r < end; ++r)
      right = std::max(right, runs[r].right);
    const int room = segments_[s].limit - right;
    if (room <= 0) continue;
    const int shift = alignment_ == Alignment::kCentre ? room / 2 : room;
    for (size_t r = from; r < end; ++r) {
      runs[r].left += shift;
      runs[r].right += shift;
    }
  }
  alignment_ = Alignment::kNone;
}

void CodedLayout::Finish() {
  CloseRun();
  if (in_table_)
    EndRow(false);
  else
    ApplyAlignment();
  int bottom = y_;
  for (const CodedRun& run : k_.runs_)
    bottom = std::max(bottom, run.bottom);
  k_.total_height_ = bottom;
}

// ---- TVXkodtxt ----

void TVXkodtxt::SetArea(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
}

void TVXkodtxt::SetText(std::string_view text) {
  text_.assign(text);
  selection_first_ = selection_last_ = -1;
}

void TVXkodtxt::Layout() {
  runs_.clear();
  links_.clear();
  marks_.clear();
  line_tops_.clear();
  total_height_ = 0;
  outside_view_ = false;
  if (measurer_ == nullptr) return;
  if (!text_.empty() && text_.back() != '\n') text_ += "\r\n";
  CodedLayout(*this).Run();
}

}  // namespace vx
