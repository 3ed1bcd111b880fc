// How the keyboard moves in a group of coupled buttons (a radio group):
// the arrow keys go to the next button that can be chosen, in reading
// order, and stop at the ends.
#ifndef VX_IMAGING_RADIO_GROUP_H_
#define VX_IMAGING_RADIO_GROUP_H_

#include <cstddef>
#include <span>

#include "engine/util/rect.h"

namespace vx {

struct GroupMember {
  Rect place;  // in the parent both share
  bool enabled = true;
};

// The member an arrow moves to from `current`: the next enabled member in
// reading order (top to bottom, then left to right) for `step` +1 (Down,
// Right), the previous one for -1 (Up, Left); -1 when there is none.
int ArrowTarget(std::span<const GroupMember> members, size_t current, int step);

}  // namespace vx

#endif  // VX_IMAGING_RADIO_GROUP_H_
