#include "resulttable/hit_counter.h"

namespace vx {

HitCounter uppdateraantal(const std::array<int32_t, 3>& row_counts, int current_register,
                          int32_t current_hits) {
  HitCounter counter;
  for (int r = 1; r <= 3; ++r) {
    const int32_t rows = row_counts[static_cast<size_t>(r - 1)];
    if (rows <= 0) continue;
    counter.captions[static_cast<size_t>(r - 1)] = std::to_string(rows);
    if (r == current_register) counter.hits = current_hits;
  }
  counter.text = std::to_string(counter.hits) + " valda";
  const bool on = counter.hits != 0;
  counter.buttons = {on, on, on, on, on};
  return counter;
}

}  // namespace vx
