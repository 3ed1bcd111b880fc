// What the builder derives from each register's fields: the person-list row,
// the search word lists of the slots, the free-search lists and the pairs of
// normalised and written forms. Declared as data per register.
#ifndef VX_BUILDER_REGISTER_SCHEMA_H_
#define VX_BUILDER_REGISTER_SCHEMA_H_

#include <string>
#include <vector>

namespace vx {

// A field's value, or `fallback`'s when the field is empty (used for the
// relatives' names "as written": the O field when set, else the plain one).
struct FieldRef {
  std::string name;
  std::string fallback;
};

enum class SlotValues {
  kWhole,    // each field's whole value
  kWords,    // each blank-separated word (first-name lists)
  kDates,    // each date; a field may hold several, separated by commas
  kLokalId,  // one row per record
};

struct SlotSource {
  int slot;
  SlotValues values;
  std::vector<FieldRef> fields;
};

// A free-search list: each line of each field is an entry. A "relative"
// source joins a relative's fields with blanks into one line.
struct FreeSearchSource {
  int slot;                                     // the list's slot in its register (17: vaxors117)
  std::vector<std::vector<std::string>> lines;  // one line = these fields joined by blanks
  bool by_lines = false;                        // split each value at CR
};

enum NormKind : int { kNormSurname = 1, kNormPlace = 2, kNormWomansName = 3, kNormMansName = 4 };

// A normalised field and its written ("O") twin. The kind is fixed, or for
// first names taken from a sex field ("k" women, "m" men).
struct NormPair {
  std::string plain;
  std::string written;
  int kind = 0;  // 0: from `sex_field`
  std::string sex_field;
};

struct RegisterSchema {
  int register_number;
  std::string source_file;  // "fodda.csv"
  std::vector<SlotSource> slots;
  std::vector<FreeSearchSource> free_search;
  std::vector<NormPair> norm_pairs;
};

const RegisterSchema& SchemaOf(int register_number);

}  // namespace vx

#endif  // VX_BUILDER_REGISTER_SCHEMA_H_
