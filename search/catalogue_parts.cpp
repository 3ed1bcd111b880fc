#include "search/catalogue_parts.h"

namespace vx {

TVXstruktlista& SlotList(TEVF& evf, int register_number, int slot) {
  static TVXstruktlista none;  // closed: no rows, nothing picked
  TVXstruktlista* list = evf.soklistor(register_number, slot);
  return list != nullptr ? *list : none;
}

}  // namespace vx
