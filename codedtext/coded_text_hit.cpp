// TVXkodtxt's hit tests: links and characters under a point of the view.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "codedtext/coded_text.h"

namespace vx {
namespace {

bool Inside(const CodedRun& run, int x, int64_t y) {
  return x >= run.left && x < run.right && y >= run.top && y < run.bottom;
}

// The character of `run` under x, which lies within the run's extent or
// past its end, by the widths of the run's prefixes (they grow with
// their length, so a binary search finds it). Which half of the character
// the point is over does not count: a drag never selects the character
// under the mouse.
CharHit CharInRun(const CodedRun& run, int index, int x, const TextMeasurer& measurer) {
  const std::string_view text = run.text;
  const auto end_of = [&](size_t count) {
    return int64_t{run.left} + measurer.Width(run.font, text.substr(0, count));
  };
  size_t low = 1;
  size_t high = text.size();
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    if (end_of(middle) > x)
      high = middle;
    else
      low = middle + 1;
  }
  const int64_t end = end_of(low);
  CharHit hit;
  hit.run = index;
  hit.index = static_cast<int64_t>(run.source[low - 1]);
  hit.past = end <= x;
  return hit;
}

}  // namespace

std::string TVXkodtxt::LinkAt(int x, int y) const {
  const int64_t top = int64_t{y} + ViewOffset();
  for (const CodedRun& run : runs_) {
    if (run.link && links_[static_cast<size_t>(run.link_index)].visible && Inside(run, x, top))
      return links_[static_cast<size_t>(run.link_index)].target;
  }
  return {};
}

bool TVXkodtxt::LinkHit(int x, int y) const {
  const int64_t top = int64_t{y} + ViewOffset();
  return std::any_of(runs_.begin(), runs_.end(), [&](const CodedRun& run) {
    return run.link && links_[static_cast<size_t>(run.link_index)].visible && Inside(run, x, top);
  });
}

CharHit TVXkodtxt::CharIndexAt(int x, int y) const {
  if (line_tops_.empty() || measurer_ == nullptr) return {};
  const int64_t top = int64_t{y} + ViewOffset();
  const auto above = std::upper_bound(line_tops_.begin(), line_tops_.end(), top);
  const int line = static_cast<int>(std::max<ptrdiff_t>(above - line_tops_.begin(), 1));
  int before = -1;  // the run ending last at or before x
  int first = -1;   // the leftmost run
  for (size_t i = 0; i < runs_.size(); ++i) {
    const CodedRun& run = runs_[i];
    if (run.line != line || run.rule != 0 || run.text.empty()) continue;
    const int index = static_cast<int>(i);
    if (x >= run.left && x < run.right) return CharInRun(run, index, x, *measurer_);
    if (run.right <= x && (before < 0 || run.right >= runs_[static_cast<size_t>(before)].right))
      before = index;
    if (first < 0 || run.left < runs_[static_cast<size_t>(first)].left) first = index;
  }
  CharHit hit;
  if (before >= 0) {
    hit.run = before;
    hit.index = static_cast<int64_t>(runs_[static_cast<size_t>(before)].source.back());
    hit.past = true;
  } else if (first >= 0) {
    hit.run = first;
    hit.index = static_cast<int64_t>(runs_[static_cast<size_t>(first)].source.front());
  }
  return hit;
}

}  // namespace vx
