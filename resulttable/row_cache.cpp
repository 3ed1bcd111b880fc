#include "resulttable/row_cache.h"

#include <cassert>
#include <utility>

namespace vx {

bool VisibleRowSource::Read(int32_t k, std::string& text) {
  if (!list_.GoToVisible(k)) return false;
  text = list_.RowText();
  return true;
}

bool RowCache::Text(int32_t i, RowSource& source, std::string& text) {
  if (Holds(i)) {
    text = texts_[static_cast<size_t>(i - first_)];
    return true;
  }
  if (!source.Read(i, text)) return false;
  if (text.size() > kMaxText) text.resize(kMaxText);
  Keep(i, text);
  return true;
}

void RowCache::Invalidate() {
  first_ = 0;
  texts_.clear();
}

void RowCache::Keep(int32_t i, std::string text) {
  if (!texts_.empty() && i == first_ + count()) {
    if (count() >= kCapacity) {
      texts_.pop_front();
      ++first_;
    }
    texts_.push_back(std::move(text));
  } else if (!texts_.empty() && i == first_ - 1) {
    // Scrolling up keeps the cache's length: the row falling off the bottom
    // goes as the new top row comes in.
    if (count() >= 2) texts_.pop_back();
    texts_.push_front(std::move(text));
    --first_;
  } else {
    texts_.clear();
    texts_.push_back(std::move(text));
    first_ = i;
  }
  assert(count() <= kCapacity && Holds(i));
}

}  // namespace vx
