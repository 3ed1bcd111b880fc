// uppdateraantal: the register toggles' captions, the hit counter and the
// commands that need hits.
#ifndef VX_RESULTTABLE_HIT_COUNTER_H_
#define VX_RESULTTABLE_HIT_COUNTER_H_

#include <array>
#include <cstdint>
#include <string>

#include "language/language.h"

namespace vx {

// The buttons that act on hits; all enabled exactly when there are hits.
struct HitButtons {
  bool skrivknapp = false;      // print the list
  bool kopilistaknapp = false;  // copy the list
  bool kopipostknapp = false;   // copy the record
  bool postejknapp = false;     // remove the person
  bool postskrivknapp = false;  // print the record
};

struct HitCounter {
  // Captions of the births, marriages and deaths toggles: the person
  // list's row count (GroupedCount), "" for a register without rows.
  std::array<std::string, 3> captions;
  // What the toggles are called for a screen reader: the register and its
  // persons, "F\xF6dda, 1 000 000 personer", "Vigda, 1 person", "D\xF6da,
  // inga personer" ("Births, 1 000 000 persons" in English).
  std::array<std::string, 3> toggle_names;
  int32_t hits = 0;
  std::string text = "0 valda";  // antallabel ("0 selected")
  HitButtons buttons;
};

// `n` in decimal with its digits in groups of three, a no-break space
// (A0h) between the groups so that a caption never breaks inside a number:
// "417", "3\xA0000", "1\xA0000\xA0000".
std::string GroupedCount(int64_t n);

// The register of a toggle, in a word: "F\xF6dda", "Vigda", "D\xF6da"
// (Windows-1252), in `language`.
std::string ToggleWord(int register_number, Language language = Language::kSwedish);

// From each register's person-list row count (index 0 births) and the hit
// count of the current register, which counts only when its list has rows;
// the words in `language`.
HitCounter uppdateraantal(const std::array<int32_t, 3>& row_counts, int current_register,
                          int32_t current_hits, Language language = Language::kSwedish);

}  // namespace vx

#endif  // VX_RESULTTABLE_HIT_COUNTER_H_
