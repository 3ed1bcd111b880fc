#include "resulttable/hit_counter.h"

namespace vx {

std::string GroupedCount(int64_t n) {
  const std::string digits = std::to_string(n < 0 ? -n : n);
  std::string out = n < 0 ? "-" : "";
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += '\xA0';
    out += digits[i];
  }
  return out;
}

const char* ToggleWord(int register_number) {
  switch (register_number) {
    case 1:
      return "F\xF6"
             "dda";
    case 2:
      return "Vigda";
    default:
      return "D\xF6"
             "da";
  }
}

namespace {

std::string ToggleName(int r, int32_t rows) {
  const std::string persons = rows <= 0   ? "inga personer"
                              : rows == 1 ? "1 person"
                                          : GroupedCount(rows) + " personer";
  return std::string(ToggleWord(r)) + ", " + persons;
}

}  // namespace

HitCounter uppdateraantal(const std::array<int32_t, 3>& row_counts, int current_register,
                          int32_t current_hits) {
  HitCounter counter;
  for (int r = 1; r <= 3; ++r) {
    const int32_t rows = row_counts[static_cast<size_t>(r - 1)];
    counter.toggle_names[static_cast<size_t>(r - 1)] = ToggleName(r, rows);
    if (rows <= 0) continue;
    counter.captions[static_cast<size_t>(r - 1)] = GroupedCount(rows);
    if (r == current_register) counter.hits = current_hits;
  }
  counter.text = std::to_string(counter.hits) + " valda";
  const bool on = counter.hits != 0;
  counter.buttons = {on, on, on, on, on};
  return counter;
}

}  // namespace vx
