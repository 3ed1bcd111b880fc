// The field lists of the register stores: one label per field in stored
// order, the first character the field kind ('1' short text, '5' long text)
// and the rest the field name ("1FNAMN" is the short field FNAMN).
#ifndef VX_RECORDS_REGISTER_LABELS_H_
#define VX_RECORDS_REGISTER_LABELS_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Register numbers, the same everywhere.
enum Register : int { kBirths = 1, kMarriages = 2, kDeaths = 3 };

// Labels of register 1..3; an empty list for any other number.
const std::vector<std::string>& RegisterLabels(int register_number);

// Labels of the two text stores (help texts and the register set's own
// texts): "1TEXTKOD" "1RUBRIK" "5TEXT".
const std::vector<std::string>& TextStoreLabels();

// The field name of a label: the label without its kind digit.
inline std::string_view FieldName(std::string_view label) {
  return label.substr(1);
}

// The index of field `name` in `labels`, or -1.
int FieldIndex(const std::vector<std::string>& labels, std::string_view name);

}  // namespace vx

#endif  // VX_RECORDS_REGISTER_LABELS_H_
