#include "search/form_availability.h"

#include "search/catalogue_parts.h"

namespace vx {

bool FieldDisabled(TEVF& evf, int register_number, const FormField& field) {
  if (!field.ListBacked() || field.empty_caption.empty()) return false;
  return SlotList(evf, register_number, field.slot).RowCount() == 0;
}

bool LokalIdDisabled(TEVF& evf, const SearchFormTable& form) {
  return SlotList(evf, form.register_number, form.lokalid_slot).RowCount() == 0;
}

}  // namespace vx
