// VisibleAnchors: every step-th set bit of a selection, so that the k-th
// set bit, and the index of a set bit, are found with at most step - 1
// scans instead of counting from the start. The result table and the word
// picker page through visible rows with it.
//
// With V set bits, step is 1 when V <= kMaxAnchors, else
// (V - 1) / kMaxAnchors + 1; the anchors are the 1st, (step + 1)-th,
// (2 step + 1)-th ... set bits, at most kMaxAnchors of them. V = 0 gives
// no anchors.
//
// The anchors describe the selection as it was at Rebuild; the finders
// take that same selection again and stop safely where it has changed.
#ifndef VX_ENGINE_LISTS_VISIBLE_ANCHORS_H_
#define VX_ENGINE_LISTS_VISIBLE_ANCHORS_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/lists/selection.h"

namespace vx {

class VisibleAnchors {
 public:
  static constexpr int32_t kMaxAnchors = 100;

  // Rebuilds over the set bits of `bits`, taking bits.Count() as V.
  void Rebuild(const Tvxsmalurval& bits);
  void Clear();

  // The number of the k-th set bit of `bits` (k from 1), or -1 when k < 1,
  // k lies beyond the anchors, or the bits run out.
  int32_t Find(const Tvxsmalurval& bits, int32_t k) const;
  // The index (from 1) of `number` among the set bits of `bits`, or -1
  // when there are no anchors or its bit is not set.
  int32_t Position(const Tvxsmalurval& bits, int32_t number) const;

  int32_t step() const { return step_; }
  size_t size() const { return anchors_.size(); }
  bool empty() const { return anchors_.empty(); }
  int32_t operator[](size_t i) const { return anchors_[i]; }

 private:
  void BuildAnchors(const Tvxsmalurval& bits);

  int32_t step_ = 1;
  std::vector<int32_t> anchors_;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_VISIBLE_ANCHORS_H_
