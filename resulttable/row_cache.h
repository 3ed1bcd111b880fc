// radcache: the texts of consecutive visible rows of the current person
// list, so that painting the result table does not read the list again for
// every cell. Painting row by row from the top, or scrolling by one row in
// either direction, costs one list read per row not yet seen; a full repaint
// at most one read per row.
#ifndef VX_RESULTTABLE_ROW_CACHE_H_
#define VX_RESULTTABLE_ROW_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "engine/lists/struct_list.h"

namespace vx {

// Where the cache reads the text of visible row k (1-based).
class RowSource {
 public:
  virtual ~RowSource() = default;
  // The text of visible row k; false when there is no such row.
  virtual bool Read(int32_t k, std::string& text) = 0;
};

// The visible rows of a person list: GoToVisible(k) and its row text. The
// read moves the list's CurrentRow. `list` must outlive the source.
class VisibleRowSource final : public RowSource {
 public:
  explicit VisibleRowSource(TVXstruktlista& list) : list_(list) {}
  bool Read(int32_t k, std::string& text) override;

 private:
  TVXstruktlista& list_;
};

class RowCache {
 public:
  static constexpr int32_t kCapacity = 50;
  // Longer row texts are cut.
  static constexpr size_t kMaxText = 120;

  // The text of visible row i (1-based), from the cache or else read from
  // `source` and kept: after the last row kept (the first one is dropped
  // when the cache is full), before the first (the last one is dropped when
  // at least two are kept), or alone in place of all others. False, with
  // nothing kept, when the source has no such row.
  bool Text(int32_t i, RowSource& source, std::string& text);

  // Forgets every row: first := 0, count := 0.
  void Invalidate();

  bool Holds(int32_t i) const { return i >= first_ && i < first_ + count(); }
  int32_t first() const { return first_; }
  int32_t count() const { return static_cast<int32_t>(texts_.size()); }

 private:
  void Keep(int32_t i, std::string text);

  int32_t first_ = 0;
  std::deque<std::string> texts_;
};

}  // namespace vx

#endif  // VX_RESULTTABLE_ROW_CACHE_H_
