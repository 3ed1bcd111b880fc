// The lists a search for links reads, by register and slot, and the
// selections it marks from them. Each selection spans one register's
// records.
#ifndef VX_LINKING_LINK_MARKS_H_
#define VX_LINKING_LINK_MARKS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/lists/selection.h"

namespace vx {

// Slots of the registers' word lists.
namespace link_slots {
inline constexpr int kParish = 1;  // FORSKX, every register
inline constexpr int kDates = 4;   // the event's dates, every register
// Births.
inline constexpr int kGiven = 6;
inline constexpr int kSurname = 7;
inline constexpr int kBirthPlace = 8;
inline constexpr int kMotherGiven = 9;
inline constexpr int kMotherSurname = 10;
inline constexpr int kFatherGiven = 13;
inline constexpr int kFatherSurname = 14;
inline constexpr int kBirthLokalId = 19;
// Marriages.
inline constexpr int kBrideGiven = 6;
inline constexpr int kBrideSurname = 7;
inline constexpr int kBridePlace = 8;
inline constexpr int kGroomGiven = 10;
inline constexpr int kGroomSurname = 11;
inline constexpr int kGroomPlace = 12;
inline constexpr int kMarriageLokalId = 16;
// Deaths.
inline constexpr int kDeathBirthDates = 6;
inline constexpr int kDeathGiven = 7;
inline constexpr int kDeathSurname = 8;
inline constexpr int kDeathPlace = 9;
inline constexpr int kDeathLokalId = 13;
inline constexpr int kRelativeGiven = 14;
}  // namespace link_slots

class LinkMarks {
 public:
  LinkMarks(TEVF& evf, int register_number);

  // A selection over the register's records, empty.
  void Prepare(Tvxsmalurval& selection) const;

  // Marks the records of the row of `slot` equal to `word`; nothing for an
  // empty word, an empty slot or a word not in the list.
  void Word(int slot, std::string_view word, Tvxsmalurval& into);
  void Words(int slot, const std::vector<std::string>& words, Tvxsmalurval& into);
  // Marks the records of the date list `slot` dated in the years from
  // `from` to `to`.
  void Years(int slot, int from, int to, Tvxsmalurval& into);

  // The year of a record's person-list date (its event), 0 when undated.
  int EventYear(uint32_t record);
  // The record's person-list row split at its CR.
  void RowParts(uint32_t record, std::string& name, std::string& date);

  int register_number() const { return register_number_; }
  int32_t RecordCount() const;

 private:
  TVXstruktlista* Slot(int slot) const;

  TEVF& evf_;
  int register_number_;
};

}  // namespace vx

#endif  // VX_LINKING_LINK_MARKS_H_
