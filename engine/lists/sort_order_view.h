// SortOrderView: what the sorted view of a list needs of a sort order, the
// row shown at each sort position.
#ifndef VX_ENGINE_LISTS_SORT_ORDER_VIEW_H_
#define VX_ENGINE_LISTS_SORT_ORDER_VIEW_H_

#include <cstdint>

namespace vx {

class SortOrderView {
 public:
  virtual ~SortOrderView() = default;
  // Positions 1..Count(); 0 for a closed order.
  virtual int32_t Count() const = 0;
  // The row at position p, or -1 outside 1..Count().
  virtual int32_t Get(int32_t p) const = 0;
};

// Shows any object with int32_t Count() and Get(p) as a SortOrderView, for
// sort orders that do not derive from it. `order` must outlive the view.
template <typename Order>
class SortOrderViewOf final : public SortOrderView {
 public:
  explicit SortOrderViewOf(const Order& order) : order_(order) {}
  int32_t Count() const override { return order_.Count(); }
  int32_t Get(int32_t p) const override { return order_.Get(p); }

 private:
  const Order& order_;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_SORT_ORDER_VIEW_H_
