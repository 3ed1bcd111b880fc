// TVXkodtxt's view: scrolling, selection and the pieces to paint.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codedtext/coded_text.h"

namespace vx {
namespace {

// The selected characters of a run as the range [first, last) of its text;
// sources increase along a run, so they are one range.
std::pair<size_t, size_t> SelectedRange(const CodedRun& run, int64_t first, int64_t last) {
  if (first < 0) return {run.text.size(), run.text.size()};
  const auto begin =
      std::lower_bound(run.source.begin(), run.source.end(), static_cast<size_t>(first));
  const auto end = std::upper_bound(begin, run.source.end(), static_cast<size_t>(last));
  return {static_cast<size_t>(begin - run.source.begin()),
          static_cast<size_t>(end - run.source.begin())};
}

// Up to three pieces of a text run: before, inside and after the selection.
void PaintText(const CodedRun& run, int x, int y, int64_t first, int64_t last,
               const TextMeasurer& measurer, std::vector<PaintedRun>& out) {
  const auto [selected_begin, selected_end] = SelectedRange(run, first, last);
  const size_t cuts[4] = {0, selected_begin, selected_end, run.text.size()};
  const std::string_view text = run.text;
  for (int piece = 0; piece < 3; ++piece) {
    if (cuts[piece] >= cuts[piece + 1]) continue;
    PaintedRun p;
    p.run = &run;
    p.text = text.substr(cuts[piece], cuts[piece + 1] - cuts[piece]);
    p.x = x + (cuts[piece] == 0 ? 0 : measurer.Width(run.font, text.substr(0, cuts[piece])));
    p.y = y;
    p.width = measurer.Width(run.font, p.text);
    if (piece == 1) {
      p.colour = kCodedSelectionText;
      p.opaque = true;
      p.background = kCodedSelectionBack;
    } else {
      p.colour = run.colour;
      p.opaque = run.highlight;
      p.background = run.highlight ? kCodedHighlight : 0;
    }
    out.push_back(std::move(p));
  }
}

}  // namespace

void TVXkodtxt::SetPixelOffset(int offset) {
  pixel_scrolling_ = true;
  pixel_offset_ = offset;
}

void TVXkodtxt::SetFirstLine(int line) {
  pixel_scrolling_ = false;
  first_line_ = std::max(line, 1);
}

int TVXkodtxt::ViewOffset() const {
  switch (mode_) {
    case VerticalMode::kCentre:
      return (total_height_ - height_) / 2;
    case VerticalMode::kBottom:
      return total_height_ - height_;
    case VerticalMode::kTop:
      break;
  }
  if (pixel_scrolling_) return pixel_offset_;
  if (line_tops_.empty()) return 0;
  return line_tops_[static_cast<size_t>(std::min(first_line_, LineCount())) - 1];
}

void TVXkodtxt::SetSelection(int64_t first, int64_t last) {
  if (first < 0 || last < 0) {
    selection_first_ = selection_last_ = -1;
    return;
  }
  selection_first_ = std::min(first, last);
  selection_last_ = std::max(first, last);
}

bool TVXkodtxt::SelectDrag(int64_t anchor, int x, int y) {
  const CharHit hit = CharIndexAt(x, y);
  if (anchor < 0 || hit.index < 0) return false;
  int64_t first = anchor;
  int64_t last = anchor;
  if (hit.index > anchor) last = hit.past ? hit.index : hit.index - 1;
  if (hit.index < anchor) first = hit.index + 1;
  SetSelection(first, last);
  return true;
}

std::string TVXkodtxt::SelectedPlainText() const {
  if (!HasSelection() || static_cast<uint64_t>(selection_first_) >= text_.size()) return {};
  const size_t first = static_cast<size_t>(selection_first_);
  const size_t last = std::min(static_cast<size_t>(selection_last_), text_.size() - 1);
  return PlainText(std::string_view(text_).substr(first, last - first + 1));
}

// Runs below the area are passed over rather than ending the loop: a
// table's next cell may start higher than the cell before it ends. Rules
// are neither pushed nor push.
std::vector<PaintedRun> TVXkodtxt::Render() {
  std::vector<PaintedRun> out;
  for (CodedLink& link : links_)
    link.visible = false;
  outside_view_ = false;
  if (measurer_ == nullptr) return out;
  const int offset = ViewOffset();
  int previous_line = 0;
  int previous_end = 0;
  for (const CodedRun& run : runs_) {
    const int y = run.top - offset;
    if (run.bottom - offset <= 0 || y >= height_) {
      outside_view_ = true;
      continue;
    }
    if (run.rule != 0) {
      PaintedRun p;
      p.run = &run;
      p.x = run.left;
      p.y = y;
      p.width = run.right - run.left;
      p.colour = run.colour;
      out.push_back(std::move(p));
      continue;
    }
    int x = run.left;
    if (run.line == previous_line && previous_end > x) x = previous_end;
    PaintText(run, x, y, selection_first_, selection_last_, *measurer_, out);
    previous_line = run.line;
    previous_end = x + measurer_->Width(run.font, run.text);
    if (run.link && run.link_index >= 0 && static_cast<size_t>(run.link_index) < links_.size())
      links_[static_cast<size_t>(run.link_index)].visible = true;
  }
  return out;
}

}  // namespace vx
