#include "imaging/radio_group.h"

#include <algorithm>
#include <vector>

namespace vx {

int ArrowTarget(std::span<const GroupMember> members, size_t current, int step) {
  if (current >= members.size() || (step != 1 && step != -1)) return -1;
  std::vector<size_t> order(members.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::ranges::stable_sort(order, [&](size_t a, size_t b) {
    const Rect& p = members[a].place;
    const Rect& q = members[b].place;
    return p.top != q.top ? p.top < q.top : p.left < q.left;
  });
  const auto here = std::ranges::find(order, current);
  for (auto at = here; step > 0 ? ++at != order.end() : at-- != order.begin();) {
    if (members[*at].enabled) return static_cast<int>(*at);
  }
  return -1;
}

}  // namespace vx
